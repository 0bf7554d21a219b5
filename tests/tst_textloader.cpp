// SPDX-License-Identifier: GPL-3.0-or-later
#include "textloader.h"

#include "fixturefile.h"

#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TstTextLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        return writeFixture(m_dir, name, content);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QByteArray>("localeCodec");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");

        const QString greeting = QStringLiteral(u"Grüße aus Köln");
        const QByteArray utf8 = greeting.toUtf8();
        // Code units written out by hand, byte by byte.
        auto units = [&](int width, bool little) {
            QByteArray out;
            auto put = [&](uint unit) {
                for (int i = 0; i < width; ++i)
                    out += char(unit >> (8 * (little ? i : width - 1 - i)));
            };
            if (width == 2) {
                for (const QChar c : greeting)
                    put(c.unicode());
            } else {
                for (const uint c : greeting.toUcs4())
                    put(c);
            }
            return out;
        };
        QTest::newRow("UTF-8 mark")
            << "\xEF\xBB\xBF" + utf8 << false << QByteArray() << greeting << "UTF-8";
        QTest::newRow("UTF-16LE mark")
            << "\xFF\xFE" + units(2, true) << false << QByteArray() << greeting << "UTF-16LE";
        QTest::newRow("UTF-16BE mark")
            << "\xFE\xFF" + units(2, false) << false << QByteArray() << greeting << "UTF-16BE";
        QTest::newRow("UTF-32LE mark") << QByteArray("\xFF\xFE\0\0", 4) + units(4, true) << false
                                       << QByteArray() << greeting << "UTF-32LE";
        QTest::newRow("UTF-32BE mark") << QByteArray("\0\0\xFE\xFF", 4) + units(4, false) << false
                                       << QByteArray() << greeting << "UTF-32BE";
        QTest::newRow("UTF-16LE cut mid unit") << "\xFF\xFE" + units(2, true) + "\x41" << true
                                               << QByteArray() << greeting << "UTF-16LE";
        QTest::newRow("plain UTF-8") << utf8 << false << QByteArray() << greeting << "UTF-8";
        QTest::newRow("ASCII") << QByteArray("plain\n") << false << QByteArray("UTF-8") << "plain\n"
                               << "UTF-8";
        QTest::newRow("Latin-1 when the locale is UTF-8")
            << QByteArray("Gr\xFC\xDF\x65 aus K\xF6ln") << false << QByteArray("UTF-8") << greeting
            << "ISO-8859-1";
        QTest::newRow("mixed UTF-8 and Latin-1")
            << QByteArray("K\xC3\xB6ln \xFC") << false << QByteArray("UTF-8")
            << QStringLiteral(u"K\u00C3\u00B6ln \u00FC") << "ISO-8859-1";
        QTest::newRow("UTF-8 cut inside a character")
            << QByteArray("Gr\xC3\xBC\xC3") << true << QByteArray("UTF-8") << QStringLiteral(u"Grü")
            << "UTF-8";
        QTest::newRow("UTF-8 ending early is no UTF-8")
            << QByteArray("Gr\xC3\xBC\xC3") << false << QByteArray("UTF-8")
            << QStringLiteral(u"Gr\u00C3\u00BC\u00C3") << "ISO-8859-1";
        QTest::newRow("overlong form is no UTF-8")
            << QByteArray("a\xC0\xAF") << false << QByteArray("UTF-8")
            << QStringLiteral(u"a\u00C0\u00AF") << "ISO-8859-1";
        QTest::newRow("locale encoding before Latin-1")
            << QByteArray("5 \xA4") << false << QByteArray("ISO-8859-15") << QStringLiteral(u"5 €")
            << "ISO-8859-15";
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cut);
        QFETCH(QByteArray, localeCodec);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        if (!localeCodec.isEmpty() && !QStringDecoder(localeCodec.constData()).isValid())
            QSKIP("Qt has no converter for this encoding here");
        const TextLoader::Decoded decoded = TextLoader::decode(bytes, cut, localeCodec);
        QCOMPARE(decoded.encoding, encoding);
        QCOMPARE(decoded.text, text);
    }

    void looksBinary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("binary");

        QByteArray allBytes;
        for (int i = 1; i < 256; ++i)
            allBytes += char(i);
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("line one\n\tline two\r\n") << false;
        QTest::newRow("terminal colours") << QByteArray("\x1b[31mred\x1b[0m\n") << false;
        QTest::newRow("zero byte") << QByteArray("abc\0def", 7) << true;
        QTest::newRow("zero byte after text") << QByteArray(4000, 'a') + '\0' << true;
        QTest::newRow("control bytes") << QByteArray("\x01\x02\x03\x04 text \x05\x06\x07") << true;
        QTest::newRow("every byte but zero") << allBytes << true;
        QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE\x61\0\x62\0", 6) << false;
    }

    void looksBinary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, binary);
        QCOMPARE(TextLoader::looksBinary(bytes), binary);
    }

    void hexDump_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QString>("dump");

        QTest::newRow("nothing") << QByteArray() << qint64(0) << QString();
        QTest::newRow("short line")
            << QByteArray("Hi\0\n", 4) << qint64(0)
            << "00000000  48 69 00 0a                                       |Hi..|\n";
        QTest::newRow("full line and one more")
            << QByteArray("0123456789abcdef\xff") << qint64(0)
            << "00000000  30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  |0123456789abcdef|\n"
               "00000010  ff                                                |.|\n";
        QTest::newRow("offset")
            << QByteArray("~") << qint64(0x1234560)
            << "01234560  7e                                                |~|\n";
    }

    void hexDump()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, offset);
        QFETCH(QString, dump);
        QCOMPARE(TextLoader::hexDump(bytes, offset), dump);
    }

    // What the view lays out: bounded lines, no direction controls at work.
    void prepareForDisplay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("broken");

        const int cap = TextLoader::LineCap;
        const QString longWord(cap + 5, 'x');
        const QString words = QString("word ").repeated(cap / 5 + 2);
        QTest::newRow("short lines") << "one\ntwo\n"
                                     << "one\ntwo\n"
                                     << 0;
        QTest::newRow("zero byte")
            << QString::fromLatin1("a\0b", 3) << QString::fromUtf16(u"a\u2400b") << 0;
        QTest::newRow("right-to-left override")
            << QString::fromUtf16(u"evil\u202Egnp.exe") << "evil<U+202E>gnp.exe" << 0;
        QTest::newRow("isolate") << QString::fromUtf16(u"\u2067x\u2069") << "<U+2067>x<U+2069>"
                                 << 0;
        QTest::newRow("long line, no space")
            << longWord << longWord.left(cap) + "\n" + longWord.mid(cap) << 1;
        QTest::newRow("long line broken at a space")
            << words << words.left(cap) + "\n" + words.mid(cap) << 1;
        QTest::newRow("three pieces are one broken line")
            << QString(3 * cap, 'y') + "\nz"
            << QString(cap, 'y') + "\n" + QString(cap, 'y') + "\n" + QString(cap, 'y') + "\nz" << 1;
        const QString pair = QString(cap - 1, 'a') + QString::fromUtf16(u"\U0001F600");
        QTest::newRow("pair never split") << pair + "b" << pair + "\nb" << 1;
    }

    void prepareForDisplay()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(int, broken);
        QCOMPARE(TextLoader::prepareForDisplay(&text), broken);
        QCOMPARE(text, shown);
    }

    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("binary");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<qint64>("shown");
        QTest::addColumn<bool>("truncated");

        const QByteArray text = QStringLiteral(u"Grüße\n").toUtf8();
        const QByteArray big = QByteArray(TextLoader::TextCap + 10, 'x');
        QTest::newRow("text") << "a.txt" << text << int(TextLoader::Auto) << false << "UTF-8"
                              << qint64(text.size()) << false;
        QTest::newRow("text as hex") << "b.txt" << text << int(TextLoader::Hex) << true << ""
                                     << qint64(text.size()) << false;
        QTest::newRow("binary") << "c.bin"
                                << QByteArray("\x7f"
                                              "ELF\0\0",
                                              6)
                                << int(TextLoader::Auto) << true << "" << qint64(6) << false;
        QTest::newRow("binary as text")
            << "d.bin" << QByteArray("ab\0cd", 5) << int(TextLoader::Text) << false << "UTF-8"
            << qint64(5) << false;
        QTest::newRow("empty") << "e" << QByteArray() << int(TextLoader::Auto) << false << "UTF-8"
                               << qint64(0) << false;
        QTest::newRow("over the cap") << "f.txt" << big << int(TextLoader::Auto) << false << "UTF-8"
                                      << TextLoader::TextCap << true;
        QTest::newRow("hex cap") << "g.txt" << big << int(TextLoader::Hex) << true << ""
                                 << TextLoader::HexCap << true;
    }

    void read()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(bool, binary);
        QFETCH(QString, encoding);
        QFETCH(qint64, shown);
        QFETCH(bool, truncated);
        const QString path = write(name, content);
        QVERIFY(!path.isEmpty());
        const TextLoader::Result result = TextLoader::read(path, TextLoader::Mode(mode));
        QCOMPARE(result.error, QString());
        QCOMPARE(result.isBinary, binary);
        QCOMPARE(result.encoding, encoding);
        QCOMPARE(result.shownBytes, shown);
        QCOMPARE(result.truncated, truncated);
        QCOMPARE(result.fileSize, qint64(content.size()));
        if (binary) // 16 bytes a line
            QCOMPARE(result.text.count(QLatin1Char('\n')), (shown + 15) / 16);
        else if (mode == TextLoader::Text) // a zero byte neither ends nor vanishes
            QCOMPARE(result.text.size(), content.size());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("missing");
        QTest::newRow("missing") << m_dir.filePath("nothing") << true;
        QTest::newRow("folder") << m_dir.path() << false;
        QTest::newRow("pipe") << m_dir.filePath("pipe") << false;
        QTest::newRow("device") << "/dev/null" << false;
    }

    void refusals()
    {
        QFETCH(QString, path);
        QFETCH(bool, missing);
        if (path.endsWith(QLatin1String("pipe")) && !QFile::exists(path))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        const TextLoader::Result result = TextLoader::read(path, TextLoader::Auto);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(result.missing, missing);
        QCOMPARE(result.text, QString());
    }

    void newerLoadWins()
    {
        const QString first = write("first.txt", "first");
        const QString second = write("second.txt", "second");
        TextLoader loader;
        QSignalSpy loaded(&loader, &TextLoader::loaded);
        loader.load(first);
        loader.load(second);
        QCOMPARE(loader.status(), TextLoader::Loading);
        QVERIFY(loaded.wait());
        QTest::qWait(50); // the first load's answer, if it came, would be here by now
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loader.text(), QStringLiteral("second"));
        QCOMPARE(loader.path(), second);
        QCOMPARE(loader.status(), TextLoader::Ready);

        loader.load(first);
        loader.cancel();
        QCOMPARE(loader.status(), TextLoader::Null);
        QVERIFY(!loaded.wait(200));
        QCOMPARE(loaded.size(), 1);
    }
};

QTEST_MAIN(TstTextLoader)
#include "tst_textloader.moc"

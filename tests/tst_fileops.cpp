// Reading, copying and recognising the files a person opens in the browser,
// including the odd ones: pipes, devices, folders, huge files.
#include "vantrel.h"

#include <bb/PpsObject>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QStringList debugLines;
QtMessageHandler testLog = nullptr;
void keepDebugLines(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines.append(text);
    testLog(type, context, text);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestFileOps : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const
    {
        return name.startsWith('/') ? name : m_dir.filePath(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        for (const char *name : {"pipe", "pipe.png"})
            QCOMPARE(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
        testLog = qInstallMessageHandler(keepDebugLines);
    }

    void init() { debugLines.clear(); }

    // Every file is read as text and checked for an image.
    void inspect_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: not written
        QTest::addColumn<QString>("text");       // null: any text without zero bytes
        QTest::addColumn<bool>("image");
        const qint64 cap = bb::PpsObject::MaxReadSize;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(3, 2, QImage::Format_RGB32).save(&buffer, "PNG");
        // Uncompressed 2x1 true-colour image with the footer Qt's reader requires.
        const QByteArray tga("\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\x18\0\x7f\x7f\x7f\x7f\x7f\x7f"
                             "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.",
                             50);
        QTest::newRow("text") << "a.txt" << QByteArray("one\ntwo\n") << "one\ntwo\n" << false;
        QTest::newRow("latin-1") << "b.txt" << QByteArray("caf\xe9 \xff\x80")
                                 << QStringLiteral("caf\u00e9 \u00ff\u0080") << false;
        QTest::newRow("zero byte") << "c.txt" << QByteArray("left\0right", 10) << "left" << false;
        QTest::newRow("empty") << "d.txt" << QByteArray("") << "" << false;
        QTest::newRow("beyond the cap")
            << "e.txt" << QByteArray(cap + 100, 'x') << QString(cap, 'x') << false;
        QTest::newRow("missing") << "none.txt" << QByteArray() << "" << false;
        QTest::newRow("folder") << "folder" << QByteArray() << "Can't open file: Is a directory"
                                << false;
        QTest::newRow("pipe nobody writes to") << "pipe" << QByteArray() << "" << false;
        QTest::newRow("endless zeros") << "/dev/zero" << QByteArray() << "" << false;
        QTest::newRow("endless random bytes")
            << "/dev/urandom" << QByteArray() << QString() << false;
        QTest::newRow("png") << "photo.png" << png << QString() << true;
        QTest::newRow("upper-case extension") << "photo.PNG" << png << QString() << false;
        QTest::newRow("unlisted last extension") << "photo.png.gz" << png << QString() << false;
        QTest::newRow("listed, not an image")
            << "fake.jpg" << QByteArray("just text") << "just text" << false;
        QTest::newRow("tga") << "picture.tga" << tga << QString() << true;
        QTest::newRow("pipe named like an image") << "pipe.png" << QByteArray() << "" << false;
        QTest::newRow("missing image") << "gone.gif" << QByteArray() << "" << false;
    }

    void inspect()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(bool, image);
        if (name.endsWith(".tga") && !QImageReader::supportedImageFormats().contains("tga"))
            QSKIP("No TGA decoder installed");
        QVERIFY(content.isNull() || writeFile(path(name), content));
        Vantrel vantrel;
        QSignalSpy running(&vantrel, &Vantrel::isRunningChanged);
        const QString loaded = vantrel.loadFile(path(name));
        if (text.isNull())
            QVERIFY(loaded.size() <= bb::PpsObject::MaxReadSize && !loaded.contains(QChar(0)));
        else
            QCOMPARE(loaded, text);
        QCOMPARE(running.count(), 2);
        QVERIFY(!vantrel.isRunning());
        QCOMPARE(vantrel.checkIfIsImage(path(name)), image);
        QCOMPARE(running.count(), 2);
        QStringList lines{"loadFile in"};
        if (image)
            lines << "************ Image was loaded ************";
        QCOMPARE(debugLines, lines);
    }

    void copy_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("copied");
        QTest::newRow("file") << "notes.txt" << true;
        QTest::newRow("path ending in /") << "folder/" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("missing") << "none.txt" << false;
        QTest::newRow("pipe") << "pipe" << false;
        QTest::newRow("endless device") << "/dev/zero" << false;
        QTest::newRow("empty device") << "/dev/null" << false;
        QTest::newRow("read error") << "/proc/self/mem" << false;
    }

    void copy()
    {
        QFETCH(QString, source);
        QFETCH(bool, copied);
        QTemporaryDir docs;
        const QString folder = docs.filePath(QStringLiteral("shared/documents/Vantrel/"));
        source = path(source);
        const QString copy = folder + source.split('/').last();
        const QByteArray content = QByteArray("first ") + QTest::currentDataTag();
        if (copied) {
            QVERIFY(writeFile(source, content));
            QCOMPARE(::chmod(QFile::encodeName(source).constData(), 04751), 0);
        }
        Vantrel vantrel;
        vantrel.setDocumentsFolder(folder);
        QSignalSpy current(&vantrel, &Vantrel::currentPathChanged);
        QCOMPARE(vantrel.copy(source), copied);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(entries(folder), copied ? QStringList{QFileInfo(copy).fileName()} : QStringList());
        if (!copied)
            return;
        QCOMPARE(readFile(copy), content);
        // The permissions come along, but never set-user-ID.
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(copy).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0751));
        QVERIFY(writeFile(source, "second"));
        QVERIFY(!vantrel.copy(source));
        QCOMPARE(readFile(copy), content);
        QCOMPARE(current.count(), 0);
    }

    // Files may not grow past 64 KiB: the disk is full half way.
    void copyFailingHalfWay()
    {
        QTemporaryDir docs;
        const QString source = path(QStringLiteral("big.bin"));
        QVERIFY(writeFile(source, QByteArray(1024 * 1024, 'b')));
        Vantrel vantrel;
        vantrel.setDocumentsFolder(docs.path());
        rlimit saved, small;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        small = {64 * 1024, saved.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool copied = vantrel.copy(source);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QVERIFY(!copied);
        QCOMPARE(entries(docs.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"

// Reading, copying and recognising the files a person opens in the browser,
// including the odd ones: pipes, devices, folders, huge files.
#include "vantrel.h"

#include <bb/PpsObject>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Debug lines written since the test function began.
QStringList debugLines;
QtMessageHandler testLog = nullptr;
void keepDebugLines(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines.append(text);
    testLog(type, context, text);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray png()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(&buffer, "PNG");
    return bytes;
}

// Uncompressed 2x1 true-colour image with the footer Qt's reader requires.
QByteArray tga()
{
    QByteArray header(18, '\0');
    header[2] = 2;
    header[12] = 2;
    header[14] = 1;
    header[16] = 24;
    return header + QByteArray(6, '\x7f') + QByteArray(8, '\0') +
           QByteArray("TRUEVISION-XFILE.", 18);
}

} // namespace

class TestFileOps : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        for (const char *name : {"pipe", "pipe.png"})
            QCOMPARE(::mkfifo(QFile::encodeName(path(QLatin1String(name))).constData(), 0600), 0);
        testLog = qInstallMessageHandler(keepDebugLines);
    }

    void init() { debugLines.clear(); }

    void interfaceSeenByQml()
    {
        const QMetaObject &meta = Vantrel::staticMetaObject;
        QCOMPARE(meta.methodCount() - meta.methodOffset(), 7);
        const QByteArrayList signatures = {"loadFile(QString)", "copy(QString)",
                                           "checkIfIsImage(QString)"};
        for (int i = 0; i < signatures.size(); ++i) {
            const QMetaMethod method = meta.method(meta.methodOffset() + 4 + i);
            QCOMPARE(method.methodSignature(), signatures[i]);
            QCOMPARE(method.parameterNames(), QByteArrayList{"path"});
        }
        QCOMPARE(Vantrel().documentsFolder(),
                 QStringLiteral("/accounts/1000/shared/documents/Vantrel/"));
    }

    void loadFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const qint64 cap = bb::PpsObject::MaxReadSize;
        QTest::newRow("text") << "a.txt" << QByteArray("one\ntwo\n") << "one\ntwo\n";
        QTest::newRow("latin-1") << "b.txt" << QByteArray("caf\xe9 \xff\x80")
                                 << QStringLiteral("caf\u00e9 \u00ff\u0080");
        QTest::newRow("zero byte") << "c.txt" << QByteArray("left\0right", 10) << "left";
        QTest::newRow("empty") << "d.txt" << QByteArray("") << "";
        QTest::newRow("beyond the cap")
            << "e.txt" << QByteArray(cap + 100, 'x') << QString(cap, QLatin1Char('x'));
        QTest::newRow("missing") << "none.txt" << QByteArray() << "";
        QTest::newRow("folder") << "folder" << QByteArray() << "Can't open file: Is a directory";
        QTest::newRow("pipe nobody writes to") << "pipe" << QByteArray() << "";
        QTest::newRow("endless zeros") << "/dev/zero" << QByteArray() << "";
    }

    void loadFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        if (!content.isNull())
            writeFile(path(name), content);
        Vantrel vantrel;
        QSignalSpy running(&vantrel, &Vantrel::isRunningChanged);
        QCOMPARE(vantrel.loadFile(name.startsWith(QLatin1Char('/')) ? name : path(name)), expected);
        QCOMPARE(running.count(), 2);
        QVERIFY(!vantrel.isRunning());
        QCOMPARE(debugLines, QStringList{QStringLiteral("loadFile in")});
    }

    void loadFileOfEndlessRandomBytes()
    {
        const QString text = Vantrel().loadFile(QStringLiteral("/dev/urandom"));
        QVERIFY(text.size() <= bb::PpsObject::MaxReadSize);
        QVERIFY(!text.contains(QChar(0)));
    }

    void accessor()
    {
        bb::PpsObject missing(path(QStringLiteral("none")));
        QVERIFY(!missing.open(bb::PpsOpenMode::Subscribe));
        bool ok = true;
        QVERIFY(missing.read(&ok).isEmpty() && !ok);
        missing.close();

        writeFile(path(QStringLiteral("w.txt")), "w");
        bb::PpsObject file(path(QStringLiteral("w.txt")));
        QVERIFY(!file.open(bb::PpsOpenMode::Publish));
        QVERIFY(file.open(bb::PpsOpenMode::Subscribe));
        QCOMPARE(file.read(&ok), QByteArray("w"));
        QCOMPARE(file.read(&ok), QByteArray("w"));
        QVERIFY(ok);
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
        if (!source.startsWith(QLatin1Char('/')))
            source = path(source);
        const QString name = source.split(QLatin1Char('/')).last();
        const QByteArray content = QByteArray("first ") + QTest::currentDataTag();
        if (copied) {
            writeFile(source, content);
            QCOMPARE(::chmod(QFile::encodeName(source).constData(), 04751), 0);
        }
        Vantrel vantrel;
        vantrel.setDocumentsFolder(folder);
        QSignalSpy current(&vantrel, &Vantrel::currentPathChanged);
        QCOMPARE(vantrel.copy(source), copied);
        QVERIFY(QFileInfo(folder).isDir());
        const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(left, copied ? QStringList{name} : QStringList());
        if (!copied)
            return;
        QCOMPARE(readFile(folder + name), content);
        // The permissions come along, but never set-user-ID.
        struct stat copiedStatus;
        QCOMPARE(::stat(QFile::encodeName(folder + name).constData(), &copiedStatus), 0);
        QCOMPARE(copiedStatus.st_mode & 07777, mode_t(0751));
        writeFile(source, "second");
        QVERIFY(!vantrel.copy(source));
        QCOMPARE(readFile(folder + name), content);
        QCOMPARE(current.count(), 0);
    }

    void copyFailingHalfWay()
    {
        QTemporaryDir docs;
        const QString source = path(QStringLiteral("big.bin"));
        writeFile(source, QByteArray(1024 * 1024, 'b'));
        Vantrel vantrel;
        vantrel.setDocumentsFolder(docs.path());
        // Files may not grow past 64 KiB: the disk is full half way.
        rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 64 * 1024;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool copied = vantrel.copy(source);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QVERIFY(!copied);
        QCOMPARE(
            QDir(docs.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    void checkIfIsImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("image");
        QTest::newRow("png") << "photo.png" << png() << true;
        QTest::newRow("upper-case extension") << "photo.PNG" << png() << false;
        QTest::newRow("unlisted last extension") << "photo.png.gz" << png() << false;
        QTest::newRow("listed, not an image") << "fake.jpg" << QByteArray("just text") << false;
        QTest::newRow("tga") << "picture.tga" << tga() << true;
        QTest::newRow("pipe named like an image") << "pipe.png" << QByteArray() << false;
        QTest::newRow("missing") << "gone.gif" << QByteArray() << false;
    }

    void checkIfIsImage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, image);
        if (name.endsWith(QLatin1String(".tga")) &&
            !QImageReader::supportedImageFormats().contains("tga"))
            QSKIP("No TGA decoder installed");
        if (!content.isNull())
            writeFile(path(name), content);
        Vantrel vantrel;
        QSignalSpy running(&vantrel, &Vantrel::isRunningChanged);
        QCOMPARE(vantrel.checkIfIsImage(path(name)), image);
        QCOMPARE(debugLines,
                 image ? QStringList{QStringLiteral("************ Image was loaded ************")}
                       : QStringList());
        QCOMPARE(running.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"

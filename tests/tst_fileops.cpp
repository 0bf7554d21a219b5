// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, copying and recognising the files a person opens in the browser,
// including the odd ones: pipes, devices, folders, huge files.
#include "filecopy.h"
#include "pathcodec.h"
#include "vantrel.h"

#include <bb/PpsObject>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace {

QStringList debugLines;
QtMessageHandler testLog = nullptr;
void keepDebugLines(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines.append(text);
    testLog(type, context, text);
}

// Files are named through the codec, so that a name which is not UTF-8
// keeps its bytes on disk.
bool writeFile(const QString &path, const QByteArray &content)
{
    const int fd =
        ::open(PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFile::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    return file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    const int fd = ::open(PathCodec::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return QByteArray();
    }
    return file.readAll();
}

QStringList entries(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(PathCodec::encode(folder).constData());
    while (dir) {
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << PathCodec::decode(name);
    }
    if (dir)
        ::closedir(dir);
    names.sort();
    return names;
}

// Bytes free where the tests write their files.
qint64 freeSpace(const QString &folder)
{
    struct statvfs status;
    if (::statvfs(QFile::encodeName(folder).constData(), &status) != 0)
        return 0;
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

struct stat statOf(const QString &path)
{
    struct stat status
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
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
        // Opens, then fails at the first byte: an error, not an empty file.
        QTest::newRow("read error")
            << "/proc/self/mem" << QByteArray() << "Can't open file: Input/output error" << false;
    }

    void inspect()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(bool, image);
        if (name.endsWith(".tga") && !QImageReader::supportedImageFormats().contains("tga"))
            QSKIP("No TGA decoder installed");
        if (content.size() > 64 * 1024 && freeSpace(m_dir.path()) < 2 * content.size())
            QSKIP("Too little free space in the temporary folder for this file");
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
        QTest::newRow("name not valid UTF-8")
            << PathCodec::decode(QByteArray("caf\xe9 \xff\x80.txt")) << true;
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
            if (!writeFile(source, content) && PathCodec::hasUndecodable(source))
                QSKIP("This file system takes only UTF-8 names");
            QCOMPARE(readFile(source), content);
            QCOMPARE(::chmod(PathCodec::encode(source).constData(), 04751), 0);
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
        // The permissions come along, masked by the umask, but never set-user-ID.
        struct stat status;
        QCOMPARE(::stat(PathCodec::encode(copy).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0751) & ~currentUmask());
        QVERIFY(writeFile(source, "second"));
        QVERIFY(!vantrel.copy(source));
        QCOMPARE(readFile(copy), content);
        QCOMPARE(current.count(), 0);
    }

    // Files may not grow past 64 KiB: the disk is full half way.
    void copyFailingHalfWay()
    {
        if (freeSpace(m_dir.path()) < 4 * 1024 * 1024)
            QSKIP("Too little free space in the temporary folder for a 1 MiB file");
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

    // Why a copy fails, and that a failure leaves the shared folder as it was.
    void copyRefusals_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("error");
        QTest::newRow("name taken") << "exists" << int(FileCopy::Error::Exists);
        QTest::newRow("link in place of Vantrel/")
            << "link Vantrel" << int(FileCopy::Error::LinkedFolder);
        QTest::newRow("link in place of documents/")
            << "link documents" << int(FileCopy::Error::LinkedFolder);
        QTest::newRow("pipe") << "fifo" << int(FileCopy::Error::NotRegularFile);
        QTest::newRow("device") << "/dev/null" << int(FileCopy::Error::NotRegularFile);
        QTest::newRow("folder") << "folder" << int(FileCopy::Error::NotRegularFile);
        QTest::newRow("missing") << "missing" << int(FileCopy::Error::SourceVanished);
        QTest::newRow("cancelled half way") << "cancel" << int(FileCopy::Error::Cancelled);
    }
    void copyRefusals()
    {
        QFETCH(QString, setup);
        QFETCH(int, error);
        QTemporaryDir box;
        const QString shared = box.filePath("shared"), elsewhere = box.filePath("elsewhere");
        const QString folder = shared + "/documents/Vantrel/";
        QVERIFY(QDir().mkpath(shared) && QDir().mkpath(elsewhere));
        QString source = box.filePath("photo.jpg");
        // Large enough for the copy to go in pieces only where it is cancelled.
        const qint64 size = setup == "cancel" ? 3 * 1024 * 1024 + 5 : 4096;
        if (freeSpace(box.path()) < 3 * size)
            QSKIP("Too little free space in the temporary folder for a 3 MiB file");
        QVERIFY(writeFile(source, QByteArray(size, 'p')));
        if (setup == "exists") {
            QVERIFY(QDir().mkpath(folder) && writeFile(folder + "photo.jpg", "mine"));
        } else if (setup == "link Vantrel") {
            QVERIFY(QDir().mkpath(shared + "/documents"));
            QVERIFY(QFile::link(elsewhere, shared + "/documents/Vantrel"));
        } else if (setup == "link documents") {
            QVERIFY(QFile::link(elsewhere, shared + "/documents"));
        } else if (setup == "fifo") {
            source = box.filePath("pipe.jpg");
            QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
        } else if (setup == "folder" || setup == "missing") {
            source = setup == "folder" ? box.filePath("elsewhere") : box.filePath("gone.jpg");
        } else if (setup.startsWith('/')) {
            source = setup;
        }
        QList<qint64> reported;
        const FileCopy::Result result =
            FileCopy::copy(source, folder, [&](qint64 done, qint64 total) {
                reported << done;
                return setup != "cancel" || done < total / 2;
            });
        QCOMPARE(int(result.error), error);
        QVERIFY(!result.text.isEmpty());
        QCOMPARE(entries(elsewhere), QStringList());
        if (setup == "exists")
            QCOMPARE(readFile(folder + "photo.jpg"), QByteArray("mine"));
        else if (!setup.startsWith("link"))
            QCOMPARE(entries(folder), QStringList());
        if (setup == "cancel")
            QVERIFY2(reported.size() >= 2, "the copy goes in pieces");
    }

    // The copy's permissions are the source's, masked by the umask, never
    // set-user-ID; holes stay holes; what was there arrives whole.
    void copyKeeps_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("sparse");
        QTest::newRow("0666 under 022") << 0666 << 022 << 0644 << false;
        QTest::newRow("0666 under 077") << 0666 << 077 << 0600 << false;
        QTest::newRow("set-user-ID dropped") << 04755 << 022 << 0755 << false;
        QTest::newRow("0640 under 0") << 0640 << 0 << 0640 << false;
        QTest::newRow("sparse file") << 0644 << 022 << 0644 << true;
    }
    void copyKeeps()
    {
        QFETCH(int, mode);
        QFETCH(int, mask);
        QFETCH(int, expected);
        QFETCH(bool, sparse);
        QTemporaryDir box;
        const QString source = box.filePath("data.bin");
        const QString folder = box.filePath("shared/documents/Vantrel/");
        // 64 MiB with two pieces of data, at the start and in the middle.
        const qint64 size = sparse ? 64 * 1024 * 1024 : 300 * 1024;
        QByteArray content(sparse ? 4096 : size, 'd');
        {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            if (sparse) {
                QVERIFY(file.seek(size / 2) && file.write(content) == content.size());
                QVERIFY(file.resize(size));
            }
        }
        if (sparse && statOf(source).st_blocks * 512 >= size)
            QSKIP("The temporary folder's file system keeps no holes");
        QCOMPARE(::chmod(QFile::encodeName(source).constData(), mode_t(mode)), 0);
        const mode_t saved = ::umask(mode_t(mask));
        const FileCopy::Result result = FileCopy::copy(source, folder);
        ::umask(saved);
        QVERIFY2(result.ok(), qPrintable(result.text));
        QCOMPARE(result.destination, folder + "data.bin");
        const struct stat copy = statOf(result.destination), original = statOf(source);
        QCOMPARE(int(copy.st_mode & 07777), expected);
        QCOMPARE(copy.st_size, original.st_size);
        QVERIFY2(
            copy.st_blocks <= original.st_blocks + 64,
            qPrintable(QString("%1 blocks for %2").arg(copy.st_blocks).arg(original.st_blocks)));
        QCOMPARE(readFile(result.destination), readFile(source));
    }

    // A picture's name that flips between the picture and a pipe: the check
    // answers every time, never waits for a writer.
    void imageCheckOfFlippingFile()
    {
        QTemporaryDir box;
        const QString name = box.filePath("x.png"), picture = box.filePath("picture");
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(picture, "PNG"));
        QVERIFY(QFile::copy(picture, name));
        std::atomic<bool> stop{false};
        std::thread flipper([&] {
            const QByteArray target = QFile::encodeName(name), file = QFile::encodeName(picture),
                             next = QFile::encodeName(box.filePath("next"));
            // Each step puts the other kind in place in one rename.
            for (bool pipe = true; !stop; pipe = !pipe) {
                if (pipe ? ::mkfifo(next.constData(), 0600) == 0
                         : ::link(file.constData(), next.constData()) == 0)
                    ::rename(next.constData(), target.constData());
            }
        });
        auto checked = std::make_shared<std::atomic<int>>(0);
        // Checked on a thread of its own, so that a hang fails the test
        // instead of stopping it; a hung thread is left behind.
        std::thread checker([checked, name] {
            Vantrel vantrel;
            for (int i = 0; i < 3000; ++i) {
                vantrel.checkIfIsImage(name);
                ++*checked;
            }
        });
        const auto done = qScopeGuard([&] {
            stop = true;
            flipper.join();
            if (checked->load() == 3000)
                checker.join();
            else
                checker.detach();
        });
        QTRY_COMPARE_WITH_TIMEOUT(checked->load(), 3000, 60000);
        QVERIFY(QFileInfo(picture).isFile());
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"

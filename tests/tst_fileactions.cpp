// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrycounter.h"
#include "fileactions.h"
#include "pathcodec.h"
#include "scratchmount.h"
#include "treewalk.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_FileActions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void renameRefused_data();
    void renameRefused();
    void renameKeepsUneditedBytes();
    void newFolder();
    void removeTreeStaysInside();
    void countsLinksOnce();

private:
    QString make(const QString &name, const QByteArray &content = "x");

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_FileActions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->path();
}

void tst_FileActions::cleanup()
{
    // Names QTemporaryDir cannot remove.
    QProcess::execute("rm", {"-rf", "--", m_path});
}

QString tst_FileActions::make(const QString &name, const QByteArray &content)
{
    const QString path = m_path + '/' + name;
    const int fd = ::open(PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return {};
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return written ? path : QString();
}

void tst_FileActions::renameRefused_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<FileResult::Error>("error");

    QTest::newRow("empty") << "" << FileResult::EmptyName;
    QTest::newRow("slash") << "a/b.txt" << FileResult::SlashInName;
    QTest::newRow("zero") << QString("a") + QChar(0) + "b" << FileResult::SlashInName;
    QTest::newRow("dot") << "." << FileResult::DotName;
    QTest::newRow("dot dot") << ".." << FileResult::DotName;
    QTest::newRow("taken by a file") << "taken.txt" << FileResult::Exists;
    QTest::newRow("taken by a folder") << "folder" << FileResult::Exists;
    QTest::newRow("taken by a broken link") << "broken" << FileResult::Exists;
}

void tst_FileActions::renameRefused()
{
    QFETCH(QString, newName);
    QFETCH(FileResult::Error, error);

    const QString path = make("a.txt", "mine");
    QVERIFY(!make("taken.txt", "theirs").isEmpty());
    QVERIFY(QDir(m_path).mkdir("folder"));
    QVERIFY(QFile::link(m_path + "/nowhere", m_path + "/broken"));

    const FileResult result = FileActions::rename(path, newName);
    QCOMPARE(result.error, error);
    QVERIFY(!result.message().isEmpty());
    // Nothing moved, nothing replaced.
    QFile mine(path), theirs(m_path + "/taken.txt");
    QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
    QCOMPARE(theirs.readAll(), QByteArray("theirs"));
    QVERIFY(QFileInfo(m_path + "/folder").isDir() && QFileInfo(m_path + "/broken").isSymLink());
}

void tst_FileActions::renameKeepsUneditedBytes()
{
    const QString name = PathCodec::decode(QByteArray("r\xe9sum\xe9 old.txt"));
    const QString path = make(name);
    QVERIFY(!path.isEmpty());
    // The person edits "old" in the field; the odd bytes stay as they were.
    QString edited = name;
    edited.replace("old", "new ✓");
    FileActions::Identity renamed;
    const FileResult result = FileActions::rename(path, edited, {}, &renamed);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(PathCodec::encode(result.path),
             QFile::encodeName(m_path) + "/r\xe9sum\xe9 new \xe2\x9c\x93.txt");
    QVERIFY(renamed.sameEntry(FileActions::identityOf(result.path)));
}

void tst_FileActions::newFolder()
{
    FileActions::Identity made;
    const FileResult result = FileActions::makeFolder(m_path, "New folder", &made);
    QVERIFY(result.ok());
    QVERIFY(QFileInfo(m_path + "/New folder").isDir());
    QCOMPARE(FileActions::makeFolder(m_path, "New folder").error, FileResult::Exists);
    QCOMPARE(FileActions::freeName(m_path, "New folder"), QString("New folder (2)"));
    QCOMPARE(FileActions::makeFolder(m_path, "..").error, FileResult::DotName);
    // Taken back only while empty.
    QVERIFY(!make("New folder/keep.txt").isEmpty());
    QCOMPARE(FileActions::removeEmptyFolder(result.path, made).error, FileResult::NotEmpty);
    QVERIFY(QFile::remove(m_path + "/New folder/keep.txt"));
    QVERIFY(FileActions::removeEmptyFolder(result.path, made).ok());
}

void tst_FileActions::removeTreeStaysInside()
{
    // A link to a folder outside, deep in the tree: the link goes, not what
    // it leads to.
    QVERIFY(QDir().mkpath(m_path + "/outside") && QDir().mkpath(m_path + "/tree/a/b/c"));
    const QString precious = make("outside/precious.txt", "precious");
    QVERIFY(!make("tree/a/b/c/file.txt").isEmpty());
    QVERIFY(!make(PathCodec::decode("tree/a/\xff.bin")).isEmpty());
    QVERIFY(QFile::link(m_path + "/outside", m_path + "/tree/a/b/link"));
    qint64 last = 0;
    QVERIFY(FileActions::removeTree(m_path + "/tree", [&last](qint64 removed) {
                last = removed;
                return true;
            }).ok());
    QVERIFY(!QFileInfo::exists(m_path + "/tree"));
    QCOMPARE(last, 7); // 4 folders, 2 files, the link
    QVERIFY(QFileInfo::exists(precious));

    // A volume mounted inside is not entered, and nothing of it is removed.
    QString why;
    QVERIFY(QDir().mkpath(m_path + "/tree2/mnt"));
    if (!mountScratch(m_path + "/tree2/mnt", &why))
        QSKIP(qPrintable(why));
    QVERIFY(!make("tree2/mnt/theirs.txt").isEmpty());
    const FileResult result = FileActions::removeTree(m_path + "/tree2");
    QCOMPARE(result.error, FileResult::Busy);
    QCOMPARE(result.path, m_path + "/tree2/mnt");
    QVERIFY(QFileInfo::exists(m_path + "/tree2/mnt/theirs.txt"));
    ::umount2(QFile::encodeName(m_path + "/tree2/mnt").constData(), MNT_DETACH);
}

void tst_FileActions::countsLinksOnce()
{
    QVERIFY(QDir().mkpath(m_path + "/a/sub") && QDir().mkpath(m_path + "/outside"));
    const QString file = make("a/sub/data.bin", QByteArray(1000, 'd'));
    QVERIFY(::link(QFile::encodeName(file), QFile::encodeName(m_path + "/a/hardlink")) == 0);
    QVERIFY(!make("outside/big.bin", QByteArray(100000, 'b')).isEmpty());
    QVERIFY(QFile::link(m_path + "/outside", m_path + "/a/link"));
    const qint64 linkSize = QFile::encodeName(m_path + "/outside").size(); // its target
    QVERIFY(!make("b.txt", "12345").isEmpty());

    // Off the UI thread, with the figures as they come; both selected
    // entries, the hard link once, the link as itself.
    EntryCounter counter;
    QSignalSpy running(&counter, &EntryCounter::runningChanged);
    counter.count({m_path + "/a", m_path + "/b.txt"});
    QVERIFY(counter.isRunning());
    QTRY_VERIFY(!counter.isRunning());
    QCOMPARE(counter.entries(), 2);
    QCOMPARE(counter.folders(), 2.0);
    QCOMPARE(counter.files(), 3.0); // data.bin (twice linked), link, b.txt
    QCOMPARE(counter.bytes(), double(1000 + 5 + linkSize));
    QCOMPARE(counter.unreadable(), 0);
}

int main(int argc, char *argv[])
{
    enterMountNamespace(nullptr); // before any thread
    QCoreApplication app(argc, argv);
    tst_FileActions test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fileactions.moc"

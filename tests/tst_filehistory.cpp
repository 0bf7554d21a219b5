// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileactions.h"
#include "filehistory.h"
#include "fileoperations.h"
#include "filesteps.h"
#include "jobqueue.h"
#include "pathcodec.h"
#include "scratchmount.h"
#include "transfer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// Undo and redo as the person meets them: the menu's words, and the files on
// disk after each step.
class tst_FileHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void undoRedo_data();
    void undoRedo();
    void undoRefused_data();
    void undoRefused();

private:
    QString make(const QByteArray &name, const QByteArray &content = "x");
    QByteArray read(const QString &path);
    QVariantList wait(int request);
    // Undoes (or redoes) and gives the message; "" when it went.
    QString step(bool undo);
    void act(const QString &kind);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FileOperations> m_operations;
    std::unique_ptr<FileHistory> m_history;
    std::unique_ptr<JobQueue> m_queue;
    QString m_path;
    QStringList m_made; // what act() made, where it is now
};

void tst_FileHistory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->path();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_path + "/data"));
    QVERIFY(QDir().mkpath(m_path + "/other"));
    m_history = std::make_unique<FileHistory>();
    m_queue = std::make_unique<JobQueue>(nullptr);
    m_history->follow(m_queue.get());
    m_operations = std::make_unique<FileOperations>();
    m_operations->setHistory(m_history.get());
    m_made.clear();
}

void tst_FileHistory::cleanup()
{
    Transfer::setNameCheckForTesting({});
    ::umount2(QFile::encodeName(m_path + "/mnt").constData(), MNT_DETACH);
    m_operations.reset();
    m_queue.reset();
    m_history.reset();
    QProcess::execute("rm", {"-rf", "--", m_path}); // odd names QTemporaryDir cannot remove
}

QString tst_FileHistory::make(const QByteArray &name, const QByteArray &content)
{
    const QByteArray path = QFile::encodeName(m_path) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, content.constData(), size_t(content.size())) == content.size();
    if (fd >= 0)
        ::close(fd);
    return written ? PathCodec::decode(path) : QString();
}

QByteArray tst_FileHistory::read(const QString &path)
{
    QByteArray bytes(4096, 0);
    const int fd = ::open(PathCodec::encode(path).constData(), O_RDONLY);
    const ssize_t n = fd >= 0 ? ::read(fd, bytes.data(), size_t(bytes.size())) : -1;
    if (fd >= 0)
        ::close(fd);
    return n >= 0 ? bytes.left(n) : QByteArray("(missing)");
}

QVariantList tst_FileHistory::wait(int request)
{
    QSignalSpy finished(m_operations.get(), &FileOperations::finished);
    for (int i = 0; i < 100; ++i) {
        for (const QList<QVariant> &arguments : std::as_const(finished)) {
            if (arguments.at(0).toInt() == request)
                return arguments.at(2).toList();
        }
        finished.wait(100);
    }
    return {};
}

QString tst_FileHistory::step(bool undo)
{
    QSignalSpy finished(m_history.get(), &FileHistory::finished);
    undo ? m_history->undo() : m_history->redo();
    if (!finished.wait(120000)) // a move back to the disk waits for its syncfs
        return "(no answer)";
    return finished.first().at(2).toString();
}

// Does one step of the kind the row names, as the person would, and keeps in
// m_made where its entries are now.
void tst_FileHistory::act(const QString &kind)
{
    const auto ok = [](const QVariantList &results) {
        for (const QVariant &result : results) {
            if (!result.value<FileResult>().ok())
                return false;
        }
        return !results.isEmpty();
    };
    if (kind == "rename") {
        const QString path = make("caf\xe9.txt", "text");
        const QVariantList results =
            wait(m_operations->rename(path, PathCodec::decode("b\xe9.txt")));
        QVERIFY(ok(results));
        m_made = {path, results.first().value<FileResult>().path};
    } else if (kind == "new folder") {
        const QVariantList results = wait(m_operations->makeFolder(m_path, "New folder"));
        QVERIFY(ok(results));
        m_made = {results.first().value<FileResult>().path};
    } else if (kind == "trash") {
        const QStringList paths = {make("\xff one.txt", "1"), make("two.txt", "2")};
        QVERIFY(ok(wait(m_operations->trash(paths))));
        m_made = paths;
    } else if (kind == "restore") {
        const QString path = make("back.txt", "back");
        const QVariantList trashed = wait(m_operations->trash({path}));
        QVERIFY(ok(trashed));
        QVERIFY(ok(wait(m_operations->restore({trashed.first().value<FileResult>().path}))));
        m_made = {path};
    } else if (kind == "move") {
        // As the job engine records a move it made.
        const QString from = make("moved.txt", "moved");
        const QString to = m_path + "/other/moved.txt";
        QVERIFY(QFile::rename(from, to));
        m_history->record(FileStep::move({{from, to}}));
        m_made = {from, to};
    } else if (kind == "move by a job") {
        const QString from = make("moved.txt", "moved");
        m_queue->move({from}, m_path + "/other");
        m_made = {from, m_path + "/other/moved.txt"};
    } else if (kind.contains("another volume")) {
        // A job's move or copy to a tmpfs: undone and redone by jobs too.
        QString why;
        QVERIFY(QDir().mkpath(m_path + "/mnt"));
        if (!mountScratch(m_path + "/mnt", &why))
            QSKIP(qPrintable(why));
        const QString from = make("moved.txt", "moved");
        kind.startsWith("move") ? m_queue->move({from}, m_path + "/mnt")
                                : m_queue->copy({from}, m_path + "/mnt");
        m_made = {from, m_path + "/mnt/moved.txt"};
    } else if (kind == "copy by a job") {
        // A folder: what it holds is undone with it, not as steps of its own.
        QVERIFY(QDir().mkpath(m_path + "/box"));
        make("box/inside.txt", "inside");
        m_queue->copy({m_path + "/box"}, m_path + "/other");
        m_made = {m_path + "/box", m_path + "/other/box"};
    } else if (kind.startsWith("copy")) {
        const QString from = make("copied.txt", "copied");
        const QString to = m_path + "/other/copied.txt";
        QVERIFY(QFile::copy(from, to));
        // The scene's jobs record theirs by the paths.
        if (kind == "copy from the scene")
            m_history->recordCopies({from}, {to});
        else
            m_history->record(FileStep::copy({{from, to}}));
        m_made = {from, to};
    }
}

void tst_FileHistory::undoRedo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("undoText");

    QTest::newRow("rename") << "rename"
                            << "Undo rename “caf\\xE9.txt” → “b\\xE9.txt”";
    QTest::newRow("new folder") << "new folder"
                                << "Undo new folder “New folder”";
    QTest::newRow("trash") << "trash"
                           << "Undo trash 2 entries";
    QTest::newRow("restore") << "restore"
                             << "Undo restore “back.txt”";
    QTest::newRow("move") << "move"
                          << "Undo move “moved.txt” to “other”";
    QTest::newRow("copy") << "copy"
                          << "Undo copy “copied.txt” to “other”";
    QTest::newRow("copy from the scene") << "copy from the scene"
                                         << "Undo copy “copied.txt” to “other”";
    QTest::newRow("move by a job") << "move by a job"
                                   << "Undo move “moved.txt” to “other”";
    QTest::newRow("copy by a job") << "copy by a job"
                                   << "Undo copy “box” to “other”";
    QTest::newRow("move to another volume") << "move to another volume"
                                            << "Undo move “moved.txt” to “mnt”";
    QTest::newRow("copy to another volume") << "copy to another volume"
                                            << "Undo copy “moved.txt” to “mnt”";
}

void tst_FileHistory::undoRedo()
{
    QFETCH(QString, kind);
    QFETCH(QString, undoText);

    QVERIFY(!m_history->canUndo());
    QCOMPARE(m_history->undoText(), QString("Undo"));
    act(kind);
    QTRY_VERIFY(m_history->canUndo());
    QCOMPARE(m_history->undoText(), undoText);

    // Where the entries are after the step, and after its undo.
    const auto there = [this, &kind](bool done) {
        const auto exists = [](const QString &path) { return FileActions::identityOf(path).valid; };
        if (kind == "rename" || kind.startsWith("move"))
            return exists(m_made[0]) != done && exists(m_made[1]) == done &&
                   read(m_made[done ? 1 : 0]) != "(missing)";
        if (kind.startsWith("copy"))
            return exists(m_made[0]) && exists(m_made[1]) == done;
        if (kind == "new folder")
            return QFileInfo(m_made[0]).isDir() == done;
        if (kind == "trash")
            return !exists(m_made[0]) == done && !exists(m_made[1]) == done &&
                   (done || (read(m_made[0]) == "1" && read(m_made[1]) == "2"));
        return exists(m_made[0]) == done; // restore
    };
    QVERIFY(there(true));
    const int jobs = m_queue->rowCount();
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(step(true), QString());
        QVERIFY(there(false));
        QVERIFY(m_history->canRedo());
        QCOMPARE(step(false), QString());
        QVERIFY(there(true));
        QCOMPARE(m_history->undoText(), undoText);
        QVERIFY(!m_history->canRedo());
    }
    // What crossed volumes went back and forth as jobs of the panel; a copy
    // is always made again by one.
    const int replays = kind.contains("another volume") && kind.startsWith("move") ? 4
                        : kind.startsWith("copy")                                  ? 2
                                                                                   : 0;
    QCOMPARE(m_queue->rowCount() - jobs, replays);
}

void tst_FileHistory::undoRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("renamed entry replaced") << "rename"
                                            << "“b\\xE9.txt” has changed since.";
    QTest::newRow("folder no longer empty") << "new folder"
                                            << "The folder “New folder” is no longer empty.";
    QTest::newRow("trashed name taken") << "trash"
                                        << "“\\xFF one.txt” already exists.";
    QTest::newRow("moved name taken") << "move"
                                      << "“moved.txt” already exists.";
    QTest::newRow("copy written to") << "copy"
                                     << "“copied.txt” has changed since.";
    QTest::newRow("moved to another volume, replaced there") << "move to another volume"
                                                             << "“moved.txt” has changed since.";
    QTest::newRow("moved to another volume, its job cancelled")
        << "move to another volume, cancelled"
        << "Cancelled after moving 0 of 1; the rest is where it was.";
}

void tst_FileHistory::undoRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    act(kind);
    QTRY_VERIFY(m_history->canUndo());
    const QString undoText = m_history->undoText();
    // Something changed meanwhile that the undo would lose or overwrite.
    if (kind == "rename") {
        // Saved over by another program: a new file under the name.
        QVERIFY(!make("new.txt", "another").isEmpty());
        QVERIFY(::rename(QFile::encodeName(m_path + "/new.txt"),
                         PathCodec::encode(m_made[1]).constData()) == 0);
    } else if (kind == "new folder") {
        QVERIFY(!make("New folder/inside.txt").isEmpty());
    } else if (kind == "trash") {
        QVERIFY(!make("\xff one.txt", "new one").isEmpty());
    } else if (kind == "move") {
        QVERIFY(!make("moved.txt", "new one").isEmpty());
    } else if (kind == "copy") {
        QFile copy(m_made[1]);
        QVERIFY(copy.open(QIODevice::Append) && copy.write("!") == 1);
    } else if (kind == "move to another volume") {
        QVERIFY(QFile::remove(m_made[1]));
        QVERIFY(!make("mnt/moved.txt", "another").isEmpty());
    } else {
        // The job asks, as a paste's does, and the person cancels it.
        Transfer::setNameCheckForTesting(
            [](const QByteArray &name) { return name == "moved.txt" ? EACCES : 0; });
        connect(m_queue.get(), &JobQueue::questionAsked, this,
                [this](int id) { m_queue->answer(id, Job::Cancel); });
    }
    const QStringList before = QDir(m_path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const QString message = step(true);
    QCOMPARE(message, QString(undoText).replace("Undo ", "Could not undo ") + ": " + reason);
    // Nothing changed, and the step stays to be tried again.
    QCOMPARE(QDir(m_path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(m_history->canUndo());
    QVERIFY(!m_history->canRedo());
    if (kind == "copy")
        QCOMPARE(read(m_made[1]), QByteArray("copied!"));
    if (kind.contains("another volume"))
        QVERIFY(read(m_made[1]) != "(missing)");
}

int main(int argc, char *argv[])
{
    enterMountNamespace(nullptr); // before any thread
    QCoreApplication app(argc, argv);
    tst_FileHistory test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_filehistory.moc"

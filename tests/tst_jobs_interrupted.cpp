// SPDX-License-Identifier: GPL-3.0-or-later
// Moves from one file system to another, interrupted at many moments by a
// cancel, by SIGKILL and by a full disk: every file must stay whole where it
// was or arrive whole, and nothing partial may sit under a file's name.
//
// The second file system is a tmpfs, mounted in a mount namespace of the
// test's own (as root, or in a user namespace as anyone else), so nothing
// outside the test ever sees it.
#include "jobqueue.h"
#include "pathcodec.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why no tmpfs can be mounted here; empty when one can.
QString g_noTmpfs;

bool writeFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), text.size()) == text.size();
    ::close(fd);
    return ok;
}

// Before any thread starts: a mount namespace of our own, in a user
// namespace of our own when not root.
QString enterNamespace()
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return QStringLiteral("no user namespace: %1").arg(qt_error_string(errno));
        writeFile("/proc/self/setgroups", "deny");
        if (!writeFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !writeFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return QStringLiteral("cannot map the user into its namespace");
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return QStringLiteral("no mount namespace: %1").arg(qt_error_string(errno));
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("cannot make the mounts private: %1").arg(qt_error_string(errno));
    return QString();
}

// Content that tells one file from another and a whole file from a part.
QByteArray contentOf(const QString &name, qint64 size)
{
    const QByteArray seed = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256);
    QByteArray content;
    content.reserve(size);
    while (content.size() < size)
        content += seed;
    content.truncate(size);
    return content;
}

QByteArray readAll(const QByteArray &path, bool *ok)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW);
    *ok = fd >= 0;
    QByteArray content;
    char buffer[65536];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, n);
    if (fd >= 0)
        ::close(fd);
    return content;
}

void removeTree(const QByteArray &path)
{
    ::nftw(
        path.constData(),
        [](const char *entry, const struct stat *, int, FTW *) { return ::remove(entry); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

// Every file under folder by relative path ("name/" for folders, "name@"
// for links).
void listInto(const QByteArray &folder, const QByteArray &prefix, QList<QByteArray> *out)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st;
        const QByteArray path = folder + "/" + name;
        if (::lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode))
            listInto(path, prefix + name + "/", out);
        else
            out->append(prefix + name + (S_ISLNK(st.st_mode) ? "@" : ""));
    }
    ::closedir(dir);
}

// The child that the kill test kills: moves its arguments' first into its
// second and waits.
int runMove(const char *source, const char *folder)
{
    int argc = 1;
    char name[] = "mover";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    JobQueue queue(nullptr);
    QObject::connect(&queue, &JobQueue::finished, &app, &QCoreApplication::quit);
    queue.move({PathCodec::decode(source)}, PathCodec::decode(folder));
    return app.exec();
}

} // namespace

class tst_JobsInterrupted : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void cancelled_data();
    void cancelled();
    void killed_data();
    void killed();
    void diskFull_data();
    void diskFull();
    void dropped_data();
    void dropped();

private:
    // A tmpfs of the given size under the test's folder.
    QByteArray mountTmpfs(const char *name, const char *size);
    // A tree of files on the tmpfs; their content by relative path.
    void makeTree(const QByteArray &root);
    // Each file whole at its source or whole at its destination; exactly
    // one of them when once is set. Nothing else at the destination.
    void checkNothingLost(const QByteArray &from, const QByteArray &to, bool once);

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QByteArray> m_mounts;
    QString m_whyNot;                      // why the last mount failed
    QHash<QByteArray, QByteArray> m_files; // relative path -> content
};

void tst_JobsInterrupted::init()
{
    if (!g_noTmpfs.isEmpty())
        QSKIP(qPrintable("A tmpfs cannot be mounted here (" + g_noTmpfs + ")"));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_files.clear();
}

void tst_JobsInterrupted::cleanup()
{
    for (const QByteArray &mount : std::as_const(m_mounts))
        ::umount2(mount.constData(), MNT_DETACH);
    m_mounts.clear();
    if (m_dir)
        removeTree(QFile::encodeName(m_dir->path()));
}

QByteArray tst_JobsInterrupted::mountTmpfs(const char *name, const char *size)
{
    const QByteArray path = QFile::encodeName(m_dir->filePath(name));
    if (::mkdir(path.constData(), 0700) != 0 ||
        ::mount("tmpfs", path.constData(), "tmpfs", 0, QByteArray("size=") + size) != 0) {
        m_whyNot = qt_error_string(errno);
        return QByteArray();
    }
    m_mounts.append(path);
    return path;
}

void tst_JobsInterrupted::makeTree(const QByteArray &root)
{
    // Sizes from empty to several pieces of the copy, in nested folders.
    const qint64 sizes[] = {0, 1, 4096, 100000, 1 << 20, 3 << 20, 70000, 12};
    for (int i = 0; i < 24; ++i) {
        const QByteArray folder = QByteArray("tree/") + (i % 3 ? "deep/er/" : "") +
                                  (i % 4 == 0 ? "" : QByteArray::number(i % 4) + "/");
        const QByteArray relative =
            folder + "file" + QByteArray::number(i) + (i == 5 ? "\xe9" : "");
        const QByteArray content = contentOf(QString::fromLatin1(relative), sizes[i % 8]);
        QVERIFY(QDir().mkpath(QFile::decodeName(root + "/" + folder)));
        const int fd = ::open((root + "/" + relative).constData(), O_WRONLY | O_CREAT, 0640);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, content.constData(), content.size()), ssize_t(content.size()));
        ::close(fd);
        m_files.insert(relative, content);
    }
    QCOMPARE(::symlink("file1", (root + "/tree/link").constData()), 0);
    m_files.insert("tree/link@", "file1");
}

void tst_JobsInterrupted::checkNothingLost(const QByteArray &from, const QByteArray &to, bool once)
{
    QList<QByteArray> there;
    listInto(to, QByteArray(), &there);
    for (const QByteArray &name : std::as_const(there)) {
        // A folder being made is filled under a hidden name, and a file is
        // written under none (or a hidden one): what a kill leaves of them
        // is out of sight, and every file named in there is whole.
        if (name.contains("/.vantrel-copy-") || name.startsWith(".vantrel-copy-")) {
            const QByteArray last = name.mid(name.lastIndexOf('/') + 1);
            if (last.startsWith(".vantrel-copy-") || last.endsWith('@'))
                continue;
            bool ok = false;
            const QByteArray content = readAll(to + "/" + name, &ok);
            bool known = false;
            for (auto it = m_files.cbegin(); it != m_files.cend(); ++it)
                known = known || (it.key().endsWith("/" + last) && it.value() == content);
            QVERIFY2(ok && known, "partial or wrong: " + name);
            continue;
        }
        QVERIFY2(m_files.contains(name), "not a file of the tree: " + name);
    }
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        const bool isLink = it.key().endsWith('@');
        const QByteArray relative = isLink ? it.key().chopped(1) : it.key();
        int whole = 0;
        for (const QByteArray &root : {from, to}) {
            const QByteArray path = root + "/" + relative;
            bool ok = false;
            QByteArray content;
            if (isLink) {
                char target[256];
                const ssize_t n = ::readlink(path.constData(), target, sizeof target);
                ok = n >= 0;
                content = QByteArray(target, qMax<ssize_t>(n, 0));
            } else {
                content = readAll(path, &ok);
            }
            if (!ok)
                continue;
            // A file under its own name is always the whole file.
            QVERIFY2(content == it.value(), "partial or wrong: " + path);
            ++whole;
        }
        QVERIFY2(whole >= 1, "lost: " + relative);
        if (once)
            QVERIFY2(whole == 1, "at both places: " + relative);
    }
}

void tst_JobsInterrupted::cancelled_data()
{
    QTest::addColumn<int>("delay");
    for (const int delay : {0, 2, 5, 10, 20, 40, 80, 160, 320})
        QTest::addRow("after %d ms", delay) << delay;
}

void tst_JobsInterrupted::cancelled()
{
    QFETCH(int, delay);
    const QByteArray from = mountTmpfs("tmpfs", "64m");
    if (from.isEmpty())
        QSKIP(qPrintable("No tmpfs could be mounted: " + m_whyNot));
    makeTree(from);
    const QByteArray to = QFile::encodeName(m_dir->filePath("disk"));
    QCOMPARE(::mkdir(to.constData(), 0700), 0);

    JobQueue queue(nullptr);
    QSignalSpy finished(&queue, &JobQueue::finished);
    const int id = queue.move({QFile::decodeName(from + "/tree")}, QFile::decodeName(to));
    QTest::qWait(delay);
    queue.cancel(id);
    // A small tree may be moved before the cancel comes.
    QVERIFY(!finished.isEmpty() || finished.wait(30000));
    checkNothingLost(from, to, true);
}

void tst_JobsInterrupted::killed_data()
{
    QTest::addColumn<int>("delay");
    for (const int delay : {0, 5, 10, 20, 40, 60, 80, 120, 160, 240, 320, 640})
        QTest::addRow("after %d ms", delay) << delay;
}

void tst_JobsInterrupted::killed()
{
    QFETCH(int, delay);
    const QByteArray from = mountTmpfs("tmpfs", "64m");
    if (from.isEmpty())
        QSKIP(qPrintable("No tmpfs could be mounted: " + m_whyNot));
    makeTree(from);
    const QByteArray to = QFile::encodeName(m_dir->filePath("disk"));
    QCOMPARE(::mkdir(to.constData(), 0700), 0);

    QProcess mover;
    mover.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mover.start(QCoreApplication::applicationFilePath(),
                {"--move", QFile::decodeName(from + "/tree"), QFile::decodeName(to)});
    QVERIFY(mover.waitForStarted());
    QTest::qWait(delay);
    if (mover.state() != QProcess::NotRunning) {
        mover.kill();
        QVERIFY(mover.waitForFinished(30000));
    }
    checkNothingLost(from, to, false);
}

void tst_JobsInterrupted::diskFull_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answer");
    QTest::newRow("move, skip all") << int(Job::Move) << int(Job::Skip);
    QTest::newRow("move, cancel") << int(Job::Move) << int(Job::Cancel);
    QTest::newRow("copy, skip all") << int(Job::Copy) << int(Job::Skip);
}

void tst_JobsInterrupted::diskFull()
{
    QFETCH(int, kind);
    QFETCH(int, answer);
    // The tree's 13 MB on the disk, into 5 MB.
    const QByteArray from = QFile::encodeName(m_dir->filePath("disk"));
    QCOMPARE(::mkdir(from.constData(), 0700), 0);
    makeTree(from);
    const QByteArray to = mountTmpfs("small", "5m");
    if (to.isEmpty())
        QSKIP(qPrintable("No tmpfs could be mounted: " + m_whyNot));

    JobQueue queue(nullptr);
    QList<QVariantMap> questions;
    connect(&queue, &JobQueue::questionAsked, this, [&](int id) {
        questions << queue.get(queue.rowOf(id)).value("question").toMap();
        queue.answer(id, answer, true);
    });
    QSignalSpy finished(&queue, &JobQueue::finished);
    const QString source = QFile::decodeName(from + "/tree");
    const int id = kind == Job::Move ? queue.move({source}, QFile::decodeName(to))
                                     : queue.copy({source}, QFile::decodeName(to));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().at(0).toInt(), id);
    QVERIFY(!questions.isEmpty());
    QCOMPARE(questions.first().value("reason").toInt(), int(Job::DiskFull));
    checkNothingLost(from, to, kind == Job::Move);
}

void tst_JobsInterrupted::dropped_data()
{
    QTest::addColumn<bool>("across"); // to another file system
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("moved");
    QTest::newRow("same disk") << false << int(Qt::NoModifier) << true;
    QTest::newRow("same disk, Ctrl") << false << int(Qt::ControlModifier) << false;
    QTest::newRow("across") << true << int(Qt::NoModifier) << false;
    QTest::newRow("across, Shift") << true << int(Qt::ShiftModifier) << true;
    QTest::newRow("across, Ctrl") << true << int(Qt::ControlModifier) << false;
}

void tst_JobsInterrupted::dropped()
{
    QFETCH(bool, across);
    QFETCH(int, modifiers);
    QFETCH(bool, moved);
    const QByteArray from = QFile::encodeName(m_dir->filePath("disk"));
    QCOMPARE(::mkdir(from.constData(), 0700), 0);
    makeTree(from);
    QByteArray to = QFile::encodeName(m_dir->filePath("there"));
    if (across)
        to = mountTmpfs("other", "64m");
    else
        QCOMPARE(::mkdir(to.constData(), 0700), 0);
    if (to.isEmpty())
        QSKIP(qPrintable("No tmpfs could be mounted: " + m_whyNot));

    JobQueue queue(nullptr);
    QSignalSpy finished(&queue, &JobQueue::finished);
    queue.drop({QFile::decodeName(from + "/tree")}, QFile::decodeName(to), modifiers);
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().at(1).value<Job::State>(), Job::Done);
    // Whole at the destination; at the source too unless it moved.
    checkNothingLost(from, to, moved);
    QList<QByteArray> left, arrived;
    listInto(from, QByteArray(), &left);
    listInto(to, QByteArray(), &arrived);
    QCOMPARE(arrived.size(), m_files.size());
    QCOMPARE(left.size(), moved ? 0 : m_files.size());
    // The words say what happened.
    QCOMPARE(finished.first().at(2).toString().startsWith("Moved"), moved);
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--move") == 0)
        return runMove(argv[2], argv[3]);
    g_noTmpfs = enterNamespace();
    QCoreApplication app(argc, argv);
    tst_JobsInterrupted test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jobs_interrupted.moc"

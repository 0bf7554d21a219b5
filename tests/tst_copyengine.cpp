// SPDX-License-Identifier: GPL-3.0-or-later
// The copy engine under the file managing to come: names taken, trees with
// links and pipes, what a copy keeps, and that a cancel or a failure leaves
// nothing half made and nothing old lost.
#include "contentcopy.h"
#include "copyengine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool write(const QString &path, const QByteArray &content, int mode = 0644)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

struct stat statOf(const QString &path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

// Everything under folder, hidden entries too: "dir/", "file=content",
// "link -> target" as the link holds it.
QStringList snapshot(const QString &folder, const QString &prefix = QString())
{
    QStringList entries;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString name = prefix + info.fileName();
        if (info.isSymLink()) {
            char target[256] = {};
            ::readlink(QFile::encodeName(info.filePath()).constData(), target, sizeof target - 1);
            entries << name + " -> " + QString::fromLocal8Bit(target);
        } else if (info.isDir()) {
            entries << name + "/" << snapshot(info.filePath(), name + "/");
        } else {
            QFile file(info.filePath());
            entries << name + "=" + (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        }
    }
    entries.sort();
    return entries;
}

} // namespace

class tst_CopyEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void conflicts_data();
    void conflicts();
    void askedAgain();
    void tree();
    void cancelLeavesNothing();
    void replaceFailingKeepsTheOld();
    void content_data();
    void content();
    void numberedName();
};

void tst_CopyEngine::conflicts_data()
{
    QTest::addColumn<QString>("source"); // under src/: a.txt holds "new", box/ holds x and y
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("merge");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>(
        "after"); // dst/, which held a.txt=old, box/x.txt=old, box/z.txt=z
    const QStringList before{"a.txt=old", "box/", "box/x.txt=old", "box/z.txt=z"};
    const auto with = [&](const QStringList &more) {
        QStringList all = before + more;
        all.sort();
        return all;
    };
    using A = CopyEngine::Action;
    QTest::newRow("file, fail") << "a.txt" << int(A::Fail) << false << false << before;
    QTest::newRow("file, replace")
        << "a.txt" << int(A::Replace) << false << true
        << QStringList{"a.txt=new", "box/", "box/x.txt=old", "box/z.txt=z"};
    QTest::newRow("file, keep both")
        << "a.txt" << int(A::KeepBoth) << false << true << with({"a (2).txt=new"});
    QTest::newRow("file, skip") << "a.txt" << int(A::Skip) << false << true << before;
    QTest::newRow("folder, keep both")
        << "box" << int(A::KeepBoth) << false << true
        << with({"box (2)/", "box (2)/x.txt=new", "box (2)/y.txt=y"});
    QTest::newRow("folder, replace")
        << "box" << int(A::Replace) << false << true
        << QStringList{"a.txt=old", "box/", "box/x.txt=new", "box/y.txt=y"};
    QTest::newRow("folder merged, file kept both")
        << "box" << int(A::KeepBoth) << true << true << with({"box/x (2).txt=new", "box/y.txt=y"});
    QTest::newRow("folder merged, file skipped")
        << "box" << int(A::Skip) << true << true << with({"box/y.txt=y"});
}

void tst_CopyEngine::conflicts()
{
    QFETCH(QString, source);
    QFETCH(int, action);
    QFETCH(bool, merge);
    QFETCH(bool, ok);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("src/box") && QDir(dir.path()).mkpath("dst/box"));
    QVERIFY(write(dir.filePath("src/a.txt"), "new") && write(dir.filePath("src/box/x.txt"), "new"));
    QVERIFY(write(dir.filePath("src/box/y.txt"), "y") && write(dir.filePath("dst/a.txt"), "old"));
    QVERIFY(write(dir.filePath("dst/box/x.txt"), "old") &&
            write(dir.filePath("dst/box/z.txt"), "z"));

    CopyEngine engine;
    engine.setConflictAction(CopyEngine::Action(action));
    engine.setMergeFolders(merge);
    const CopyEngine::Result result =
        engine.copy(dir.filePath("src/" + source), dir.filePath("dst"));
    QCOMPARE(result.ok(), ok);
    QCOMPARE(result.error, ok ? 0 : EEXIST);
    // Nothing left under a hidden name either.
    QCOMPARE(snapshot(dir.filePath("dst")), after);
    if (action == int(CopyEngine::Action::KeepBoth) && !merge)
        QVERIFY(result.destination.endsWith(" (2)" + QString(source == "a.txt" ? ".txt" : "")));
}

// A taken name is asked about; Retry after the way is clear copies.
void tst_CopyEngine::askedAgain()
{
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("a.txt"), "new") && QDir(dir.path()).mkpath("dst/a.txt"));
    QList<CopyEngine::Problem> asked;
    CopyEngine engine;
    engine.setAsk([&](const CopyEngine::Problem &problem) {
        asked << problem;
        QDir(problem.destination).removeRecursively();
        return CopyEngine::Action::Retry;
    });
    QVERIFY(engine.copy(dir.filePath("a.txt"), dir.filePath("dst")).ok());
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().error, EEXIST);
    QCOMPARE(asked.first().destination, dir.filePath("dst/a.txt"));
    QVERIFY(asked.first().destinationIsFolder && !asked.first().sourceIsFolder);
    QCOMPARE(snapshot(dir.filePath("dst")), QStringList{"a.txt=new"});
}

// Links stay links and are never followed, a pipe is left out, and modes
// (less the umask, never set-group-ID) and times come along.
void tst_CopyEngine::tree()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath("outside/secret") && root.mkpath("tree/sub/deep") && root.mkpath("dst"));
    QVERIFY(write(dir.filePath("tree/notes.txt"), "notes", 02640));
    QVERIFY(write(dir.filePath("tree/sub/deep/run"), "#!/bin/sh\n", 0755));
    QVERIFY(QFile::link("../outside", dir.filePath("tree/sub/away")));
    QVERIFY(QFile::link("nowhere", dir.filePath("tree/broken")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("tree/pipe")).constData(), 0600), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir.filePath("tree/sub/deep")).constData(), 0555), 0);
    // Made writable again, so that the temporary folder can go.
    const auto writable = qScopeGuard([&] {
        for (const char *name : {"tree/sub/deep", "dst/tree/sub/deep"})
            ::chmod(QFile::encodeName(dir.filePath(name)).constData(), 0755);
    });
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    for (const char *name : {"tree/notes.txt", "tree/sub/deep", "tree/broken", "tree"})
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(name)).constData(), old,
                             AT_SYMLINK_NOFOLLOW),
                 0);

    const CopyEngine::Stats totals = CopyEngine::count({dir.filePath("tree")});
    QCOMPARE(totals.items, 8); // tree, notes, sub, deep, run, away, broken, pipe
    QCOMPARE(totals.bytes, 5 + 10);
    CopyEngine::Stats last;
    CopyEngine engine;
    engine.setProgress([&](const CopyEngine::Stats &done) {
        last = done;
        return true;
    });
    const mode_t saved = ::umask(027);
    const CopyEngine::Result result = engine.copy(dir.filePath("tree"), dir.filePath("dst"));
    ::umask(saved);
    QVERIFY2(result.ok(), qPrintable(qt_error_string(result.error)));
    QCOMPARE(result.destination, dir.filePath("dst/tree"));
    QCOMPARE(last.items, totals.items);
    QCOMPARE(last.bytes, totals.bytes);
    QCOMPARE(result.skipped.size(), 1);
    QCOMPARE(result.skipped.first().source, dir.filePath("tree/pipe"));
    QVERIFY(S_ISFIFO(result.skipped.first().type));

    QCOMPARE(snapshot(dir.filePath("dst/tree")),
             QStringList({"broken -> nowhere", "notes.txt=notes", "sub/", "sub/away -> ../outside",
                          "sub/deep/", "sub/deep/run=#!/bin/sh\n"}));
    QCOMPARE(statOf(dir.filePath("dst/tree/notes.txt")).st_mode & 07777, mode_t(0640));
    QCOMPARE(statOf(dir.filePath("dst/tree/sub/deep/run")).st_mode & 07777, mode_t(0750));
    QCOMPARE(statOf(dir.filePath("dst/tree/sub/deep")).st_mode & 07777, mode_t(0550));
    for (const char *name : {"notes.txt", "sub/deep", "broken", ""})
        QCOMPARE(statOf(dir.filePath(QString("dst/tree/") + name)).st_mtim.tv_sec, 1000000000);
}

// A cancel in the middle of a tree takes back everything made so far, also
// in the middle of a large file already partly flushed to the disk.
void tst_CopyEngine::cancelLeavesNothing()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("tree/a") && QDir(dir.path()).mkpath("dst"));
    for (const char *name : {"tree/a/two.bin", "tree/a/three.bin"})
        QVERIFY(write(dir.filePath(name), QByteArray(3 << 20, 'c')));
    QVERIFY(write(dir.filePath("tree/one.bin"), QByteArray(128 << 20, 'c')));
    std::atomic_bool cancel{false};
    CopyEngine engine;
    engine.setCancel(&cancel);
    engine.setProgress([&](const CopyEngine::Stats &done) {
        cancel = done.bytes > (70 << 20);
        return true;
    });
    const CopyEngine::Result result = engine.copy(dir.filePath("tree"), dir.filePath("dst"));
    QCOMPARE(result.error, ECANCELED);
    QCOMPARE(snapshot(dir.filePath("dst")), QStringList());
}

// The disk fills while a replacement is written: the old file stays whole.
void tst_CopyEngine::replaceFailingKeepsTheOld()
{
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("big.bin"), QByteArray(1 << 20, 'n')));
    QVERIFY(QDir(dir.path()).mkpath("dst") && write(dir.filePath("dst/big.bin"), "old"));
    CopyEngine engine;
    engine.setConflictAction(CopyEngine::Action::Replace);
    rlimit saved, small;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    small = {64 * 1024, saved.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const CopyEngine::Result result = engine.copy(dir.filePath("big.bin"), dir.filePath("dst"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(result.error, EFBIG);
    QCOMPARE(result.failed, dir.filePath("big.bin"));
    QCOMPARE(snapshot(dir.filePath("dst")), QStringList{"big.bin=old"});
}

void tst_CopyEngine::content_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("dataFrom"); // one stretch of data, holes around it
    QTest::addColumn<qint64>("dataTo");
    QTest::addColumn<bool>("inKernel"); // false: read and written by the copy itself
    const qint64 mib = 1 << 20;
    for (const bool inKernel : {true, false}) {
        const char *how = inKernel ? ", kernel" : ", read and written";
        QTest::addRow("empty%s", how) << 0ll << 0ll << 0ll << inKernel;
        QTest::addRow("small%s", how) << 5000ll << 0ll << 5000ll << inKernel;
        QTest::addRow("hole after%s", how) << 8 * mib << 0ll << mib + 7 << inKernel;
        QTest::addRow("hole before%s", how) << 8 * mib << 4 * mib << 8 * mib << inKernel;
        // Past several windows sent to the disk while the rest is copied,
        // and past a flush of the disk's own cache.
        QTest::addRow("large%s", how) << 70 * mib + 3 << 0ll << 70 * mib + 3 << inKernel;
    }
}

// Every way a content goes: the bytes arrive, holes stay holes, the
// progress ends at the size.
void tst_CopyEngine::content()
{
    QFETCH(qint64, size);
    QFETCH(qint64, dataFrom);
    QFETCH(qint64, dataTo);
    QFETCH(bool, inKernel);
    QTemporaryDir dir;
    QByteArray data(dataTo - dataFrom, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = char(i * 7 + i / 4099);
    {
        QFile file(dir.filePath("source"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.seek(dataFrom) &&
                file.write(data) == data.size() && file.resize(size));
    }
    Descriptor from(::open(QFile::encodeName(dir.filePath("source")).constData(), O_RDONLY));
    Descriptor to(::open(QFile::encodeName(dir.filePath("copy")).constData(),
                         O_WRONLY | O_CREAT | O_EXCL, 0600));
    struct stat before;
    QVERIFY(from.isOpen() && to.isOpen() && ::fstat(from.get(), &before) == 0);
    ContentCopy::Channel channel{inKernel};
    qint64 last = -1;
    bool forward = true;
    const int error =
        ContentCopy::copyContent(from.get(), before, to.get(), &channel, [&](qint64 done) {
            forward = forward && done >= last;
            last = done;
            return true;
        });
    QCOMPARE(error, 0);
    QVERIFY(forward);
    QCOMPARE(last, size);
    to.reset();
    QFile copy(dir.filePath("copy"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.size(), size);
    const QByteArray whole = copy.readAll();
    QVERIFY(whole.mid(dataFrom, data.size()) == data);
    QCOMPARE(qint64(whole.count('\0') - data.count('\0')), size - data.size());
    const struct stat made = statOf(dir.filePath("copy"));
    QVERIFY2(made.st_blocks <= before.st_blocks + 64,
             qPrintable(QString("%1 blocks for %2").arg(made.st_blocks).arg(before.st_blocks)));
}

void tst_CopyEngine::numberedName()
{
    QCOMPARE(CopyEngine::numberedName("photo.jpg", 2, false), QString("photo (2).jpg"));
    QCOMPARE(CopyEngine::numberedName("photo (2).jpg", 2, false), QString("photo (3).jpg"));
    QCOMPARE(CopyEngine::numberedName("backup.tar.gz", 2, false), QString("backup (2).tar.gz"));
    QCOMPARE(CopyEngine::numberedName(".bashrc", 3, false), QString(".bashrc (3)"));
    QCOMPARE(CopyEngine::numberedName("v1.2", 2, true), QString("v1.2 (2)"));
}

QTEST_GUILESS_MAIN(tst_CopyEngine)
#include "tst_copyengine.moc"

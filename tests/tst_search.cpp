// SPDX-License-Identifier: GPL-3.0-or-later
#include "namematch.h"
#include "pathcodec.h"
#include "searchmodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makeFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

// Every result as its path below the folder searched, sorted.
QStringList found(const SearchModel &model)
{
    QStringList paths;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex at = model.index(row);
        const QString relative = at.data(SearchModel::RelativeFolderRole).toString();
        const QString name = at.data(SearchModel::FileNameRole).toString();
        paths << (relative.isEmpty() ? name : relative + QLatin1Char('/') + name);
    }
    paths.sort();
    return paths;
}

bool searchAndWait(SearchModel &model, const QString &folder, const QString &query)
{
    model.search(folder, query);
    return QTest::qWaitFor([&] { return !model.isRunning(); }, 20000);
}

// Holds the walk at one folder until released, as a mount that stopped
// answering would.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    QByteArray held;
    bool open = false;
    bool reached = false;

    static void install(const std::shared_ptr<Gate> &gate)
    {
        SearchWalk::setFolderHookForTesting([gate](const QByteArray &folder) {
            std::unique_lock<std::mutex> lock(gate->mutex);
            if (!folder.endsWith(gate->held) || gate->reached)
                return; // only the first walk is held
            gate->reached = true;
            gate->opened.wait(lock, [&] { return gate->open; });
        });
    }
    bool wasReached()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return reached;
    }
    void release()
    {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        opened.notify_all();
    }
};

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matching_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("expected");
        QTest::newRow("word anywhere") << "port" << QByteArray("Report 2024.txt") << true;
        QTest::newRow("case ignored") << "REPORT" << QByteArray("my report.txt") << true;
        QTest::newRow("every word") << "report 2024" << QByteArray("2024 Report.pdf") << true;
        QTest::newRow("a word missing") << "report 2023" << QByteArray("2024 Report.pdf") << false;
        QTest::newRow("star ends") << "*.jpg" << QByteArray("IMG_1.JPG") << true;
        QTest::newRow("star is the whole name") << "*.jpg" << QByteArray("a.jpg.bak") << false;
        QTest::newRow("question one") << "img_?.jpg" << QByteArray("IMG_7.jpg") << true;
        QTest::newRow("question not two") << "img_?.jpg" << QByteArray("IMG_77.jpg") << false;
        QTest::newRow("stars backtrack") << "*a*b*c" << QByteArray("xaybzaqbc") << true;
        QTest::newRow("pattern and word") << "*.txt notes" << QByteArray("old notes.txt") << true;
        QTest::newRow("accents folded") << "ÉTÉ" << QByteArray("photos été.jpg") << true;
        QTest::newRow("ascii word, other name") << "ete" << QByteArray("photos été.jpg") << false;
        QTest::newRow("question one letter") << "?t?" << QByteArray("été") << true;
        QTest::newRow("bytes not UTF-8") << "needle" << QByteArray("caf\xe9 needle") << true;
        QTest::newRow("odd byte itself") << "caf" << QByteArray("caf\xe9") << true;
        QTest::newRow("empty query") << "  " << QByteArray("anything") << true;
    }
    void matching()
    {
        QFETCH(QString, query);
        QFETCH(QByteArray, name);
        QFETCH(bool, expected);
        const NameMatch match(query);
        QCOMPARE(match.matches(name.constData(), size_t(name.size())), expected);
        QCOMPARE(match.matches(PathCodec::decode(name)), expected);
    }

    void walk()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray root = QFile::encodeName(dir.path());
        for (const char *folder : {"/a", "/a/b", "/a/b/c", "/.hidden", "/Needles"})
            QVERIFY(::mkdir((root + folder).constData(), 0755) == 0);
        for (const char *file : {"/top needle.txt", "/a/b/c/NEEDLE", "/a/b/hay", "/.hidden/needle",
                                 "/a/caf\xe9 needle"})
            QVERIFY(makeFile(root + file));
        // Links are found by name but never walked into.
        QVERIFY(::symlink(".", (root + "/a/loop").constData()) == 0);
        QVERIFY(::symlink((root + "/a/b").constData(), (root + "/needle link").constData()) == 0);

        SearchModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("needle")));
        const QString odd = PathCodec::decode(QByteArray("a/caf\xe9 needle"));
        QStringList expected = {QStringLiteral("Needles"), QStringLiteral("a/b/c/NEEDLE"), odd,
                                QStringLiteral("needle link"), QStringLiteral("top needle.txt")};
        expected.sort();
        QCOMPARE(found(model), expected);
        QCOMPARE(model.foldersSearched(), 5); // root, a, a/b, a/b/c, Needles

        // The name that is not UTF-8 goes back to the system as its bytes,
        // and is shown with them escaped.
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariantMap entry = model.get(row);
            struct stat status;
            QVERIFY2(::lstat(PathCodec::encode(entry.value("completePath").toString()).constData(),
                             &status) == 0,
                     qPrintable(entry.value("completePath").toString()));
            if (entry.value("fileName").toString() == odd.mid(2)) {
                QCOMPARE(entry.value("displayName").toString(), QStringLiteral("caf\\xE9 needle"));
                QVERIFY(entry.value("hasUndecodable").toBool());
            }
            if (entry.value("fileName") == QStringLiteral("needle link"))
                QVERIFY(entry.value("isLink").toBool());
        }

        // Removed by hand: the temporary folder's own clean-up cannot name it.
        auto removeOdd = qScopeGuard([&] { ::unlink((root + "/a/caf\xe9 needle").constData()); });

        model.setShowHidden(true);
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("needle")));
        QVERIFY(found(model).contains(QStringLiteral(".hidden/needle")));

        // A folder it may not read is passed over, and counted.
        if (::geteuid() != 0) {
            QVERIFY(::chmod((root + "/a/b").constData(), 0) == 0);
            QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("needle")));
            ::chmod((root + "/a/b").constData(), 0755);
            QVERIFY(!found(model).contains(QStringLiteral("a/b/c/NEEDLE")));
            QCOMPARE(model.foldersSkipped(), 1);
        }
    }

    // Contents too: plain words in the name or the text, patterns by the
    // name; binary files and files past the limit are not read.
    void contents()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto write = [&](const char *name, const QByteArray &content) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
        };
        QVERIFY(write("letter.txt", "Dear BUDGET committee,\nthe été numbers.\n"));
        QVERIFY(write("notes.md", "budget: none\n"));
        QVERIFY(write("budget plan.ods", "PK\x03\x04"));
        QVERIFY(write("blob.dat", QByteArray("budget\0\x01\x02", 9)));
        QVERIFY(write("huge.txt", QByteArray(1024 * 1024, 'x') + "budget"));

        SearchModel model;
        model.setContents(true);
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("budget")));
        QCOMPARE(found(model), (QStringList{"budget plan.ods", "letter.txt", "notes.md"}));
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.get(row).value("inContents").toBool(),
                     !model.get(row).value("fileName").toString().startsWith("budget"));
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("*.txt budget ÉTÉ")));
        QCOMPARE(found(model), QStringList{"letter.txt"});
        model.setContents(false);
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("budget")));
        QCOMPARE(found(model), QStringList{"budget plan.ods"});
    }

    void mounts()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray mountPoint = QFile::encodeName(dir.path()) + "/mounted";
        QVERIFY(::mkdir(mountPoint.constData(), 0755) == 0);
        if (::mount("vantrel-test", mountPoint.constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP(qPrintable(
                QStringLiteral("cannot mount a tmpfs here (%1); mounting needs root on a "
                               "machine that allows it")
                    .arg(QString::fromLocal8Bit(::strerror(errno)))));
        auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
        QVERIFY(::mkdir((mountPoint + "/inner").constData(), 0755) == 0);
        QVERIFY(makeFile(mountPoint + "/inner/needle"));

        SearchModel model;
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("needle")));
        QCOMPARE(found(model), QStringList());
        model.setCrossFileSystems(true);
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("needle")));
        QCOMPARE(found(model), QStringList{QStringLiteral("mounted/inner/needle")});
    }

    // Results show while the walk goes on; cancel and a new query drop the
    // walk at once, even one held by a folder that does not answer.
    void streamAndCancel()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(::mkdir((root + "/stuck").constData(), 0755) == 0);
        QVERIFY(makeFile(root + "/stuck/needle late"));
        QVERIFY(makeFile(root + "/needle early"));
        QVERIFY(makeFile(root + "/other"));

        auto gate = std::make_shared<Gate>();
        gate->held = "/stuck";
        Gate::install(gate);
        auto uninstall = qScopeGuard([&] {
            gate->release();
            SearchWalk::setFolderHookForTesting({});
        });

        SearchModel model;
        QSignalSpy finished(&model, &SearchModel::finished);
        model.search(dir.path(), QStringLiteral("needle"));
        QVERIFY(model.isRunning());
        QTRY_COMPARE(found(model), QStringList{QStringLiteral("needle early")});
        QTRY_VERIFY(gate->wasReached());
        QVERIFY(model.isRunning());

        model.cancel();
        QVERIFY(!model.isRunning());
        QCOMPARE(found(model), QStringList{QStringLiteral("needle early")});

        // A new query starts afresh while the old walk is still held.
        QVERIFY(searchAndWait(model, dir.path(), QStringLiteral("oth")));
        QCOMPARE(found(model), QStringList{QStringLiteral("other")});
        QCOMPARE(finished.count(), 1);
        gate->release();
        QTest::qWait(100);
        QCOMPARE(found(model), QStringList{QStringLiteral("other")});
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"

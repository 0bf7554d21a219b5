// SPDX-License-Identifier: GPL-3.0-or-later
#include "classifier.h"
#include "foldermodel.h"
#include "pathcodec.h"

#include <QAbstractItemModelTester>
#include <QCollator>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Fixture
{
    QString name;
    qint64 size;
    int age; // seconds before a fixed time
    bool dir;
};

// Sizes and ages repeat so that ties fall back to the name.
const QList<Fixture> Entries = {
    {QStringLiteral("file2.txt"), 30, 50, false}, {QStringLiteral("File10.txt"), 10, 40, false},
    {QStringLiteral("alpha.png"), 30, 10, false}, {QStringLiteral("Beta.PNG"), 5, 20, false},
    {QStringLiteral("zeta"), 0, 50, false},       {QStringLiteral("notes.md"), 7, 30, false},
    {QStringLiteral(".hidden"), 2, 5, false},     {QStringLiteral(".vimrc.txt"), 90, 60, false},
    {QStringLiteral("docs"), 0, 15, true},        {QStringLiteral("Archive"), 0, 70, true},
    {QStringLiteral(".config"), 0, 25, true},     {QStringLiteral("music2"), 0, 35, true},
    {QStringLiteral("music10"), 0, 5, true},
};

bool touch(const QByteArray &path, qint64 size, int age)
{
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::ftruncate(fd, size) == 0;
    ::close(fd);
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = 1600000000 - age;
    times[0].tv_nsec = times[1].tv_nsec = 0;
    return ok && ::utimensat(AT_FDCWD, path.constData(), times, 0) == 0;
}

QCollator personCollator()
{
    QCollator collator;
    if (collator.locale().language() == QLocale::C)
        collator.setLocale(QLocale(QLocale::English));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

QStringList names(const FolderModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << model.index(row).data(FolderModel::FileNameRole).toString();
    return result;
}

bool waitLoaded(FolderModel &model)
{
    return QTest::qWaitFor([&] { return !model.isRunning(); }, 10000);
}

// Holds reads of one folder until released, as a dead mount would.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    QString held;
    bool open = false;
    std::atomic_int waiting{0};

    // The hook keeps the gate alive while a worker is inside it.
    static void install(const std::shared_ptr<Gate> &gate)
    {
        FolderModel::setReadHookForTesting([gate](const QString &folder) {
            std::unique_lock<std::mutex> lock(gate->mutex);
            if (folder != gate->held)
                return;
            ++gate->waiting;
            gate->opened.wait(lock, [&] { return gate->open; });
            --gate->waiting;
        });
    }
    void release()
    {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        opened.notify_all();
    }
};

} // namespace

class TestFolderModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QByteArray root = QFile::encodeName(m_dir.path());
        for (const Fixture &entry : Entries) {
            const QByteArray path = root + '/' + entry.name.toUtf8();
            if (entry.dir) {
                QVERIFY(::mkdir(path.constData(), 0755) == 0);
                struct timespec times[2] = {{1600000000 - entry.age, 0},
                                            {1600000000 - entry.age, 0}};
                QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
            } else {
                QVERIFY(touch(path, entry.size, entry.age));
            }
        }
    }

    void cleanup() { FolderModel::setReadHookForTesting(nullptr); }

    void arrangement_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<bool>("foldersFirst");
        QTest::addColumn<int>("hidden"); // 0 hidden, 1 shown, 2 shown last
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("setAfterLoad");
        const char *keys[] = {"name", "size", "date", "type"};
        int n = 0;
        for (int key = FolderModel::Name; key <= FolderModel::Type; ++key)
            for (bool ascending : {true, false})
                for (bool foldersFirst : {true, false})
                    for (int hidden : {0, 1, 2})
                        for (const QString &filter :
                             {QString(), QStringLiteral("I"), QStringLiteral("Fil")}) {
                            QTest::addRow("%s %s %s hidden%d filter'%s'", keys[key],
                                          ascending ? "asc" : "desc",
                                          foldersFirst ? "dirsfirst" : "mixed", hidden,
                                          qPrintable(filter))
                                << key << ascending << foldersFirst << hidden << filter
                                << (n++ % 2 == 1);
                        }
    }

    void arrangement()
    {
        QFETCH(int, key);
        QFETCH(bool, ascending);
        QFETCH(bool, foldersFirst);
        QFETCH(int, hidden);
        QFETCH(QString, filter);
        QFETCH(bool, setAfterLoad);

        FolderModel model;
        auto steer = [&] {
            model.setSortKey(FolderModel::SortKey(key));
            model.setAscending(ascending);
            model.setFoldersFirst(foldersFirst);
            model.setShowHidden(hidden != 0);
            model.setHiddenLast(hidden == 2);
            // Typed a key at a time, each one narrowing the last.
            for (qsizetype typed = 1; typed <= filter.size(); ++typed)
                model.setFilterText(filter.left(typed));
        };
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        if (!setAfterLoad)
            steer();
        model.setFolder(m_dir.path());
        QVERIFY(waitLoaded(model));
        if (setAfterLoad) {
            // A change of choice keeps the view's delegates: no reset, and
            // an index held on an entry follows it.
            QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
            const QPersistentModelIndex docs(model.index(int(names(model).indexOf("docs"))));
            QVERIFY(docs.isValid());
            steer();
            QCOMPARE(resets.size(), 0);
            QCOMPARE(docs.isValid(), names(model).contains("docs"));
            if (docs.isValid())
                QCOMPARE(docs.data(FolderModel::FileNameRole).toString(), QString("docs"));
        }
        QCOMPARE(model.status(), FolderModel::Ready);
        QCOMPARE(model.totalCount(), Entries.size());

        QList<Fixture> expected;
        for (const Fixture &entry : Entries) {
            const bool isHidden = entry.name.startsWith(QLatin1Char('.'));
            if ((isHidden && hidden == 0) ||
                (!filter.isEmpty() && !entry.name.contains(filter, Qt::CaseInsensitive)))
                continue;
            expected << entry;
        }
        QCOMPARE(model.count(), expected.size());

        const QStringList shown = names(model);
        const QCollator collator = personCollator();
        // Whole order for name, size and date; for type, which orders by
        // kind and extension, the runs of one extension are checked.
        auto group = [&](const Fixture &e) {
            return (hidden == 2 && e.name.startsWith(QLatin1Char('.')) ? 2 : 0) +
                   (foldersFirst && !e.dir ? 1 : 0);
        };
        auto compareByKey = [&](const Fixture &a, const Fixture &b) -> int {
            qint64 x = 0, y = 0;
            if (key == FolderModel::Size)
                x = a.dir ? -1 : a.size, y = b.dir ? -1 : b.size;
            else if (key == FolderModel::Date)
                x = -a.age, y = -b.age;
            if (x != y)
                return x < y ? -1 : 1;
            return collator.compare(a.name, b.name);
        };
        if (key != FolderModel::Type) {
            std::sort(expected.begin(), expected.end(), [&](const Fixture &a, const Fixture &b) {
                if (group(a) != group(b))
                    return group(a) < group(b);
                const int c = compareByKey(a, b);
                return ascending ? c < 0 : c > 0;
            });
            QStringList order;
            for (const Fixture &e : expected)
                order << e.name;
            QCOMPARE(shown, order);
            return;
        }
        auto find = [&](const QString &name) {
            return *std::find_if(expected.cbegin(), expected.cend(),
                                 [&](const Fixture &e) { return e.name == name; });
        };
        auto typeOf = [&](int row) {
            const QVariantMap entry = model.get(row);
            const QString name = entry.value(QStringLiteral("fileName")).toString();
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            return entry.value(QStringLiteral("kind")).toString() + QLatin1Char(' ') +
                   (dot > 0 ? name.mid(dot + 1).toCaseFolded() : QString());
        };
        QStringList finished;
        for (int row = 0; row < shown.size(); ++row) {
            if (row > 0) {
                const Fixture &a = find(shown[row - 1]);
                const Fixture &b = find(shown[row]);
                QVERIFY(group(a) <= group(b));
                if (group(a) != group(b)) {
                    finished.clear(); // each group has its own runs
                    continue;
                }
                // By the type's words the list shows, then by extension.
                const int words = collator.compare(model.get(row - 1).value("kindWords").toString(),
                                                   model.get(row).value("kindWords").toString());
                QVERIFY2(ascending ? words <= 0 : words >= 0, qPrintable(a.name + " / " + b.name));
                if (typeOf(row - 1) == typeOf(row)) {
                    const int c = collator.compare(a.name, b.name);
                    QVERIFY2(ascending ? c < 0 : c > 0, qPrintable(a.name + " / " + b.name));
                } else {
                    QVERIFY2(!finished.contains(typeOf(row)), qPrintable(typeOf(row)));
                    finished << typeOf(row - 1);
                }
            }
        }
    }

    void requests_data()
    {
        QTest::addColumn<bool>("stallFirst");
        QTest::addColumn<bool>("destroyWhileStalled");
        QTest::newRow("newer supersedes older") << false << false;
        QTest::newRow("stalled read, second folder lands") << true << false;
        QTest::newRow("model destroyed while a read stalls") << true << true;
    }

    void requests()
    {
        QFETCH(bool, stallFirst);
        QFETCH(bool, destroyWhileStalled);
        QTemporaryDir other;
        QVERIFY(other.isValid());
        QVERIFY(touch(QFile::encodeName(other.path() + QStringLiteral("/only")), 1, 0));

        auto gate = std::make_shared<Gate>();
        gate->held = QDir::cleanPath(m_dir.path());
        if (stallFirst)
            Gate::install(gate);

        auto model = std::make_unique<FolderModel>();
        QSignalSpy loaded(model.get(), &FolderModel::loaded);
        QSignalSpy running(model.get(), &FolderModel::runningChanged);
        model->setFolder(m_dir.path());
        QVERIFY(model->isRunning());
        if (stallFirst)
            QTRY_COMPARE(gate->waiting.load(), 1);

        int beats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++beats; });
        heartbeat.start(10);
        model->setFolder(other.path());
        if (destroyWhileStalled) {
            model.reset(); // must not wait for the stalled read
            QCOMPARE(gate->waiting.load(), 1);
            gate->release();
            QTRY_COMPARE(gate->waiting.load(), 0);
            return;
        }
        QVERIFY(waitLoaded(*model));
        QCOMPARE(names(*model), QStringList{QStringLiteral("only")});
        if (stallFirst) {
            QCOMPARE(gate->waiting.load(), 1); // still held
            QVERIFY(beats > 0);
            gate->release();
            QTRY_COMPARE(gate->waiting.load(), 0);
        }
        QTest::qWait(100); // room for a late result to arrive, were it sent
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(names(*model), QStringList{QStringLiteral("only")});
        QCOMPARE(model->totalCount(), 1);
        QCOMPARE(running.size(), 2);
        QVERIFY(!model->isRunning());
    }

    void watching_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("created file appears") << QStringLiteral("create");
        QTest::newRow("burst of changes, few reloads") << QStringLiteral("burst");
        QTest::newRow("folder deleted while open") << QStringLiteral("delete");
        QTest::newRow("folder moved away while open") << QStringLiteral("move");
        QTest::newRow("folder replaced by a link") << QStringLiteral("link");
        QTest::newRow("unreadable folder opened up") << QStringLiteral("unlock");
    }

    void watching()
    {
        QFETCH(QString, action);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString folder = root.path() + QStringLiteral("/watched");
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(touch(QFile::encodeName(folder + QStringLiteral("/kept")), 0, 0));

        if (action == QLatin1String("unlock")) {
            if (::geteuid() == 0)
                QSKIP("Root reads every folder, so none can be made unreadable");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::WriteOwner));
        }
        FolderModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFolder(folder);
        QVERIFY(waitLoaded(model));
        if (action == QLatin1String("unlock")) {
            QCOMPARE(model.status(), FolderModel::Unreadable);
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
            QTRY_COMPARE_WITH_TIMEOUT(model.totalCount(), 1, 5000);
            QCOMPARE(model.status(), FolderModel::Ready);
            return;
        }
        QCOMPARE(model.totalCount(), 1);
        QSignalSpy reloads(&model, &FolderModel::reloaded);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

        if (action == QLatin1String("create")) {
            const QPersistentModelIndex kept(model.index(0));
            // Sorted before the one kept, so that the kept one moves.
            const QString created = folder + QStringLiteral("/a new file");
            QVERIFY(touch(QFile::encodeName(created), 0, 0));
            QTRY_VERIFY_WITH_TIMEOUT(model.indexOfPath(created) >= 0, 5000);
            QCOMPARE(model.indexOfPath(folder + QStringLiteral("/kept")), 1);
            QCOMPARE(kept.row(), 1);
            QCOMPARE(kept.data(FolderModel::FileNameRole).toString(), QString("kept"));
            QCOMPARE(resets.size(), 0);
        } else if (action == QLatin1String("burst")) {
            QElapsedTimer clock;
            clock.start();
            int made = 0;
            while (clock.elapsed() < 1000) {
                const QByteArray name =
                    QFile::encodeName(folder + QStringLiteral("/f%1").arg(made++));
                QVERIFY(touch(name, 0, 0));
                QCoreApplication::processEvents();
            }
            const qint64 spent = clock.elapsed();
            QTRY_COMPARE_WITH_TIMEOUT(model.totalCount(), made + 1, 5000);
            // One read per interval of the coalescing timer, and a last one.
            QVERIFY2(reloads.size() <= spent / 250 + 2,
                     qPrintable(QStringLiteral("%1 reloads for %2 changes in %3 ms")
                                    .arg(reloads.size())
                                    .arg(made)
                                    .arg(spent)));
            QVERIFY(made > 20);
        } else if (action == QLatin1String("move")) {
            QVERIFY(QDir().rename(folder, root.path() + QStringLiteral("/elsewhere")));
            QTRY_COMPARE_WITH_TIMEOUT(model.status(), FolderModel::Gone, 5000);
            QCOMPARE(model.count(), 0);
        } else if (action == QLatin1String("link")) {
            const QString other = root.path() + QStringLiteral("/other");
            QVERIFY(QDir().mkpath(other + QStringLiteral("/one")));
            QVERIFY(QDir().mkpath(other + QStringLiteral("/two")));
            QVERIFY(QDir().rename(folder, root.path() + QStringLiteral("/elsewhere")));
            QVERIFY(QFile::link(other, folder));
            QTRY_COMPARE_WITH_TIMEOUT(model.totalCount(), 2, 5000);
            QVERIFY(model.indexOfPath(folder + QStringLiteral("/two")) >= 0);
        } else {
            QVERIFY(QDir(folder).removeRecursively());
            QTRY_COMPARE_WITH_TIMEOUT(model.status(), FolderModel::Gone, 5000);
            QCOMPARE(model.count(), 0);
            model.reload();
            QVERIFY(waitLoaded(model));
            QCOMPARE(model.status(), FolderModel::Gone);
        }
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("expected"); // a name, or "" for -1

        const QString dir = QDir::cleanPath(m_dir.path());
        QTest::newRow("folder, as listed") << "path" << dir + "/docs/" << 0 << "docs";
        QTest::newRow("folder, no slash") << "path" << dir + "/docs" << 0 << "docs";
        QTest::newRow("folder, doubled slashes") << "path"
                                                 << "/" + dir + "//docs//" << 0 << "docs";
        QTest::newRow("file") << "path" << dir + "/notes.md" << 0 << "notes.md";
        QTest::newRow("hidden, not shown") << "path" << dir + "/.hidden" << 0 << "";
        QTest::newRow("other folder") << "path"
                                      << "/nowhere/notes.md" << 0 << "";
        QTest::newRow("missing") << "path" << dir + "/nothing" << 0 << "";
        QTest::newRow("the folder itself") << "path" << dir << 0 << "";
        QTest::newRow("prefix") << "match"
                                << "mus" << 0 << "music2";
        QTest::newRow("prefix, any case") << "match"
                                          << "MUSIC1" << 0 << "music10";
        QTest::newRow("from after a match") << "match"
                                            << "music" << 3 << "music10";
        QTest::newRow("wraps") << "match"
                               << "archive" << 3 << "Archive";
        QTest::newRow("no partial match") << "match"
                                          << "docx" << 0 << "";
        QTest::newRow("miss") << "match"
                              << "q" << 0 << "";
        QTest::newRow("empty prefix") << "match"
                                      << "" << 0 << "";
    }

    void lookups()
    {
        QFETCH(QString, call);
        QFETCH(QString, argument);
        QFETCH(int, from);
        QFETCH(QString, expected);
        FolderModel model;
        model.setFolder(m_dir.path());
        QVERIFY(waitLoaded(model));
        // Folders first by name: Archive, docs, music2, music10, then files.
        const int row = call == QLatin1String("path") ? model.indexOfPath(argument)
                                                      : model.nextMatch(argument, from);
        if (expected.isEmpty()) {
            QCOMPARE(row, -1);
            return;
        }
        QVERIFY(row >= 0);
        QCOMPARE(model.get(row).value(QStringLiteral("fileName")).toString(), expected);
        if (call == QLatin1String("path")) {
            const QString complete =
                model.get(row).value(QStringLiteral("completePath")).toString();
            QCOMPARE(model.indexOfPath(complete), row);
        }
    }

    void undecodableNames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("high bytes") << QByteArray("\x80\xfe\xff") << "\\x80\\xFE\\xFF";
        QTest::newRow("latin-1") << QByteArray("caf\xe9.txt") << "caf\\xE9.txt";
        QTest::newRow("lone continuation") << QByteArray("a\x9f") << "a\\x9F";
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "\\xC0\\xAF";
        QTest::newRow("mixed") << QByteArray("\xc3\xa9t\xe9") << QString::fromUtf8("ét\\xE9");
    }

    void undecodableNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + bytes;
        if (!touch(path, 3, 0))
            QSKIP("this file system refuses names that are not UTF-8");
        // QDir cannot see such a name to remove it with the folder.
        const auto removeFile = qScopeGuard([&] { ::unlink(path.constData()); });

        FolderModel model;
        model.setFolder(dir.path());
        QVERIFY(waitLoaded(model));
        QCOMPARE(model.count(), 1);
        const QVariantMap entry = model.get(0);
        QCOMPARE(entry.value(QStringLiteral("displayName")).toString(), shown);
        QVERIFY(entry.value(QStringLiteral("hasUndecodable")).toBool());
        QCOMPARE(PathCodec::encode(entry.value(QStringLiteral("fileName")).toString()), bytes);
        QCOMPARE(entry.value(QStringLiteral("size")).toLongLong(), 3);
        QCOMPARE(model.indexOfPath(entry.value(QStringLiteral("completePath")).toString()), 0);
    }

    // A folder big enough that the worker shares the entries between two
    // threads and merges their orders; the other orders follow the rows, so
    // a sort chosen before, right after, or well after the load, and after a
    // reload, must all give the full order.
    void bigFolder_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("when");
        const char *keys[] = {"name", "size", "date", "type"};
        for (int key = FolderModel::Name; key <= FolderModel::Type; ++key)
            for (const char *when : {"before", "right after", "after a pause", "after reload"})
                QTest::addRow("%s %s", keys[key], when) << key << QString::fromLatin1(when);
    }

    void bigFolder()
    {
        QFETCH(int, key);
        QFETCH(QString, when);
        static QTemporaryDir dir;
        static QList<Fixture> made;
        QVERIFY(dir.isValid());
        if (made.isEmpty()) {
            static const char *const patterns[] = {"IMG_%1.JPG",     "report %1.txt", "Song %1.mp3",
                                                   "data-%1.tar.gz", "notes%1",       "Notes%1",
                                                   ".cache%1",       "dir%1"};
            const int count = 3001;
            for (int i = 0; i < count; ++i) {
                const QString name = QString::fromLatin1(patterns[i % 8]).arg(i * 7919 % count);
                const Fixture entry{name, (i * 31) % 17, (i * 13) % 23, i % 8 == 7};
                const QByteArray path = QFile::encodeName(dir.path() + QLatin1Char('/') + name);
                if (entry.dir) {
                    struct timespec times[2] = {{1600000000 - entry.age, 0},
                                                {1600000000 - entry.age, 0}};
                    QVERIFY(::mkdir(path.constData(), 0755) == 0);
                    QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
                } else {
                    QVERIFY(touch(path, entry.size, entry.age));
                }
                made << entry;
            }
        }

        FolderModel model;
        model.setShowHidden(true);
        model.setFoldersFirst(false);
        if (when == QLatin1String("before"))
            model.setSortKey(FolderModel::SortKey(key));
        model.setFolder(dir.path());
        QVERIFY(waitLoaded(model));
        if (when == QLatin1String("after a pause"))
            QTest::qWait(300);
        if (when == QLatin1String("after reload")) {
            model.setSortKey(FolderModel::SortKey((key + 1) % 4));
            model.reload();
            QVERIFY(waitLoaded(model));
        }
        model.setSortKey(FolderModel::SortKey(key));
        QCOMPARE(model.totalCount(), made.size());
        QCOMPARE(model.count(), made.size());

        const QCollator collator = personCollator();
        auto byName = [&](const QString &a, const QString &b) {
            const int c = collator.compare(a, b);
            return c != 0 ? c < 0 : a < b;
        };
        const QStringList shown = names(model);
        if (key != FolderModel::Type) {
            QList<Fixture> expected = made;
            auto value = [&](const Fixture &e) {
                return key == FolderModel::Size   ? (e.dir ? -1 : e.size)
                       : key == FolderModel::Date ? -e.age
                                                  : 0;
            };
            std::sort(expected.begin(), expected.end(), [&](const Fixture &a, const Fixture &b) {
                return value(a) != value(b) ? value(a) < value(b) : byName(a.name, b.name);
            });
            QStringList order;
            for (const Fixture &e : std::as_const(expected))
                order << e.name;
            QCOMPARE(shown, order);
            return;
        }
        // By type: each kind and extension in one run, by name within it.
        auto typeOf = [&](int row) {
            const QString name = shown.at(row);
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            return model.index(row).data(FolderModel::KindRole).toString() + QLatin1Char(' ') +
                   (dot > 0 ? name.mid(dot + 1).toCaseFolded() : QString());
        };
        QStringList finished;
        for (int row = 1; row < shown.size(); ++row) {
            if (typeOf(row - 1) == typeOf(row)) {
                QVERIFY2(byName(shown[row - 1], shown[row]),
                         qPrintable(shown[row - 1] + " / " + shown[row]));
            } else {
                QVERIFY2(!finished.contains(typeOf(row)), qPrintable(typeOf(row)));
                finished << typeOf(row - 1);
            }
        }
        QVERIFY(finished.size() >= 5);
    }

    // The image view steps through the pictures in the order shown.
    void pictureNeighbours()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"a1.png", "a2.jpg", "a10.png", "notes.txt", "b.gif", "c.xcf"})
            QVERIFY(touch(QFile::encodeName(dir.filePath(name)), 1, 0));
        QVERIFY(QDir(dir.path()).mkdir("sub.png"));
        FolderModel model;
        model.setFolder(dir.path());
        QVERIFY(waitLoaded(model));
        const QString folder = dir.path() + "/";
        const auto around = [&](const QString &name) {
            const QVariantMap map = model.pictureNeighbours(folder + name);
            return QStringList{map.value("previous").toString().remove(folder),
                               map.value("next").toString().remove(folder),
                               map.value("index").toString(), map.value("count").toString()};
        };
        QCOMPARE(around("a2.jpg"), QStringList({"a1.png", "a10.png", "1", "4"}));
        model.setAscending(false);
        QCOMPARE(around("a2.jpg"), QStringList({"a10.png", "a1.png", "2", "4"}));
        // A file shown as a picture though not named like one counts itself.
        QCOMPARE(around("notes.txt"), QStringList({"", "b.gif", "0", "5"}));
        model.setFilterText("a");
        QCOMPARE(around("a10.png"), QStringList({"", "a2.jpg", "0", "3"}));
        QCOMPARE(around("b.gif"), QStringList({"", "", "-1", "3"}));
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("make"); // file, exec, dir, fifo, link, dangling
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "sub"
                                << "dir"
                                << "folder";
        QTest::newRow("text") << "read.txt"
                              << "file"
                              << "text";
        QTest::newRow("picture") << "photo.JPG"
                                 << "file"
                                 << "image";
        QTest::newRow("audio") << "song.mp3"
                               << "file"
                               << "audio";
        QTest::newRow("video") << "clip.mkv"
                               << "file"
                               << "video";
        QTest::newRow("archive") << "pack.tar.gz"
                                 << "file"
                                 << "archive";
        QTest::newRow("program") << "run"
                                 << "exec"
                                 << "program";
        QTest::newRow("text with execute bit stays text") << "a.txt"
                                                          << "exec"
                                                          << "text";
        QTest::newRow("plain file") << "blob"
                                    << "file"
                                    << "file";
        // By the MIME database, not by what the file is inside (a zip).
        QTest::newRow("office document") << "report.docx"
                                         << "file"
                                         << "document";
        QTest::newRow("OpenDocument text") << "notes.odt"
                                           << "file"
                                           << "document";
        QTest::newRow("spreadsheet") << "sums.xlsx"
                                     << "file"
                                     << "document";
        QTest::newRow("e-book") << "novel.epub"
                                << "file"
                                << "document";
        QTest::newRow("PDF") << "paper.PDF"
                             << "file"
                             << "document";
        QTest::newRow("zip") << "bundle.zip"
                             << "file"
                             << "archive";
        QTest::newRow("Java archive runs") << "tool.jar"
                                           << "file"
                                           << "program";
        QTest::newRow("Windows program") << "setup.exe"
                                         << "file"
                                         << "program";
        QTest::newRow("pipe") << "queue"
                              << "fifo"
                              << "pipe";
        QTest::newRow("link") << "to-sub"
                              << "link"
                              << "link";
        QTest::newRow("broken link") << "dead"
                                     << "dangling"
                                     << "brokenLink";
    }

    void kinds()
    {
        QFETCH(QString, name);
        QFETCH(QString, make);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray path = QFile::encodeName(dir.path() + QLatin1Char('/') + name);
        bool made = false;
        if (make == QLatin1String("dir"))
            made = ::mkdir(path.constData(), 0755) == 0;
        else if (make == QLatin1String("fifo"))
            made = ::mkfifo(path.constData(), 0644) == 0;
        else if (make == QLatin1String("link"))
            made = ::mkdir(QFile::encodeName(dir.path() + "/target").constData(), 0755) == 0 &&
                   ::symlink("target", path.constData()) == 0;
        else if (make == QLatin1String("dangling"))
            made = ::symlink("no-such-target", path.constData()) == 0;
        else
            made = touch(path, 1, 0) &&
                   ::chmod(path.constData(), make == QLatin1String("exec") ? 0755 : 0644) == 0;
        if (!made)
            QSKIP("this file system cannot hold such an entry");

        FolderModel model;
        model.setFolder(dir.path());
        QVERIFY(waitLoaded(model));
        const int row = model.indexOfPath(dir.path() + QLatin1Char('/') + name);
        QVERIFY(row >= 0);
        const QVariantMap entry = model.get(row);
        QCOMPARE(entry.value(QStringLiteral("kind")).toString(), kind);
        // The typed kind, and the words and icons of the MIME type behind it.
        QCOMPARE(entry.value(QStringLiteral("fileKind")).toInt(),
                 QMetaEnum::fromType<FileKind::Kind>().keyToValue(
                     qPrintable(kind.left(1).toUpper() + kind.mid(1))));
        QVERIFY(!entry.value(QStringLiteral("kindWords")).toString().isEmpty());
        const QStringList icons = entry.value(QStringLiteral("iconNames")).toStringList();
        QVERIFY(!icons.isEmpty());
        if (kind == "document")
            QVERIFY2(icons.contains("x-office-document") || icons.contains("x-office-spreadsheet"),
                     qPrintable(icons.join(' ')));
        QCOMPARE(entry.value(QStringLiteral("isBrokenLink")).toBool(), make == "dangling");
        QCOMPARE(entry.value(QStringLiteral("isLink")).toBool(),
                 make == "link" || make == "dangling");
        QCOMPARE(entry.value(QStringLiteral("isDir")).toBool(), make == "link" || make == "dir");
        if (make.contains(QLatin1String("link")) || make == "dangling")
            QVERIFY(!entry.value(QStringLiteral("linkTarget")).toString().isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("status");
        QTest::newRow("missing folder") << "missing" << int(FolderModel::Missing);
        QTest::newRow("a file, not a folder") << "file" << int(FolderModel::Missing);
        QTest::newRow("folder without read right") << "locked" << int(FolderModel::Unreadable);
        QTest::newRow("empty folder") << "empty" << int(FolderModel::Empty);
        QTest::newRow("only hidden entries") << "hidden" << int(FolderModel::Ready);
    }

    void failures()
    {
        QFETCH(QString, what);
        QFETCH(int, status);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString folder = dir.path() + QStringLiteral("/x");
        if (what == QLatin1String("file")) {
            QVERIFY(touch(QFile::encodeName(folder), 0, 0));
        } else if (what != QLatin1String("missing")) {
            QVERIFY(QDir().mkdir(folder));
            if (what == QLatin1String("hidden"))
                QVERIFY(touch(QFile::encodeName(folder + "/.dot"), 0, 0));
            if (what == QLatin1String("locked")) {
                QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0300) == 0);
                if (::access(QFile::encodeName(folder).constData(), R_OK) == 0)
                    QSKIP("running with rights that read any folder");
            }
        }
        FolderModel model;
        model.setFolder(folder);
        QVERIFY(waitLoaded(model));
        QCOMPARE(int(model.status()), status);
        QCOMPARE(model.count(), 0);
        QCOMPARE(model.totalCount(), what == QLatin1String("hidden") ? 1 : 0);
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFolderModel)
#include "tst_foldermodel.moc"

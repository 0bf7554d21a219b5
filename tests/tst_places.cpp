// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileprobe.h"
#include "filesystem.h"
#include "pathcodec.h"
#include "pathtools.h"
#include "places.h"

#include <QEvent>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

class tst_Places : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void resolve_data();
    void resolve();
    void startFolder_data();
    void startFolder();
    void findStartFolderAnswersLater();
    void complete_data();
    void complete();
    void answersLater();
    void bookmarks();
    void deadBookmark();
    void standardNames();

private:
    QTemporaryDir m_dir;
    QString m_root;
};

void tst_Places::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_root = m_dir.path();
    QDir root(m_root);
    // Home is where the person's folders are; the test brings its own.
    QVERIFY(root.mkpath("home"));
    qputenv("HOME", QFile::encodeName(m_root + "/home"));
    for (const char *folder : {"Music", "music box", "Movies", ".hidden", "a/b/c", "line\nbreak"})
        QVERIFY(root.mkpath(QString::fromUtf8(folder)));
    QFile file(root.filePath("notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(root.filePath("Movies"), root.filePath("Mlink")));
    QVERIFY(QFile::link(root.filePath("notes.txt"), root.filePath("Mfile")));
    QVERIFY(root.mkpath("locked/inner"));
    QVERIFY(QFile::setPermissions(root.filePath("locked"), QFileDevice::WriteOwner));
}

void tst_Places::cleanupTestCase()
{
    QFile::setPermissions(m_root + "/locked",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_Places::resolve_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("folder"); // "@" stands for the test folder, "~" for home
    QTest::addColumn<QString>("select");

    QTest::newRow("home") << "~"
                          << "folder"
                          << "~/"
                          << "";
    QTest::newRow("under home") << "~/"
                                << "folder"
                                << "~/"
                                << "";
    QTest::newRow("absolute, slashes doubled") << "@//a///b/"
                                               << "folder"
                                               << "@/a/b/"
                                               << "";
    QTest::newRow("relative with dots") << "a/b/../b/./c"
                                        << "folder"
                                        << "@/a/b/c/"
                                        << "";
    QTest::newRow("blank in name") << "music box"
                                   << "folder"
                                   << "@/music box/"
                                   << "";
    QTest::newRow("newline in name") << "line\nbreak/"
                                     << "folder"
                                     << "@/line\nbreak/"
                                     << "";
    QTest::newRow("file selects it") << "@/notes.txt"
                                     << "file"
                                     << "@/"
                                     << "@/notes.txt";
    QTest::newRow("missing keeps its path") << "nothing/here"
                                            << "missing"
                                            << "@/nothing/here"
                                            << "";
    QTest::newRow("only blanks") << "   "
                                 << "empty"
                                 << ""
                                 << "";
    QTest::newRow("above the root") << "/../../"
                                    << "folder"
                                    << "/"
                                    << "";
}

void tst_Places::resolve()
{
    QFETCH(QString, typed);
    QFETCH(QString, kind);
    QFETCH(QString, folder);
    QFETCH(QString, select);
    const auto real = [this](QString path) {
        if (path.startsWith('~'))
            path = QDir::homePath() + path.mid(1);
        return path.replace('@', m_root).replace("//", "/");
    };
    PathTools tools;
    const QVariantMap result = tools.resolve(typed.replace('@', m_root), m_root + "/");
    QCOMPARE(result.value("kind").toString(), kind);
    QCOMPARE(result.value("folder").toString(), real(folder));
    QCOMPARE(result.value("select").toString(), real(select));
}

void tst_Places::startFolder_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("folder"); // "" for home
    QTest::addColumn<QString>("reason");

    QTest::newRow("nothing remembered") << ""
                                        << ""
                                        << "";
    QTest::newRow("not absolute") << "relative/x"
                                  << ""
                                  << "";
    QTest::newRow("still there") << "@/a/b/"
                                 << "@/a/b/"
                                 << "";
    QTest::newRow("old root form") << "//"
                                   << "/"
                                   << "";
    QTest::newRow("vanished") << "@/a/gone/deeper/"
                              << "@/a/"
                              << "missing";
    QTest::newRow("a file now") << "@/notes.txt"
                                << "@/"
                                << "unreadable";
    // Root enters every folder, so none can be made unreadable for it.
    if (::geteuid() != 0)
        QTest::newRow("no longer readable") << "@/locked/inner/"
                                            << "@/"
                                            << "unreadable";
}

void tst_Places::startFolder()
{
    QFETCH(QString, remembered);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    const QString home = QDir::homePath();
    const QVariantMap found = PathTools::startFolderFor(remembered.replace('@', m_root), home);
    QCOMPARE(found.value("folder").toString(),
             folder.isEmpty() ? home + "/" : folder.replace('@', m_root));
    QCOMPARE(found.value("reason").toString(), reason);
}

void tst_Places::findStartFolderAnswersLater()
{
    PathTools tools;
    QSignalSpy found(&tools, &PathTools::startFolderFound);
    tools.findStartFolder(m_root + "/a/gone/");
    QVERIFY(found.isEmpty()); // never answered inside the call
    QVERIFY(found.wait());
    QCOMPARE(found.first().at(0).toString(), m_root + "/a/");
    QCOMPARE(found.first().at(1).toString(), QString("missing"));

    // On a mount that does not answer, the folder opens as remembered after
    // a moment, and its listing shows that it waits.
    QSemaphore release;
    FileProbe::setLookHookForTesting([&release](const QString &) { release.acquire(); });
    found.clear();
    tools.findStartFolder(m_root + "/a/b");
    QVERIFY(found.wait());
    QCOMPARE(found.first().at(0).toString(), m_root + "/a/b/");
    release.release();
    QVERIFY(FileProbe::ioPool()->waitForDone(10000));
    FileProbe::setLookHookForTesting({});
    QCoreApplication::processEvents();
    QCOMPARE(found.size(), 1); // the late answer is dropped
}

void tst_Places::complete_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("completions");

    QTest::newRow("case ignored, folders and links to folders only")
        << "m" << QStringList{"Mlink/", "Movies/", "Music/", "music box/"};
    QTest::newRow("hidden only when asked") << "." << QStringList{".hidden/"};
    QTest::newRow("deeper, typed part kept") << "a/" << QStringList{"a/b/"};
    QTest::newRow("nothing matches") << "zzz" << QStringList{};
    QTest::newRow("missing folder") << "nope/x" << QStringList{};
}

void tst_Places::complete()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, completions);
    PathTools tools;
    QCOMPARE(tools.complete(typed, m_root), completions);
}

// Completion, resolution and existence are asked off the UI thread; an
// answer a newer question overtook is dropped, and odd names are seen.
void tst_Places::answersLater()
{
    PathTools tools;
    QSignalSpy completed(&tools, &PathTools::completed);
    QSignalSpy resolved(&tools, &PathTools::resolved);
    tools.requestComplete("m", m_root);
    tools.requestComplete("a/", m_root);
    tools.requestResolve("a/b/../b", m_root);
    QVERIFY(completed.isEmpty() && resolved.isEmpty());
    QVERIFY(resolved.wait());
    QTRY_COMPARE(completed.size(), 1);
    QVERIFY(FileProbe::ioPool()->waitForDone(10000));
    QCoreApplication::processEvents();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(completed.first().at(0).toString(), QString("a/"));
    QCOMPARE(completed.first().at(2).toStringList(), QStringList{"a/b/"});
    const PathTarget where = resolved.first().at(2).value<PathTarget>();
    QCOMPARE(where.kind, PathTargets::Folder);
    QCOMPARE(where.folder, tools.resolve("a/b/../b", m_root).value("folder").toString());

    const QString odd = m_root + "/" + PathCodec::decode(QByteArray("caf\xE9"));
    if (::mkdir(PathCodec::encode(odd).constData(), 0700) != 0)
        QSKIP("This file system takes only UTF-8 names");
    FileSystem files;
    QVERIFY(files.exists(odd) && files.isDir(odd + "/") && !files.exists(odd + "x"));
    QSignalSpy checked(&files, &FileSystem::existsChecked);
    files.requestExists(odd);
    QVERIFY(checked.isEmpty());
    QVERIFY(checked.wait());
    QCOMPARE(checked.first().at(0).toString(), odd);
    QVERIFY(checked.first().at(1).toBool());
    ::rmdir(PathCodec::encode(odd).constData());
}

void tst_Places::bookmarks()
{
    Places places;
    places.setSharedFolder(m_root + "/a");
    const auto settled = [&places] {
        for (int i = 0; i < places.count(); ++i)
            if (places.data(places.index(i), Places::WaitingRole).toBool())
                return false;
        return FileProbe::ioPool()->activeThreadCount() == 0;
    };
    QTRY_VERIFY(settled());
    QCoreApplication::processEvents();
    const auto rowsOf = [&places](const QString &section) {
        QStringList paths;
        for (int i = 0; i < places.rowCount(); ++i) {
            const QModelIndex index = places.index(i);
            if (places.data(index, Places::SectionRole).toString() == section)
                paths << places.data(index, Places::PathRole).toString() +
                             (places.data(index, Places::ExistsRole).toBool() ? "" : " (gone)");
        }
        return paths;
    };
    QTRY_VERIFY(rowsOf("places").contains(m_root + "/a/"));
    QVERIFY(rowsOf("places").contains("/"));
    // The trash is a place, after the folders, whatever the volumes.
    QCOMPARE(rowsOf("places").last(), Places::trashPath());
    const int fixed = places.count();

    QSignalSpy changed(&places, &Places::bookmarksChanged);
    QVERIFY(places.addBookmark(m_root + "/Music"));
    // The same folder, however spelt.
    for (const QString &same :
         {m_root + "/Music/", "/" + m_root + "//Music", m_root + "/a/../Music"})
        QVERIFY2(!places.addBookmark(same), qPrintable(same));
    QVERIFY(!places.addBookmark("Music")); // not a place anywhere in particular
    QVERIFY(places.addBookmark(m_root + "/gone"));
    QCOMPARE(changed.size(), 2);
    QCOMPARE(places.bookmarks(), QStringList({m_root + "/Music/", m_root + "/gone/"}));
    QTRY_VERIFY(settled());
    QCOMPARE(rowsOf("bookmarks"), QStringList({m_root + "/Music/", m_root + "/gone/ (gone)"}));
    QCOMPARE(places.count(), fixed + 2);

    QVERIFY(places.removeBookmark(m_root + "/gone"));
    QVERIFY(!places.removeBookmark(m_root + "/gone"));
    QCOMPARE(places.bookmarks(), QStringList({m_root + "/Music/"}));

    // A shared folder that another program makes shows once the window is
    // the person's again.
    const QString later = m_root + "/later/";
    places.setSharedFolder(later);
    QTRY_VERIFY(settled());
    QVERIFY(!rowsOf("places").contains(later));
    QVERIFY(QDir().mkpath(later));
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &active);
    QTRY_VERIFY(rowsOf("places").contains(later));

    // Kept in the settings as a list, and given back the same way.
    Places restored;
    restored.setBookmarks(places.bookmarks());
    QVERIFY(restored.isBookmarked(m_root + "/Music"));
}

// A bookmark on a mount that does not answer: the model is built, the
// bookmark waits, and every look happens on a worker.
void tst_Places::deadBookmark()
{
    const QString dead = m_root + "/dead/";
    QSemaphore release;
    std::atomic<bool> onUiThread{false};
    QThread *const ui = QThread::currentThread();
    FileProbe::setLookHookForTesting([&](const QString &path) {
        if (QThread::currentThread() == ui)
            onUiThread = true;
        if (path.startsWith(dead))
            release.acquire();
    });
    {
        Places places;
        places.setBookmarks({m_root + "/Music", dead});
        places.recheck(); // as after a change of the mounts
        places.recheck();
        const auto row = [&places](const QString &path, int role) {
            for (int i = 0; i < places.count(); ++i)
                if (places.data(places.index(i), Places::PathRole).toString() == path)
                    return places.data(places.index(i), role);
            return QVariant();
        };
        QVERIFY(row(dead, Places::WaitingRole).toBool());
        QTRY_VERIFY(!row(m_root + "/Music/", Places::WaitingRole).toBool());
        QVERIFY(row(dead, Places::WaitingRole).toBool());
        release.release(); // the mount answers: a second look follows the first
        QTRY_VERIFY(!row(dead, Places::WaitingRole).toBool());
        QVERIFY(!row(dead, Places::ExistsRole).toBool());
        release.release();
        QVERIFY(FileProbe::ioPool()->waitForDone(10000));
        FileProbe::setLookHookForTesting({});
    }
    QVERIFY(!onUiThread);
}

// The standard folders under the names the person's desktop gave them.
void tst_Places::standardNames()
{
    const QString home = QDir::homePath();
    for (const char *folder : {"Downloads", "Videos", "Eigene Bilder", "Desktop"})
        QVERIFY(QDir(home).mkpath(folder));
    QDir(m_root).mkpath("config");
    QFile dirs(m_root + "/config/user-dirs.dirs");
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_VIDEOS_DIR=\"$HOME/Videos\"\n"
               "XDG_PICTURES_DIR=\"$HOME/Eigene Bilder\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    dirs.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root + "/config"));
    Places places;
    QStringList names;
    QTRY_VERIFY((names =
                     [&places] {
                         QStringList shown;
                         for (int i = 0; i < places.count(); ++i)
                             if (places.data(places.index(i), Places::SectionRole) == "places")
                                 shown << places.data(places.index(i), Places::NameRole).toString();
                         return shown;
                     }())
                    .size() > 2);
    QCOMPARE(names.mid(0, 5),
             QStringList({"Home", "Desktop", "Downloads", "Eigene Bilder", "Videos"}));
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_GUILESS_MAIN(tst_Places)
#include "tst_places.moc"

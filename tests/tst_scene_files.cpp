// SPDX-License-Identifier: GPL-3.0-or-later
// Rename, new folder, trash, delete, the trash place and undo as a person
// steers them by keys, looked at on disk and on screen.
#include "foldermodel.h"
#include "pathcodec.h"
#include "scenefixture.h"
#include "scratchmount.h"
#include "shownnames.h"

#include <QQuickWindow>
#include <QScopeGuard>
#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace SceneSteps;

namespace {

// Popups live beside the scene's items: look in the whole window.
QObject *anywhere(const char *name)
{
    if (QObject *found = RunningScene::find<QObject>(RunningScene::scene(), name))
        return found;
    return RunningScene::find<QObject>(window()->contentItem(), name);
}
// The name drawn on the current row or tile of the view shown.
QString shownCurrentName(QQuickItem *view)
{
    auto *current = view->property("currentItem").value<QQuickItem *>();
    QObject *label = current ? RunningScene::find<QObject>(current, "entryName") : nullptr;
    return label ? label->property("text").toString() : QString();
}
// Names as the system holds them (bytes), sorted.
QList<QByteArray> onDisk(const QString &folder)
{
    QList<QByteArray> names;
    if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}
QString shown(const char *name)
{
    QObject *item = anywhere(name);
    return item && item->property("visible").toBool() ? item->property("text").toString()
                                                      : QString();
}
QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
// The Trash place, chosen among the places by the keyboard; its list, with
// the keyboard.
QQuickItem *openTrashPlace()
{
    keys("Ctrl+F6");
    auto *places = RunningScene::find(browser(), "placesList");
    if (!places || !QTest::qWaitFor([places] { return places->hasActiveFocus(); }))
        return nullptr;
    for (int i = 0; i < places->property("count").toInt(); ++i) {
        QQuickItem *row = nullptr;
        QMetaObject::invokeMethod(places, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                  Q_ARG(int, i));
        if (row && row->property("path").toString() == QStringLiteral("trash:///"))
            places->setProperty("currentIndex", i);
    }
    keys("Return");
    if (!QTest::qWaitFor([] {
            return RunningScene::current() &&
                   RunningScene::current()->objectName() == QStringLiteral("trashPage");
        }))
        return nullptr;
    auto *list = RunningScene::find(RunningScene::current(), "trashList");
    return list && QTest::qWaitFor([list] { return list->hasActiveFocus(); }) ? list : nullptr;
}

} // namespace

class TestSceneFiles : public QObject
{
    Q_OBJECT

    Sandbox m_box;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_work = m_box.path("work");
    const QString m_trash = m_box.path("data-home/Trash");

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_box.isValid());
        // The home trash inside the fixture, on the fixture's volume.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_box.path("data-home")));
        QVERIFY(QDir().mkpath(m_work));
        m_scene = std::make_unique<RunningScene>(m_box);
        QVERIFY(browser());
    }
    void cleanupTestCase() { m_scene.reset(); }

    // F2 on an entry, keys typed into the editor, then Enter or Escape:
    // the name on disk after, and the reason shown when it was refused.
    void rename_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed"); // "^": all cleared first, "~": at the end
        QTest::addColumn<QString>("end");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("refused");
        QTest::newRow("base name") << QByteArray("notes.txt") << "memo"
                                   << "Return" << QByteArray("memo.txt") << false;
        QTest::newRow("escape keeps") << QByteArray("notes.txt") << "memo"
                                      << "Esc" << QByteArray("notes.txt") << false;
        QTest::newRow("odd bytes kept") << QByteArray("caf\xE9.txt") << "~2"
                                        << "Return" << QByteArray("caf\xE9.txt2") << false;
        QTest::newRow("empty") << QByteArray("notes.txt") << "^"
                               << "Return" << QByteArray("notes.txt") << true;
        QTest::newRow("slash") << QByteArray("notes.txt") << "a/b"
                               << "Return" << QByteArray("notes.txt") << true;
        QTest::newRow("dot dot") << QByteArray("notes.txt") << "^.."
                                 << "Return" << QByteArray("notes.txt") << true;
        QTest::newRow("taken") << QByteArray("notes.txt") << "^other.txt"
                               << "Return" << QByteArray("notes.txt") << true;
    }
    void rename()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QFETCH(QString, end);
        QFETCH(QByteArray, after);
        QFETCH(bool, refused);
        const QString folder = m_box.path("rename-" + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QByteArray base = QFile::encodeName(folder) + '/';
        for (const QByteArray &file : {name, QByteArray("other.txt")}) {
            const int fd = ::open((base + file).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        QVERIFY(open(folder, QFile::decodeName(base + name)));
        QTRY_COMPARE(PathCodec::encode(currentName()), name);

        keys("F2");
        auto *editor = qobject_cast<QQuickItem *>(anywhere("renameEditor"));
        QVERIFY(editor);
        QTRY_VERIFY(editor->hasActiveFocus());
        // The name up to its extension is what typing replaces.
        QCOMPARE(editor->property("selectedText").toString(),
                 PathCodec::decode(name).section('.', 0, 0));
        QString text = typed;
        if (text.startsWith('^'))
            keys("Ctrl+A"), keys("Backspace");
        else if (text.startsWith('~'))
            keys("End");
        type(text.remove(QRegularExpression("^[\\^~]")));
        keys(end);
        if (refused) {
            QTRY_VERIFY(!shown("renameReason").isEmpty());
            QVERIFY(editor->isVisible());
            keys("Esc");
        }
        QTRY_VERIFY(!editor->isVisible());
        QTRY_COMPARE(onDisk(folder), (QList<QByteArray>{after, "other.txt"}));
        // The entry renamed (or kept) is the one chosen, drawn by its new
        // name, and the list has the keyboard at once.
        QTRY_COMPARE(PathCodec::encode(currentName()), after);
        QCOMPARE(shownCurrentName(list()), ShownNames::name(PathCodec::decode(after)));
        QTRY_VERIFY(list()->hasActiveFocus());
        keys("End");
        QTRY_COMPARE(currentName(), QStringLiteral("other.txt"));
    }

    // In the grid the editor lies over the tile; Enter renames and the grid
    // has the keyboard back with the renamed tile chosen.
    void renameInGrid()
    {
        const QString folder = m_box.path("grid");
        QVERIFY(m_box.write("grid/a.txt", "a") && m_box.write("grid/b.txt", "b"));
        QVERIFY(open(folder, folder + "/b.txt"));
        keys("Ctrl+2");
        auto *grid = RunningScene::find(browser(), "entryGrid");
        QVERIFY(grid);
        QTRY_VERIFY(grid->isVisible() && grid->hasActiveFocus());
        QTRY_COMPARE(currentName(), QStringLiteral("b.txt"));
        keys("F2");
        auto *editor = qobject_cast<QQuickItem *>(anywhere("renameEditor"));
        QTRY_VERIFY(editor && editor->hasActiveFocus());
        // Over the tile's name, not somewhere else in the window.
        auto *tile = grid->property("currentItem").value<QQuickItem *>();
        QVERIFY(tile);
        const QRectF tileArea = tile->mapRectToScene(tile->boundingRect());
        QVERIFY(tileArea.contains(editor->mapToScene(editor->boundingRect().center())));
        type("c");
        keys("Return");
        QTRY_COMPARE(onDisk(folder), (QList<QByteArray>{"a.txt", "c.txt"}));
        QTRY_VERIFY(!editor->isVisible());
        QTRY_COMPARE(currentName(), QStringLiteral("c.txt"));
        QTRY_COMPARE(shownCurrentName(grid), QStringLiteral("c.txt"));
        QTRY_VERIFY(grid->hasActiveFocus());
        keys("Home");
        QTRY_COMPARE(currentName(), QStringLiteral("a.txt"));
        keys("Ctrl+1");
        QTRY_VERIFY(list()->isVisible() && list()->hasActiveFocus());
    }

    // An entry made above the one being renamed moves its row or tile: the
    // editor moves with it, and Enter still renames that entry.
    void renameFollowsRow_data()
    {
        QTest::addColumn<QString>("viewKey");
        QTest::newRow("list") << "Ctrl+1";
        QTest::newRow("grid") << "Ctrl+2";
    }
    void renameFollowsRow()
    {
        QFETCH(QString, viewKey);
        const QString folder = m_box.path("follow-" + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(m_box.write(folder.mid(m_box.path().size() + 1) + "/b.txt", "b"));
        QVERIFY(m_box.write(folder.mid(m_box.path().size() + 1) + "/c.txt", "c"));
        QVERIFY(open(folder, folder + "/c.txt"));
        keys(viewKey);
        auto *view = RunningScene::find(browser(), viewKey == "Ctrl+1" ? "entryList" : "entryGrid");
        QTRY_VERIFY(view && view->isVisible() && view->hasActiveFocus());
        QTRY_COMPARE(currentName(), QStringLiteral("c.txt"));
        keys("F2");
        auto *editor = qobject_cast<QQuickItem *>(anywhere("renameEditor"));
        QTRY_VERIFY(editor && editor->hasActiveFocus());
        QVERIFY(m_box.write(folder.mid(m_box.path().size() + 1) + "/a.txt", "a"));
        QTRY_COMPARE(view->property("count").toInt(), 3);
        QTRY_VERIFY([&] {
            auto *row = view->property("currentItem").value<QQuickItem *>();
            return row && row->mapRectToScene(row->boundingRect())
                              .contains(editor->mapToScene(editor->boundingRect().center()));
        }());
        type("d");
        keys("Return");
        QTRY_COMPARE(onDisk(folder), (QList<QByteArray>{"a.txt", "b.txt", "d.txt"}));
        keys("Ctrl+1");
        QTRY_VERIFY(list()->isVisible() && list()->hasActiveFocus());
    }

    // Ctrl+Shift+N offers "New folder" selected; Enter makes it and chooses
    // it; the same name again is refused and says why. Undo takes the folder
    // back only while it is empty, and says why not.
    void newFolderAndUndo()
    {
        const QString folder = m_box.path("made");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(open(folder));
        // The dialog is made when first asked for.
        keys("Ctrl+Shift+N");
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = qobject_cast<QQuickItem *>(anywhere("newFolderName"))) &&
                    field->hasActiveFocus());
        const QString made = QCoreApplication::translate("Files", "New folder");
        QCOMPARE(field->property("selectedText").toString(), made);
        keys("Return");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{QFile::encodeName(made)});
        QTRY_COMPARE(currentName(), made);
        QTRY_COMPARE(shownCurrentName(list()), made);
        QTRY_VERIFY(list()->hasActiveFocus());

        keys("Ctrl+Shift+N");
        QTRY_VERIFY(field->hasActiveFocus());
        keys("Return");
        QTRY_VERIFY(shown("newFolderReason").contains(made));
        keys("Esc");
        QTRY_VERIFY(!field->isVisible());
        QTRY_VERIFY(list()->hasActiveFocus());

        // Something was put in it since: the undo says so and keeps it.
        QVERIFY(QFile(folder + "/" + made + "/kept").open(QIODevice::WriteOnly));
        keys("Ctrl+Z");
        QTRY_VERIFY(shown("stepLine").contains(made));
        QCOMPARE(onDisk(folder + "/" + made), QList<QByteArray>{"kept"});
        QVERIFY(QFile::remove(folder + "/" + made + "/kept"));
        keys("Ctrl+Z");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{});
        // The folder goes before the undo is over; a redo asked sooner is not taken.
        const QObject *history =
            browser()->property("steps").value<QObject *>()->property("history").value<QObject *>();
        QTRY_VERIFY(history->property("canRedo").toBool() && !history->property("busy").toBool());
        keys("Ctrl+Shift+Z");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{QFile::encodeName(made)});
    }

    // Delete sends the chosen entry to the home trash as other file
    // managers read it; the menu names the undo, which brings it back, and
    // redo trashes it again.
    void trashAndUndo()
    {
        const QString folder = m_box.path("bin");
        QVERIFY(m_box.write("bin/notes.txt", "words") && m_box.write("bin/keep.txt", "x"));
        QVERIFY(open(folder, folder + "/notes.txt"));
        QTRY_COMPARE(currentName(), QStringLiteral("notes.txt"));
        keys("Delete");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{"keep.txt"});
        QTRY_VERIFY(!model()->isRunning());
        QCOMPARE(onDisk(m_trash + "/files"), QList<QByteArray>{"notes.txt"});
        QFile info(m_trash + "/info/notes.txt.trashinfo");
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QByteArray text = info.readAll();
        QVERIFY2(text.startsWith("[Trash Info]\nPath=" + QUrl::toPercentEncoding(folder, "/") +
                                 "/notes.txt\nDeletionDate="),
                 text.constData());

        auto *undo = RunningScene::find<QObject>(browser(), "undoCommand");
        QVERIFY(undo);
        QTRY_VERIFY(undo->property("text").toString().contains(QStringLiteral("notes.txt")));
        keys("Ctrl+Z");
        QTRY_COMPARE(onDisk(folder), (QList<QByteArray>{"keep.txt", "notes.txt"}));
        QCOMPARE(onDisk(m_trash + "/files"), QList<QByteArray>{});
        QFile back(folder + "/notes.txt");
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), QByteArray("words"));
        QTRY_COMPARE(currentName(), QStringLiteral("notes.txt"));
        QTRY_COMPARE(shownCurrentName(list()), QStringLiteral("notes.txt"));
        QVERIFY(list()->hasActiveFocus());
        keys("Ctrl+Shift+Z");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{"keep.txt"});
        QTRY_COMPARE(onDisk(m_trash + "/files"), QList<QByteArray>{"notes.txt"});
    }

    // Shift+Delete asks by name; Escape keeps, Enter deletes for good.
    void deletePermanently()
    {
        const QString folder = m_box.path("gone");
        QVERIFY(m_box.write("gone/notes.txt", "x") && m_box.write("gone/sub/inner", "y"));
        QVERIFY(open(folder, folder + "/notes.txt"));
        QTRY_COMPARE(currentName(), QStringLiteral("notes.txt"));
        const QList<QByteArray> trashed = onDisk(m_trash + "/files");
        keys("Shift+Delete");
        QTRY_COMPARE(shown("askQuestion"),
                     QCoreApplication::translate("Files", "Delete “%1” permanently?")
                         .arg(QStringLiteral("notes.txt")));
        keys("Esc");
        QTRY_VERIFY(shown("askQuestion").isEmpty());
        QTRY_VERIFY(list()->hasActiveFocus());
        QTest::qWait(100);
        QCOMPARE(onDisk(folder), (QList<QByteArray>{"notes.txt", "sub"}));
        keys("Shift+Delete");
        QTRY_VERIFY(!shown("askQuestion").isEmpty());
        keys("Return");
        QTRY_COMPARE(onDisk(folder), QList<QByteArray>{"sub"});
        QTRY_VERIFY(list()->hasActiveFocus());
        QCOMPARE(onDisk(m_trash + "/files"), trashed);
    }

    // The Trash place lists what was trashed with its origin and date;
    // Restore puts a selection back; Empty trash asks first.
    void trashPlace()
    {
        const QString folder = m_box.path("place");
        QVERIFY(m_box.write("place/a.txt", "a") && m_box.write("place/b.txt", "b") &&
                m_box.write("place/c.txt", "c"));
        QVERIFY(open(folder, folder + "/a.txt"));
        // What earlier cases trashed goes first, so that only these are listed.
        QVERIFY(QDir(m_trash).removeRecursively());
        for (const char *name : {"a.txt", "b.txt", "c.txt"}) {
            QVERIFY(QMetaObject::invokeMethod(browser(), "select",
                                              Q_ARG(QVariant, folder + "/" + name)));
            QTRY_COMPARE(currentName(), QString::fromLatin1(name));
            keys("Delete");
            QTRY_VERIFY(!onDisk(folder).contains(name));
        }
        auto *trashList = openTrashPlace();
        QVERIFY(trashList);
        QTRY_COMPARE(trashList->property("count").toInt(), 3);
        QQuickItem *shownRow = nullptr;
        for (int i = 0; i < 3 && !shownRow; ++i) {
            QQuickItem *row = nullptr;
            QMetaObject::invokeMethod(trashList, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                      Q_ARG(int, i));
            if (row && row->property("name").toString() == QStringLiteral("a.txt"))
                shownRow = row;
        }
        QVERIFY(shownRow);
        QCOMPARE(RunningScene::find(shownRow, "trashName")->property("text").toString(),
                 QStringLiteral("a.txt"));
        QCOMPARE(RunningScene::find(shownRow, "trashOrigin")->property("text").toString(), folder);
        QVERIFY(!RunningScene::find(shownRow, "trashDate")->property("text").toString().isEmpty());

        // Two chosen with Space, restored together.
        keys("Home");
        keys("Space");
        keys("Down");
        keys("Space");
        keys("Ctrl+Return");
        QTRY_COMPARE(trashList->property("count").toInt(), 1);
        QTRY_COMPARE(onDisk(m_trash + "/files").size(), 1);
        QTRY_COMPARE(onDisk(folder).size(), 2);

        auto *empty = RunningScene::find(RunningScene::current(), "trashEmpty");
        QVERIFY(empty);
        QTest::mouseClick(
            window(), Qt::LeftButton, {},
            empty->mapToScene(QPointF(empty->width() / 2, empty->height() / 2)).toPoint());
        QTRY_VERIFY(!shown("askQuestion").isEmpty());
        keys("Esc");
        QTRY_VERIFY(shown("askQuestion").isEmpty());
        QTRY_VERIFY(trashList->hasActiveFocus());
        QCOMPARE(onDisk(m_trash + "/files").size(), 1);
        QTest::mouseClick(
            window(), Qt::LeftButton, {},
            empty->mapToScene(QPointF(empty->width() / 2, empty->height() / 2)).toPoint());
        QTRY_VERIFY(!shown("askQuestion").isEmpty());
        keys("Return");
        QTRY_COMPARE(onDisk(m_trash + "/files"), QList<QByteArray>{});
        QTRY_VERIFY(RunningScene::find(RunningScene::current(), "trashEmptyText")->isVisible());
        keys("Esc");
        QTRY_COMPARE(RunningScene::current(), browser());
    }

    // Trashed by Delete and put back from the Trash place, checked on disk
    // as other file managers read it: one name trashed twice keeps both, a
    // volume of its own has its trash at its top, and a name taken again
    // asks before the entry comes back beside it.
    void trashAndRestore_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("onMount");
        QTest::addColumn<bool>("retaken");
        QTest::newRow("one name twice") << 2 << false << false;
        QTest::newRow("another volume") << 1 << true << false;
        QTest::newRow("name taken again") << 1 << false << true;
    }
    void trashAndRestore()
    {
        QFETCH(int, count);
        QFETCH(bool, onMount);
        QFETCH(bool, retaken);
        const QString folder = m_box.path(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        QString can = m_trash, why;
        if (onMount && !mountScratch(folder, &why))
            QSKIP(qPrintable(why));
        const auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH); });
        if (onMount)
            can = folder + "/.Trash-" + QString::number(::getuid());
        QVERIFY(QDir(m_trash).removeRecursively()); // only these are listed
        QStringList paths, infos;
        for (int i = 0; i < count; ++i) {
            paths << folder + "/" + QString::number(i) + "/twin.txt";
            QVERIFY(m_box.write(paths[i].mid(m_box.path().size() + 1), QByteArray::number(i)));
            QVERIFY(open(FileActions::folderOf(paths[i]), paths[i]));
            QTRY_COMPARE(currentName(), QStringLiteral("twin.txt"));
            keys("Delete");
            QTRY_VERIFY(!QFile::exists(paths[i]));
            // Relative to the top of a volume of its own.
            infos << "[Trash Info]\nPath=" +
                         QUrl::toPercentEncoding(
                             onMount ? paths[i].mid(folder.size() + 1) : paths[i], "/");
        }
        const QList<QByteArray> names = count == 1 ? QList<QByteArray>{"twin.txt"}
                                                   : QList<QByteArray>{"twin.2.txt", "twin.txt"};
        QTRY_COMPARE(onDisk(can + "/files"), names);
        QStringList written;
        for (const QByteArray &name : names) {
            const QByteArray info = contentOf(can + "/info/" + name + ".trashinfo");
            QVERIFY2(info.contains("\nDeletionDate="), info.constData());
            written << QString::fromUtf8(info.left(info.indexOf("\nDeletionDate=")));
        }
        written.sort();
        QCOMPARE(written, infos);
        if (retaken)
            QVERIFY(m_box.write(paths[0].mid(m_box.path().size() + 1), "new"));

        auto *trashList = openTrashPlace();
        QVERIFY(trashList);
        QTRY_COMPARE(trashList->property("count").toInt(), count);
        keys("Ctrl+A");
        keys("Ctrl+Return");
        if (retaken) {
            QTRY_VERIFY(shown("askQuestion").contains("twin (2).txt"));
            keys("Return");
            QTRY_COMPARE(contentOf(folder + "/0/twin (2).txt"), QByteArray("0"));
            QCOMPARE(contentOf(paths[0]), QByteArray("new"));
        }
        for (int i = 0; i < count && !retaken; ++i)
            QTRY_COMPARE(contentOf(paths[i]), QByteArray::number(i));
        QTRY_COMPARE(onDisk(can + "/files"), QList<QByteArray>{});
        QCOMPARE(onDisk(can + "/info"), QList<QByteArray>{});
        keys("Esc");
        QTRY_COMPARE(RunningScene::current(), browser());
    }

    // Delete in the places drops a bookmark and trashes nothing.
    void deleteInPlaces()
    {
        const QString folder = m_box.path("marked");
        QVERIFY(m_box.write("marked/kept.txt", "x"));
        QVERIFY(open(folder, folder + "/kept.txt"));
        QTRY_COMPARE(currentName(), QStringLiteral("kept.txt"));
        keys("Ctrl+D");
        keys("Ctrl+F6");
        auto *places = RunningScene::find(browser(), "placesList");
        QTRY_VERIFY(places->hasActiveFocus());
        const int count = places->property("count").toInt();
        places->setProperty("currentIndex", count - 1); // the bookmark, last
        keys("Delete");
        QTRY_COMPARE(places->property("count").toInt(), count - 1);
        QTest::qWait(200);
        QCOMPARE(onDisk(folder), QList<QByteArray>{"kept.txt"});
        keys("Esc");
        QTRY_VERIFY(list()->hasActiveFocus());
    }

    // Properties of several chosen entries count them and what they hold,
    // a hard link once.
    void severalProperties()
    {
        const QString folder = m_box.path("count");
        QVERIFY(m_box.write("count/a.txt", QByteArray(1000, 'a')) &&
                m_box.write("count/b.txt", QByteArray(200, 'b')) &&
                m_box.write("count/sub/c.txt", QByteArray(30, 'c')));
        QVERIFY(QFile::link(folder + "/a.txt", folder + "/sub/link")); // a link is not followed
        QVERIFY(::link(QFile::encodeName(folder + "/a.txt").constData(),
                       QFile::encodeName(folder + "/sub/hard").constData()) == 0);
        QVERIFY(open(folder, folder + "/a.txt"));
        auto *selection = browser()->property("selection").value<QObject *>();
        QVERIFY(selection);
        QVERIFY(QMetaObject::invokeMethod(selection, "selectAll"));
        QTRY_COMPARE(selection->property("count").toInt(), 3);
        keys("Alt+Return");
        QTRY_VERIFY(RunningScene::current() &&
                    RunningScene::current()->objectName() == QStringLiteral("severalProperties"));
        // Rows a repeater made sit in the drawn tree.
        const auto text = [](const char *name) {
            QList<QQuickItem *> items{RunningScene::current()};
            while (!items.isEmpty()) {
                QQuickItem *item = items.takeFirst();
                if (item->objectName() == QLatin1String(name))
                    return item->property("text").toString();
                items += item->childItems();
            }
            return QString();
        };
        QTRY_COMPARE(text("several_entries"),
                     QCoreApplication::translate("Files", "%n entries", nullptr, 3));
        // 1000 + 200 + 30 bytes and the link's own (its target's length),
        // the hard link's 1000 not again.
        const int bytes = 1230 + int(QFile::encodeName(folder + "/a.txt").size());
        QTRY_VERIFY2(text("several_size").contains(QLocale().toString(bytes)),
                     qPrintable(text("several_size")));
        keys("Esc");
        QTRY_COMPARE(RunningScene::current(), browser());
    }
};

int main(int argc, char **argv)
{
    enterMountNamespace(nullptr); // before any thread
    bb::cascades::Application app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestSceneFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_files.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Rename, new folder, trash, delete, the trash place and undo as a person
// steers them by keys, looked at on disk and on screen.
#include "foldermodel.h"
#include "pathcodec.h"
#include "scenefixture.h"
#include "shownnames.h"

#include <QQuickWindow>
#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

QQuickWindow *window()
{
    return bb::cascades::Application::instance()->window();
}
QQuickItem *browser()
{
    return RunningScene::browser();
}
QQuickItem *list()
{
    return RunningScene::find(browser(), "entryList");
}
FolderModel *model()
{
    return qobject_cast<FolderModel *>(browser()->property("entries").value<QObject *>());
}
// Popups live beside the scene's items: look in the whole window.
QObject *anywhere(const char *name)
{
    if (QObject *found = RunningScene::find<QObject>(RunningScene::scene(), name))
        return found;
    return RunningScene::find<QObject>(window()->contentItem(), name);
}
QString currentName()
{
    auto *current = list()->property("currentItem").value<QQuickItem *>();
    return current ? current->property("fileName").toString() : QString();
}
// The name drawn on the current row or tile of the view shown.
QString shownCurrentName(QQuickItem *view)
{
    auto *current = view->property("currentItem").value<QQuickItem *>();
    QObject *label = current ? RunningScene::find<QObject>(current, "entryName") : nullptr;
    return label ? label->property("text").toString() : QString();
}
bool open(const QString &folder, const QString &select = QString())
{
    return QMetaObject::invokeMethod(browser(), "open", Q_ARG(QVariant, folder),
                                     Q_ARG(QVariant, true), Q_ARG(QVariant, select)) &&
           QTest::qWaitFor([] { return !model()->isRunning(); });
}
void keys(const QString &sequence)
{
    QTest::keySequence(window(), QKeySequence(sequence, QKeySequence::PortableText));
}
void type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(window(), c.toLatin1());
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

    // Ctrl+Shift+N offers "New folder" selected; Enter makes it and chooses
    // it; the same name again is refused and says why. Undo takes the folder
    // back only while it is empty, and says why not.
    void newFolderAndUndo()
    {
        const QString folder = m_box.path("made");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(open(folder));
        auto *field = qobject_cast<QQuickItem *>(anywhere("newFolderName"));
        QVERIFY(field);
        keys("Ctrl+Shift+N");
        QTRY_VERIFY(field->hasActiveFocus());
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
        // Chosen among the places by the keyboard.
        keys("Ctrl+F6");
        auto *places = RunningScene::find(browser(), "placesList");
        QVERIFY(places);
        QTRY_VERIFY(places->hasActiveFocus());
        int trashRow = -1;
        for (int i = 0; i < places->property("count").toInt() && trashRow < 0; ++i) {
            QQuickItem *row = nullptr;
            QMetaObject::invokeMethod(places, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                      Q_ARG(int, i));
            if (row && row->property("path").toString() == QStringLiteral("trash:///"))
                trashRow = i;
        }
        QVERIFY(trashRow >= 0);
        places->setProperty("currentIndex", trashRow);
        keys("Return");
        QTRY_VERIFY(RunningScene::current() &&
                    RunningScene::current()->objectName() == QStringLiteral("trashPage"));
        auto *trashList = RunningScene::find(RunningScene::current(), "trashList");
        QTRY_COMPARE(trashList->property("count").toInt(), 3);
        QTRY_VERIFY(trashList->hasActiveFocus());
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
    bb::cascades::Application app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestSceneFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_files.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderstatus.h"
#include "scenefixture.h"
#include "thumbnailmaker.h"

#include <bb/cascades/QmlDocument>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

namespace {
QQuickItem *browser()
{
    return RunningScene::browser();
}
bool open(const QString &folder)
{
    return QMetaObject::invokeMethod(browser(), "open", Q_ARG(QVariant, folder),
                                     Q_ARG(QVariant, true), Q_ARG(QVariant, QString())) &&
           QTest::qWaitFor([&folder] {
               return browser()->property("folder").toString() == QDir(folder).absolutePath() &&
                      !browser()
                           ->property("entries")
                           .value<QObject *>()
                           ->property("running")
                           .toBool();
           });
}
QString shownText(const char *objectName)
{
    QQuickItem *label = RunningScene::find(browser(), objectName);
    return label && label->isVisible() ? label->property("text").toString() : QString();
}
void keys(const QString &sequence)
{
    QTest::keySequence(browser()->window(), QKeySequence(sequence, QKeySequence::PortableText));
}
bool makeFile(const QString &path)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly);
}
QString storedSetting(const Sandbox &box, const QString &key)
{
    QFile file(box.path(QStringLiteral("data/settings.json")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QJsonDocument::fromJson(file.readAll()).object().value(key).toVariant().toString();
}
// A view's delegate for row, which is not its QObject child.
QQuickItem *itemAt(QQuickItem *view, int row)
{
    QQuickItem *item = nullptr;
    QMetaObject::invokeMethod(view, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item),
                              Q_ARG(int, row));
    return item;
}
// An item by name among the items drawn below item (delegates and
// repeated items are not QObject children).
QQuickItem *drawn(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name && item->isVisible())
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = drawn(child, name))
            return found;
    return nullptr;
}
QPointF middleOf(const QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}
} // namespace

// What the person sees of thumbnails, search and the status line, in the
// real scene.
class TestSceneSee : public QObject
{
    Q_OBJECT

    Sandbox m_box;
    std::unique_ptr<RunningScene> m_scene;
    std::unique_ptr<QTemporaryDir> m_files;
    QHash<QString, qreal> m_widths;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_box.isValid());
        m_scene = std::make_unique<RunningScene>(m_box);
        QVERIFY(RunningScene::scene());
    }

    // The line under the list counts what is shown and what is hidden, and
    // follows the folder as it changes.
    void statusLine()
    {
        QTemporaryDir files;
        for (const char *name : {"a.txt", "b.txt", "c.txt", ".hidden", ".also"})
            QVERIFY(makeFile(files.filePath(QString::fromLatin1(name))));
        browser()->setProperty("showHidden", false);
        QVERIFY(open(files.path()));
        QTRY_COMPARE(shownText("statusCount"), FolderStatus::countText(3, 2));
        QTRY_VERIFY(!shownText("statusFree").isEmpty());

        QVERIFY(makeFile(files.filePath(QStringLiteral("d.txt"))));
        QTRY_COMPARE(shownText("statusCount"), FolderStatus::countText(4, 2));
        browser()->setProperty("showHidden", true);
        QTRY_COMPARE(shownText("statusCount"), FolderStatus::countText(6, 0));
        browser()->setProperty("showHidden", false);
    }

    // Enter in the filter widens it to the folders below: the results show
    // each name with its folder, and Ctrl+Enter shows one in its folder.
    void searchBelow()
    {
        QTemporaryDir files;
        QVERIFY(makeFile(files.filePath(QStringLiteral("deep/er/Report-2026.txt"))));
        QVERIFY(makeFile(files.filePath(QStringLiteral("other.txt"))));
        QVERIFY(open(files.path()));
        keys(QStringLiteral("Ctrl+F"));
        for (const char letter : QByteArrayLiteral("report"))
            QTest::keyClick(browser()->window(), letter);
        keys(QStringLiteral("Return"));
        auto *results = RunningScene::find(browser(), "searchResults");
        QVERIFY(results);
        QTRY_VERIFY(results->isVisible());
        QTRY_COMPARE(results->property("count").toInt(), 1);
        QTRY_VERIFY(!RunningScene::find(browser(), "searchResults")
                         ->property("search")
                         .value<QObject *>()
                         ->property("running")
                         .toBool());
        QQuickItem *name = nullptr;
        QTRY_VERIFY((name = RunningScene::find(itemAt(results, 0), "resultName")) &&
                    name->isVisible());
        QCOMPARE(name->property("text").toString(), QStringLiteral("Report-2026.txt"));
        QVERIFY(RunningScene::find(itemAt(results, 0), "resultFolder")
                    ->property("text")
                    .toString()
                    .contains(QStringLiteral("deep/er")));

        keys(QStringLiteral("Return")); // the results take the keyboard
        QTRY_VERIFY(results->hasActiveFocus());
        keys(QStringLiteral("Down"));
        keys(QStringLiteral("Ctrl+Return"));
        QTRY_COMPARE(browser()->property("folder").toString(),
                     QDir(files.filePath(QStringLiteral("deep/er"))).absolutePath());
        QTRY_VERIFY(!results->isVisible());
        QTRY_COMPARE(
            browser()->property("selection").value<QObject *>()->property("currentPath").toString(),
            QDir(files.filePath(QStringLiteral("deep/er/Report-2026.txt"))).absolutePath());
    }

    // Ctrl+2 shows the grid, drawing a picture's thumbnail in its tile, and
    // the choice is kept; Ctrl+1 brings the list back. Tiles are reused as
    // the grid scrolls: the picture's tile, reached by End, shows its own
    // name and thumbnail, and a tile reused at the top shows no picture.
    void gridThumbnail()
    {
        QTemporaryDir files;
        QImage photo(900, 600, QImage::Format_RGB32);
        photo.fill(QColor(200, 30, 40));
        QVERIFY(photo.save(files.filePath(QStringLiteral("zz red.png")), "PNG"));
        QVERIFY(QDir(files.path()).mkdir(QStringLiteral("folder")));
        for (int i = 0; i < 120; ++i)
            QVERIFY(makeFile(
                files.filePath(QStringLiteral("note %1.txt").arg(i, 3, 10, QLatin1Char('0')))));
        QVERIFY(open(files.path()));
        browser()->forceActiveFocus();
        keys(QStringLiteral("Ctrl+2"));
        auto *grid = RunningScene::find(browser(), "entryGrid");
        QVERIFY(grid);
        QTRY_VERIFY(grid->isVisible());
        QVERIFY(!RunningScene::find(browser(), "entryList")->isVisible());
        QTRY_COMPARE(storedSetting(m_box, QStringLiteral("viewMode")), QStringLiteral("grid"));

        keys(QStringLiteral("End"));
        const int last = grid->property("count").toInt() - 1;
        QCOMPARE(last, 121);
        QQuickItem *thumb = nullptr;
        QTRY_VERIFY((thumb = RunningScene::find(itemAt(grid, last), "thumbnail")) &&
                    thumb->property("status").toInt() == 1);
        QCOMPARE(RunningScene::find(itemAt(grid, last), "entryName")->property("text").toString(),
                 QStringLiteral("zz red.png"));
        const QUrl redSource = thumb->property("source").toUrl();
        const QImage grab = grid->window()->grabWindow();
        const QPointF middle = thumb->mapToScene(QPointF(thumb->width() / 2, thumb->height() / 2));
        const QColor seen = grab.pixelColor((middle * grab.devicePixelRatio()).toPoint());
        QVERIFY2(qAbs(seen.red() - 200) < 16 && qAbs(seen.green() - 30) < 16 &&
                     qAbs(seen.blue() - 40) < 16,
                 qPrintable(seen.name()));

        keys(QStringLiteral("Home"));
        QTRY_VERIFY(itemAt(grid, 1) && !itemAt(grid, last));
        QTest::qWait(100); // a stale thumbnail would be drawn by now
        for (int row = 0; row < 12; ++row) {
            QQuickItem *tile = itemAt(grid, row);
            QQuickItem *shown = RunningScene::find(tile, "thumbnail");
            QVERIFY(tile && shown);
            QVERIFY(shown->property("source").toUrl() != redSource);
            if (shown->property("source").toUrl().isEmpty())
                QVERIFY(!tile->property("thumbnailReady").toBool());
        }

        keys(QStringLiteral("Ctrl+1"));
        QTRY_VERIFY(RunningScene::find(browser(), "entryList")->isVisible());
        QVERIFY(!grid->isVisible());
    }

    // Dragging a column's edge widens or narrows the column in the header
    // and in every row alike; a double click on the edge fits the column to
    // its words, none of them cut.
    void columnWidths_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("drag"); // 0: a double click
        QTest::newRow("size wider") << QStringLiteral("size") << 40;
        QTest::newRow("date narrower") << QStringLiteral("date") << -30;
        QTest::newRow("name narrower") << QStringLiteral("name") << -25;
        QTest::newRow("type narrower") << QStringLiteral("type") << -50;
        QTest::newRow("name fitted") << QStringLiteral("name") << 0;
        QTest::newRow("type fitted") << QStringLiteral("type") << 0;
    }
    void columnWidths()
    {
        QFETCH(QString, key);
        QFETCH(int, drag);
        if (!m_files) {
            m_files = std::make_unique<QTemporaryDir>();
            QVERIFY(makeFile(m_files->filePath(QStringLiteral("short.txt"))));
            QVERIFY(
                makeFile(m_files->filePath(QStringLiteral("a longer name than the others.txt"))));
            QVERIFY(QDir(m_files->path()).mkdir(QStringLiteral("folder")));
        }
        QVERIFY(open(m_files->path()));
        browser()->forceActiveFocus();
        keys(QStringLiteral("Ctrl+1"));
        QQuickWindow *window = browser()->window();
        window->resize(1400, 600);
        auto *list = RunningScene::find(browser(), "entryList");
        QTRY_VERIFY(list->isVisible() && !list->property("compact").toBool());
        QQuickItem *header = RunningScene::find(browser(), "entryHeader");
        QQuickItem *title = drawn(header, QStringLiteral("header_") + key);
        QQuickItem *edge = drawn(header, QStringLiteral("edge_") + key);
        QVERIFY(title && edge);
        const qreal before = title->width();

        const QPoint grip = middleOf(edge).toPoint();
        if (drag != 0) {
            QTest::mousePress(window, Qt::LeftButton, {}, grip);
            for (int step = 1; step <= 5; ++step)
                QTest::mouseMove(window, grip + QPoint(drag * step / 5, 0));
            QTest::mouseRelease(window, Qt::LeftButton, {}, grip + QPoint(drag, 0));
            QTRY_VERIFY(qAbs(title->width() - (before + drag)) <= 1);
        } else {
            // Cut first, so that the fit has something to undo.
            QTest::mousePress(window, Qt::LeftButton, {}, grip);
            for (int step = 1; step <= 5; ++step)
                QTest::mouseMove(window, grip - QPoint(step * 10, 0));
            QTest::mouseRelease(window, Qt::LeftButton, {}, grip - QPoint(50, 0));
            QTRY_VERIFY(title->width() < before);
            // Apart from the drag's press, or the two would make a double click of their own.
            QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
            // Twice: the second fit, from the fitted width, changes nothing.
            qreal fitted = -1;
            for (int again = 0; again < 2; ++again) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, middleOf(edge).toPoint());
                window->grabWindow(); // the frame a person sees, laid out
                if (again)
                    QCOMPARE(title->width(), fitted);
                fitted = title->width();
            }
        }
        const char *cell = key == QLatin1String("name")   ? "nameColumn"
                           : key == QLatin1String("size") ? "sizeColumn"
                           : key == QLatin1String("date") ? "dateColumn"
                                                          : "typeColumn";
        qreal widest = 0;
        for (int row = 0; row < list->property("count").toInt(); ++row) {
            QQuickItem *shown = drawn(itemAt(list, row), QString::fromLatin1(cell));
            QVERIFY(shown);
            QTRY_COMPARE(shown->width(), title->width());
            QCOMPARE(shown->mapToScene(QPointF()).x(), title->mapToScene(QPointF()).x());
            auto *words = key == QLatin1String("name")
                              ? drawn(itemAt(list, row), QStringLiteral("entryName"))
                              : shown;
            widest = qMax(widest, words->implicitWidth());
            if (drag == 0)
                QVERIFY2(!words->property("truncated").toBool() &&
                             words->width() >= words->implicitWidth(),
                         qPrintable(words->property("text").toString()));
        }
        if (drag == 0)
            QVERIFY2(title->width() - widest < 20, qPrintable(QString::number(title->width())));
        m_widths[key] = title->width();
    }

    // The widths dragged to are there again when the scene starts anew.
    void columnWidthsKept()
    {
        QVERIFY(!m_widths.isEmpty());
        m_scene.reset();
        m_scene = std::make_unique<RunningScene>(m_box);
        browser()->window()->resize(1400, 600);
        QQuickItem *header = RunningScene::find(browser(), "entryHeader");
        for (auto width = m_widths.cbegin(); width != m_widths.cend(); ++width) {
            QQuickItem *title = drawn(header, QStringLiteral("header_") + width.key());
            QVERIFY(title);
            QTRY_COMPARE(title->width(), width.value());
        }
    }

    // With thumbnails in the list (from the menu), a picture's row draws its
    // thumbnail where the icon was; a picture that cannot be read keeps its
    // icon, and says nothing about it in the log.
    void listThumbnail_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour"); // invalid: no thumbnail can be made
        QTest::newRow("picture") << QStringLiteral("blue.png") << QColor(30, 60, 210);
        QTest::newRow("unreadable picture") << QStringLiteral("broken.png") << QColor();
    }
    void listThumbnail()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        QTemporaryDir files;
        const QString path = files.filePath(name);
        if (colour.isValid()) {
            QImage photo(600, 400, QImage::Format_RGB32);
            photo.fill(colour);
            QVERIFY(photo.save(path, "PNG"));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture at all") > 0);
        }
        QTest::failOnWarning(QRegularExpression(QStringLiteral("thumbnail"),
                                                QRegularExpression::CaseInsensitiveOption));
        QVERIFY(open(files.path()));
        browser()->forceActiveFocus();
        keys(QStringLiteral("Ctrl+1"));
        auto *list = RunningScene::find(browser(), "entryList");
        QTRY_VERIFY(list->isVisible());
        if (!browser()->property("listThumbnails").toBool()) {
            keys(QStringLiteral("F10"));
            QQuickItem *item = nullptr;
            QTRY_VERIFY((item = RunningScene::find(RunningScene::scene(), "listThumbnailsItem")) &&
                        item->isVisible() && item->height() > 0);
            QTest::qWait(50); // the menu's opening has settled
            QTest::mouseClick(item->window(), Qt::LeftButton, {}, middleOf(item).toPoint());
            QTRY_VERIFY(browser()->property("listThumbnails").toBool());
        }
        QTRY_COMPARE(storedSetting(m_box, QStringLiteral("listThumbnails")),
                     QStringLiteral("true"));
        QQuickItem *row = nullptr;
        QTRY_VERIFY((row = itemAt(list, 0)));
        auto *thumb = RunningScene::find(row, "listThumbnail");
        QVERIFY(thumb);
        if (!colour.isValid()) {
            QTRY_VERIFY(!thumb->property("source").toString().isEmpty());
            QTest::qWait(300); // time for the answer that there is none
            QVERIFY(!thumb->isVisible());
            return;
        }
        QTRY_VERIFY(thumb->isVisible());
        const QImage grab = list->window()->grabWindow();
        const QColor seen = grab.pixelColor((middleOf(thumb) * grab.devicePixelRatio()).toPoint());
        QVERIFY2(qAbs(seen.red() - colour.red()) < 16 && qAbs(seen.green() - colour.green()) < 16 &&
                     qAbs(seen.blue() - colour.blue()) < 16,
                 qPrintable(seen.name()));

        // Behind the grid, the list asks for no thumbnail; back, it draws it again.
        keys(QStringLiteral("Ctrl+2"));
        QTRY_VERIFY(!list->isVisible());
        QTRY_VERIFY(thumb->property("source").toString().isEmpty());
        keys(QStringLiteral("Ctrl+1"));
        QTRY_VERIFY(thumb->isVisible());
    }

    // With the switch for contents on, a file whose text (not its name)
    // holds the words is found, and the commands on entries act on it.
    void searchContents_data()
    {
        QTest::addColumn<bool>("contents");
        QTest::newRow("names only") << false;
        QTest::newRow("contents too") << true;
    }
    void searchContents()
    {
        QFETCH(bool, contents);
        QTemporaryDir files;
        QVERIFY(makeFile(files.filePath(QStringLiteral("deep/notes.txt"))));
        {
            QFile notes(files.filePath(QStringLiteral("deep/notes.txt")));
            QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("a zebracrossing here\n") > 0);
        }
        QVERIFY(open(files.path()));
        keys(QStringLiteral("Ctrl+F"));
        for (const char letter : QByteArrayLiteral("zebracrossing"))
            QTest::keyClick(browser()->window(), letter);
        keys(QStringLiteral("Return"));
        QQuickItem *bar = RunningScene::find(browser(), "filterBar");
        QQuickItem *toggle = drawn(bar, QStringLiteral("searchContentsSwitch"));
        QVERIFY(toggle);
        QVERIFY(QTest::qWaitForWindowExposed(bar->window()));
        QTest::qWait(100); // the bar has made room for the switches
        if (toggle->property("checked").toBool() != contents)
            QTest::mouseClick(bar->window(), Qt::LeftButton, {}, middleOf(toggle).toPoint());
        QTRY_VERIFY2(toggle->property("checked").toBool() == contents,
                     qPrintable(QStringLiteral("%1,%2 %3x%4")
                                    .arg(middleOf(toggle).x())
                                    .arg(middleOf(toggle).y())
                                    .arg(toggle->width())
                                    .arg(toggle->height())));
        auto *results = RunningScene::find(browser(), "searchResults");
        auto *search = results->property("search").value<QObject *>();
        QTRY_COMPARE(search->property("contents").toBool(), contents);
        QTRY_VERIFY(!search->property("running").toBool() &&
                    !results->property("starting").toBool());
        QTest::qWait(300);
        QTRY_VERIFY(!search->property("running").toBool());
        QCOMPARE(results->property("count").toInt(), contents ? 1 : 0);
        if (contents) {
            QQuickItem *where = nullptr;
            QTRY_VERIFY((where = RunningScene::find(itemAt(results, 0), "resultFolder")));
            QVERIFY(where->property("text").toString().contains(QStringLiteral("deep")));
            keys(QStringLiteral("Return")); // the results take the keyboard
            QTRY_VERIFY(results->hasActiveFocus());
            keys(QStringLiteral("Down"));
            keys(QStringLiteral("Alt+Return"));
            QTRY_COMPARE(RunningScene::current()->objectName(), QStringLiteral("propertiesPage"));
            QCOMPARE(RunningScene::current()->property("path").toString(),
                     QDir(files.filePath(QStringLiteral("deep/notes.txt"))).absolutePath());
            keys(QStringLiteral("Esc"));
            QTRY_COMPARE(RunningScene::current(), browser());
        }
        QTRY_VERIFY(bar->isVisible());
        if (toggle->property("checked").toBool())
            QTest::mouseClick(bar->window(), Qt::LeftButton, {}, middleOf(toggle).toPoint());
        QMetaObject::invokeMethod(bar, "clear");
    }

    // The scene's engine draws a picture's thumbnail, and stores it where
    // the desktop looks.
    void thumbnailDrawn()
    {
        QTemporaryDir files;
        QImage photo(1200, 800, QImage::Format_RGB32);
        photo.fill(QColor(20, 160, 60));
        const QString path = files.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(photo.save(path, "JPEG"));

        QQmlComponent component(bb::cascades::QmlDocument::defaultDeclarativeEngine());
        component.setData("import QtQuick\nimport Vantrel\n"
                          "Image { property string file; z: 1000; width: 128; height: 128;"
                          " asynchronous: true; sourceSize: Qt.size(128, 128);"
                          " source: Thumbnails.source(file) }",
                          QUrl());
        std::unique_ptr<QObject> made(
            component.createWithInitialProperties({{QStringLiteral("file"), path}}));
        auto *image = qobject_cast<QQuickItem *>(made.get());
        QVERIFY2(image, qPrintable(component.errorString()));
        image->setParentItem(RunningScene::scene());
        QTRY_COMPARE(image->property("status").toInt(), 1); // Image.Ready

        QQuickWindow *window = image->window();
        QVERIFY(window);
        const QImage grab = window->grabWindow();
        const QColor seen =
            grab.pixelColor(image->mapToScene(QPointF(64, 64)).toPoint() * grab.devicePixelRatio());
        QVERIFY2(qAbs(seen.red() - 20) < 16 && qAbs(seen.green() - 160) < 16 &&
                     qAbs(seen.blue() - 60) < 16,
                 qPrintable(seen.name()));
        QVERIFY(QFile::exists(ThumbnailMaker().cachePath(ThumbnailMaker::fileUri(path), 128)));
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneSee test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_see.moc"

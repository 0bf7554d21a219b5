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
    return QJsonDocument::fromJson(file.readAll()).object().value(key).toString();
}
// A view's delegate for row, which is not its QObject child.
QQuickItem *itemAt(QQuickItem *view, int row)
{
    QQuickItem *item = nullptr;
    QMetaObject::invokeMethod(view, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item),
                              Q_ARG(int, row));
    return item;
}
} // namespace

// What the person sees of thumbnails, search and the status line, in the
// real scene.
class TestSceneSee : public QObject
{
    Q_OBJECT

    Sandbox m_box;
    std::unique_ptr<RunningScene> m_scene;

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
    // the choice is kept; Ctrl+1 brings the list back.
    void gridThumbnail()
    {
        QTemporaryDir files;
        QImage photo(900, 600, QImage::Format_RGB32);
        photo.fill(QColor(200, 30, 40));
        QVERIFY(photo.save(files.filePath(QStringLiteral("red.png")), "PNG"));
        QVERIFY(QDir(files.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(open(files.path()));
        browser()->forceActiveFocus();
        keys(QStringLiteral("Ctrl+2"));
        auto *grid = RunningScene::find(browser(), "entryGrid");
        QVERIFY(grid);
        QTRY_VERIFY(grid->isVisible());
        QVERIFY(!RunningScene::find(browser(), "entryList")->isVisible());
        QTRY_COMPARE(storedSetting(m_box, QStringLiteral("viewMode")), QStringLiteral("grid"));

        QQuickItem *thumb = nullptr;
        QTRY_VERIFY((thumb = RunningScene::find(itemAt(grid, 1), "thumbnail")) &&
                    thumb->property("status").toInt() == 1);
        const QImage grab = grid->window()->grabWindow();
        const QPointF middle = thumb->mapToScene(QPointF(thumb->width() / 2, thumb->height() / 2));
        const QColor seen = grab.pixelColor((middle * grab.devicePixelRatio()).toPoint());
        QVERIFY2(qAbs(seen.red() - 200) < 16 && qAbs(seen.green() - 30) < 16 &&
                     qAbs(seen.blue() - 40) < 16,
                 qPrintable(seen.name()));

        keys(QStringLiteral("Ctrl+1"));
        QTRY_VERIFY(RunningScene::find(browser(), "entryList")->isVisible());
        QVERIFY(!grid->isVisible());
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

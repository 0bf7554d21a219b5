// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"
#include "thumbnailmaker.h"

#include <bb/cascades/QmlDocument>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

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

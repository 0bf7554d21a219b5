// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWindow>
#include <QTimer>
#include <QtTest>

using bb::cascades::Application;

class TestShell : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<RunningScene> m_scene;

    // Starts the shell with main as its scene document.
    bool start(const QByteArray &main)
    {
        m_sandbox = std::make_unique<Sandbox>(false);
        if (!m_sandbox->isValid() || !m_sandbox->write("app/native/assets/main.qml", main))
            return false;
        m_scene = std::make_unique<RunningScene>(*m_sandbox);
        return true;
    }

private Q_SLOTS:
    void cleanup()
    {
        m_scene.reset();
        m_sandbox.reset();
    }

    // The services are there when the root is created, and the settings file
    // already; the registered elements can be used.
    void servicesAndElements()
    {
        QVERIFY(start(
            "import QtQuick\nimport bb.cascades 1.0\nimport QTimer 1.0\nimport Vantrel\nPage {\n"
            "    property string pathAtCreation\n"
            "    property var services\n"
            "    property bool settingsAtCreation: FileSystem.exists(\"data/settings.json\")\n"
            "    property QtObject cover: SceneCover { }\n"
            "    property bool fired: false\n"
            "    QTimer { id: t; interval: 5; singleShot: true; onTimeout: fired = true }\n"
            "    Component.onCompleted: {\n"
            "        pathAtCreation = _vantrel.currentPath\n"
            "        services = { _app: _app, _ui: _ui, _vantrel: _vantrel,\n"
            "                     _myApps: _myApps, _settings: _settings }\n"
            "        t.start()\n"
            "    }\n}\n"));
        QObject *root = RunningScene::scene();
        QVERIFY(root && Application::instance()->window());
        QCOMPARE(root->property("pathAtCreation").toString(), "//");
        QVERIFY(root->property("settingsAtCreation").toBool());
        QStringList services;
        const QVariantMap published = root->property("services").toMap();
        for (auto it = published.cbegin(); it != published.cend(); ++it) {
            const QObject *service = it->value<QObject *>();
            services << it.key() + ' ' + (service ? service->metaObject()->className() : "none");
        }
        QCOMPARE(services,
                 (QStringList{"_app ApplicationUI", "_myApps MyApps", "_settings Settings",
                              "_ui DesignUnits", "_vantrel Vantrel"}));
        QCOMPARE(root->property("cover").value<QObject *>()->metaObject()->className(),
                 "bb::cascades::SceneCover");
        QVERIFY(root->findChild<QTimer *>());
        QTRY_VERIFY(root->property("fired").toBool());
    }

    // The shell deletes its services after the scene, so what the scene did
    // last reaches the settings file even where the store waits for exit
    // (remove() alone does not save).
    void savesOnExit_data()
    {
        QTest::addColumn<QByteArray>("call");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("remove") << QByteArray("_settings.remove(\"kept\")") << QStringList{"other"};
        QTest::newRow("set") << QByteArray("_settings.setValue(\"new\", 1)")
                             << QStringList{"kept", "new", "other"};
    }
    void savesOnExit()
    {
        QFETCH(QByteArray, call);
        QFETCH(QStringList, keys);
        m_sandbox = std::make_unique<Sandbox>(false);
        QVERIFY(m_sandbox->write("data/settings.json", R"({"kept": 1, "other": 2})"));
        QVERIFY(m_sandbox->write("app/native/assets/main.qml",
                                 "import QtQml\nimport bb.cascades 1.0\nPage {\n"
                                 "    Component.onDestruction: " +
                                     call + "\n}\n"));
        m_scene = std::make_unique<RunningScene>(*m_sandbox);
        QVERIFY(RunningScene::scene());
        m_scene.reset();
        QFile file(m_sandbox->path("data/settings.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(file.readAll()).object().keys(), keys);
    }

    // Anything but a pane is deleted, leaving the window empty; an AbstractCover
    // is refused with QML's own text, as its reason is empty.
    void rootNotShown_data()
    {
        QTest::addColumn<QByteArray>("main");
        QTest::addColumn<QString>("warning");
        const QByteArray marks = " {\n    Component.onCompleted: _app.objectName = \"made\"\n"
                                 "    Component.onDestruction: _app.objectName = \"gone\"\n}\n";
        QTest::newRow("item") << "import QtQuick\nItem" + marks << QString();
        QTest::newRow("plain object") << "import QtQml\nQtObject" + marks << QString();
        QTest::newRow("abstract cover")
            << QByteArray("import QtQuick\nimport bb.cascades 1.0\nPage {\n"
                          "    property QtObject cover: AbstractCover { }\n}\n")
            << "main\\.qml:4:\\d+: Element is not creatable\\.$";
    }

    void rootNotShown()
    {
        QFETCH(QByteArray, main);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QVERIFY(start(main));
        QCOMPARE(m_scene->shell()->objectName(), warning.isEmpty() ? "gone" : "");
        QCOMPARE(RunningScene::scene(), nullptr);
        QVERIFY(Application::instance()->window());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"

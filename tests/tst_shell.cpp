#include "applicationui.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using bb::cascades::Application;

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void contextPropertiesAtCreation();
    void nonPaneRootIsDropped_data();
    void nonPaneRootIsDropped();
    void timerModule();
    void covers_data();
    void covers();

private:
    // Lays out a sandbox whose scene document is main, and starts the shell in it.
    bool start(const QByteArray &main);

    QString m_previousDir;
    std::unique_ptr<QTemporaryDir> m_sandbox;
    std::unique_ptr<ApplicationUI> m_shell;
};

void TestShell::initTestCase()
{
    m_previousDir = QDir::currentPath();
}

void TestShell::init()
{
    m_sandbox = std::make_unique<QTemporaryDir>();
    QVERIFY(m_sandbox->isValid());
    QDir sandbox(m_sandbox->path());
    QVERIFY(sandbox.mkpath(QStringLiteral("app/native/assets")));
    QVERIFY(sandbox.mkpath(QStringLiteral("data")));
    QVERIFY(QDir::setCurrent(m_sandbox->path()));
}

void TestShell::cleanup()
{
    m_shell.reset();
    QDir::setCurrent(m_previousDir);
    m_sandbox.reset();
}

void TestShell::cleanupTestCase()
{
    // The last scene belongs to a shell that is gone.
    Application::instance()->setScene(nullptr);
}

bool TestShell::start(const QByteArray &main)
{
    QFile file(m_sandbox->filePath(QStringLiteral("app/native/assets/main.qml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(main) != main.size())
        return false;
    file.close();
    m_shell = std::make_unique<ApplicationUI>();
    return true;
}

void TestShell::contextPropertiesAtCreation()
{
    QVERIFY(start(
        "import QtQuick\n"
        "import bb.cascades 1.0\n"
        "Page {\n"
        "    property string pathAtCreation: \"unset\"\n"
        "    property var services: ({})\n"
        "    property bool settingsFileAtCreation: FileSystem.exists(\"data/settings.json\")\n"
        "    Component.onCompleted: {\n"
        "        pathAtCreation = _vantrel.currentPath\n"
        "        services = { _app: _app, _ui: _ui, _vantrel: _vantrel,\n"
        "                     _myApps: _myApps, _settings: _settings }\n"
        "    }\n"
        "}\n"));

    Application *app = Application::instance();
    QObject *root = app->scene();
    QVERIFY(root);
    QVERIFY(app->window());
    QCOMPARE(root->property("pathAtCreation").toString(), QStringLiteral("//"));
    QVERIFY(root->property("settingsFileAtCreation").toBool());

    const QVariantMap services = root->property("services").toMap();
    const QMap<QString, QByteArray> classes{{"_app", "ApplicationUI"},
                                            {"_ui", "DesignUnits"},
                                            {"_vantrel", "Vantrel"},
                                            {"_myApps", "MyApps"},
                                            {"_settings", "Settings"}};
    QCOMPARE(services.keys(), classes.keys());
    for (auto it = classes.cbegin(); it != classes.cend(); ++it) {
        QObject *service = services.value(it.key()).value<QObject *>();
        QVERIFY2(service, qPrintable(it.key()));
        QCOMPARE(QByteArray(service->metaObject()->className()), it.value());
    }
    QCOMPARE(services.value("_app").value<QObject *>(), m_shell.get());

    QFile settings(QStringLiteral("data/settings.json"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(QJsonDocument::fromJson(settings.readAll()).isObject());
}

void TestShell::nonPaneRootIsDropped_data()
{
    QTest::addColumn<QByteArray>("main");

    QTest::newRow("item") << QByteArray("import QtQuick\n"
                                        "Item {\n"
                                        "    Component.onCompleted: _app.objectName = \"made\"\n"
                                        "    Component.onDestruction: _app.objectName = \"gone\"\n"
                                        "}\n");
    QTest::newRow("plain object") << QByteArray(
        "import QtQml\n"
        "QtObject {\n"
        "    Component.onCompleted: _app.objectName = \"made\"\n"
        "    Component.onDestruction: _app.objectName = \"gone\"\n"
        "}\n");
}

void TestShell::nonPaneRootIsDropped()
{
    QFETCH(QByteArray, main);

    QVERIFY(start(main));
    QCOMPARE(m_shell->objectName(), QStringLiteral("gone"));
    QCOMPARE(Application::instance()->scene(), nullptr);
    QVERIFY(Application::instance()->window());
}

void TestShell::timerModule()
{
    QVERIFY(start("import QtQml\n"
                  "import bb.cascades 1.0\n"
                  "import QTimer 1.0\n"
                  "Page {\n"
                  "    property int timerInterval: t.interval\n"
                  "    property bool fired: false\n"
                  "    QTimer {\n"
                  "        id: t\n"
                  "        interval: 5\n"
                  "        singleShot: true\n"
                  "        onTimeout: fired = true\n"
                  "    }\n"
                  "    Component.onCompleted: t.start()\n"
                  "}\n"));

    QObject *root = Application::instance()->scene();
    QVERIFY(root);
    QCOMPARE(root->property("timerInterval").toInt(), 5);
    auto *timer = root->findChild<QTimer *>();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 5);
    QTRY_VERIFY(root->property("fired").toBool());
}

void TestShell::covers_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("creatable");

    QTest::newRow("scene cover") << QByteArray("SceneCover") << true;
    QTest::newRow("abstract cover") << QByteArray("AbstractCover") << false;
}

void TestShell::covers()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, creatable);

    // An empty refusal reason leaves QML's own text.
    if (!creatable)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "main\\.qml:4:\\d+: Element is not creatable\\.$")));
    QVERIFY(start("import QtQuick\n"
                  "import bb.cascades 1.0\n"
                  "Page {\n"
                  "    property QtObject cover: " +
                  type + " { }\n}\n"));

    QObject *root = Application::instance()->scene();
    QCOMPARE(root != nullptr, creatable);
    if (creatable) {
        auto *cover = root->property("cover").value<QObject *>();
        QVERIFY(cover);
        QCOMPARE(QByteArray(cover->metaObject()->className()),
                 QByteArray("bb::cascades::SceneCover"));
    }
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"

#include "applicationui.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>
#include <bb/cascades/GroupDataModel>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using bb::cascades::Application;

namespace {

QJsonObject storedSettings()
{
    QFile file(QStringLiteral("data/settings.json"));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

QStringList listedNames(QQuickItem *browser)
{
    QStringList names;
    auto *model = qobject_cast<bb::cascades::GroupDataModel *>(
        browser->property("entries").value<QObject *>());
    for (const QVariant &entry : model ? model->toListOfMaps() : QVariantList())
        names << entry.toMap().value(QStringLiteral("fileName")).toString();
    return names;
}

} // namespace

class TestSceneSettings : public QObject
{
    Q_OBJECT

    QString m_start;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ApplicationUI> m_ui;

private Q_SLOTS:
    void initTestCase() { m_start = QDir::currentPath(); }
    void cleanup()
    {
        // The scene goes before the document it came from.
        Application::instance()->setScene(nullptr);
        m_ui.reset();
        QDir::setCurrent(m_start);
        m_dir.reset();
    }

    // The browser comes back where the person left it, in the order they
    // chose, and keeps the file up to date.
    void remembered_data()
    {
        QTest::addColumn<QJsonObject>("stored");
        QTest::addColumn<QStringList>("order");

        const QString fixture = QStringLiteral("@fixture");
        // An empty order: the browser starts at the root instead.
        QTest::newRow("descending")
            << QJsonObject{{"lastFolder", fixture}, {"sortAscending", false}}
            << QStringList({"c", "b.txt", "a.txt"});
        QTest::newRow("by name") << QJsonObject{{"lastFolder", fixture}, {"sortKindFirst", false}}
                                 << QStringList({"a.txt", "b.txt", "c"});
        QTest::newRow("folder gone")
            << QJsonObject{{"lastFolder", fixture + "/gone"}} << QStringList();
        QTest::newRow("not remembered")
            << QJsonObject{{"lastFolder", fixture}, {"rememberFolder", false}} << QStringList();
        QTest::newRow("wrong types")
            << QJsonObject{{"lastFolder", 5}, {"sortAscending", "no"}} << QStringList();
    }
    void remembered()
    {
        QFETCH(QJsonObject, stored);
        QFETCH(QStringList, order);

        m_dir = std::make_unique<QTemporaryDir>();
        const QTemporaryDir &dir = *m_dir;
        QVERIFY(dir.isValid());
        QDir root(dir.path());
        const QString fixture = dir.filePath(QStringLiteral("fixture"));
        QVERIFY(root.mkpath(QStringLiteral("app")) && root.mkpath(QStringLiteral("data")) &&
                root.mkpath(QStringLiteral("fixture/c")));
        QVERIFY(QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native"),
                            dir.filePath(QStringLiteral("app/native"))));
        for (const char *name : {"fixture/a.txt", "fixture/b.txt"})
            QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        if (stored.value("lastFolder").isString())
            stored["lastFolder"] = stored["lastFolder"].toString().replace("@fixture", fixture);
        QFile file(dir.filePath(QStringLiteral("data/settings.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(stored).toJson());
        file.close();
        QVERIFY(QDir::setCurrent(dir.path()));

        m_ui = std::make_unique<ApplicationUI>();
        QVERIFY(Application::instance()->scene());
        auto *stack = Application::instance()->scene()->findChild<QQuickItem *>("stack");
        QVERIFY(stack);
        auto *browser = stack->property("currentItem").value<QQuickItem *>();
        QVERIFY(browser);

        const QString folder = browser->property("folder").toString();
        QCOMPARE(folder, order.isEmpty() ? QStringLiteral("/") : fixture);
        if (!order.isEmpty())
            QCOMPARE(listedNames(browser), order);
        // Starting writes nothing.
        QCOMPARE(storedSettings(), stored);
        const bool remember = stored.value("rememberFolder").toBool(true);

        QVERIFY(QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, fixture + "/c"),
                                          Q_ARG(QVariant, true), Q_ARG(QVariant, QString())));
        const QString now = browser->property("folder").toString();
        QCOMPARE(QFileInfo(now).canonicalFilePath(), QFileInfo(fixture + "/c").canonicalFilePath());
        QCOMPARE(storedSettings().value("lastFolder"),
                 remember ? QJsonValue(now) : stored.value("lastFolder"));

        const bool ascending = browser->property("ascending").toBool();
        browser->setProperty("ascending", !ascending);
        browser->setProperty("kindFirst", false);
        browser->setProperty("rememberFolder", !remember);
        const QJsonObject after = storedSettings();
        QCOMPARE(after.value("sortAscending"), QJsonValue(!ascending));
        QCOMPARE(after.value("sortKindFirst"), QJsonValue(false));
        QCOMPARE(after.value("rememberFolder"), QJsonValue(!remember));
        QCOMPARE(after.value("lastFolder"),
                 remember ? QJsonValue(QJsonValue::Undefined) : QJsonValue(now));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestSceneSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_settings.moc"

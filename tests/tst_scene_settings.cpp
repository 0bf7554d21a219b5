// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include "foldermodel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

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
    auto *model = qobject_cast<FolderModel *>(browser->property("entries").value<QObject *>());
    for (int row = 0; model && row < model->count(); ++row)
        names << model->get(row).value(QStringLiteral("fileName")).toString();
    return names;
}

} // namespace

class TestSceneSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The browser comes back where the person left it ("@"), in the order
    // they chose, and keeps the file up to date; an empty order: it starts
    // at home ("~/") or the nearest folder above a gone one ("@/").
    void remembered_data()
    {
        QTest::addColumn<QJsonObject>("stored");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("start");
        const auto row = [](const char *tag, const QJsonObject &stored, const QStringList &order,
                            const char *start) {
            QTest::newRow(tag) << stored << order << QString::fromLatin1(start);
        };
        row("descending", {{"lastFolder", "@"}, {"sortAscending", false}}, {"c", "b.txt", "a.txt"},
            "@");
        row("by name", {{"lastFolder", "@"}, {"sortKindFirst", false}}, {"a.txt", "b.txt", "c"},
            "@");
        row("folder gone", {{"lastFolder", "@/gone"}}, {}, "@/");
        row("not remembered", {{"lastFolder", "@"}, {"rememberFolder", false}}, {}, "~/");
        row("wrong types", {{"lastFolder", 5}, {"sortAscending", "no"}}, {}, "~/");
    }
    void remembered()
    {
        QFETCH(QJsonObject, stored);
        QFETCH(QStringList, order);
        QFETCH(QString, start);
        Sandbox box;
        const QString fixture = box.path(QStringLiteral("fixture"));
        QVERIFY(box.isValid() && QDir().mkpath(fixture + "/c") &&
                box.write(QStringLiteral("fixture/a.txt"), {}) &&
                box.write(QStringLiteral("fixture/b.txt"), {}));
        if (stored.value("lastFolder").isString())
            stored["lastFolder"] = stored["lastFolder"].toString().replace("@", fixture);
        QVERIFY(box.write(QStringLiteral("data/settings.json"), QJsonDocument(stored).toJson()));

        RunningScene scene(box);
        QQuickItem *browser = scene.browser();
        QVERIFY(browser);
        // The start folder is looked for off the window's thread.
        QTRY_COMPARE(browser->property("folder").toString(),
                     QString(start).replace("@", fixture).replace("~", QDir::homePath()));
        if (!order.isEmpty())
            QTRY_COMPARE(listedNames(browser), order);
        QCOMPARE(storedSettings(), stored); // starting writes nothing
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

    // A settings file that cannot be read is kept aside at the first change,
    // and the window says so until the person dismisses it.
    void unreadableSettingsTold()
    {
        Sandbox box;
        const QByteArray edited = "{\"lastFolder\": \"/\",}";
        QVERIFY(box.isValid() && box.write(QStringLiteral("data/settings.json"), edited));
        RunningScene scene(box);
        auto *bar = RunningScene::find(RunningScene::scene(), "noticeBar");
        auto *text = RunningScene::find<QObject>(bar, "noticeText");
        QVERIFY(bar && text);
        QTRY_VERIFY(bar->isVisible());
        const QString told = text->property("text").toString();
        QVERIFY(!told.isEmpty());

        auto *direction =
            RunningScene::find<QObject>(RunningScene::scene(), "switchDirectionCommand");
        QVERIFY(direction && QMetaObject::invokeMethod(direction, "trigger"));
        const QStringList kept =
            QDir(QStringLiteral("data")).entryList({QStringLiteral("settings.json.unreadable-*")});
        QCOMPARE(kept.size(), 1);
        QFile aside(QStringLiteral("data/") + kept.first());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), edited);
        QTRY_VERIFY(text->property("text").toString().contains(kept.first()));

        QVERIFY(
            QMetaObject::invokeMethod(RunningScene::find<QObject>(bar, "noticeClose"), "clicked"));
        QVERIFY(!bar->isVisible());
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_settings.moc"

#include <bb/cascades/GroupDataModel>
#include <bb/cascades/QmlDocument>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using bb::cascades::GroupDataModel;
using bb::cascades::QmlDocument;

namespace {

QVariantMap entry(const QString &fileName, bool isDir)
{
    return {{QStringLiteral("fileName"), fileName}, {QStringLiteral("isDir"), isDir}};
}

QStringList fileNames(const GroupDataModel &model)
{
    QStringList names;
    for (const QVariant &item : model.toListOfMaps())
        names << item.toMap().value(QStringLiteral("fileName")).toString();
    return names;
}

int roleOf(const GroupDataModel &model, const QByteArray &name)
{
    return model.roleNames().key(name, -1);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void sorting_data();
    void sorting();
    void grouping_data();
    void grouping();
    void accessors();
    void resolveAsset_data();
    void resolveAsset();
    void documentLoadsAssets();
    void loadErrorIsReported();

private:
    QTemporaryDir m_sandbox;
    QString m_previousDir;
};

void TestPlatform::initTestCase()
{
    QVERIFY(m_sandbox.isValid());
    QVERIFY(QDir(m_sandbox.path()).mkpath(QStringLiteral("app/native/assets")));
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_sandbox.path()));
}

void TestPlatform::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
}

void TestPlatform::sorting_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<bool>("keysFirst");
    QTest::addColumn<QStringList>("expected");

    const QStringList byName{"A", "b", "c", "file2", "File10"};
    QTest::newRow("no keys keeps insertion order")
        << QStringList() << true << false << QStringList{"file2", "b", "File10", "A", "c"};
    QTest::newRow("name") << QStringList{"fileName"} << true << false << byName;
    QTest::newRow("name, inserted into sorted model")
        << QStringList{"fileName"} << true << true << byName;
    QTest::newRow("name descending") << QStringList{"fileName"} << false << false
                                     << QStringList{"File10", "file2", "c", "b", "A"};
    QTest::newRow("folders first") << QStringList{"-isDir", "fileName"} << true << false
                                   << QStringList{"A", "b", "c", "file2", "File10"};
    QTest::newRow("folders first, inserted into sorted model")
        << QStringList{"-isDir", "fileName"} << true << true
        << QStringList{"A", "b", "c", "file2", "File10"};
    QTest::newRow("files first descending") << QStringList{"-isDir", "fileName"} << false << false
                                            << QStringList{"File10", "file2", "c", "b", "A"};
    QTest::newRow("folders first descending") << QStringList{"isDir", "fileName"} << false << true
                                              << QStringList{"b", "A", "File10", "file2", "c"};
}

void TestPlatform::sorting()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, ascending);
    QFETCH(bool, keysFirst);
    QFETCH(QStringList, expected);

    GroupDataModel model;
    if (keysFirst) {
        model.setSortedAscending(ascending);
        model.setSortingKeys(keys);
    }
    model.insert(entry(QStringLiteral("file2"), false));
    model.insert(entry(QStringLiteral("b"), true));
    model.insert(entry(QStringLiteral("File10"), false));
    model.insert(entry(QStringLiteral("A"), true));
    model.insert(entry(QStringLiteral("c"), false));
    if (!keysFirst) {
        model.setSortedAscending(ascending);
        model.setSortingKeys(keys);
    }
    QCOMPARE(fileNames(model), expected);

    // The view reads rows through the roles, not through toListOfMaps().
    const int role = roleOf(model, "fileName");
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(model.data(model.index(row), role).toString(), expected.at(row));
}

void TestPlatform::grouping_data()
{
    QTest::addColumn<GroupDataModel::Grouping>("grouping");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QStringList>("secondOfEachGroup");

    QTest::newRow("none") << GroupDataModel::None << QStringList(5, QString()) << QStringList();
    QTest::newRow("first char") << GroupDataModel::ByFirstChar
                                << QStringList{"A", "A", "B", "B", "C"}
                                << QStringList{"Avocado", "berry", QString()};
    QTest::newRow("full value") << GroupDataModel::ByFullValue
                                << QStringList{"apple", "Avocado", "banana", "berry", "cherry"}
                                << QStringList(5, QString());
}

void TestPlatform::grouping()
{
    QFETCH(GroupDataModel::Grouping, grouping);
    QFETCH(QStringList, sections);
    QFETCH(QStringList, secondOfEachGroup);

    GroupDataModel model;
    for (const char *name : {"cherry", "berry", "apple", "banana", "Avocado"})
        model.insert(entry(QString::fromLatin1(name), false));
    model.setSortingKeys({QStringLiteral("fileName")});
    model.setGrouping(grouping);

    const int sectionRole = roleOf(model, GroupDataModel::SectionRole);
    QVERIFY(sectionRole >= 0);
    QStringList seen;
    for (int row = 0; row < model.size(); ++row)
        seen << model.data(model.index(row), sectionRole).toString();
    QCOMPARE(seen, sections);

    if (grouping == GroupDataModel::None) {
        QVERIFY(!model.data(QVariantList{0, 0}).isValid());
        return;
    }
    // [group, 0] heads each group; [group, 1] is its second item, if any.
    int first = 0;
    for (int group = 0; group < secondOfEachGroup.size(); ++group) {
        QCOMPARE(model.data(QVariantList{group, 0}).toMap().value("fileName"),
                 model.data(QVariantList{first}).toMap().value("fileName"));
        const QVariant second = model.data(QVariantList{group, 1});
        QCOMPARE(second.toMap().value("fileName").toString(), secondOfEachGroup.at(group));
        QCOMPARE(second.isValid(), !secondOfEachGroup.at(group).isNull());
        first += second.isValid() ? 2 : 1;
    }
    QVERIFY(!model.data(QVariantList{int(secondOfEachGroup.size()), 0}).isValid());
    QVERIFY(!model.data(QVariantList{0, -1}).isValid());
}

void TestPlatform::accessors()
{
    GroupDataModel model;
    QVERIFY(model.isEmpty());
    QCOMPARE(model.size(), 0);
    QVERIFY(!model.data(QVariantList{0}).isValid());

    const QVariantMap first{{"fileName", "a"}, {"isDir", false}, {"path", "/x"}};
    const QVariantMap second{{"fileName", "b"}, {"isDir", true}, {"path", "/x"}};
    QSignalSpy counted(&model, &GroupDataModel::countChanged);
    model.insert(first);
    model.insert(second);
    QCOMPARE(counted.size(), 2);
    QVERIFY(!model.isEmpty());
    QCOMPARE(model.size(), 2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(QVariantList{1}).toMap(), second);
    QVERIFY(!model.data(QVariantList{2}).isValid());
    QCOMPARE(model.toListOfMaps(), (QVariantList{first, second}));

    QSet<QByteArray> roles;
    for (const QByteArray &name : model.roleNames())
        roles.insert(name);
    QCOMPARE(roles, (QSet<QByteArray>{"fileName", "isDir", "path", GroupDataModel::SectionRole}));

    model.clear();
    QVERIFY(model.isEmpty());
    QCOMPARE(model.toListOfMaps(), QVariantList());
}

void TestPlatform::resolveAsset_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("expected"); // under the assets folder; "" for none, "=" for as is

    QTest::newRow("document") << QUrl("asset:///main.qml") << "main.qml";
    QTest::newRow("nested") << QUrl("asset:///MyApps/dune.png") << "MyApps/dune.png";
    QTest::newRow("dot dot inside") << QUrl("asset:///a/../b.qml") << "b.qml";
    QTest::newRow("parent") << QUrl("asset:///../x") << "";
    QTest::newRow("encoded parent") << QUrl("asset:///%2e%2e/x") << "";
    QTest::newRow("climbs out") << QUrl("asset:///a/../../x") << "";
    QTest::newRow("file") << QUrl("file:///etc/hosts") << "=";
    QTest::newRow("qrc") << QUrl("qrc:/main.qml") << "=";
    QTest::newRow("relative") << QUrl("Child.qml") << "=";
}

void TestPlatform::resolveAsset()
{
    QFETCH(QUrl, url);
    QFETCH(QString, expected);

    const QUrl resolved = QmlDocument::resolveAsset(url);
    if (expected == QLatin1String("="))
        QCOMPARE(resolved, url);
    else if (expected.isEmpty())
        QVERIFY2(resolved.isEmpty(), qPrintable(resolved.toString()));
    else
        QCOMPARE(resolved,
                 QUrl::fromLocalFile(m_sandbox.filePath("app/native/assets/" + expected)));
}

void TestPlatform::documentLoadsAssets()
{
    const QDir assets(m_sandbox.filePath(QStringLiteral("app/native/assets")));
    QImage picture(7, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(assets.filePath(QStringLiteral("picture.png"))));
    QVERIFY(writeFile(assets.filePath(QStringLiteral("Badge.qml")),
                      "import QtQuick\nItem { property string label: \"badge\" }\n"));
    QVERIFY(writeFile(assets.filePath(QStringLiteral("scene.qml")),
                      "import QtQuick\n"
                      "Item {\n"
                      "    property alias label: badge.label\n"
                      "    property alias image: image\n"
                      "    Badge { id: badge }\n"
                      "    Image { id: image; source: \"asset:///picture.png\" }\n"
                      "}\n"));

    QmlDocument document(QUrl(QStringLiteral("asset:///scene.qml")));
    QVERIFY(document.load());
    QVERIFY(!document.hasErrors());
    std::unique_ptr<QObject> root(document.createRootObject());
    QVERIFY(root);
    QCOMPARE(root->property("label").toString(), QStringLiteral("badge"));
    auto *image = root->property("image").value<QObject *>();
    QVERIFY(image);
    QTRY_COMPARE(image->property("sourceSize").toSize(), picture.size());
}

void TestPlatform::loadErrorIsReported()
{
    QVERIFY(writeFile(m_sandbox.filePath(QStringLiteral("app/native/assets/broken.qml")),
                      "import QtQuick\nItem {\n    width: (\n}\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken\\.qml:4")));

    QmlDocument document(QUrl(QStringLiteral("asset:///broken.qml")));
    QVERIFY(!document.load());
    QVERIFY(document.hasErrors());
    QCOMPARE(document.createRootObject(), nullptr);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"

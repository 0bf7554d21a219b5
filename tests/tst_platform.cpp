// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include <bb/cascades/GroupDataModel>
#include <bb/cascades/QmlDocument>

#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using bb::cascades::GroupDataModel;
using bb::cascades::QmlDocument;

class TestPlatform : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox{false, false};
    QString m_previousDir = QDir::currentPath();

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_sandbox.isValid() && QDir::setCurrent(m_sandbox.path())); }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    // The names as the view shows them, with "[section]" where a group begins.
    void model_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<GroupDataModel::Grouping>("grouping");
        QTest::addColumn<QString>("expected");
        const auto none = GroupDataModel::None;
        QTest::newRow("no keys keeps insertion order")
            << "" << true << none << "file2 b File10 A c";
        QTest::newRow("name") << "fileName" << true << none << "A b c file2 File10";
        QTest::newRow("name descending") << "fileName" << false << none << "File10 file2 c b A";
        QTest::newRow("folders first") << "-isDir fileName" << true << none << "c File10 A b file2";
        QTest::newRow("files first descending")
            << "-isDir fileName" << false << none << "file2 b A File10 c";
        QTest::newRow("folders first descending")
            << "isDir fileName" << false << none << "File10 c file2 b A";
        QTest::newRow("by first char") << "fileName" << true << GroupDataModel::ByFirstChar
                                       << "[A] A [B] b [C] c [F] file2 File10";
        QTest::newRow("by full value") << "fileName" << true << GroupDataModel::ByFullValue
                                       << "[A] A [b] b [c] c [file2] file2 [File10] File10";
        QTest::newRow("by kind") << "-isDir fileName" << true << GroupDataModel::ByFullValue
                                 << "[true] c File10 [false] A b file2";
    }

    // Keys set before and after the items are inserted give the same model.
    void model()
    {
        QFETCH(QString, keys);
        QFETCH(bool, ascending);
        QFETCH(GroupDataModel::Grouping, grouping);
        QFETCH(QString, expected);
        for (bool keysFirst : {true, false}) {
            GroupDataModel model;
            for (int step = 0; step < 2; ++step) {
                if (keysFirst == (step == 0)) {
                    model.setSortedAscending(ascending);
                    model.setSortingKeys(keys.split(' ', Qt::SkipEmptyParts));
                    model.setGrouping(grouping);
                    continue;
                }
                for (const QString entry : {"file2", "b", "File10/", "A", "c/"})
                    model.insert({{"fileName", entry.chopped(entry.endsWith('/'))},
                                  {"isDir", entry.endsWith('/')}});
            }
            // The view reads rows through the roles; toListOfMaps() gives the same order.
            const QHash<int, QByteArray> roles = model.roleNames();
            QStringList shown, sections;
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex index = model.index(row);
                sections << model.data(index, roles.key(GroupDataModel::SectionRole)).toString();
                if (!sections[row].isEmpty() && (row == 0 || sections[row] != sections[row - 1]))
                    shown << '[' + sections[row] + ']';
                shown << model.data(index, roles.key("fileName")).toString();
                const QVariant item = model.toListOfMaps().at(row);
                QCOMPARE(item.toMap().value("fileName").toString(), shown.last());
                QCOMPARE(model.data(QVariantList{row}), item);
            }
            QCOMPARE(shown.join(' '), expected);
            QVERIFY(!model.data(QVariantList{model.size()}).isValid());

            // data([group, item]) walks the same groups.
            int row = 0;
            for (int group = 0; model.data(QVariantList{group, 0}).isValid(); ++group) {
                for (int item = 0; model.data(QVariantList{group, item}).isValid(); ++item, ++row) {
                    QCOMPARE(model.data(QVariantList{group, item}), model.data(QVariantList{row}));
                    QCOMPARE(item == 0, row == 0 || sections[row] != sections[row - 1]);
                }
            }
            QCOMPARE(row, grouping == GroupDataModel::None ? 0 : model.size());
            QVERIFY(!model.data(QVariantList{0, -1}).isValid());
        }
    }

    void countAndClear()
    {
        GroupDataModel model;
        QSignalSpy counted(&model, &GroupDataModel::countChanged);
        const QVariantMap item{{"fileName", "a"}, {"isDir", false}, {"path", "/x"}};
        model.insert(item);
        model.insert(item);
        QCOMPARE(counted.size(), 2);
        QCOMPARE(model.toListOfMaps(), (QVariantList{item, item}));
        model.clear();
        QVERIFY(model.isEmpty() && model.toListOfMaps().isEmpty());
    }

    // Items put in at once, as maps or column by column, give the model that
    // inserting them one by one gives, with one notification per call.
    void bulkInsert_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("ascending");
        QTest::newRow("insertion order") << "" << true;
        QTest::newRow("name") << "fileName" << true;
        QTest::newRow("files first descending") << "-isDir fileName" << false;
        QTest::newRow("by a shared key, then name") << "path fileName" << true;
    }

    void bulkInsert()
    {
        QFETCH(QString, keys);
        QFETCH(bool, ascending);
        const QStringList names{"file2", "b", "File10", "A", "c", "\u00e9", "E", "b", "file1"};
        const QStringList sortingKeys = keys.split(' ', Qt::SkipEmptyParts);
        // Already there before the bulk call, so that new items must find their places.
        const QVariantMap first{{"fileName", "d"}, {"isDir", true}, {"path", "/x"}, {"size", 5}};
        QVariantList items;
        QList<QString> fileNames;
        QList<bool> isDir;
        for (qsizetype i = 0; i < names.size(); ++i) {
            items.append(
                QVariantMap{{"fileName", names[i]}, {"isDir", i % 3 == 0}, {"path", "/x"}});
            fileNames << names[i];
            isDir << (i % 3 == 0);
        }

        const auto prepared = [&](GroupDataModel &model) {
            model.setSortedAscending(ascending);
            model.setSortingKeys(sortingKeys);
            model.insert(first);
        };
        GroupDataModel one, list, columns;
        prepared(one);
        for (const QVariant &item : std::as_const(items))
            one.insert(item.toMap());
        for (GroupDataModel *model : {&list, &columns}) {
            prepared(*model);
            QSignalSpy inserted(model, &GroupDataModel::rowsInserted);
            QSignalSpy reset(model, &GroupDataModel::modelReset);
            QSignalSpy counted(model, &GroupDataModel::countChanged);
            if (model == &list) {
                model->insertList(items);
            } else {
                using Column = GroupDataModel::Column;
                model->insertColumns({"fileName", "isDir", "path"},
                                     {Column(fileNames), Column(isDir), Column(QVariant("/x"))},
                                     names.size());
            }
            QCOMPARE(inserted.size() + reset.size(), 1);
            QCOMPARE(reset.size(), sortingKeys.isEmpty() ? 0 : 1);
            QCOMPARE(counted.size(), 1);
            QCOMPARE(model->size(), names.size() + 1);
            QCOMPARE(model->toListOfMaps(), one.toListOfMaps());
            QCOMPARE(model->roleNames(), one.roleNames());
            const QHash<int, QByteArray> roles = model->roleNames();
            for (int row = 0; row < model->rowCount(); ++row) {
                for (auto role = roles.cbegin(); role != roles.cend(); ++role)
                    QCOMPARE(model->data(model->index(row), role.key()),
                             one.data(one.index(row), role.key()));
            }
            // Sorting again afterwards, from the keys made once per item,
            // gives the order of one by one insertion too.
            model->setSortedAscending(!ascending);
            one.setSortedAscending(!ascending);
            QCOMPARE(model->toListOfMaps(), one.toListOfMaps());
            one.setSortedAscending(ascending);
            // An item of another shape after the bulk ones: every value is kept.
            const QVariantList before = model->toListOfMaps();
            const QVariantMap odd{{"fileName", 7}, {"isDir", "no"}, {"size", 1.5}};
            model->insert(odd);
            QVariantList after = model->toListOfMaps();
            QVERIFY(after.removeOne(odd));
            QCOMPARE(after, before);
        }
    }

    void resolveAsset_data()
    {
        // Expected under the assets folder; "" for none, "=" for the URL as it is.
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("expected");
        QTest::newRow("document") << "asset:///main.qml"
                                  << "main.qml";
        QTest::newRow("nested") << "asset:///MyApps/dune.png"
                                << "MyApps/dune.png";
        QTest::newRow("dot dot inside") << "asset:///a/../b.qml"
                                        << "b.qml";
        QTest::newRow("parent") << "asset:///../x"
                                << "";
        QTest::newRow("encoded parent") << "asset:///%2e%2e/x"
                                        << "";
        QTest::newRow("climbs out") << "asset:///a/../../x"
                                    << "";
        QTest::newRow("file") << "file:///etc/hosts"
                              << "=";
        QTest::newRow("qrc") << "qrc:/main.qml"
                             << "=";
        QTest::newRow("relative") << "Child.qml"
                                  << "=";
    }

    void resolveAsset()
    {
        QFETCH(QString, url);
        QFETCH(QString, expected);
        const QUrl mapped = QUrl::fromLocalFile(m_sandbox.path("app/native/assets/" + expected));
        QCOMPARE(QmlDocument::resolveAsset(QUrl(url)), expected == "="      ? QUrl(url)
                                                       : expected.isEmpty() ? QUrl()
                                                                            : mapped);
    }

    // The engine maps the addresses a document uses, too.
    void documentLoadsAssets()
    {
        QImage picture(7, 3, QImage::Format_RGB32);
        QVERIFY(picture.save(m_sandbox.path("app/native/assets/picture.png")));
        QVERIFY(m_sandbox.write("app/native/assets/scene.qml",
                                "import QtQuick\nImage { source: \"asset:///picture.png\" }\n"));
        QmlDocument document(QUrl("asset:///scene.qml"));
        QVERIFY(document.load() && !document.hasErrors());
        std::unique_ptr<QObject> root(document.createRootObject());
        QVERIFY(root);
        QTRY_COMPARE(root->property("sourceSize").toSize(), picture.size());
    }

    void loadErrorNamesFileAndLine()
    {
        QVERIFY(m_sandbox.write("app/native/assets/broken.qml",
                                "import QtQuick\nItem {\n    width: (\n}\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broken\\.qml:4"));
        QmlDocument document(QUrl("asset:///broken.qml"));
        QVERIFY(!document.load() && document.hasErrors());
        QCOMPARE(document.createRootObject(), nullptr);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"

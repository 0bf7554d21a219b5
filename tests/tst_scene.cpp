// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include <QLoggingCategory>
#include <QQuickWindow>
#include <QtTest>

class TestScene : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_tree = m_sandbox.path("tree");

    static QQuickItem *list() { return RunningScene::find(RunningScene::browser(), "entryList"); }
    static QString folder() { return RunningScene::browser()->property("folder").toString(); }
    static QQuickItem *row(int index)
    {
        QQuickItem *delegate = nullptr;
        QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                                  Q_ARG(int, index));
        return delegate;
    }
    // The names of the delegates the list has made, in row order.
    static QStringList shownNames()
    {
        QStringList names;
        for (int index = 0; index < list()->property("count").toInt(); ++index)
            names << (row(index) ? row(index)->property("fileName").toString() : QString());
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *file :
             {"alpha/a1.txt", "beta/b1.txt", "beta/b2.txt", "one.txt", "two.txt"})
            QVERIFY(m_sandbox.write(QStringLiteral("tree/") + file, {}));
        QVERIFY(QDir().mkpath(m_tree + "/empty"));
        m_scene = std::make_unique<RunningScene>(m_sandbox);
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(list());
    }

    void cleanupTestCase() { m_scene.reset(); }

    // Opens tree, then a folder in it by double click or Enter, then goes back up.
    void opensAndGoesBack_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("inside");
        QTest::newRow("click alpha") << true << 0 << QStringList{"a1.txt"};
        QTest::newRow("click beta") << true << 1 << QStringList{"b1.txt", "b2.txt"};
        QTest::newRow("enter beta") << false << 1 << QStringList{"b1.txt", "b2.txt"};
        QTest::newRow("enter empty") << false << 2 << QStringList();
    }

    void opensAndGoesBack()
    {
        QFETCH(bool, byMouse);
        QFETCH(int, index);
        QFETCH(QStringList, inside);
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        auto *empty = RunningScene::find(RunningScene::browser(), "emptyMessage");
        QVERIFY(QMetaObject::invokeMethod(RunningScene::browser(), "open", Q_ARG(QVariant, m_tree),
                                          Q_ARG(QVariant, true), Q_ARG(QVariant, QString())));
        QCOMPARE(folder(), m_tree);
        // Folders first, each kind by name.
        const QStringList all{"alpha", "beta", "empty", "one.txt", "two.txt"};
        QTRY_COMPARE(shownNames(), all);
        QCOMPARE(list()->property("currentIndex").toInt(), 0);
        QVERIFY(list()->hasActiveFocus() && !empty->isVisible());

        if (byMouse) {
            QQuickItem *delegate = row(index);
            const QPointF centre =
                delegate->mapToScene({delegate->width() / 2, delegate->height() / 2});
            // A click only selects; a double click opens.
            QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        } else {
            for (int i = 0; i < index; ++i)
                QTest::keyClick(window, Qt::Key_Down);
            QCOMPARE(list()->property("currentIndex").toInt(), index);
            QTest::keyClick(window, Qt::Key_Return);
        }
        QTRY_COMPARE(folder(), m_tree + "/" + all[index] + "/");
        QTRY_COMPARE(shownNames(), inside);
        QCOMPARE(empty->isVisible(), inside.isEmpty());

        // Backspace goes up and selects the folder just left.
        QTest::keyClick(window, Qt::Key_Backspace);
        QTRY_COMPARE(folder(), m_tree + "/");
        QTRY_COMPARE(shownNames(), all);
        QCOMPARE(list()->property("currentIndex").toInt(), index);
        QCOMPARE(
            list()->property("currentItem").value<QQuickItem *>()->property("fileName").toString(),
            all[index]);
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    // Each listing logs every name; the root listing at start-up is long.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestScene test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene.moc"

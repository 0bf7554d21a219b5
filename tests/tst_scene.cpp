#include "applicationui.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bb::cascades::Application;

class TestScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void listsFolder();
    void opensAndGoesBack_data();
    void opensAndGoesBack();

private:
    QQuickItem *browser() const;
    QQuickItem *list() const;
    void open(const QString &path);
    QString folder() const { return browser()->property("folder").toString(); }
    QStringList shownNames() const;

    QString m_previousDir;
    QTemporaryDir m_sandbox;
    QString m_tree;
    std::unique_ptr<ApplicationUI> m_shell;
};

void TestScene::initTestCase()
{
    QVERIFY(m_sandbox.isValid());
    QDir sandbox(m_sandbox.path());
    QVERIFY(sandbox.mkpath(QStringLiteral("app")));
    QVERIFY(sandbox.mkpath(QStringLiteral("data")));
    QVERIFY(QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native"),
                        sandbox.filePath(QStringLiteral("app/native"))));

    m_tree = sandbox.filePath(QStringLiteral("tree"));
    for (const char *folder : {"tree/alpha", "tree/beta", "tree/empty"})
        QVERIFY(sandbox.mkpath(QString::fromLatin1(folder)));
    for (const char *file : {"tree/one.txt", "tree/two.txt", "tree/alpha/a1.txt",
                             "tree/beta/b1.txt", "tree/beta/b2.txt"}) {
        QFile f(sandbox.filePath(QString::fromLatin1(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_sandbox.path()));
    m_shell = std::make_unique<ApplicationUI>();
    QVERIFY(Application::instance()->scene());
    QQuickWindow *window = Application::instance()->window();
    QVERIFY(window);
    window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(browser());
    QVERIFY(list());
}

void TestScene::cleanupTestCase()
{
    Application::instance()->setScene(nullptr);
    m_shell.reset();
    QDir::setCurrent(m_previousDir);
}

QQuickItem *TestScene::browser() const
{
    auto *stack = Application::instance()->scene()->findChild<QObject *>(QStringLiteral("stack"));
    return stack ? stack->property("currentItem").value<QQuickItem *>() : nullptr;
}

QQuickItem *TestScene::list() const
{
    return browser()->findChild<QQuickItem *>(QStringLiteral("entryList"));
}

void TestScene::open(const QString &path)
{
    QVERIFY(QMetaObject::invokeMethod(browser(), "open", Q_ARG(QVariant, path),
                                      Q_ARG(QVariant, true), Q_ARG(QVariant, QString())));
}

// The names of the delegates the list has made, in row order.
QStringList TestScene::shownNames() const
{
    QStringList names;
    const int count = list()->property("count").toInt();
    for (int row = 0; row < count; ++row) {
        QQuickItem *delegate = nullptr;
        QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                                  Q_ARG(int, row));
        names << (delegate ? delegate->property("fileName").toString() : QString());
    }
    return names;
}

void TestScene::listsFolder()
{
    open(m_tree);
    QCOMPARE(folder(), m_tree);
    // Folders first, each kind by name.
    const QStringList expected{"alpha", "beta", "empty", "one.txt", "two.txt"};
    QTRY_COMPARE(shownNames(), expected);
    QCOMPARE(list()->property("currentIndex").toInt(), 0);
    QVERIFY(list()->hasActiveFocus());
    auto *empty = browser()->findChild<QQuickItem *>(QStringLiteral("emptyMessage"));
    QVERIFY(empty);
    QVERIFY(!empty->isVisible());
}

void TestScene::opensAndGoesBack_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("inside");

    QTest::newRow("click alpha") << true << 0 << "alpha" << QStringList{"a1.txt"};
    QTest::newRow("click beta") << true << 1 << "beta" << QStringList{"b1.txt", "b2.txt"};
    QTest::newRow("enter beta") << false << 1 << "beta" << QStringList{"b1.txt", "b2.txt"};
    QTest::newRow("enter empty") << false << 2 << "empty" << QStringList();
}

void TestScene::opensAndGoesBack()
{
    QFETCH(bool, byMouse);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QStringList, inside);

    QQuickWindow *window = Application::instance()->window();
    open(m_tree);
    QTRY_COMPARE(shownNames().value(row), name);

    if (byMouse) {
        QQuickItem *delegate = nullptr;
        QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                                  Q_ARG(int, row));
        QVERIFY(delegate);
        const QPointF centre =
            delegate->mapToScene(QPointF(delegate->width() / 2, delegate->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    } else {
        for (int i = 0; i < row; ++i)
            QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(list()->property("currentIndex").toInt(), row);
        QTest::keyClick(window, Qt::Key_Return);
    }
    QTRY_COMPARE(folder(), m_tree + "/" + name + "/");
    QTRY_COMPARE(shownNames(), inside);
    auto *empty = browser()->findChild<QQuickItem *>(QStringLiteral("emptyMessage"));
    QCOMPARE(empty->isVisible(), inside.isEmpty());

    // Backspace goes up and selects the folder just left.
    QTest::keyClick(window, Qt::Key_Backspace);
    QTRY_COMPARE(folder(), m_tree + "/");
    QTRY_COMPARE(shownNames().size(), 5);
    QCOMPARE(list()->property("currentIndex").toInt(), row);
    QCOMPARE(list()->property("currentItem").value<QQuickItem *>()->property("fileName"),
             QVariant(name));
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    // Each listing logs every name; the root listing at start-up is long.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestScene test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene.moc"

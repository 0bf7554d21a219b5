// Choosing files in the browser opens the right view, which copies the file
// on Ctrl+S and closes again.
#include "scenefixture.h"
#include "vantrel.h"

#include <QBuffer>
#include <QImage>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTest>

class TestSceneViewers : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_files = m_sandbox.path("files"), m_docs = m_sandbox.path("docs/");

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(m_files));
        m_scene = std::make_unique<RunningScene>(m_sandbox);
        auto *vantrel = qobject_cast<Vantrel *>(
            qmlContext(RunningScene::scene())->contextProperty("_vantrel").value<QObject *>());
        QVERIFY(vantrel);
        vantrel->setDocumentsFolder(m_docs);
        QVERIFY(QTest::qWaitForWindowExposed(bb::cascades::Application::instance()->window()));
    }

    void cleanupTestCase() { m_scene.reset(); }

    void openEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: gone after listing
        QTest::addColumn<QString>("view");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(3, 2, QImage::Format_RGB32).save(&buffer, "PNG");
        QTest::newRow("text") << "notes.txt" << QByteArray("line one\nline two\n") << "textView";
        QTest::newRow("image") << "pic #1.png" << png << "imageView";
        QTest::newRow("binary") << "tool.bin" << QByteArray("MZ\0\x01rest", 8) << "textView";
        QTest::newRow("deleted after listing") << "gone.txt" << QByteArray() << "textView";
    }

    void openEntry()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, view);
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        QQuickItem *browser = RunningScene::browser();
        const QString path = m_files + '/' + name;
        QVERIFY(m_sandbox.write("files/" + name, content));
        QVERIFY(QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, m_files),
                                          Q_ARG(QVariant, false), Q_ARG(QVariant, QString())));
        // Listed on a worker: the entry is there once the listing is.
        QObject *entries = browser->property("entries").value<QObject *>();
        QTRY_VERIFY(!entries->property("running").toBool());
        QVERIFY(QMetaObject::invokeMethod(browser, "select", Q_ARG(QVariant, path)));
        QVERIFY(!content.isNull() || QFile::remove(path));
        QTest::keyClick(window, Qt::Key_Return);

        QTRY_COMPARE(RunningScene::current()->objectName(), view);
        QQuickItem *page = RunningScene::current();
        if (view == "imageView") {
            auto *image = RunningScene::find(page, "picture");
            QTRY_COMPARE(image->property("status").toInt(), 1); // Image.Ready
            QCOMPARE(image->property("implicitWidth").toInt(), 3);
        } else {
            auto *area = RunningScene::find(page, "textArea");
            const qsizetype zero = content.indexOf('\0');
            QCOMPARE(area->property("text").toString(),
                     QString::fromLatin1(zero < 0 ? content : content.first(zero)));
            // Text cut short at a zero byte says why, not that it was capped.
            QCOMPARE(page->property("stoppedAtZero").toBool(), zero >= 0);
            QCOMPARE(page->property("note").toString().isEmpty(), zero < 0);
            QCOMPARE(area->isVisible(), !content.isNull());
            QCOMPARE(RunningScene::find(page, "textMessage")->isVisible(), content.isNull());
        }

        // A second copy is refused, and says so.
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFileInfo(m_docs + name).size(), content.size());
        const QString status = page->property("copyStatus").toString();
        QVERIFY(!status.isEmpty());
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(page->property("copyStatus").toString() == status, content.isNull());

        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(RunningScene::stack()->property("depth").toInt(), 1);
        QTRY_VERIFY(browser->property("list").value<QQuickItem *>()->hasActiveFocus());
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneViewers test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_viewers.moc"

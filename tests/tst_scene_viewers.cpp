// Choosing files in the browser opens the right view, which copies the file
// and closes again.
#include "applicationui.h"
#include "vantrel.h"

#include <bb/cascades/Application>
#include <bb/cascades/QmlDocument>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

class TestSceneViewers : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_sandbox;
    QTemporaryDir m_files;
    ApplicationUI *m_ui = nullptr;
    Vantrel *m_vantrel = nullptr;
    QQuickItem *m_browser = nullptr;

    QQuickWindow *window() const { return bb::cascades::Application::instance()->window(); }
    QQuickItem *stack() const
    {
        return bb::cascades::Application::instance()->scene()->findChild<QQuickItem *>(
            QStringLiteral("stack"));
    }
    QQuickItem *top() const { return stack()->property("currentItem").value<QQuickItem *>(); }
    QString docs() const { return m_files.filePath(QStringLiteral("docs/")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_sandbox.isValid() && m_files.isValid());
        QVERIFY(QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app"),
                            m_sandbox.filePath(QStringLiteral("app"))));
        QVERIFY(QDir(m_sandbox.path()).mkdir(QStringLiteral("data")));
        QVERIFY(QDir::setCurrent(m_sandbox.path()));
        QVERIFY(QDir(m_files.path()).mkdir(QStringLiteral("sub")));

        m_ui = new ApplicationUI;
        QVERIFY(bb::cascades::Application::instance()->scene());
        QVERIFY(stack());
        const auto *document = m_ui->findChild<bb::cascades::QmlDocument *>();
        QVERIFY(document);
        m_vantrel = qobject_cast<Vantrel *>(document->documentContext()
                                                ->contextProperty(QStringLiteral("_vantrel"))
                                                .value<QObject *>());
        QVERIFY(m_vantrel);
        m_vantrel->setDocumentsFolder(docs());
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        m_browser = top();
    }

    void cleanupTestCase() { delete m_ui; }

    void openEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("view");
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::darkMagenta);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");

        QTest::newRow("text") << "notes.txt" << QByteArray("line one\nline two\n") << "textView";
        QTest::newRow("image") << "pic #1.png" << png << "imageView";
        QTest::newRow("deleted after listing") << "gone.txt" << QByteArray() << "textView";
        QTest::newRow("folder") << "sub" << QByteArray() << "";
    }

    void openEntry()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, view);
        const QString path = m_files.filePath(name);
        if (!view.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QQuickItem *browser = m_browser;
        QVERIFY(QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, m_files.path()),
                                          Q_ARG(QVariant, false), Q_ARG(QVariant, QString())));
        const QString completePath = view.isEmpty() ? path + QLatin1Char('/') : path;
        QVERIFY(QMetaObject::invokeMethod(browser, "select", Q_ARG(QVariant, completePath)));
        if (content.isNull() && !view.isEmpty())
            QVERIFY(QFile::remove(path));
        QTest::keyClick(window(), Qt::Key_Return);

        if (view.isEmpty()) {
            QCOMPARE(stack()->property("depth").toInt(), 1);
            QCOMPARE(m_vantrel->currentPath(), completePath);
            return;
        }
        QTRY_COMPARE(top()->objectName(), view);
        QQuickItem *page = top();
        if (view == QLatin1String("imageView")) {
            auto *image = page->findChild<QQuickItem *>(QStringLiteral("picture"));
            QTRY_COMPARE(image->property("status").toInt(), 1); // Image.Ready
            QCOMPARE(image->property("implicitWidth").toInt(), 3);
        } else {
            auto *area = page->findChild<QQuickItem *>(QStringLiteral("textArea"));
            auto *message = page->findChild<QQuickItem *>(QStringLiteral("textMessage"));
            QCOMPARE(area->property("text").toString(), QString::fromLatin1(content));
            QCOMPARE(area->isVisible(), !content.isNull());
            QCOMPARE(message->isVisible(), content.isNull());
        }

        const QString copied = docs() + name;
        QVERIFY(QMetaObject::invokeMethod(page, "copyToDocuments"));
        QCOMPARE(QFile::exists(copied), !content.isNull());
        const QString firstStatus = page->property("copyStatus").toString();
        QVERIFY(!firstStatus.isEmpty());
        if (!content.isNull()) {
            QVERIFY(QMetaObject::invokeMethod(page, "copyToDocuments"));
            QVERIFY(page->property("copyStatus").toString() != firstStatus);
        }

        QTRY_VERIFY(!stack()->property("busy").toBool());
        QTest::keyClick(window(), Qt::Key_Escape);
        QTRY_COMPARE(stack()->property("depth").toInt(), 1);
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

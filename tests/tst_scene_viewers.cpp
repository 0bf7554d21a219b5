// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing files in the browser opens the right view, which copies the file
// on Ctrl+S and closes again; the context menu, properties, find and the
// copy job as a person meets them.
#include "copyjob.h"
#include "fileopener.h"
#include "foldermodel.h"
#include "picturefile.h"
#include "scenefixture.h"
#include "textloader.h"
#include "vantrel.h"

#include <QSemaphore>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QTest>

class TestSceneViewers : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox;
    CopyJob *m_job = nullptr;
    FileOpener *m_opener = nullptr;
    QList<QUrl> m_launched; // what the desktop was asked to open
    bool m_launches = true;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_files = m_sandbox.path("files"), m_docs = m_sandbox.path("docs/");

    // Lists the folder of path with path chosen, as a person leaves it.
    static void choose(const QString &path)
    {
        QQuickItem *browser = RunningScene::browser();
        const QString folder = QFileInfo(path).path();
        QVERIFY(QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, folder),
                                          Q_ARG(QVariant, false), Q_ARG(QVariant, QString())));
        // The listing arrives later, and a file just written with it.
        const FolderModel *model = browser->findChild<FolderModel *>();
        QVERIFY(model);
        QTRY_VERIFY(!model->isRunning() && model->indexOfPath(path) >= 0);
        QVERIFY(QMetaObject::invokeMethod(browser, "select", Q_ARG(QVariant, path)));
    }

    static void backToBrowser()
    {
        QQuickItem *stack = RunningScene::stack();
        while (stack->property("depth").toInt() > 1) {
            QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key_Escape);
            QTRY_VERIFY(!stack->property("busy").toBool());
        }
    }

    // Opens the context menu for path and clicks the entry of that name.
    static void menuChoice(const QString &path, bool isDir, const char *item)
    {
        QQuickItem *scene = RunningScene::scene();
        const QVariantMap entry{
            {"fileName", QFileInfo(path).fileName()}, {"completePath", path}, {"isDir", isDir}};
        QVERIFY(QMetaObject::invokeMethod(scene, "showEntryMenu", Q_ARG(QVariant, entry),
                                          Q_ARG(QVariant, 20.0), Q_ARG(QVariant, 20.0)));
        auto *menu = RunningScene::find<QObject>(scene, "entryMenu");
        QTRY_VERIFY(menu->property("opened").toBool());
        auto *entryItem = menu->findChild<QQuickItem *>(QString::fromLatin1(item));
        QVERIFY(entryItem && entryItem->isEnabled());
        const QPointF at =
            entryItem->mapToScene(QPointF(entryItem->width() / 2, entryItem->height() / 2));
        QTest::mouseClick(bb::cascades::Application::instance()->window(), Qt::LeftButton, {},
                          at.toPoint());
        QTRY_VERIFY(!menu->property("visible").toBool());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(m_files));
        m_scene = std::make_unique<RunningScene>(m_sandbox);
        auto *vantrel = qobject_cast<Vantrel *>(
            qmlContext(RunningScene::scene())->contextProperty("_vantrel").value<QObject *>());
        QVERIFY(vantrel);
        vantrel->setDocumentsFolder(m_docs);
        auto *copier = RunningScene::find<QObject>(RunningScene::scene(), "copier");
        m_job = copier ? copier->findChild<CopyJob *>() : nullptr;
        QVERIFY(m_job);
        m_job->setDestinationFolder(m_docs);
        m_opener = RunningScene::find<FileOpener>(RunningScene::scene(), "fileOpener");
        QVERIFY(m_opener);
        m_opener->setLauncher([this](const QUrl &url) {
            m_launched << url;
            return m_launches;
        });
        QVERIFY(QTest::qWaitForWindowExposed(bb::cascades::Application::instance()->window()));
    }

    void cleanupTestCase() { m_scene.reset(); }
    // A failed check leaves its page; the next test starts in the browser.
    void init() { backToBrowser(); }

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
        QTest::newRow("binary") << "tool.bin" << QByteArray("\x7f\x01\0\x02rest", 8) << "textView";
        QTest::newRow("deleted after listing") << "gone.txt" << QByteArray() << "textView";
        // Long ones reach the view a piece at a time, and must arrive whole.
        QByteArray longText, longBinary;
        for (int i = 0; i < 3000; ++i)
            longText +=
                "line " + QByteArray::number(i) + " \xF0\x9F\x98\x80 with some words after it\n";
        for (int i = 0; i < 100000; ++i)
            longBinary += char(i * 7 % 256);
        QTest::newRow("long text") << "long.txt" << longText << "textView";
        QTest::newRow("long binary") << "long.bin" << longBinary << "textView";
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
            auto *loader = page->property("loader").value<TextLoader *>();
            QTRY_COMPARE(loader->status(),
                         content.isNull() ? TextLoader::Error : TextLoader::Ready);
            // Binary content shows as a hex dump rather than stopping at the zero byte.
            const bool binary = content.contains('\0');
            QCOMPARE(loader->isBinary(), binary);
            QTRY_COMPARE(area->property("text").toString(),
                         binary ? TextLoader::hexDump(content) : QString::fromUtf8(content));
            // However long the text, it opens at its first line.
            QCOMPARE(area->property("cursorPosition").toInt(), 0);
            QCOMPARE(RunningScene::find(page, "textScroll")->property("contentY").toReal(), 0.0);
            QCOMPARE(page->property("note").toString().isEmpty(), content.isNull());
            QCOMPARE(area->isVisible(), !content.isNull());
            QCOMPARE(RunningScene::find(page, "textMessage")->isVisible(), content.isNull());
        }

        // A second copy is refused, and says so.
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!page->property("copyStatus").toString().isEmpty());
        QCOMPARE(QFileInfo(m_docs + name).size(), content.size());
        const QString status = page->property("copyStatus").toString();
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!page->property("copyStatus").toString().isEmpty());
        QCOMPARE(page->property("copyStatus").toString() == status, content.isNull());

        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(RunningScene::stack()->property("depth").toInt(), 1);
        QTRY_VERIFY(browser->property("list").value<QQuickItem *>()->hasActiveFocus());
    }

    // Enter chooses the viewer by content, whatever the name says.
    void chooseByContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QString>("view");   // "" when the desktop gets the file
        QTest::addColumn<QString>("detail"); // encoding, "binary", picture width, page stage
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        photo.save(&buffer, "JPEG");
        const QByteArray pdf(
            "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << >>\n%%EOF\n");
        QTest::newRow("UTF-8 text")
            << "gruss.txt" << QString("Grüße aus Köln\n").toUtf8() << false << "textView"
            << "UTF-8";
        QTest::newRow("upper-case photo") << "PHOTO.JPG" << jpeg << false << "imageView"
                                          << "64";
        QTest::newRow("picture without extension") << "photo" << jpeg << false << "imageView"
                                                   << "64";
        QTest::newRow("binary") << "blob.dat" << QByteArray("\x01\x02\x03\0\xff\xfe data", 11)
                                << false << "textView"
                                << "binary";
        QTest::newRow("PDF to the desktop") << "report.pdf" << pdf << false << ""
                                            << "";
        QTest::newRow("program asks first")
            << "setup.exe" << QByteArray("MZ\x90\0\x03\0\0\0\x04\0", 10) + QByteArray(500, '\0')
            << true << "openPage"
            << "confirm";
    }

    void chooseByContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(QString, view);
        QFETCH(QString, detail);
        const QString path = m_files + '/' + name;
        QVERIFY(m_sandbox.write("files/" + name, content));
        if (executable)
            QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner));
        m_launched.clear();
        choose(path);
        QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key_Return);

        if (view.isEmpty()) {
            QTRY_COMPARE(m_launched.size(), 1);
            QCOMPARE(m_launched.first(), QUrl::fromLocalFile(path));
            QTRY_COMPARE(RunningScene::stack()->property("depth").toInt(), 1);
            return;
        }
        QTRY_COMPARE(RunningScene::current()->objectName(), view);
        QQuickItem *page = RunningScene::current();
        if (view == "textView") {
            auto *loader = page->property("loader").value<TextLoader *>();
            QTRY_COMPARE(loader->status(), TextLoader::Ready);
            QCOMPARE(detail == "binary" ? QString("binary") : loader->encoding(), detail);
            if (detail != "binary")
                QCOMPARE(RunningScene::find(page, "textArea")->property("text").toString(),
                         QString::fromUtf8(content));
        } else if (view == "imageView") {
            QTRY_COMPARE(RunningScene::find(page, "picture")->property("status").toInt(), 1);
            QCOMPARE(page->property("pictureWidth").toString(), detail);
        } else {
            // Nothing runs before the person says so, and the page names what would.
            QTRY_COMPARE(page->property("stage").toString(), detail);
            QVERIFY(m_launched.isEmpty());
            QVERIFY(
                RunningScene::find(page, "openReason")->property("text").toString().contains(path));
            auto *run = RunningScene::find(page, "openRun");
            QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
            QTest::mouseClick(
                run->window(), Qt::LeftButton, {},
                run->mapToScene(QPointF(run->width() / 2, run->height() / 2)).toPoint());
            QTRY_COMPARE(m_launched.size(), 1);
        }
        backToBrowser();
    }

    // Handed to the desktop (Open with), what runs code asks first, and an
    // entry the desktop would read otherwise than shown is never run.
    void openWithAsks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("stage");
        QTest::newRow("batch file") << "clean.bat" << QByteArray("del /q *.*\r\n") << "confirm";
        QTest::newRow("VBScript") << "hi.vbs" << QByteArray("MsgBox \"hi\"\r\n") << "confirm";
        QTest::newRow("Exec twice")
            << "twice.desktop"
            << QByteArray("[Desktop Entry]\nType=Application\nExec=true\nExec=touch x\n")
            << "refused";
    }

    void openWithAsks()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, stage);
        const QString path = m_files + '/' + name;
        QVERIFY(m_sandbox.write("files/" + name, content));
        m_launched.clear();
        menuChoice(path, false, "menuOpenWith");
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("openPage"));
        QQuickItem *page = RunningScene::current();
        QTRY_COMPARE(page->property("stage").toString(), stage);
        auto *reason = RunningScene::find(page, "openReason");
        auto *run = RunningScene::find(page, "openRun");
        QVERIFY(!RunningScene::find(page, "openMessage")->property("text").toString().isEmpty());
        if (stage == "confirm") {
            QCOMPARE(reason->property("text").toString(), path);
            QVERIFY(run->isVisible());
        } else {
            // No button to run it, and the page says why.
            QVERIFY(!run->isVisible());
            QVERIFY(reason->property("text").toString().contains("Exec"));
        }
        backToBrowser();
        QVERIFY(m_launched.isEmpty());
    }

    // "Run it" runs what the page showed: a file swapped meanwhile is shown
    // anew, and only a second "Run it" hands it out.
    void runsWhatWasShown()
    {
        const QString path = m_files + "/swap.desktop";
        QVERIFY(m_sandbox.write("files/swap.desktop",
                                "[Desktop Entry]\nType=Application\nExec=echo harmless\n"));
        m_launched.clear();
        menuChoice(path, false, "menuOpenWith");
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("openPage"));
        QQuickItem *page = RunningScene::current();
        auto *reason = RunningScene::find(page, "openReason");
        QTRY_COMPARE(reason->property("text").toString(), QString("echo harmless"));
        auto *message = RunningScene::find(page, "openMessage");
        const QString asked = message->property("text").toString();
        QVERIFY(m_sandbox.write("files/swap.desktop",
                                "[Desktop Entry]\nType=Application\nExec=touch harmle\n"));
        auto *run = RunningScene::find(page, "openRun");
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        const auto click = [run] {
            QTest::mouseClick(
                run->window(), Qt::LeftButton, {},
                run->mapToScene(QPointF(run->width() / 2, run->height() / 2)).toPoint());
        };
        click();
        QTRY_COMPARE(reason->property("text").toString(), QString("touch harmle"));
        // Said to have changed, in other words than the first question.
        QVERIFY(message->property("text").toString() != asked);
        QVERIFY(m_launched.isEmpty());
        click();
        QTRY_COMPARE(m_launched.size(), 1);
        backToBrowser();
    }

    // Every entry of the context menu reaches its command for that entry.
    void entryMenu_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QString>("view"); // the page shown, "launched" or "copied"
        QTest::addColumn<int>("mode");     // TextLoader mode, -1 when not the text view
        QTest::newRow("open") << QByteArray("menuOpen") << "textView" << int(TextLoader::Auto);
        QTest::newRow("view as text")
            << QByteArray("menuViewText") << "textView" << int(TextLoader::Text);
        QTest::newRow("view as hex")
            << QByteArray("menuViewHex") << "textView" << int(TextLoader::Hex);
        QTest::newRow("properties") << QByteArray("menuProperties") << "propertiesPage" << -1;
        QTest::newRow("open with") << QByteArray("menuOpenWith") << "launched" << -1;
        QTest::newRow("copy") << QByteArray("menuCopy") << "copied" << -1;
    }

    void entryMenu()
    {
        QFETCH(QByteArray, item);
        QFETCH(QString, view);
        QFETCH(int, mode);
        const QString name = QStringLiteral("menu-%1.txt").arg(QString::fromLatin1(item));
        const QString path = m_files + '/' + name;
        QVERIFY(m_sandbox.write("files/" + name, "some words\n"));
        choose(m_files + "/notes.txt"); // another entry is the chosen one
        m_launched.clear();
        menuChoice(path, false, item.constData());
        if (view == "launched") {
            QTRY_COMPARE(m_launched.size(), 1);
            QCOMPARE(m_launched.first(), QUrl::fromLocalFile(path));
        } else if (view == "copied") {
            QTRY_VERIFY(QFileInfo::exists(m_docs + name));
            QTRY_VERIFY(!RunningScene::find(RunningScene::scene(), "browserCopy")
                             ->findChild<QQuickItem *>("copyLine")
                             ->property("text")
                             .toString()
                             .isEmpty());
        } else {
            QTRY_COMPARE(RunningScene::current()->objectName(), view);
            QCOMPARE(RunningScene::current()->property("path").toString(), path);
            if (mode >= 0)
                QCOMPARE(
                    int(RunningScene::current()->property("loader").value<TextLoader *>()->mode()),
                    mode);
        }
        backToBrowser();
    }

    // A link's properties name its target; a broken one says so and offers
    // no way there; a sound one goes to its folder with the target chosen.
    void linkProperties_data()
    {
        QTest::addColumn<bool>("broken");
        QTest::newRow("broken") << true;
        QTest::newRow("sound") << false;
    }

    void linkProperties()
    {
        QFETCH(bool, broken);
        const QString target =
            m_sandbox.path(broken ? "nowhere/missing.txt" : "elsewhere/target.txt");
        if (!broken)
            QVERIFY(m_sandbox.write("elsewhere/target.txt", "here\n"));
        const QString link = m_files + (broken ? "/broken-link" : "/sound-link");
        QFile::remove(link);
        QVERIFY(QFile::link(target, link));
        menuChoice(link, false, "menuProperties");
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("propertiesPage"));
        QQuickItem *page = RunningScene::current();
        QTRY_VERIFY(!page->property("info").isNull());
        QCOMPARE(page->property("broken").toBool(), broken);
        QCOMPARE(page->property("targetPath").toString(), target);
        QCOMPARE(RunningScene::find(page, "propertiesStatus")->isVisible(), broken);
        auto *go = RunningScene::find(page, "goToTarget");
        QCOMPARE(go->isVisible(), !broken);
        if (broken) {
            backToBrowser();
            return;
        }
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        QTest::mouseClick(go->window(), Qt::LeftButton, {},
                          go->mapToScene(QPointF(go->width() / 2, go->height() / 2)).toPoint());
        QTRY_COMPARE(RunningScene::stack()->property("depth").toInt(), 1);
        QQuickItem *browser = RunningScene::browser();
        QCOMPARE(QDir(browser->property("folder").toString()).canonicalPath(),
                 QFileInfo(target).canonicalPath());
        // The folder is read again behind the selection; it holds.
        const auto chosen = [browser] {
            auto *current = browser->property("list")
                                .value<QQuickItem *>()
                                ->property("currentItem")
                                .value<QQuickItem *>();
            return current ? current->property("completePath").toString().section('/', -1)
                           : QString();
        };
        QTRY_COMPARE(chosen(), QString("target.txt"));
        QTest::qWait(400);
        QCOMPARE(chosen(), QString("target.txt"));
    }

    // Ctrl+F finds, F3 goes on, Shift+F3 goes back, both going round.
    // Every shape of picture shows at every window size: what is drawn
    // holds the picture the right way up, decoded once per size shown.
    void pictureShapes_data()
    {
        QTest::addColumn<QSize>("shown"); // as the person sees it
        QTest::addColumn<bool>("turned"); // stored turned, with an EXIF orientation
        QTest::newRow("wide") << QSize(1600, 900) << false;
        QTest::newRow("4:3 photo") << QSize(1600, 1200) << false;
        QTest::newRow("portrait") << QSize(900, 1600) << false;
        QTest::newRow("square") << QSize(1000, 1000) << false;
        QTest::newRow("EXIF orientation 6") << QSize(1200, 1600) << true;
        QTest::newRow("EXIF orientation 8") << QSize(1600, 1200) << true;
        QTest::newRow("small") << QSize(60, 40) << false;
    }

    void pictureShapes()
    {
        QFETCH(QSize, shown);
        QFETCH(bool, turned);
        // Red above, blue below, as shown.
        QImage image(shown, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < shown.height() / 2; ++y)
            std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), shown.width(),
                        qRgb(255, 0, 0));
        const bool six = QByteArray(QTest::currentDataTag()).endsWith('6');
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        if (turned) {
            // Stored turned back; the reader turns it as the orientation says.
            image = image.transformed(QTransform().rotate(six ? -90 : 90));
            writer.setTransformation(six ? QImageIOHandler::TransformationRotate90
                                         : QImageIOHandler::TransformationRotate270);
        }
        QVERIFY(writer.write(image));
        const QString name = QString("shape %1.jpg").arg(QTest::currentDataTag());
        QVERIFY(m_sandbox.write("files/" + name, jpeg));
        choose(m_files + '/' + name);
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        const QSize before = window->size();
        const auto restore = qScopeGuard([&] { window->resize(before); });
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("imageView"));
        QQuickItem *picture = RunningScene::find(RunningScene::current(), "picture");
        QVERIFY(picture);
        for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(420, 760)}) {
            window->resize(size);
            // Drawn at the new size, once the window has laid it out.
            const auto settled = [&] {
                const QSize decoded = picture->property("decodedSize").toSize();
                return window->contentItem()->size() == QSizeF(size) &&
                       picture->property("status").toInt() == 1 &&
                       !picture->property("decoding").toBool() &&
                       qAbs(decoded.width() - picture->width() * window->devicePixelRatio()) <= 1;
            };
            QTRY_VERIFY(settled());
            const QSizeF drawn = picture->size();
            const QSize decoded = picture->property("decodedSize").toSize();
            QCOMPARE(picture->property("pictureSize").toSize(), shown);
            // Fitted and never enlarged, decoded at the size drawn.
            QVERIFY(drawn.width() <= window->width() && drawn.height() <= window->height());
            QVERIFY(drawn.width() <= shown.width() && drawn.height() <= shown.height());
            QVERIFY(qAbs(decoded.height() - drawn.height() * window->devicePixelRatio()) <= 1);
            // No loop through the status line: the size shown stays decoded.
            const int decodes = picture->property("decodes").toInt();
            QTest::qWait(400);
            QCOMPARE(picture->property("decodes").toInt(), decodes);

            const QImage grab = window->grabWindow();
            const QRectF at = picture->mapRectToScene(QRectF(QPointF(), drawn));
            const qreal ratio = grab.width() / qreal(window->width());
            const auto colour = [&](qreal fy) {
                return grab.pixelColor(int(at.center().x() * ratio),
                                       int((at.top() + at.height() * fy) * ratio));
            };
            const QColor top = colour(0.25), bottom = colour(0.75);
            QVERIFY2(
                top.red() > 200 && top.blue() < 60,
                qPrintable(
                    QString("%1 at %2x%3").arg(top.name()).arg(size.width()).arg(size.height())));
            QVERIFY2(bottom.blue() > 200 && bottom.red() < 60, qPrintable(bottom.name()));
        }
        backToBrowser();
    }

    void find_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("occurrence"); // which match is selected, counted from 0
        QTest::newRow("first") << QStringList{} << 0;
        QTest::newRow("next") << QStringList{"F3"} << 1;
        QTest::newRow("next twice") << QStringList{"F3", "F3"} << 2;
        QTest::newRow("round the end") << QStringList{"F3", "F3", "F3"} << 0;
        QTest::newRow("previous goes round") << QStringList{"Shift+F3"} << 2;
        QTest::newRow("next, previous") << QStringList{"F3", "F3", "Shift+F3"} << 1;
    }

    void find()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, occurrence);
        const QString text = "Needle in a haystack,\nanother needle here\nand the last NEEDLE.\n";
        QVERIFY(m_sandbox.write("files/hay.txt", text.toUtf8()));
        choose(m_files + "/hay.txt");
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("textView"));
        QQuickItem *page = RunningScene::current();
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        auto *area = RunningScene::find(page, "textArea");
        QTRY_COMPARE(area->property("text").toString(), text);
        QTRY_VERIFY(area->hasActiveFocus());
        QTest::keySequence(window, QKeySequence("Ctrl+F"));
        QTRY_VERIFY(RunningScene::find(page, "findField")->hasActiveFocus());
        for (const char c : QByteArrayView("needle"))
            QTest::keyClick(window, c);
        for (const QString &key : keys)
            QTest::keySequence(window, QKeySequence(key));
        qsizetype at = -1;
        for (int i = 0; i <= occurrence; ++i)
            at = text.indexOf("needle", at + 1, Qt::CaseInsensitive);
        QCOMPARE(area->property("selectionStart").toInt(), int(at));
        QCOMPARE(area->property("selectedText").toString().toLower(), QString("needle"));
        backToBrowser();
    }

    // A damaged JPEG says so, in the person's language, and offers hex.
    void brokenPicture()
    {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImage(64, 48, QImage::Format_RGB32).save(&buffer, "JPEG");
        QVERIFY(m_sandbox.write("files/broken.jpg", jpeg.left(40)));
        choose(m_files + "/broken.jpg");
        QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key_Return);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("imageView"));
        QQuickItem *page = RunningScene::current();
        auto *message = RunningScene::find(page, "imageMessage");
        QTRY_VERIFY(message->isVisible());
        const QString shown = message->property("text").toString();
        QVERIFY2(shown.contains(PictureFile::reason(PictureFile::Failure::Damaged)),
                 qPrintable(shown));
        QVERIFY(RunningScene::find(page, "imageAsHex")->isVisible());
    }

    // Right and Left step through the pictures as the list shows them,
    // one without an extension among them; the list is sorted newest first.
    void pictureSteps()
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(4, 3, QImage::Format_RGB32).save(&buffer, "PNG");
        QVERIFY(QDir().mkpath(m_files + "/steps"));
        const QStringList names{"c.png", "b-photo", "notes", "a.png"}; // newest first
        for (int i = 0; i < names.size(); ++i) {
            const QString name = "files/steps/" + names[i];
            QVERIFY(m_sandbox.write(name, names[i] == "notes" ? QByteArray("text\n") : png));
            QFile file(m_sandbox.path(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * i),
                                     QFileDevice::FileModificationTime));
        }
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        FolderModel *model = RunningScene::browser()->findChild<FolderModel *>();
        choose(m_files + "/steps/c.png");
        // By date, newest first, as a person asks for it.
        QTest::keySequence(window, QKeySequence("Ctrl+Alt+3"));
        QTest::keySequence(window, QKeySequence("Ctrl+R"));
        QTRY_VERIFY(model->sortKey() == FolderModel::Date && !model->ascending());
        const auto restore = qScopeGuard([&] {
            backToBrowser();
            QTest::keySequence(window, QKeySequence("Ctrl+Alt+1"));
            QTest::keySequence(window, QKeySequence("Ctrl+R"));
        });
        QVERIFY(QMetaObject::invokeMethod(RunningScene::browser(), "select",
                                          Q_ARG(QVariant, m_files + "/steps/c.png")));
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("imageView"));
        QQuickItem *page = RunningScene::current();
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        QTest::keyClick(window, Qt::Key_Right);
        QTRY_COMPARE(page->property("path").toString(), m_files + "/steps/b-photo");
        QTest::keyClick(window, Qt::Key_Right);
        QTRY_COMPARE(page->property("path").toString(), m_files + "/steps/a.png");
        QTest::keyClick(window, Qt::Key_Left);
        QTRY_COMPARE(page->property("path").toString(), m_files + "/steps/b-photo");
        QTRY_COMPARE(RunningScene::find(page, "picture")->property("status").toInt(), 1);
    }

    // Escape in the find bar closes the bar only; Alt+W and the wrap button
    // re-wrap the text at once.
    void textKeys_data()
    {
        QTest::addColumn<QString>("how"); // "Alt+W" or "button"
        QTest::newRow("Alt+W") << "Alt+W";
        QTest::newRow("button") << "button";
    }

    void textKeys()
    {
        QFETCH(QString, how);
        const QString line = QString("word ").repeated(150);
        QVERIFY(m_sandbox.write("files/long.txt", (line + "\nshort\n").toUtf8()));
        choose(m_files + "/long.txt");
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("textView"));
        QQuickItem *page = RunningScene::current();
        auto *area = RunningScene::find(page, "textArea");
        QTRY_VERIFY(area->hasActiveFocus());

        QTest::keySequence(window, QKeySequence("Ctrl+F"));
        auto *field = RunningScene::find(page, "findField");
        QTRY_VERIFY(field->hasActiveFocus());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!field->isVisible());
        QCOMPARE(RunningScene::current(), page);
        QTRY_VERIFY(area->hasActiveFocus());

        const int lines = area->property("lineCount").toInt();
        QCOMPARE(lines, 3);
        if (how == "button") {
            auto *button = RunningScene::find(page, "textWrap");
            QVERIFY(button);
            QTRY_VERIFY(button->isEnabled() && button->isVisible());
            QVERIFY(QMetaObject::invokeMethod(button, "clicked"));
        } else {
            QTest::keySequence(window, QKeySequence(how));
        }
        // Wrapped as soon as asked: the long line takes several, none wider
        // than the view.
        QTRY_VERIFY(area->property("lineCount").toInt() > lines);
        QVERIFY(area->property("contentWidth").toReal() <= area->width());
        QVERIFY(area->width() <= page->width());
        QTest::keySequence(window, QKeySequence("Alt+W"));
        QTRY_COMPARE(area->property("lineCount").toInt(), lines);
        backToBrowser();
    }

    // A copy shows its progress and Cancel while it runs, and a cancelled
    // one leaves nothing behind.
    void copyCancel()
    {
        QVERIFY(m_sandbox.write("files/big.bin", QByteArray(4 * 1024 * 1024, 'x')));
        QSemaphore held;
        CopyJob::setStartHookForTesting([&held] { held.acquire(); });
        choose(m_files + "/big.bin");
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(RunningScene::current()->objectName(), QString("textView"));
        QQuickItem *page = RunningScene::current();
        QTRY_VERIFY(!RunningScene::stack()->property("busy").toBool());
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(m_job->isRunning());
        auto *bar = RunningScene::find(page, "textCopyBar");
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(RunningScene::find(bar, "copyProgress")->isVisible());
        QVERIFY(!RunningScene::find(bar, "copyLine")->property("text").toString().isEmpty());
        auto *cancel = RunningScene::find(bar, "copyCancel");
        QTRY_VERIFY(cancel->isVisible() && cancel->isEnabled());
        // Laid out: Cancel at the bar's end.
        QTRY_VERIFY(cancel->mapToItem(bar, QPointF(cancel->width(), 0)).x() > bar->width() / 2);
        QTest::mouseClick(
            window, Qt::LeftButton, {},
            cancel->mapToScene(QPointF(cancel->width() / 2, cancel->height() / 2)).toPoint());
        held.release();
        QTRY_VERIFY(!m_job->isRunning());
        CopyJob::setStartHookForTesting({});
        QTRY_VERIFY(!page->property("copyStatus").toString().isEmpty());
        QVERIFY(!bar->isVisible());
        QVERIFY(!QFileInfo::exists(m_docs + "big.bin"));
        QCOMPARE(QDir(m_docs)
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                     .filter("big"),
                 QStringList());
        backToBrowser();
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneViewers test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_viewers.moc"

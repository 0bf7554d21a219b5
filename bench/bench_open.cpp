// SPDX-License-Identifier: GPL-3.0-or-later
// Time from Enter on an entry until its view shows it, through the real
// scene: a UTF-8 text, a 48 MP photo named .JPG, a PDF (handed to the
// desktop through a launcher that records the call) and a binary (hex).
// With the tests' FUSE server, the same again while a hundred opens wait on
// a mount that never answers, with the longest heartbeat gap of each open.
#include "../tests/scenefixture.h"
#include "benchsupport.h"
#include "fileopener.h"
#include "textloader.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>

static bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    bb::cascades::Application app(argc, argv);
    Sandbox sandbox;
    const QString files = sandbox.path("files");
    QDir().mkpath(files);

    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("Zeile %1: Grüße aus Köln, ½ € \n").arg(i).toUtf8();
    sandbox.write("files/gruss.txt", text);
    QImage photo(8000, 6000, QImage::Format_RGB32); // 48 MP
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb(x * 255 / 8000, y * 255 / 6000, (x ^ y) & 255);
    }
    photo.save(sandbox.path("files/PHOTO.JPG"), "JPEG", 85);
    sandbox.write("files/report.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n%%EOF\n");
    QByteArray binary(200 * 1024, Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (char &c : binary)
        c = char(gen.bounded(256));
    sandbox.write("files/blob.bin", binary);

    RunningScene scene(sandbox);
    QQuickWindow *window = bb::cascades::Application::instance()->window();
    auto *opener = RunningScene::find<FileOpener>(RunningScene::scene(), "fileOpener");
    int launched = 0;
    opener->setLauncher([&launched](const QUrl &) { return ++launched, true; });

    struct Case
    {
        const char *name;
        const char *what;
    };
    QProcess server;
    bench::Heartbeat heartbeat;
    for (const bool stalled : {false, true}) {
        if (stalled) {
#ifdef VANTREL_HANGFS
            const QString mount = sandbox.path("stalled");
            QDir().mkpath(mount);
            server.start(QStringLiteral(VANTREL_HANGFS), {mount});
            if (!server.waitForReadyRead(10000)) {
                printf("\nno FUSE mount here: %s\n", server.readAllStandardError().constData());
                break;
            }
            for (int i = 0; i < 100; ++i)
                opener->requestFileType(mount + QStringLiteral("/slow-read"));
            printf("\nwith 100 opens waiting on a mount that never answers:\n");
#else
            printf("\nbuilt without libfuse3: no stalled mount\n");
            break;
#endif
        }
        for (const Case &c :
             {Case{"gruss.txt", "UTF-8 text (60 KB)"}, Case{"PHOTO.JPG", "48 MP photo .JPG"},
              Case{"report.pdf", "PDF to the desktop"},
              Case{"blob.bin", "binary as hex (200 KiB)"}}) {
            for (int run = 0; run < 3; ++run) {
                const QString path = files + '/' + QLatin1String(c.name);
                QQuickItem *browser = RunningScene::browser();
                QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, files),
                                          Q_ARG(QVariant, false), Q_ARG(QVariant, QString()));
                QMetaObject::invokeMethod(browser, "select", Q_ARG(QVariant, path));
                const int before = launched;
                QElapsedTimer clock;
                clock.start();
                heartbeat.start();
                QTest::keyClick(window, Qt::Key_Return);
                const bool ok = waitFor([&] {
                    QQuickItem *page = RunningScene::current();
                    const QString name = page ? page->objectName() : QString();
                    if (name == "textView")
                        return page->property("loader").value<TextLoader *>()->status() ==
                               TextLoader::Ready;
                    if (name == "imageView")
                        return RunningScene::find(page, "picture")->property("status").toInt() == 1;
                    return launched > before;
                });
                const qint64 ms = clock.elapsed();
                const double gap = heartbeat.stop();
                printf("%-26s run %d: %5lld ms, longest heartbeat gap %5.1f ms%s\n", c.what,
                       run + 1, ms, gap, ok ? "" : " (timed out)");
                QTest::keyClick(window, Qt::Key_Escape);
                waitFor([] {
                    return RunningScene::stack()->property("depth").toInt() == 1 &&
                           !RunningScene::stack()->property("busy").toBool();
                });
            }
        }
    }
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}

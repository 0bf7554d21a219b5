// SPDX-License-Identifier: GPL-3.0-or-later
// The image view in the real scene, offscreen, with a 10 ms heartbeat on the
// UI thread:
//   - opening an 8000x6000 photo: the longest gap between beats and the time
//     until it is drawn;
//   - paging through 20 crafted pictures (huge claimed sizes, pictures that
//     decode only whole, animations on a huge screen), a step every 150 ms:
//     the process's peak memory from the first step on, the decodes' own
//     peak, the decodes cancelled and refused, and any decode on the UI
//     thread.
//
//   bench_pictures [runs]      default 3; each figure is the best run
#include "benchsupport.h"
#include "decodebudget.h"
#include "scenefixture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

using namespace bench;

qint64 statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The peak counts from here on.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setCompression(1); // TIFF: LZW
    writer.write(image);
    return bytes;
}

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator noise(42);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise.generate() & 31);
            line[x] = qRgb((x * 255 / width + n) & 255, (y * 255 / height + n) & 255, n * 4);
        }
    }
    return image;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

// A PNG header claiming width x height, with a little data after it.
QByteArray claimedPng(int width, int height)
{
    QByteArray png = encoded(QImage(8, 8, QImage::Format_RGB32), "png");
    QByteArray header("IHDR");
    for (const int side : {width, height}) {
        header += char(side >> 24);
        header += char(side >> 16);
        header += char(side >> 8);
        header += char(side);
    }
    header += png.mid(24, 5); // depth, colour type and the rest, as they were
    const quint32 crc = crc32(header);
    png.replace(12, 17, header);
    png[29] = char(crc >> 24);
    png[30] = char(crc >> 16);
    png[31] = char(crc >> 8);
    png[32] = char(crc);
    return png;
}

// An animation of two small frames on a logical screen of width x height.
QByteArray hugeScreenGif(int width, int height)
{
    QByteArray bytes("GIF89a", 6);
    bytes += char(width & 0xFF);
    bytes += char(width >> 8);
    bytes += char(height & 0xFF);
    bytes += char(height >> 8);
    bytes += QByteArray("\x80\x00\x00\xff\x00\x00\x00\x00\xff", 9);
    bytes += QByteArray("!\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int i = 0; i < 2; ++i) {
        bytes += QByteArray("!\xF9\x04\x04\x0A\x00\x00\x00", 8);
        bytes += QByteArray(",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00", 15);
    }
    bytes += ';';
    return bytes;
}

QQuickItem *picture()
{
    QQuickItem *page = RunningScene::current();
    return page && page->objectName() == QLatin1String("imageView")
               ? RunningScene::find(page, "picture")
               : nullptr;
}

// Drawn (Ready) or given up on (Error), with nothing more on its way.
bool settled(const QString &path)
{
    QQuickItem *item = picture();
    if (!item || item->property("path").toString() != path)
        return false;
    const int status = item->property("status").toInt();
    return (status == 1 && !item->property("decoding").toBool()) || status == 3;
}

void openInView(const QString &folder, const QString &path)
{
    QQuickItem *browser = RunningScene::browser();
    QMetaObject::invokeMethod(browser, "open", Q_ARG(QVariant, folder), Q_ARG(QVariant, false),
                              Q_ARG(QVariant, QString()));
    waitUntil([&] {
        QObject *entries = browser->property("entries").value<QObject *>();
        return entries && !entries->property("running").toBool() &&
               QMetaObject::invokeMethod(browser, "select", Q_ARG(QVariant, path));
    });
    QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key_Return);
}

void backToList()
{
    QQuickWindow *window = bb::cascades::Application::instance()->window();
    while (RunningScene::stack()->property("depth").toInt() > 1) {
        QTest::keyClick(window, Qt::Key_Escape);
        waitUntil([] { return !RunningScene::stack()->property("busy").toBool(); });
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    bb::cascades::Application app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    Sandbox sandbox;
    QDir().mkpath(sandbox.path("big"));
    QDir().mkpath(sandbox.path("crafted"));

    std::printf("making the pictures...\n");
    std::fflush(stdout);
    sandbox.write("big/PHOTO_48MP.JPG", encoded(photo(8000, 6000), "jpeg"));
    {
        // Pictures that are decoded whole before they are scaled.
        QImage plain(9000, 9000, QImage::Format_RGB32);
        plain.fill(Qt::darkCyan);
        const QByteArray tiff = encoded(plain, "tiff");
        const QByteArray png = encoded(plain, "png");
        const QByteArray jpeg = encoded(photo(6000, 4500), "jpeg");
        for (int i = 0; i < 4; ++i) {
            sandbox.write(QStringLiteral("crafted/%1a.tif").arg(i), tiff);
            sandbox.write(QStringLiteral("crafted/%1b.png").arg(i), png);
            sandbox.write(QStringLiteral("crafted/%1c.jpg").arg(i), jpeg);
            sandbox.write(QStringLiteral("crafted/%1d.png").arg(i), claimedPng(30000, 30000));
            sandbox.write(QStringLiteral("crafted/%1e.gif").arg(i), hugeScreenGif(65535, 65535));
        }
    }

    RunningScene scene(sandbox);
    QQuickWindow *window = bb::cascades::Application::instance()->window();
    window->resize(1280, 800);
    Heartbeat heartbeat;

    double bestGap = 1e9, bestShown = 1e9;
    const QString photoPath = sandbox.path("big/PHOTO_48MP.JPG");
    for (int run = 0; run < runs; ++run) {
        spin(300);
        heartbeat.start();
        QElapsedTimer clock;
        clock.start();
        openInView(sandbox.path("big"), photoPath);
        const bool shown = waitUntil([&] { return settled(photoPath); }) >= 0;
        const double ms = clock.nsecsElapsed() / 1e6;
        const double gap = heartbeat.stop();
        std::printf("48 MP photo, run %d: drawn after %6.1f ms, longest gap %6.1f ms%s\n", run + 1,
                    ms, gap, shown ? "" : " (not drawn)");
        bestGap = qMin(bestGap, gap);
        bestShown = qMin(bestShown, ms);
        backToList();
    }

    const QString crafted = sandbox.path("crafted");
    QStringList names = QDir(crafted).entryList(QDir::Files, QDir::Name);
    double bestPeakMiB = 1e9, bestPaging = 1e9;
    for (int run = 0; run < runs; ++run) {
        const DecodeBudget::Stats before = DecodeBudget::stats();
        spin(300);
        resetPeak();
        const qint64 baseKb = statusKb("VmRSS");
        heartbeat.start();
        openInView(crafted, crafted + '/' + names.first());
        waitUntil([&] { return picture() != nullptr; });
        for (int step = 1; step < names.size(); ++step) {
            spin(150);
            QTest::keyClick(window, Qt::Key_Right);
        }
        const QString last = crafted + '/' + names.last();
        const bool shown = waitUntil([&] { return settled(last); }) >= 0;
        spin(300);
        const double gap = heartbeat.stop();
        const DecodeBudget::Stats after = DecodeBudget::stats();
        const double peakMiB = statusKb("VmHWM") / 1024.0;
        std::printf("20 crafted pictures, run %d: peak %6.1f MiB (%.1f MiB before), decodes "
                    "held %6.1f MiB at most; %d decodes, %d cancelled, %d refused, %d on the UI "
                    "thread; longest gap %6.1f ms%s\n",
                    run + 1, peakMiB, baseKb / 1024.0, after.peak / 1048576.0,
                    after.decodes - before.decodes, after.cancelled - before.cancelled,
                    after.refused - before.refused, after.onUiThread - before.onUiThread, gap,
                    shown ? "" : " (last not settled)");
        bestPeakMiB = qMin(bestPeakMiB, peakMiB);
        bestPaging = qMin(bestPaging, gap);
        backToList();
    }

    std::printf("\nopening a 48 MP photo: longest gap %.1f ms (target 100), drawn after %.1f ms\n",
                bestGap, bestShown);
    std::printf("paging through 20 crafted pictures: peak %.1f MiB (target 1024), longest gap "
                "%.1f ms\n",
                bestPeakMiB, bestPaging);
    return 0;
}

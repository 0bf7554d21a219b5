// SPDX-License-Identifier: GPL-3.0-or-later
// Time to open what the viewers show: photos of 48 and 108 megapixels
// decoded at screen size and at full size, and the text view's reads.
//
//   bench_viewers [folder]   fixtures are made in folder (a temporary one
//                            by default) and removed afterwards
//
// Each figure is the best of three runs, the one least disturbed by other
// work on the machine.
#include "imageloader.h"
#include "textloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

double bestOf3(const std::function<void()> &work)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// A photo-like picture: smooth colour with noise, which JPEG cannot shrink
// to nothing.
bool makePhoto(const QString &path, int width, int height)
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
    return image.save(path, "JPG", 85);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/bench-XXXXXX"
                                     : QDir::tempPath() + "/bench-XXXXXX");
    if (!temporary.isValid())
        return 1;
    const QSize screen(1920, 1080);

    for (const QSize size : {QSize(8000, 6000), QSize(12000, 9000)}) {
        const QString path = temporary.filePath(
            QStringLiteral("PHOTO_%1MP.JPG").arg(size.width() * size.height() / 1000000));
        if (!makePhoto(path, size.width(), size.height()))
            return 1;
        ImageLoader loader;
        const double probe = bestOf3([&] { loader.probe(path); });
        QString error;
        QSize shown;
        const double fit =
            bestOf3([&] { shown = ImageLoader::decode(path, screen, false, &error).size(); });
        std::printf("%-22s probe %7.1f ms   at %dx%d %7.1f ms %s\n",
                    qPrintable(QFileInfo(path).fileName()), probe, shown.width(), shown.height(),
                    fit, qPrintable(error));
        const double full =
            bestOf3([&] { shown = ImageLoader::decode(path, QSize(), true, &error).size(); });
        std::printf("%-22s full size %dx%d %7.1f ms %s\n", "", shown.width(), shown.height(), full,
                    qPrintable(error));
    }

    const QString text = temporary.filePath(QStringLiteral("text.txt"));
    QFile file(text);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray line = QStringLiteral(u"Grüße aus Köln, eine Zeile Text.\n").toUtf8();
    while (file.size() < 2 * TextLoader::TextCap)
        file.write(line);
    file.close();
    const double utf8 = bestOf3([&] { TextLoader::read(text, TextLoader::Auto); });
    const double hex = bestOf3([&] { TextLoader::read(text, TextLoader::Hex); });
    std::printf("text, 1 MiB of 2 as UTF-8 %7.1f ms\ntext, 256 KiB as hex     %7.1f ms\n", utf8,
                hex);
    return 0;
}

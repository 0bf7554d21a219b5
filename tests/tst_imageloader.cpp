// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageloader.h"

#include "decodebudget.h"
#include "fixturefile.h"
#include "foldermodel.h"
#include "pathcodec.h"
#include "picturefile.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QQuickTextureFactory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QImage &image, const char *format,
                   QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return bytes;
}

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

// A JPEG whose frame header claims another size: the header says what a
// huge photo's says, without the megabytes.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0)
        return QByteArray();
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

// A GIF of 1x1 frames, frames of them.
QByteArray gif(int frames)
{
    QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00", 19);
    bytes += QByteArray("!\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int i = 0; i < frames; ++i) {
        bytes += QByteArray("!\xF9\x04\x04\x0A\x00\x00\x00", 8);
        bytes += QByteArray(",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00", 15);
    }
    bytes += ';';
    return bytes;
}

} // namespace

class TstImageLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        return writeFixture(m_dir, name, content);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void probe_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("frames");

        const QByteArray jpeg = encoded(picture(64, 48), "jpeg");
        const QByteArray png = encoded(picture(40, 30), "png");
        QTest::newRow("upper-case extension") << "PHOTO.JPG" << jpeg << true << QSize(64, 48) << 1;
        QTest::newRow("no extension") << "photo" << png << true << QSize(40, 30) << 1;
        QTest::newRow("wrong extension") << "photo.txt" << jpeg << true << QSize(64, 48) << 1;
        QTest::newRow("108 megapixels, header only")
            << "huge.jpg" << withClaimedSize(jpeg, 12000, 9000) << true << QSize(12000, 9000) << 1;
        QTest::newRow("turned by EXIF")
            << "turned.jpg"
            << encoded(picture(64, 48), "jpeg", QImageIOHandler::TransformationRotate90) << true
            << QSize(48, 64) << 1;
        QTest::newRow("animated GIF") << "anim.gif" << gif(3) << true << QSize(1, 1) << 3;
        QTest::newRow("still GIF") << "still.gif" << gif(1) << true << QSize(1, 1) << 1;
        QTest::newRow("corrupt") << "bad.png" << QByteArray("\x89PNG\r\n\x1a\nnonsense") << false
                                 << QSize() << 0;
        QTest::newRow("text named JPEG")
            << "text.jpg" << QByteArray("hello\n") << false << QSize() << 0;
    }

    void probe()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, ok);
        QFETCH(QSize, size);
        QFETCH(int, frames);
        const QString path = write(name, content);
        QVERIFY(!path.isEmpty());
        const QVariantMap info = ImageLoader().probe(path);
        QCOMPARE(info.value("ok").toBool(), ok);
        QCOMPARE(info.value("error").toString().isEmpty(), ok);
        if (!ok)
            return;
        QCOMPARE(QSize(info.value("width").toInt(), info.value("height").toInt()), size);
        QVERIFY(info.value("mimeType").toString().startsWith("image/"));
        QCOMPARE(info.value("frameCount").toInt(), frames);
        QCOMPARE(info.value("animated").toBool(), frames > 1);
        const qint64 bytes = qint64(size.width()) * size.height() * 4;
        QCOMPARE(info.value("fullBytes").toLongLong(), bytes);
        QCOMPARE(info.value("fullAllowed").toBool(), bytes <= ImageLoader::memoryLimit());
        QCOMPARE(info.value("needsRaisedLimit").toBool(), bytes > 128 * 1024 * 1024);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<bool>("full");
        QTest::addColumn<QSize>("size");

        const QByteArray png = encoded(picture(400, 300), "png");
        QTest::newRow("fits the view") << png << QSize(100, 100) << false << QSize(100, 75);
        QTest::newRow("width only") << png << QSize(200, 0) << false << QSize(200, 150);
        QTest::newRow("never enlarged") << png << QSize(800, 600) << false << QSize(400, 300);
        QTest::newRow("nothing asked") << png << QSize() << false << QSize(400, 300);
        QTest::newRow("full size") << png << QSize(100, 100) << true << QSize(400, 300);
        QTest::newRow("turned by EXIF")
            << encoded(picture(400, 300), "jpeg", QImageIOHandler::TransformationRotate90)
            << QSize(100, 100) << false << QSize(75, 100);
        QTest::newRow("truncated")
            << png.left(png.size() / 2) << QSize(100, 100) << false << QSize();
        QTest::newRow("not a picture") << QByteArray("text") << QSize() << false << QSize();
    }

    void decode()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, requested);
        QFETCH(bool, full);
        QFETCH(QSize, size);
        const QString path = write("decode", content);
        QVERIFY(!path.isEmpty());
        QString error;
        const QImage image = ImageLoader::decode(path, requested, full, &error);
        if (size.isValid())
            QCOMPARE(image.size(), size);
        else
            QVERIFY(image.isNull());
        QCOMPARE(error.isEmpty(), size.isValid());
    }

    void provider()
    {
        ImageLoader loader;
        const QString name = PathCodec::decode(QByteArray("a #%?\xE9.png"));
        const QByteArray png = encoded(picture(400, 300), "png");
        const QString path = m_dir.filePath(name);
        {
            QFile raw;
            const int fd = ::open(PathCodec::encode(path).constData(),
                                  O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            if (fd < 0)
                QSKIP("This file system does not take names that are not UTF-8");
            QVERIFY(raw.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            QCOMPARE(raw.write(png), png.size());
        }
        const QString url = loader.imageUrl(path);
        const QString prefix = QStringLiteral("image://vantrel/");
        QVERIFY(url.startsWith(prefix));
        QCOMPARE(QUrl(url).isValid(), true);
        bool full = true;
        QCOMPARE(ImageLoader::pathFromId(url.mid(prefix.size()), &full), path);
        QVERIFY(!full);
        QCOMPARE(ImageLoader::pathFromId(loader.imageUrl(path, true).mid(prefix.size()), &full),
                 path);
        QVERIFY(full);

        ImageProvider provider;
        std::unique_ptr<QQuickImageResponse> response(
            provider.requestImageResponse(url.mid(prefix.size()), QSize(40, 40)));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        QVERIFY(finished.wait());
        QCOMPARE(response->errorString(), QString());
        std::unique_ptr<QQuickTextureFactory> texture(response->textureFactory());
        QCOMPARE(texture->image().size(), QSize(40, 30));
        // QTemporaryDir would not find the name to remove it.
        QCOMPARE(::unlink(PathCodec::encode(path).constData()), 0);
    }

    // A picture the view dropped stops decoding and still reports.
    void cancelled()
    {
        const QString path = m_dir.filePath("dropped.png");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(encoded(picture(1600, 1200), "png")) > 0);
        file.close();
        const std::atomic_bool stop{true};
        QString error;
        QVERIFY(ImageLoader::decode(path, QSize(), true, &error, &stop).isNull());
        QCOMPARE(error, QString("Cancelled"));

        ImageProvider provider;
        std::unique_ptr<QQuickImageResponse> response(
            provider.requestImageResponse(ImageLoader().imageUrl(path, true).mid(16), QSize()));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        response->cancel();
        QVERIFY(finished.wait());
    }

    // Why a picture cannot be shown, in words that say what is wrong.
    void reasons_data()
    {
        QTest::addColumn<QString>("make"); // file, fifo, none
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("words");

        const QByteArray jpeg = encoded(picture(64, 48), "jpeg");
        QByteArray scrambled = jpeg.left(jpeg.indexOf("\xFF\xDA") + 20);
        scrambled += QByteArray(200, '\xFF');
        QTest::newRow("corrupt JPEG") << "file" << withClaimedSize(jpeg, 0, 48) << "damaged";
        QTest::newRow("JPEG cut in its header") << "file" << jpeg.left(40) << "damaged";
        QTest::newRow("truncated PNG")
            << "file" << encoded(picture(40, 30), "png").left(60) << "damaged";
        QTest::newRow("text") << "file" << QByteArray("hello\n") << "not a picture";
        QTest::newRow("pipe") << "fifo" << QByteArray() << "not a regular file";
        QTest::newRow("gone") << "none" << QByteArray() << "no longer there";
    }

    void reasons()
    {
        QFETCH(QString, make);
        QFETCH(QByteArray, content);
        QFETCH(QString, words);
        const QString path = m_dir.filePath(QString("reason-%1.jpg").arg(QTest::currentDataTag()));
        if (make == "file")
            QVERIFY(!write(QFileInfo(path).fileName(), content).isEmpty());
        else if (make == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QString error;
        QVERIFY(ImageLoader::decode(path, QSize(32, 32), false, &error).isNull());
        QVERIFY2(error.contains(words), qPrintable(error));
        QVERIFY(!ImageLoader().probe(path).value("ok").toBool() || error.contains("damaged"));
        // The limit set at start is where it was.
        QCOMPARE(QImageReader::allocationLimit(), int(DecodeBudget::total() / (1024 * 1024)));
    }

    // Decodes together never hold more than the budget; one that waits for
    // memory gives up when nobody wants it any more.
    void budget()
    {
        const qint64 most = DecodeBudget::total();
        DecodeBudget::Result result = DecodeBudget::Granted;
        DecodeBudget::acquire(most + 1, nullptr, &result);
        QCOMPARE(result, DecodeBudget::TooLarge);

        DecodeBudget::Grant first = DecodeBudget::acquire(most / 2 + 1, nullptr, &result);
        QCOMPARE(result, DecodeBudget::Granted);
        std::atomic_bool cancel{false};
        std::atomic_int second{-1};
        std::unique_ptr<QThread> waiter(QThread::create([&] {
            DecodeBudget::Result got = DecodeBudget::Granted;
            DecodeBudget::acquire(most / 2 + 1, &cancel, &got);
            second = got;
        }));
        waiter->start();
        QTest::qWait(150);
        QCOMPARE(second.load(), -1);
        QVERIFY(DecodeBudget::stats().inUse <= most);
        cancel = true;
        QVERIFY(waiter->wait(5000));
        QCOMPARE(second.load(), int(DecodeBudget::Cancelled));

        // Freed memory lets the next one in.
        cancel = false;
        waiter.reset(QThread::create([&] {
            DecodeBudget::Result got = DecodeBudget::Granted;
            DecodeBudget::acquire(most / 2 + 1, &cancel, &got);
            second = got;
        }));
        waiter->start();
        first.release();
        QVERIFY(waiter->wait(5000));
        QCOMPARE(second.load(), int(DecodeBudget::Granted));
        QCOMPARE(DecodeBudget::stats().inUse, 0);
        QVERIFY(DecodeBudget::stats().peak <= most);
    }

    // An animation plays from the bytes read when it was opened: a pipe put
    // in its place afterwards is never read.
    void playsFromOpenedFile()
    {
        const QString path = write("swapped.gif", gif(3));
        PictureFile::Failure failure = PictureFile::Failure::None;
        QString error;
        const auto file = PictureFile::open(path, nullptr, &failure, &error);
        QVERIFY(file);
        QVERIFY(file->animated());
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        for (int loop = 0; loop < 2; ++loop) {
            const auto reader = file->openReader(nullptr, &failure, &error);
            QVERIFY2(reader, qPrintable(error));
            for (int frame = 0; frame < 3; ++frame)
                QVERIFY(!reader->reader->read().isNull());
        }
        QVERIFY(QFile::remove(path));
    }

    // Stepping goes through the pictures in the order shown, a photo without
    // an extension among them, and skips what only looks like one.
    void step_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next");
        QTest::newRow("first") << "img1.png"
                               << ""
                               << "img2.PNG";
        QTest::newRow("upper case between") << "IMG3.JPG"
                                            << "img2.PNG"
                                            << "img10.jpg";
        QTest::newRow("past text without an extension") << "img10.jpg"
                                                        << "IMG3.JPG"
                                                        << "photo";
        QTest::newRow("no extension") << "photo"
                                      << "img10.jpg"
                                      << "";
    }

    void step()
    {
        QFETCH(QString, name);
        QFETCH(QString, previous);
        QFETCH(QString, next);
        const QString folder = m_dir.filePath("album") + "/";
        QVERIFY(QDir().mkpath(folder + "sub.png"));
        for (const char *file : {"img10.jpg", "img2.PNG", "IMG3.JPG", "img1.png", "notes.txt",
                                 "notes", "zz.doc", "photo"}) {
            QFile f(folder + file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(file) == "photo" ? encoded(picture(4, 3), "png") : "text\n");
        }
        FolderModel model;
        QSignalSpy loaded(&model, &FolderModel::loaded);
        model.setFolder(folder);
        QVERIFY(loaded.wait());
        ImageLoader loader;
        QSignalSpy found(&loader, &ImageLoader::stepFound);
        for (const int direction : {-1, 1}) {
            const QString expected = direction < 0 ? previous : next;
            loader.requestStep(folder + name, direction,
                               model.pictureCandidates(folder + name, direction));
            QVERIFY(found.wait());
            const QVariantList answer = found.takeFirst();
            QCOMPARE(answer.at(0).toString(), folder + name);
            QCOMPARE(answer.at(1).toInt(), direction);
            QCOMPARE(answer.at(2).toString(), expected.isEmpty() ? "" : folder + expected);
        }
    }
};

QTEST_MAIN(TstImageLoader)
#include "tst_imageloader.moc"

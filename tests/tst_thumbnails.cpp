// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathcodec.h"
#include "thumbnailmaker.h"
#include "thumbnailprovider.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>
#include <QQuickTextureFactory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Outcome = ThumbnailMaker::Outcome;

namespace {

QString writePicture(const QString &path, QColor color, QSize size = QSize(1000, 600))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "JPEG") ? path : QString();
}

// A thumbnail as another program would leave it.
bool writeThumbnail(const QString &path, QColor color, const QByteArray &uri, qint64 mtime)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(color);
    image.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(uri));
    image.setText(QStringLiteral("Thumb::MTime"), QString::number(mtime));
    return image.save(path, "PNG");
}

qint64 mtimeOf(const QString &path)
{
    struct stat status;
    return ::stat(PathCodec::encode(path).constData(), &status) == 0 ? status.st_mtim.tv_sec : -1;
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(PathCodec::encode(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool setMtime(const QString &path, time_t seconds)
{
    struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    return ::utimensat(AT_FDCWD, PathCodec::encode(path).constData(), times, 0) == 0;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 16 && qAbs(a.green() - b.green()) < 16 &&
           qAbs(a.blue() - b.blue()) < 16;
}

} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_cache.reset(new QTemporaryDir);
        m_files.reset(new QTemporaryDir);
        QVERIFY(m_cache->isValid() && m_files->isValid());
        m_maker.reset(new ThumbnailMaker(m_cache->filePath(QStringLiteral("thumbnails"))));
        m_maker->setThumbnailerFolders({});
    }

    void names_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("uri");
        QTest::newRow("the standard's example") << QByteArray("/home/jens/photos/me.png")
                                                << QByteArray("file:///home/jens/photos/me.png");
        QTest::newRow("reserved characters") << QByteArray("/tmp/a b#c%;d?.jpg")
                                             << QByteArray("file:///tmp/a%20b%23c%25%3Bd%3F.jpg");
        QTest::newRow("kept characters") << QByteArray("/tmp/x(1)+y,z=w@v~!$&'*:.jpg")
                                         << QByteArray("file:///tmp/x(1)+y,z=w@v~!$&'*:.jpg");
        QTest::newRow("UTF-8") << QByteArray("/tmp/\xc3\xa9t\xc3\xa9.jpg")
                               << QByteArray("file:///tmp/%C3%A9t%C3%A9.jpg");
        QTest::newRow("not UTF-8")
            << QByteArray("/tmp/caf\xe9.jpg") << QByteArray("file:///tmp/caf%E9.jpg");
    }
    void names()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, uri);
        QCOMPARE(ThumbnailMaker::fileUri(PathCodec::decode(path)), uri);
        if (QTest::currentDataTag() == QLatin1String("the standard's example")) {
            const QString root = m_maker->cacheRoot();
            QCOMPARE(m_maker->cachePath(uri, 100),
                     root + "/normal/c6ee772d9e49320e97ec29a7eb5b1697.png");
            QCOMPARE(m_maker->cachePath(uri, 200),
                     root + "/large/c6ee772d9e49320e97ec29a7eb5b1697.png");
            QCOMPARE(m_maker->failPath(uri),
                     root + "/fail/vantrel-1.0/c6ee772d9e49320e97ec29a7eb5b1697.png");
        }
    }

    // Made once with its keys and private modes; then read back, and made
    // again only when the file changed.
    void madeStoredRemade()
    {
        const QString photo =
            writePicture(m_files->filePath(QStringLiteral("photo.jpg")), Qt::green);
        QVERIFY(!photo.isEmpty());
        const mode_t before = ::umask(0); // the modes must not follow a loose umask
        auto restore = qScopeGuard([&] { ::umask(before); });
        ThumbnailMaker::Result made = m_maker->thumbnail(photo, 128);
        QCOMPARE(made.outcome, Outcome::Made);
        QCOMPARE(made.image.size(), QSize(128, 76));
        QVERIFY(near(made.image.pixelColor(60, 40), Qt::green));

        const QByteArray uri = ThumbnailMaker::fileUri(photo);
        const QString stored = m_maker->cachePath(uri, 128);
        QCOMPARE(modeOf(stored), mode_t(0600));
        QCOMPARE(modeOf(m_maker->cacheRoot()), mode_t(0700));
        QCOMPARE(modeOf(m_maker->cacheRoot() + "/normal"), mode_t(0700));
        QCOMPARE(QDir(m_maker->cacheRoot() + "/normal").entryList(QDir::Files),
                 QStringList{QFileInfo(stored).fileName()}); // no temporary left
        const QImage keys(stored);
        QCOMPARE(keys.text(QStringLiteral("Thumb::URI")).toLatin1(), uri);
        QCOMPARE(keys.text(QStringLiteral("Thumb::MTime")).toLongLong(), mtimeOf(photo));
        QCOMPARE(keys.text(QStringLiteral("Thumb::Size")).toLongLong(), QFileInfo(photo).size());

        QCOMPARE(m_maker->thumbnail(photo, 128).outcome, Outcome::Cached);
        QCOMPARE(m_maker->thumbnail(photo, 256).outcome, Outcome::Made); // large is its own

        QVERIFY(writePicture(photo, Qt::blue) == photo);
        QVERIFY(setMtime(photo, 1500000000));
        made = m_maker->thumbnail(photo, 128);
        QCOMPARE(made.outcome, Outcome::Made);
        QVERIFY(near(made.image.pixelColor(60, 40), Qt::blue));
        QCOMPARE(QImage(stored).text(QStringLiteral("Thumb::MTime")), QStringLiteral("1500000000"));
    }

    void otherProgramsThumbnail_data()
    {
        QTest::addColumn<bool>("sameUri");
        QTest::addColumn<bool>("sameTime");
        QTest::addColumn<bool>("used");
        QTest::newRow("valid") << true << true << true;
        QTest::newRow("another file's") << false << true << false;
        QTest::newRow("stale") << true << false << false;
    }
    void otherProgramsThumbnail()
    {
        QFETCH(bool, sameUri);
        QFETCH(bool, sameTime);
        QFETCH(bool, used);
        const QString photo =
            writePicture(m_files->filePath(QStringLiteral("photo.jpg")), Qt::green);
        const QByteArray uri = ThumbnailMaker::fileUri(photo);
        QVERIFY(writeThumbnail(m_maker->cachePath(uri, 128), Qt::red,
                               sameUri ? uri : QByteArray("file:///elsewhere.jpg"),
                               mtimeOf(photo) + (sameTime ? 0 : 1)));
        const ThumbnailMaker::Result result = m_maker->thumbnail(photo, 128);
        QCOMPARE(result.outcome, used ? Outcome::Cached : Outcome::Made);
        QVERIFY(near(result.image.pixelColor(10, 10), used ? QColor(Qt::red) : Qt::green));
    }

    void failures()
    {
        QFile broken(m_files->filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xff\xd8\xff\xe0 not really a picture");
        broken.close();
        QCOMPARE(m_maker->thumbnail(broken.fileName(), 128).outcome, Outcome::Failed);
        const QString failure = m_maker->failPath(ThumbnailMaker::fileUri(broken.fileName()));
        QCOMPARE(QImage(failure).text(QStringLiteral("Thumb::MTime")).toLongLong(),
                 mtimeOf(broken.fileName()));
        QCOMPARE(modeOf(failure), mode_t(0600));
        QCOMPARE(m_maker->thumbnail(broken.fileName(), 128).outcome, Outcome::KnownFailure);

        // A failure noted before is respected even where making would work,
        // until the file changes.
        const QString photo =
            writePicture(m_files->filePath(QStringLiteral("photo.jpg")), Qt::green);
        const QByteArray uri = ThumbnailMaker::fileUri(photo);
        QVERIFY(writeThumbnail(m_maker->failPath(uri), Qt::black, uri, mtimeOf(photo)));
        QCOMPARE(m_maker->thumbnail(photo, 128).outcome, Outcome::KnownFailure);
        QVERIFY(!QFile::exists(m_maker->cachePath(uri, 128)));
        QVERIFY(setMtime(photo, 1500000000));
        QCOMPARE(m_maker->thumbnail(photo, 128).outcome, Outcome::Made);
    }

    // Types this program cannot draw go to the thumbnailers the system
    // declares, which may take only so long.
    void thumbnailers()
    {
        QTemporaryDir declared;
        QVERIFY(declared.isValid());
        const QString script = declared.filePath(QStringLiteral("draw.sh"));
        const QString picture = declared.filePath(QStringLiteral("drawn.png"));
        QImage drawn(300, 200, QImage::Format_RGB32);
        drawn.fill(Qt::magenta);
        QVERIFY(drawn.save(picture));
        QFile code(script);
        QVERIFY(code.open(QIODevice::WriteOnly));
        code.write("#!/bin/sh\ncase \"$1\" in *slow*) exec sleep 30;; esac\n"
                   "[ \"$3\" = 128 ] && cp \"" +
                   QFile::encodeName(picture) + "\" \"$2\"\n");
        code.close();
        QVERIFY(code.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QFile entry(declared.filePath(QStringLiteral("test.thumbnailer")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Thumbnailer Entry]\nTryExec=" + QFile::encodeName(script) + "\nExec=" +
                    QFile::encodeName(script) + " %u %o %s\nMimeType=application/pdf;\n");
        entry.close();
        m_maker->setThumbnailerFolders({declared.path()});
        m_maker->setTimeLimit(300);

        const QString document = m_files->filePath(QStringLiteral("paper.pdf"));
        QFile pdf(document);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        const ThumbnailMaker::Result made = m_maker->thumbnail(document, 100);
        QCOMPARE(made.outcome, Outcome::Made);
        QCOMPARE(made.image.size(), QSize(128, 85));
        QVERIFY(near(made.image.pixelColor(5, 5), Qt::magenta));
        QVERIFY(QFile::exists(m_maker->cachePath(ThumbnailMaker::fileUri(document), 128)));

        QVERIFY(QFile::copy(document, m_files->filePath(QStringLiteral("slow.pdf"))));
        QCOMPARE(m_maker->thumbnail(m_files->filePath(QStringLiteral("slow.pdf")), 128).outcome,
                 Outcome::Failed);

        // No thumbnailer for the type: nothing made, no failure noted.
        QFile text(m_files->filePath(QStringLiteral("notes.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("words\n");
        text.close();
        QCOMPARE(m_maker->thumbnail(text.fileName(), 128).outcome, Outcome::NotPossible);
        QVERIFY(!QFile::exists(m_maker->failPath(ThumbnailMaker::fileUri(text.fileName()))));
    }

    // The scene's addresses carry any name, and a response the scene drops
    // still finishes, at once.
    void provider()
    {
        const QByteArray odd = QFile::encodeName(m_files->path()) + "/caf\xe9.jpg";
        const QString plain = writePicture(m_files->filePath("plain.jpg"), Qt::green);
        QVERIFY(::rename(QFile::encodeName(plain).constData(), odd.constData()) == 0);
        const QString photo = PathCodec::decode(odd);
        auto removeOdd = qScopeGuard([&] { ::unlink(odd.constData()); });
        const QString source = Thumbnails::source(photo, QDateTime::currentDateTime());
        QVERIFY(source.startsWith(QStringLiteral("image://thumbnail/")));
        const QString id = source.mid(int(qstrlen("image://thumbnail/")));
        QCOMPARE(ThumbnailProvider::pathOf(id), photo);

        auto maker = std::make_shared<ThumbnailMaker>(m_maker->cacheRoot());
        ThumbnailProvider provider(maker);
        std::unique_ptr<QQuickImageResponse> response(
            provider.requestImageResponse(id, QSize(96, 96)));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        QVERIFY(finished.wait(10000));
        std::unique_ptr<QQuickTextureFactory> texture(response->textureFactory());
        QVERIFY(texture);
        QCOMPARE(texture->image().size(), QSize(128, 76));
        QVERIFY(near(texture->image().pixelColor(60, 40), Qt::green));

        // Many asked, all dropped: each finishes without an image.
        QVERIFY(
            !writePicture(m_files->filePath("photo.jpg"), Qt::green, QSize(4000, 3000)).isEmpty());
        std::vector<std::unique_ptr<QQuickImageResponse>> dropped;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = 0; i < 20; ++i) {
            const QString copy = m_files->filePath(QStringLiteral("copy%1.jpg").arg(i));
            QVERIFY(QFile::copy(m_files->filePath("photo.jpg"), copy));
            dropped.emplace_back(
                provider.requestImageResponse(ThumbnailProvider::idFor(copy, 0), QSize(256, 256)));
            spies.push_back(
                std::make_unique<QSignalSpy>(dropped.back().get(), &QQuickImageResponse::finished));
        }
        for (auto &one : dropped)
            one->cancel();
        for (auto &spy : spies)
            QTRY_COMPARE(spy->count(), 1);
        const int made = QDir(m_maker->cacheRoot() + "/large").entryList(QDir::Files).size();
        QVERIFY2(made < 20, qPrintable(QString::number(made)));
    }

private:
    std::unique_ptr<QTemporaryDir> m_cache;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<ThumbnailMaker> m_maker;
};

QTEST_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"

#pragma once

#include <QImage>
#include <QObject>
#include <QQuickAsyncImageProvider>
#include <QSize>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <atomic>

// Pictures for the image view: a look at the header, decoding at the size
// shown (or at full size when asked, as far as memory allows), and the
// neighbouring pictures of the folder. Everything that reads the file runs
// off the UI thread.
class ImageLoader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
public:
    // The id under which ImageProvider is added to the QML engine.
    static constexpr const char *ProviderId = "vantrel";

    explicit ImageLoader(QObject *parent = nullptr);

    // Keys: "path", "ok", "missing", "format", "mimeType", "width" and
    // "height" (as shown, EXIF orientation applied), "animated",
    // "frameCount", "fullBytes" (memory for full size), "fullAllowed",
    // "needsRaisedLimit" (full size is above Qt's usual limit, which is
    // raised for it), "limitMiB" (the most this machine allows), "error"
    // (QImageReader's reason). Reads the header only, except for animations.
    Q_INVOKABLE QVariantMap probe(const QString &path) const;
    Q_INVOKABLE void requestProbe(const QString &path);

    // "image://vantrel/fit/<name>" decodes at the Image's sourceSize (never
    // larger than the picture); "image://vantrel/full/<name>" at full size.
    Q_INVOKABLE QString imageUrl(const QString &path, bool fullSize = false) const;

    // Keys: "previous", "next" ("" at either end), "index", "count": the
    // pictures of the path's folder, by name as people sort numbers. Reads
    // the folder on the caller's thread; FolderModel::pictureNeighbours()
    // answers from the listing, in the order and filter shown.
    Q_INVOKABLE QVariantMap neighbours(const QString &path) const;

    // The most memory one picture may take: a quarter of physical memory,
    // never less than Qt's usual limit.
    static qint64 memoryLimit();
    // The picture at requested size (see imageUrl), or a null image and the
    // reason in *error.
    // A decode stops early, with a null image, once cancel is set.
    static QImage decode(const QString &path, const QSize &requested, bool fullSize, QString *error,
                         const std::atomic_bool *cancel = nullptr);
    static QString pathFromId(const QString &id, bool *fullSize);

Q_SIGNALS:
    void probed(const QString &path, const QVariantMap &info);
};

// Add with engine->addImageProvider(ImageLoader::ProviderId, new ImageProvider).
class ImageProvider : public QQuickAsyncImageProvider
{
public:
    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
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
    // "height" (as shown, EXIF orientation applied; a GIF's logical screen),
    // "animated", "frameCount", "fullBytes" (the picture's pixels at full
    // size), "fullAllowed" (a full-size decode fits the memory pictures may
    // take), "needsRaisedLimit" (full size is above Qt's usual limit),
    // "limitMiB" (the memory pictures may take), "error" (why it cannot be
    // shown, in a person's words). Reads the header only.
    Q_INVOKABLE QVariantMap probe(const QString &path) const;
    Q_INVOKABLE void requestProbe(const QString &path);

    // "image://vantrel/fit/<name>" decodes at the Image's sourceSize (never
    // larger than the picture); "image://vantrel/full/<name>" at full size.
    Q_INVOKABLE QString imageUrl(const QString &path, bool fullSize = false) const;

    // The first of candidates (paths in the order the person steps through
    // them, from FolderModel::pictureCandidates) that is a picture: one
    // whose name says so, or whose content does. Looks off the UI thread;
    // stepFound() answers, with "" when none is.
    Q_INVOKABLE void requestStep(const QString &from, int direction, const QStringList &candidates);
    static QString firstPicture(const QStringList &candidates);

    // The most memory one picture may take (DecodeBudget::total()).
    static qint64 memoryLimit();
    // The picture at requested size (see imageUrl), or a null image and the
    // reason in *error, in a person's words. A decode stops early, with a
    // null image, once cancel is set.
    static QImage decode(const QString &path, const QSize &requested, bool fullSize, QString *error,
                         const std::atomic_bool *cancel = nullptr);
    static QString pathFromId(const QString &id, bool *fullSize);

Q_SIGNALS:
    void probed(const QString &path, const QVariantMap &info);
    void stepFound(const QString &from, int direction, const QString &path);
};

// Add with engine->addImageProvider(ImageLoader::ProviderId, new ImageProvider).
class ImageProvider : public QQuickAsyncImageProvider
{
public:
    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;
};

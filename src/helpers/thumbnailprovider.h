// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "thumbnailmaker.h"

#include <QDateTime>
#include <QObject>
#include <QQuickAsyncImageProvider>
#include <QtQml/qqmlregistration.h>

#include <memory>

class QQmlEngine;

// Thumbnails for the scene, as "image://thumbnail/..." addresses that
// Thumbnails.source() gives: looked up and made on two worker threads, the
// cache first so that a screenful already made shows at once. A request
// the scene drops (its row scrolled away) leaves the queue, or stops its
// thumbnailer, at once.
class ThumbnailProvider : public QQuickAsyncImageProvider
{
public:
    explicit ThumbnailProvider(std::shared_ptr<const ThumbnailMaker> maker = sharedMaker(),
                               int threads = 2);
    ~ThumbnailProvider() override;

    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;

    // The maker every provider of the process shares by default.
    static std::shared_ptr<const ThumbnailMaker> sharedMaker();
    // Adds the provider to the engine under "thumbnail".
    static void install(QQmlEngine *engine);
    static QString idFor(const QString &path, qint64 modified);
    static QString pathOf(const QString &id);

    struct Queue;

private:
    std::shared_ptr<Queue> m_queue;
};

// What the scene asks of thumbnails.
class Thumbnails : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit Thumbnails(QObject *parent = nullptr);

    // The image address of the file's thumbnail; it changes with the file's
    // time, so that a changed file is drawn anew.
    Q_INVOKABLE static QString source(const QString &path, const QDateTime &modified = {});
    // Worth asking for, judged by the name alone (no file is read): a
    // picture, a type a thumbnailer draws, or a name that says nothing.
    Q_INVOKABLE static bool likely(const QString &path);
};

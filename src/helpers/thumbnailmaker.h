// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QIODevice;
class QMimeType;

// Thumbnails as the desktop keeps them: PNGs under the person's cache
// (thumbnails/normal for 128 pixels, thumbnails/large for 256) named by the
// MD5 of the file's URI and stamped with that URI and the file's time, so
// that every program reads what any other made. Pictures are decoded here,
// scaled while decoding; other types go to the thumbnailers the system
// declares. Safe to use from several threads at once.
class ThumbnailMaker
{
public:
    enum class Outcome {
        Cached,       // a valid thumbnail was there, whoever made it
        Made,         // made now and stored
        Failed,       // could not be made; noted under fail/ for next time
        KnownFailure, // noted under fail/ before, for this very version of the file
        NotPossible,  // not a readable file, or no way to draw its type
        Cancelled,
    };
    struct Result
    {
        QImage image;
        Outcome outcome = Outcome::NotPossible;
    };

    // `cacheRoot` is the "thumbnails" folder; empty for the person's own.
    explicit ThumbnailMaker(const QString &cacheRoot = QString());
    ~ThumbnailMaker();

    static QString defaultCacheRoot();
    // file:// and the path's bytes, escaped as the desktop's file managers
    // escape them (names that are not UTF-8 keep their bytes).
    static QByteArray fileUri(const QString &path);
    // 128 ("normal") up to 128 pixels asked, else 256 ("large").
    static int sizeClass(int requested);
    QString cacheRoot() const { return m_root; }
    QString cachePath(const QByteArray &uri, int size) const;
    QString failPath(const QByteArray &uri) const;

    // Where to look for *.thumbnailer files (the system's by default), and
    // how long one may run.
    void setThumbnailerFolders(const QStringList &folders);
    void setTimeLimit(int milliseconds);
    // Whether the type can be drawn at all: a picture format read here, or
    // a thumbnailer declared for it.
    bool canMake(const QMimeType &type) const;

    // Only what the cache holds: quick, for the first pass over a screenful.
    Result cached(const QString &path, int size) const;
    // The cached thumbnail, else one made now (and stored).
    Result thumbnail(const QString &path, int size, const std::atomic_bool *cancel = nullptr) const;

private:
    struct Thumbnailers;
    struct Original;
    bool original(const QString &path, Original *out) const;
    Result fromCache(const Original &file, int size) const;
    bool answersForFailure(const Original &file) const;
    Result make(const Original &file, int size, const std::atomic_bool *cancel) const;
    QImage decode(QIODevice *file, int size) const;
    QImage runThumbnailer(const Original &file, const QMimeType &type, int size,
                          const std::atomic_bool *cancel, bool *cancelled) const;
    bool store(const QString &target, QImage image, const Original &file) const;

    QString m_root;
    std::unique_ptr<Thumbnailers> m_thumbnailers;
    int m_timeLimitMs = 10000;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturefile.h"

#include <QImage>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

// A picture drawn at the item's size, read and decoded off the UI thread:
// the file is opened once and decoded from those bytes at the size asked,
// once that size has settled; the picture shown stays until the next one is
// ready. A decode no longer wanted (another size, another file, the item
// gone) is cancelled. Animations play from the same bytes, their frames
// decoded one ahead on a worker, at the size shown.
class PictureItem : public QQuickItem
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Picture)
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    // The box the picture is decoded to fit, in device pixels; never larger
    // than the picture. Nothing is decoded while it is empty.
    Q_PROPERTY(QSize sourceSize READ sourceSize WRITE setSourceSize NOTIFY sourceSizeChanged)
    Q_PROPERTY(bool playing READ playing WRITE setPlaying NOTIFY playingChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    // A new size or frame is on its way while the last one shows.
    Q_PROPERTY(bool decoding READ decoding NOTIFY decodingChanged)
    // Why the picture cannot be shown, in a person's words; "" otherwise.
    Q_PROPERTY(QString error READ error NOTIFY statusChanged)
    Q_PROPERTY(bool missing READ missing NOTIFY statusChanged)
    // From the header: the size as shown (EXIF orientation applied).
    Q_PROPERTY(QSize pictureSize READ pictureSize NOTIFY headerChanged)
    Q_PROPERTY(QString format READ format NOTIFY headerChanged)
    Q_PROPERTY(bool animated READ animated NOTIFY headerChanged)
    Q_PROPERTY(int frameCount READ frameCount NOTIFY headerChanged)
    // A decode at full size fits in the memory pictures may take.
    Q_PROPERTY(bool fullAllowed READ fullAllowed NOTIFY headerChanged)
    Q_PROPERTY(QSize decodedSize READ decodedSize NOTIFY decodedSizeChanged)
    Q_PROPERTY(int currentFrame READ currentFrame NOTIFY currentFrameChanged)
    // Decodes this item has started for its file (frames aside).
    Q_PROPERTY(int decodes READ decodes NOTIFY decodesChanged)
public:
    // Numbered as Image.Status is.
    enum Status { Null, Ready, Loading, Error };
    Q_ENUM(Status)

    // A size that keeps changing (a window being dragged) is decoded once
    // it has rested this long.
    static constexpr int SettleMs = 150;
    // No side larger than one texture takes on every current GPU.
    static constexpr int MaxSide = 8192;
    // Animations larger than this show their first frame only: each frame
    // is drawn over the whole logical screen, which takes time in
    // proportion.
    static constexpr qint64 MaxAnimatedPixels = 8 * 1024 * 1024;
    // Frames of one loop kept for the next loops, so that a short animation
    // is decoded once.
    static constexpr qint64 FrameCacheBytes = 64 * 1024 * 1024;

    explicit PictureItem(QQuickItem *parent = nullptr);
    ~PictureItem() override;

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QSize sourceSize() const { return m_sourceSize; }
    void setSourceSize(const QSize &size);
    bool playing() const { return m_playing; }
    void setPlaying(bool playing);
    Status status() const { return m_status; }
    bool decoding() const { return m_decoding; }
    QString error() const { return m_error; }
    bool missing() const { return m_missing; }
    QSize pictureSize() const { return m_file ? m_file->size() : QSize(); }
    QString format() const;
    bool animated() const { return m_file && m_file->animated(); }
    int frameCount() const { return m_file ? m_file->frameCount() : 0; }
    bool fullAllowed() const;
    QSize decodedSize() const { return m_image.size(); }
    int currentFrame() const { return m_currentFrame; }
    int decodes() const { return m_decodes; }

    // What is drawn now; for the tests.
    QImage image() const { return m_image; }

Q_SIGNALS:
    void pathChanged();
    void sourceSizeChanged();
    void playingChanged();
    void statusChanged();
    void decodingChanged();
    void headerChanged();
    void decodedSizeChanged();
    void currentFrameChanged();
    void decodesChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    struct Movie;
    struct Frame;

    QSize target() const;
    bool plays() const;
    void refresh(bool now);
    void refreshSoon();
    void startDecode(const QSize &target);
    void startMovie(const QSize &target);
    void requestFrame();
    void onFrame(const Frame &frame);
    void showFrame();
    void show(const QImage &image);
    void fail(PictureFile::Failure failure, const QString &error);
    void setStatus(Status status);
    void setDecoding(bool decoding);
    void stopWork();

    QString m_path;
    QSize m_sourceSize;
    bool m_playing = true;
    Status m_status = Null;
    bool m_decoding = false;
    QString m_error;
    bool m_missing = false;
    int m_currentFrame = 0;
    int m_decodes = 0;

    quint64 m_generation = 0; // a new file, or nothing: older answers are dropped
    std::shared_ptr<const PictureFile> m_file;
    std::shared_ptr<std::atomic_bool> m_openCancel;
    // The decode under way and its size; the size of what is shown.
    std::shared_ptr<std::atomic_bool> m_decodeCancel;
    QSize m_pending;
    QSize m_shownTarget;
    QTimer m_settle;
    bool m_refreshQueued = false;

    std::shared_ptr<Movie> m_movie;
    std::unique_ptr<Frame> m_ready; // the next frame, decoded ahead
    bool m_requesting = false;      // a frame is being decoded
    QTimer m_frameTimer;
    int m_loops = 0;

    QImage m_image;
    bool m_textureDirty = false;
};

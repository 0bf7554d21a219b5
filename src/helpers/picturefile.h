// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>

class QIODevice;
class QImageReader;

// A picture file opened once through the safe opener (never a pipe or a
// device) and, unless it is very large, read whole into memory: its header,
// and decodes at any size from those bytes. Every decode takes its memory
// from DecodeBudget first, and stops at its next read once cancel is set.
// For worker threads; nothing here touches the UI.
class PictureFile
{
public:
    enum class Failure {
        None,
        Missing,    // no such file (any more)
        NotRegular, // a folder, pipe, device or socket
        Unreadable, // the system refused or failed the read
        NotPicture, // content no decoder here knows
        Damaged,    // a known format whose data is broken or cut short
        TooLarge,   // more memory than pictures may take
        Cancelled,  // nobody wants it any more
    };

    // Files up to this size are read once and decoded from memory; a larger
    // one is opened again for each decode.
    static constexpr qint64 InMemoryLimit = 64 * 1024 * 1024;

    // Opens path and reads its header. The format is told by content, then
    // by the name's extension (some formats have no signature); on failure
    // returns null and sets *failure and *error.
    static std::shared_ptr<const PictureFile>
    open(const QString &path, const std::atomic_bool *cancel, Failure *failure, QString *error);

    QString path() const { return m_path; }
    bool inMemory() const { return m_inMemory; }
    const QByteArray &bytes() const { return m_bytes; }
    // As shown: EXIF orientation applied; a GIF's whole logical screen.
    QSize size() const { return m_shown; }
    QByteArray format() const { return m_format; }
    QString mimeType() const { return m_mimeType; }
    int frameCount() const { return m_frameCount; }
    bool animated() const { return m_frameCount > 1; }
    // QImageReader::loopCount(): -1 for ever, 0 once, else the repeats.
    int loopCount() const { return m_loopCount; }

    // size() scaled down to fit within box (a side of 0 follows the other;
    // an empty box is the whole picture), never enlarged.
    QSize fitted(const QSize &box) const;
    // The most memory a decode to target takes, the picture and every copy
    // the reader makes of it.
    qint64 bytesFor(const QSize &target) const;

    // The picture scaled to target (as shown), or a null image with the
    // failure and the reason in a person's words.
    QImage decode(const QSize &target, const std::atomic_bool *cancel, Failure *failure,
                  QString *error) const;

    // A reader on this file's bytes with the format found when the file was
    // opened, for an animation's frames; its reads fail once cancel is set.
    struct Reader
    {
        std::unique_ptr<QIODevice> device;
        std::unique_ptr<QImageReader> reader;
        ~Reader();
    };
    std::unique_ptr<Reader> openReader(const std::atomic_bool *cancel, Failure *failure,
                                       QString *error) const;

    // The words for a failure: "its data is damaged or cut short"... The
    // image view puts them after "This picture cannot be shown: ".
    static QString reason(Failure failure, int osError = 0);
    static QString tooLargeReason(const QSize &size, qint64 bytes);

private:
    QString m_path;
    QByteArray m_bytes;
    bool m_inMemory = false;
    QByteArray m_hint; // the extension, for formats known only by it
    bool m_byContent = true;
    QSize m_stored; // as stored, before turning
    QSize m_shown;
    bool m_turned = false;
    bool m_scalesWhileDecoding = false;
    int m_bytesPerPixel = 4;
    QByteArray m_format;
    QString m_mimeType;
    int m_frameCount = 1;
    int m_loopCount = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A file's text for the text view, read on a worker thread: a read stalled on
// a dead mount never holds up the window, a newer load replaces an older one,
// and cancel() lets the view go at once. Binary content comes as a hex dump.
class TextLoader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString path READ path NOTIFY resultChanged)
    Q_PROPERTY(Mode mode READ mode WRITE setMode NOTIFY modeChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY statusChanged)
    Q_PROPERTY(QString text READ text NOTIFY resultChanged)
    Q_PROPERTY(QString encoding READ encoding NOTIFY resultChanged)
    Q_PROPERTY(bool isBinary READ isBinary NOTIFY resultChanged)
    Q_PROPERTY(bool truncated READ truncated NOTIFY resultChanged)
    Q_PROPERTY(qint64 shownBytes READ shownBytes NOTIFY resultChanged)
    Q_PROPERTY(qint64 fileSize READ fileSize NOTIFY resultChanged)
    Q_PROPERTY(int brokenLines READ brokenLines NOTIFY resultChanged)
    Q_PROPERTY(QString error READ error NOTIFY resultChanged)
    Q_PROPERTY(bool missing READ missing NOTIFY resultChanged)
public:
    // Auto shows text, or a hex dump when the content is binary.
    enum Mode { Auto, Text, Hex };
    Q_ENUM(Mode)
    enum Status { Null, Loading, Ready, Error };
    Q_ENUM(Status)

    // More text than a person reads on a screen, little enough to open in
    // under a second; a hex dump is five times the size of what it shows.
    static constexpr qint64 TextCap = 1024 * 1024;
    static constexpr qint64 HexCap = 256 * 1024;
    // Laying out a line costs time in proportion to its length and its
    // bidirectional embeddings; longer lines are broken for display.
    static constexpr int LineCap = 1000;

    struct Result
    {
        QString path;
        QString text;
        QString encoding; // "UTF-8", "UTF-16LE", "ISO-8859-1"...; empty for hex
        bool isBinary = false;
        bool truncated = false;
        qint64 shownBytes = 0;
        qint64 fileSize = 0;
        int brokenLines = 0; // lines broken at LineCap
        QString error;       // untranslated reason; empty on success
        bool missing = false;
    };
    struct Decoded
    {
        QString text;
        QString encoding;
    };

    explicit TextLoader(QObject *parent = nullptr);

    QString path() const { return m_result.path; }
    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    Status status() const { return m_status; }
    bool busy() const { return m_status == Loading; }
    QString text() const { return m_result.text; }
    QString encoding() const { return m_result.encoding; }
    bool isBinary() const { return m_result.isBinary; }
    bool truncated() const { return m_result.truncated; }
    qint64 shownBytes() const { return m_result.shownBytes; }
    qint64 fileSize() const { return m_result.fileSize; }
    int brokenLines() const { return m_result.brokenLines; }
    QString error() const { return m_result.error; }
    bool missing() const { return m_result.missing; }

    // Starts reading path in the current mode; a load still running is
    // abandoned and its result dropped.
    Q_INVOKABLE void load(const QString &path);
    Q_INVOKABLE void cancel();

    // The whole job, as the worker runs it; blocking.
    static Result read(const QString &path, Mode mode);
    // Byte-order mark, else UTF-8, else the locale's encoding (localeCodec
    // names another one), else Latin-1. cut: the bytes end mid-file, so a
    // character split at the end is dropped rather than counted as invalid.
    static Decoded decode(const QByteArray &bytes, bool cut, const QByteArray &localeCodec = {});
    static bool looksBinary(const QByteArray &bytes);
    // The text as the view lays it out: zero bytes and the controls that
    // embed, override or isolate a direction shown as visible marks
    // ("<U+202E>"), which also keeps them from reordering what is shown;
    // lines longer than LineCap broken, at a space where one is near.
    // Returns how many lines were broken.
    static int prepareForDisplay(QString *text);
    // "00000010  48 65 ...  6f 0a  |Hello...|", one line per 16 bytes.
    static QString hexDump(const QByteArray &bytes, qint64 offset = 0);

Q_SIGNALS:
    void modeChanged();
    void statusChanged();
    void resultChanged();
    // Once per finished load, successful or not; never for an abandoned one.
    void loaded();

private:
    void setStatus(Status status);

    Mode m_mode = Auto;
    Status m_status = Null;
    Result m_result;
    quint64 m_generation = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's PPS object accessor, reduced to what a
// file viewer needs: open a path for reading, read it, report errors as text.
#pragma once

#include <QByteArray>
#include <QFlags>
#include <QObject>
#include <QString>

namespace bb {

namespace PpsOpenMode {
enum Type {
    Publish = 0x1,
    // The only mode this stand-in serves: reading the object's content.
    Subscribe = 0x2,
};
Q_DECLARE_FLAGS(Types, Type)
} // namespace PpsOpenMode

class PpsObject : public QObject
{
    Q_OBJECT
public:
    // The most a read returns: more text than a person reads on a screen,
    // little enough that the text view opens it in under a second.
    static constexpr qint64 MaxReadSize = 1024 * 1024;

    explicit PpsObject(const QString &path, QObject *parent = nullptr);
    ~PpsObject() override;

    // Never blocks, whatever the path names (a pipe nobody writes to, a
    // device); a folder is refused, and so is any mode but Subscribe.
    bool open(PpsOpenMode::Types mode = PpsOpenMode::Subscribe);
    bool isOpen() const { return m_fd >= 0; }

    // Whatever is available now, at most MaxReadSize bytes; never waits for
    // data. ok is false when the object is not open or the read failed.
    QByteArray read(bool *ok = nullptr);

    // The C library's text for the last error, untranslated whatever the
    // locale; empty when nothing has failed.
    QString errorString() const;

    // Safe to call at any time, also after a failed open.
    void close();

private:
    QString m_path;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace bb

Q_DECLARE_OPERATORS_FOR_FLAGS(bb::PpsOpenMode::Types)

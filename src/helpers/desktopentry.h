// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A desktop entry read as the desktop's own reader reads it, so that the
// command a confirmation names is the command that would run; an entry that
// the desktop might read otherwise than shown is refused instead: a key or
// the main group given twice (one reader takes the first, another the last),
// escapes or lines the desktop's reader rejects or reads differently,
// control characters that would hide part of the command, bytes that are
// not UTF-8, an entry started over D-Bus rather than by its command, and
// one too long to read whole.
struct DesktopEntry
{
    // Longer entries are refused rather than shown in part.
    static constexpr qint64 MaxSize = 1024 * 1024;

    QString type;    // "Application" or "Link" when not refused
    QString command; // Exec of an application, unescaped
    QString url;     // URL of a link, unescaped
    QString refusal; // why the entry is refused (untranslated), "" when it is read

    // What opening the entry starts: the command, or the link's address.
    QString runs() const { return type == QLatin1String("Link") ? url : command; }

    // content is the file from its start; complete says whether it is the
    // whole file.
    static DesktopEntry read(const QByteArray &content, bool complete);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes; most are UTF-8, some (old media, archives from other
// systems) are not. Names travel through the scene as QString, so undecodable
// bytes are kept as the lone surrogates U+DC80..U+DCFF, which valid UTF-8
// never produces, and turned back into the same bytes on the way to the system.
namespace PathCodec {

QString decode(const char *bytes, qsizetype size);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}
QByteArray encode(const QString &path);
// True when the name holds bytes that are not UTF-8.
bool hasUndecodable(const QString &name);
// The name as a person reads it: its odd bytes as \xNN.
QString shown(const QString &name);

} // namespace PathCodec

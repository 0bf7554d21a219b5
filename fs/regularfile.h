// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace RegularFile {

// A descriptor open for reading on path only if it names a regular file, or
// -errno (-EISDIR for a folder, -ENXIO for a pipe, device or socket). The
// path is looked up once: nothing but a regular file is ever opened for real
// (opening a serial line acts on it, a pipe waits), and what is read is the
// file that was checked, whatever takes its name's place meanwhile.
int open(const QString &path);
// The same for name in the open folder; with followLink false, a link is
// not followed and answers -ENXIO.
int openAt(int folder, const QByteArray &name, bool followLink);

} // namespace RegularFile

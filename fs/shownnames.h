// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names as the screen shows them, one way everywhere: the list, titles,
// properties, the path bar and dialogs. A name can hold what a screen
// cannot show truthfully: bytes that are not UTF-8, line breaks, characters
// that reorder the text around them ("evil\u202Egnp.exe" reads as
// "evilexe.png"), invisible ones, or nothing but blanks. Those are shown as
// codes, so two different names never look alike.
namespace ShownNames {

// name with each such character written visibly: an undecodable byte as
// "\xFF", a tab, line feed or carriage return as "\t", "\n", "\r", other
// control characters as "\x1B", format and bidirectional controls as
// "\u202E"; a name of nothing but blanks shows each blank as "␣".
QString name(const QString &name);
// Every name of path shown as name() shows it; the slashes stay.
QString path(const QString &path);
// Whether name() shows name otherwise than it is.
bool isAltered(const QString &name);

} // namespace ShownNames

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One way to spell a place. "//usr/", "/usr", "/usr/" and "/usr//" are the
// same folder; "." and ".." are taken as written, without asking the file
// system (a link's ".." is not followed). Names may hold undecodable bytes
// (see PathCodec); nothing here encodes them.
namespace Paths {

// Repeated slashes folded, "." dropped, ".." taking away the part before it
// (nothing above the root), no trailing slash but for the root itself. A
// relative path stays relative ("." when nothing is left); "" stays "".
QString clean(const QString &path);
// clean(), and a trailing slash: the form folders take in the scene.
QString folderForm(const QString &path);
// The same place once both are clean.
bool sameFolder(const QString &a, const QString &b);
// The folder holding path, in folder form ("/" for the root and for "").
QString parentOf(const QString &path);
// The last name of path: "c" for "/a/b/c/", "/" for the root.
QString lastName(const QString &path);

} // namespace Paths

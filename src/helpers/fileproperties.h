// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantMap>

#include <sys/types.h>

// A file's properties for the Properties page: size, times, owner, group,
// permissions, type, and for a link what it holds and where that leads.
namespace FileProperties {

// Keys: "path", "kind", "exists", "size", "modified", "accessed", "owner",
// "group", "permissions" ("rwxr-xr-x"), "octal" ("0755"), "mimeType",
// "description", "isSymLink", "linkTarget" (as stored), "linkTargetPath"
// (absolute), "isBrokenLink", "error". Reads at most the first 16 KiB.
QVariantMap of(const QString &path);

// "rwsr-xr-x" for 04755.
QString permissionText(mode_t mode);

} // namespace FileProperties

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classifier.h"

#include <QtQml/qqmlregistration.h>

// FileKind's kinds and glyphs for the scene: FileKind.Document,
// FileKind.Page... as the folder model's fileKind and glyph roles give them.
namespace FileKindForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(FileKind)
QML_NAMED_ELEMENT(FileKind)
} // namespace FileKindForeign

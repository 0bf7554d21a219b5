// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <QtQml/qqml.h>

// FileResult for the scene: an operation's results carry error, ok, path,
// alternative and message.
struct FileResultForeign
{
    Q_GADGET
    QML_FOREIGN(FileResult)
    QML_VALUE_TYPE(fileResult)
};

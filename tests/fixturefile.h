// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a test's fixture file into its temporary folder.
#pragma once

#include <QFile>
#include <QTemporaryDir>

// The file's path, or "" when it could not be written whole.
inline QString writeFixture(const QTemporaryDir &dir, const QString &name,
                            const QByteArray &content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

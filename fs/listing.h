// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <sys/types.h>

// One directory read at the speed of the system calls: the engine behind the
// contract's listing and the scene's asynchronous one.
namespace Listing {

struct Entry
{
    QString name;        // losslessly decoded (see PathCodec)
    QString linkTarget;  // for a symbolic link, what it points to
    qint64 size = -1;    // of the file (the link's target); -1 when unknown
    qint64 modified = 0; // milliseconds since the epoch; 0 when unknown
    mode_t mode = 0;     // file type and permission bits (the target's for a link)
    bool isDir = false;  // follows links, as QFileInfo::isDir does
    bool isLink = false;
    bool isBrokenLink = false;
    bool isReadable = false;
    bool isWritable = false;
};

enum class Detail {
    Names, // name, type, rights: what the listing records carry
    Full,  // also size, time and mode, one fstatat per entry
};

// Reads every entry of the folder but "." and "..". False when the folder
// cannot be opened or read; `cancel`, when set, stops the read early (false).
bool read(const QString &folder, Detail detail, QList<Entry> *entries,
          const std::atomic_bool *cancel = nullptr);

// The directory read itself, for walks that see far more names than they
// keep: each name of the open folder `fd` but "." and ".." with its type as
// the directory gives it (DT_UNKNOWN where the file system does not say),
// read through the caller's buffer. False when the read fails or `cancel`
// is set.
using Visitor = std::function<void(const char *name, size_t length, unsigned char type)>;
bool scan(int fd, char *buffer, size_t bufferSize, const Visitor &visit,
          const std::atomic_bool *cancel = nullptr);

// One entry of the open folder `fd`, as read() describes it; `type` as
// scan() gave it.
void describe(int fd, const char *name, unsigned char type, Detail detail,
              const QString &absoluteFolder, Entry &entry);

} // namespace Listing

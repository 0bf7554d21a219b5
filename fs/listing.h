#pragma once

#include <QList>
#include <QString>

#include <atomic>
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

} // namespace Listing

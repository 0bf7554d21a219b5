// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Copy to Documents: one regular file into the shared documents folder, for
// the browser's "copy" and for a copy that runs in the background with a
// progress bar. The copy itself is CopyEngine's; this adds the guard of the
// destination folder and the reasons the scene shows.
namespace FileCopy {

// The shared documents folder that Copy to Documents fills.
inline QString documentsFolder()
{
    return QStringLiteral("/accounts/1000/shared/documents/Vantrel/");
}

enum class Error {
    None,
    Exists,           // the destination has a file of that name; it is never replaced
    PermissionDenied, // reading the source or writing the destination
    DiskFull,         // no space or quota left, or the file is too large there
    SourceVanished,   // no such file, or it went away during the copy
    NotRegularFile,   // a folder, pipe, device, socket, or a name ending in "/"
    LinkedFolder,     // a symbolic link stands in place of a destination folder
    Cancelled,        // the progress callback said stop
    Other,            // see Result::text
    SourceChanged,    // the file was written to while it was copied
};

struct Result
{
    Error error = Error::None;
    QString destination; // the copy's path, also when the copy failed
    QString text;        // the system's words for the failure; empty on success
    bool ok() const { return error == Error::None; }
};

// Called once the source is open (0 done) and after every piece with the
// bytes done so far (a hole counts as done) and the source's size; returning
// false cancels the copy.
using Progress = std::function<bool(qint64 done, qint64 total)>;
// Asked once the copy is complete, just before it takes its name; false
// cancels it (see CopyEngine::setBeforeName()).
using BeforeName = std::function<bool()>;

// Copies source to destinationFolder + its last name. Folders up to the last
// two of destinationFolder are made as needed and may be links; those last two
// (the shared documents folder and the application's folder in it) are made
// and opened without following links, so the copy never lands elsewhere.
// The copy is written under no name and takes its name only once complete
// and on disk; a failure or a cancel leaves nothing behind. Its permissions
// are the source's masked by the umask, never set-user-ID; holes stay holes;
// its modification time is the source's. A source written to meanwhile
// fails the copy with SourceChanged.
Result copy(const QString &source, const QString &destinationFolder, const Progress &progress = {},
            const BeforeName &beforeName = {});

} // namespace FileCopy

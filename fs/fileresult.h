// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

// What became of one step on the file system, and if it failed, why, in
// words the person can read.
class FileResult
{
    Q_GADGET
    Q_PROPERTY(Error error MEMBER error)
    Q_PROPERTY(bool ok READ ok)
    Q_PROPERTY(QString path MEMBER path)
    Q_PROPERTY(QString alternative MEMBER alternative)
    Q_PROPERTY(QString message READ message)
    // The error's name ("Exists", "NoTrash"), for the scene to tell them apart.
    Q_PROPERTY(QString errorName READ errorName)
public:
    enum Error {
        None,
        EmptyName,        // a new name with nothing in it
        SlashInName,      // a new name holding "/" (or a zero byte)
        DotName,          // "." or ".."
        Exists,           // the name is taken; nothing is ever replaced
        Missing,          // the entry (or its folder) is gone
        PermissionDenied, // the folder or the entry may not be changed
        ReadOnly,         // on a volume mounted read-only
        NoTrash,          // the volume has no trash this person can use
        InTrash,          // the entry is in a trash already
        UnknownOrigin,    // a trashed entry whose info file is lost
        CrossDevice,      // would need a copy to another volume
        NotEmpty,         // a folder that has had entries put in it
        Changed,          // the entry is not what it was when the step was made
        Busy,             // a volume is mounted there, or it is in use
        Cancelled,
        Other, // see code
    };
    Q_ENUM(Error)

    Error error = None;
    int code = 0; // the system's errno, where it refused
    QString path; // the entry the result is about
    // Where the name was taken: a free one beside it, to offer instead.
    QString alternative;

    bool ok() const { return error == None; }
    // A sentence naming the entry, translated.
    QString message() const;
    QString errorName() const;

    static FileResult failure(Error error, const QString &path, int code = 0);
    // The system's refusal, put in the terms above.
    static FileResult fromErrno(int code, const QString &path);
};

Q_DECLARE_METATYPE(FileResult)

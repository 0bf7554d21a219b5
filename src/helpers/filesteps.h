// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileactions.h"
#include "fileresult.h"
#include "job.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

// One step of the person's on the file system that can be taken back and
// made again. undo() and redo() block and run off the UI thread, one at a
// time; each first checks that it still applies and changes nothing when it
// does not, saying why.
class FileStep
{
public:
    virtual ~FileStep() = default;
    virtual FileResult undo() = 0;
    virtual FileResult redo() = 0;
    // What the step did, translated, e.g. "rename “a.txt” → “b.txt”".
    virtual QString text() const = 0;
    // The entries to show selected after the last undo() or redo().
    QStringList touched() const { return m_touched; }

    // Pairs are (where it was, where it went).
    using Pairs = QList<QPair<QString, QString>>;

    // What the last undo() or redo() leaves to the job engine: entries to
    // move or copy to another volume, with the questions of a paste. The
    // step is over once settle() has seen what that job made.
    struct Handover
    {
        Pairs pairs;
        bool move = false;
    };
    const Handover &handover() const { return m_handover; }
    // After the job: true when all was done. Else the step keeps only what
    // is still to do, to be tried again, and text() says so.
    virtual bool settle(const QList<Job::UndoStep> &made)
    {
        Q_UNUSED(made);
        return true;
    }

    static std::shared_ptr<FileStep> rename(const QString &from, const QString &to,
                                            const FileActions::Identity &renamed);
    static std::shared_ptr<FileStep> newFolder(const QString &path,
                                               const FileActions::Identity &made);
    // Trashed entries: (original, trashed path). restoring makes it the step
    // of a restore: undo trashes them again.
    static std::shared_ptr<FileStep> trash(const Pairs &trashed, bool restoring = false);
    // Read the entries where they are now, so make these on the worker that
    // moved or copied them, right after.
    static std::shared_ptr<FileStep> move(const Pairs &moved);
    static std::shared_ptr<FileStep> copy(const Pairs &copied);

protected:
    QStringList m_touched;
    Handover m_handover;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileactions.h"
#include "fileresult.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
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

    // Moves or copies one entry across volumes, for undoing and redoing
    // moves and copies; the job engine provides it. Without it such a step
    // cannot be replayed.
    using Transfer = std::function<FileResult(const QString &from, const QString &to, bool move)>;
    static void setTransfer(Transfer transfer);
    static Transfer transfer();

    // Pairs are (where it was, where it went).
    using Pairs = QList<QPair<QString, QString>>;

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
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesteps.h"

#include "pathcodec.h"
#include "trash.h"
#include "treewalk.h"

#include <QCoreApplication>
#include <QMutex>

#include <cerrno>

namespace {

QString shown(const QString &path)
{
    return PathCodec::shown(FileActions::nameOf(path));
}

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("FileStep", text, nullptr, n);
}

QMutex &transferLock()
{
    static QMutex lock;
    return lock;
}

FileStep::Transfer &transferHook()
{
    static FileStep::Transfer hook;
    return hook;
}

// Moves the entry at from to to without replacing anything: a rename on one
// volume, the job engine's move across volumes.
FileResult moveEntry(const QString &from, const QString &to)
{
    Descriptor source(FileActions::openFolder(FileActions::folderOf(from)));
    if (!source.isOpen())
        return FileResult::fromErrno(-source.get(), from);
    Descriptor target(FileActions::openFolder(FileActions::folderOf(to)));
    if (!target.isOpen())
        return FileResult::fromErrno(-target.get(), to);
    const int error =
        FileActions::renameNoReplace(source.get(), PathCodec::encode(FileActions::nameOf(from)),
                                     target.get(), PathCodec::encode(FileActions::nameOf(to)));
    if (error == EXDEV) {
        if (const FileStep::Transfer transfer = FileStep::transfer())
            return transfer(from, to, true);
    }
    if (error)
        return FileResult::fromErrno(error, error == EEXIST ? to : from);
    return {};
}

class RenameStep : public FileStep
{
public:
    RenameStep(const QString &from, const QString &to, const FileActions::Identity &identity)
        : m_from(from), m_to(to), m_identity(identity)
    {
    }
    FileResult undo() override { return go(m_to, m_from); }
    FileResult redo() override { return go(m_from, m_to); }
    QString text() const override
    {
        return tr("rename “%1” → “%2”").arg(shown(m_from), shown(m_to));
    }

private:
    FileResult go(const QString &from, const QString &to)
    {
        FileResult result =
            FileActions::rename(from, FileActions::nameOf(to), m_identity, &m_identity);
        m_touched = {result.ok() ? to : from};
        return result;
    }
    QString m_from;
    QString m_to;
    FileActions::Identity m_identity;
};

class NewFolderStep : public FileStep
{
public:
    NewFolderStep(const QString &path, const FileActions::Identity &identity)
        : m_path(path), m_identity(identity)
    {
    }
    FileResult undo() override
    {
        m_touched.clear();
        return FileActions::removeEmptyFolder(m_path, m_identity);
    }
    FileResult redo() override
    {
        m_touched = {m_path};
        return FileActions::makeFolder(FileActions::folderOf(m_path), FileActions::nameOf(m_path),
                                       &m_identity);
    }
    QString text() const override { return tr("new folder “%1”").arg(shown(m_path)); }

private:
    QString m_path;
    FileActions::Identity m_identity;
};

class TrashStep : public FileStep
{
public:
    TrashStep(const Pairs &trashed, bool restoring) : m_trashed(trashed), m_restoring(restoring) {}
    FileResult undo() override { return m_restoring ? trashAll() : restoreAll(); }
    FileResult redo() override { return m_restoring ? restoreAll() : trashAll(); }
    QString text() const override
    {
        if (m_trashed.size() == 1)
            return (m_restoring ? tr("restore “%1”") : tr("trash “%1”"))
                .arg(shown(m_trashed.first().first));
        return m_restoring ? tr("restore %n entries", int(m_trashed.size()))
                           : tr("trash %n entries", int(m_trashed.size()));
    }

private:
    FileResult restoreAll()
    {
        for (const auto &[original, trashed] : std::as_const(m_trashed)) {
            if (!FileActions::identityOf(trashed).valid)
                return FileResult::failure(FileResult::Missing, original, ENOENT);
            if (FileActions::identityOf(original).valid)
                return FileResult::failure(FileResult::Exists, original, EEXIST);
        }
        for (qsizetype i = 0; i < m_trashed.size(); ++i) {
            const FileResult restored = Trash::restore(m_trashed[i].second, m_trashed[i].first);
            if (!restored.ok()) {
                // Back where they were, so that the step can be tried again.
                for (qsizetype j = 0; j < i; ++j)
                    Trash::moveToTrash(m_trashed[j].first, &m_trashed[j].second);
                return restored;
            }
        }
        m_touched.clear();
        for (const auto &pair : std::as_const(m_trashed))
            m_touched.append(pair.first);
        return {};
    }
    FileResult trashAll()
    {
        for (const auto &pair : std::as_const(m_trashed)) {
            if (!FileActions::identityOf(pair.first).valid)
                return FileResult::failure(FileResult::Missing, pair.first, ENOENT);
        }
        for (qsizetype i = 0; i < m_trashed.size(); ++i) {
            const FileResult trashed = Trash::moveToTrash(m_trashed[i].first, &m_trashed[i].second);
            if (!trashed.ok()) {
                for (qsizetype j = 0; j < i; ++j)
                    Trash::restore(m_trashed[j].second, m_trashed[j].first);
                return trashed;
            }
        }
        m_touched.clear();
        return {};
    }

    Pairs m_trashed;
    bool m_restoring;
};

// A folder name for texts: where entries went.
QString folderShown(const FileStep::Pairs &pairs)
{
    return shown(FileActions::folderOf(pairs.first().second));
}

class MoveStep : public FileStep
{
public:
    explicit MoveStep(const Pairs &moved) : m_moved(moved)
    {
        for (const auto &pair : moved)
            m_identities.append(FileActions::identityOf(pair.second));
    }
    FileResult undo() override { return go(true); }
    FileResult redo() override { return go(false); }
    QString text() const override
    {
        if (m_moved.size() == 1)
            return tr("move “%1” to “%2”").arg(shown(m_moved.first().first), folderShown(m_moved));
        return tr("move %n entries to “%1”", int(m_moved.size())).arg(folderShown(m_moved));
    }

private:
    FileResult go(bool back)
    {
        const auto from = [back](const QPair<QString, QString> &pair) {
            return back ? pair.second : pair.first;
        };
        const auto to = [back](const QPair<QString, QString> &pair) {
            return back ? pair.first : pair.second;
        };
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            const FileActions::Identity now = FileActions::identityOf(from(m_moved[i]));
            if (!now.valid)
                return FileResult::failure(FileResult::Missing, from(m_moved[i]), ENOENT);
            if (back && !now.sameEntry(m_identities[i]))
                return FileResult::failure(FileResult::Changed, from(m_moved[i]));
            if (FileActions::identityOf(to(m_moved[i])).valid)
                return FileResult::failure(FileResult::Exists, to(m_moved[i]), EEXIST);
        }
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            const FileResult moved = moveEntry(from(m_moved[i]), to(m_moved[i]));
            if (!moved.ok()) {
                for (qsizetype j = 0; j < i; ++j)
                    moveEntry(to(m_moved[j]), from(m_moved[j]));
                return moved;
            }
        }
        m_touched.clear();
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            m_touched.append(to(m_moved[i]));
            if (!back) // a move across volumes gave it a new inode
                m_identities[i] = FileActions::identityOf(m_moved[i].second);
        }
        return {};
    }

    Pairs m_moved;
    QList<FileActions::Identity> m_identities; // where they went, after the move
};

class CopyStep : public FileStep
{
public:
    explicit CopyStep(const Pairs &copied) : m_copied(copied)
    {
        for (const auto &pair : copied)
            m_prints.append(TreeWalk::fingerprint(pair.second));
    }
    // The copies go only if nothing in them changed since they were made.
    FileResult undo() override
    {
        for (qsizetype i = 0; i < m_copied.size(); ++i) {
            const QString &copy = m_copied[i].second;
            if (!FileActions::identityOf(copy).valid)
                return FileResult::failure(FileResult::Missing, copy, ENOENT);
            if (m_prints[i].isEmpty() || TreeWalk::fingerprint(copy) != m_prints[i])
                return FileResult::failure(FileResult::Changed, copy);
        }
        for (const auto &pair : std::as_const(m_copied)) {
            if (const FileResult removed = FileActions::removeTree(pair.second); !removed.ok())
                return removed;
        }
        m_touched.clear();
        for (const auto &pair : std::as_const(m_copied))
            m_touched.append(pair.first);
        return {};
    }
    FileResult redo() override
    {
        const Transfer transfer = FileStep::transfer();
        for (const auto &pair : std::as_const(m_copied)) {
            if (!transfer)
                return FileResult::failure(FileResult::Other, pair.second, ENOTSUP);
            if (FileActions::identityOf(pair.second).valid)
                return FileResult::failure(FileResult::Exists, pair.second, EEXIST);
        }
        m_touched.clear();
        for (qsizetype i = 0; i < m_copied.size(); ++i) {
            if (const FileResult copied = transfer(m_copied[i].first, m_copied[i].second, false);
                !copied.ok())
                return copied;
            m_prints[i] = TreeWalk::fingerprint(m_copied[i].second);
            m_touched.append(m_copied[i].second);
        }
        return {};
    }
    QString text() const override
    {
        if (m_copied.size() == 1)
            return tr("copy “%1” to “%2”")
                .arg(shown(m_copied.first().first), folderShown(m_copied));
        return tr("copy %n entries to “%1”", int(m_copied.size())).arg(folderShown(m_copied));
    }

private:
    Pairs m_copied;
    QList<QByteArray> m_prints;
};

} // namespace

void FileStep::setTransfer(Transfer transfer)
{
    QMutexLocker locker(&transferLock());
    transferHook() = std::move(transfer);
}

FileStep::Transfer FileStep::transfer()
{
    QMutexLocker locker(&transferLock());
    return transferHook();
}

std::shared_ptr<FileStep> FileStep::rename(const QString &from, const QString &to,
                                           const FileActions::Identity &renamed)
{
    return std::make_shared<RenameStep>(from, to, renamed);
}

std::shared_ptr<FileStep> FileStep::newFolder(const QString &path,
                                              const FileActions::Identity &made)
{
    return std::make_shared<NewFolderStep>(path, made);
}

std::shared_ptr<FileStep> FileStep::trash(const Pairs &trashed, bool restoring)
{
    return std::make_shared<TrashStep>(trashed, restoring);
}

std::shared_ptr<FileStep> FileStep::move(const Pairs &moved)
{
    return std::make_shared<MoveStep>(moved);
}

std::shared_ptr<FileStep> FileStep::copy(const Pairs &copied)
{
    return std::make_shared<CopyStep>(copied);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesteps.h"

#include "pathcodec.h"
#include "trash.h"
#include "treewalk.h"

#include <QCoreApplication>
#include <QHash>

#include <cerrno>

namespace {

QString shown(const QString &path)
{
    return PathCodec::shown(FileActions::nameOf(path));
}

// Moves the entry at from to to without replacing anything, by a rename:
// CrossDevice where to lies on another volume.
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
    return FileResult::fromErrno(error, error == EEXIST ? to : from);
}

// What a job made, by the entry it was made from.
QHash<QString, Job::UndoStep> bySource(const QList<Job::UndoStep> &made)
{
    QHash<QString, Job::UndoStep> steps;
    for (const Job::UndoStep &step : made)
        steps.insert(step.from, step);
    return steps;
}

class RenameStep : public FileStep
{
    Q_DECLARE_TR_FUNCTIONS(FileStep)

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
    Q_DECLARE_TR_FUNCTIONS(FileStep)

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
    Q_DECLARE_TR_FUNCTIONS(FileStep)

public:
    TrashStep(const Pairs &trashed, bool restoring) : m_trashed(trashed), m_restoring(restoring) {}
    FileResult undo() override { return m_restoring ? trashAll() : restoreAll(); }
    FileResult redo() override { return m_restoring ? restoreAll() : trashAll(); }
    QString text() const override
    {
        if (m_trashed.size() == 1)
            return (m_restoring ? tr("restore “%1”") : tr("trash “%1”"))
                .arg(shown(m_trashed.first().first));
        return m_restoring ? tr("restore %n entries", nullptr, int(m_trashed.size()))
                           : tr("trash %n entries", nullptr, int(m_trashed.size()));
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
    Q_DECLARE_TR_FUNCTIONS(FileStep)

public:
    explicit MoveStep(const Pairs &moved) : m_moved(moved)
    {
        for (const auto &pair : moved)
            m_identities.append(FileActions::identityOf(pair.second));
    }
    FileResult undo() override { return go(true); }
    FileResult redo() override { return go(false); }
    bool settle(const QList<Job::UndoStep> &made) override
    {
        const QHash<QString, Job::UndoStep> moved = bySource(made);
        QList<qsizetype> left;
        m_touched.clear();
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            if (m_handed.contains(i)) {
                // Gone from where it was, and where the job put it: a name
                // taken meanwhile may have made it "name (2)".
                const auto it = moved.constFind(from(i));
                if (it == moved.cend() || FileActions::identityOf(from(i)).valid) {
                    left.append(i);
                    continue;
                }
                to(i) = it->to;
                if (!m_back)
                    m_identities[i] = FileActions::identityOf(it->to);
            }
            m_touched.append(to(i));
        }
        m_handed.clear();
        m_handover = {};
        if (left.isEmpty())
            return true;
        Pairs pairs;
        QList<FileActions::Identity> identities;
        for (const qsizetype i : std::as_const(left)) {
            pairs.append(m_moved[i]);
            identities.append(m_identities[i]);
        }
        m_moved = pairs;
        m_identities = identities;
        return false;
    }
    QString text() const override
    {
        if (m_moved.size() == 1)
            return tr("move “%1” to “%2”").arg(shown(m_moved.first().first), folderShown(m_moved));
        return tr("move %n entries to “%1”", nullptr, int(m_moved.size()))
            .arg(folderShown(m_moved));
    }

private:
    QString &from(qsizetype i) { return m_back ? m_moved[i].second : m_moved[i].first; }
    QString &to(qsizetype i) { return m_back ? m_moved[i].first : m_moved[i].second; }

    FileResult go(bool back)
    {
        m_back = back;
        m_handed.clear();
        m_handover = {};
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            const FileActions::Identity now = FileActions::identityOf(from(i));
            if (!now.valid)
                return FileResult::failure(FileResult::Missing, from(i), ENOENT);
            if (back && !now.sameEntry(m_identities[i]))
                return FileResult::failure(FileResult::Changed, from(i));
            if (FileActions::identityOf(to(i)).valid)
                return FileResult::failure(FileResult::Exists, to(i), EEXIST);
        }
        // A rename where one reaches; the rest goes to the job engine.
        for (qsizetype i = 0; i < m_moved.size(); ++i) {
            const FileResult moved = moveEntry(from(i), to(i));
            if (moved.error == FileResult::CrossDevice) {
                m_handed.append(i);
                m_handover.pairs.append({from(i), to(i)});
            } else if (!moved.ok()) {
                for (qsizetype j = 0; j < i; ++j) {
                    if (!m_handed.contains(j))
                        moveEntry(to(j), from(j));
                }
                m_handed.clear();
                m_handover = {};
                return moved;
            }
        }
        m_handover.move = true;
        if (!m_handed.isEmpty())
            return {};
        m_touched.clear();
        for (qsizetype i = 0; i < m_moved.size(); ++i)
            m_touched.append(to(i));
        return {};
    }

    Pairs m_moved;
    QList<FileActions::Identity> m_identities; // where they went, after the move
    bool m_back = false;                       // the last go() moved them back
    QList<qsizetype> m_handed;                 // its entries left to the job engine
};

class CopyStep : public FileStep
{
    Q_DECLARE_TR_FUNCTIONS(FileStep)

public:
    explicit CopyStep(const Pairs &copied) : m_copied(copied)
    {
        for (const auto &pair : copied)
            m_prints.append(TreeWalk::fingerprint(pair.second));
    }
    // The copies go only if nothing in them changed since they were made.
    FileResult undo() override
    {
        m_handover = {};
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
    // The copies are made again by the job engine.
    FileResult redo() override
    {
        m_handover = {};
        for (const auto &pair : std::as_const(m_copied)) {
            if (!FileActions::identityOf(pair.first).valid)
                return FileResult::failure(FileResult::Missing, pair.first, ENOENT);
            if (FileActions::identityOf(pair.second).valid)
                return FileResult::failure(FileResult::Exists, pair.second, EEXIST);
        }
        m_handover.pairs = m_copied;
        return {};
    }
    bool settle(const QList<Job::UndoStep> &made) override
    {
        const QHash<QString, Job::UndoStep> copies = bySource(made);
        Pairs left;
        m_touched.clear();
        for (qsizetype i = 0; i < m_copied.size(); ++i) {
            const auto it = copies.constFind(m_copied[i].first);
            if (it == copies.cend() || !FileActions::identityOf(it->to).valid) {
                left.append(m_copied[i]);
                continue;
            }
            m_copied[i].second = it->to;
            // A copy that replaced an entry is never taken back: that would
            // leave neither.
            m_prints[i] = it->replaced ? QByteArray() : TreeWalk::fingerprint(it->to);
            m_touched.append(it->to);
        }
        m_handover = {};
        if (left.isEmpty())
            return true;
        m_copied = left;
        m_prints = QList<QByteArray>(left.size());
        return false;
    }
    QString text() const override
    {
        if (m_copied.size() == 1)
            return tr("copy “%1” to “%2”")
                .arg(shown(m_copied.first().first), folderShown(m_copied));
        return tr("copy %n entries to “%1”", nullptr, int(m_copied.size()))
            .arg(folderShown(m_copied));
    }

private:
    Pairs m_copied;
    QList<QByteArray> m_prints;
};

} // namespace

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

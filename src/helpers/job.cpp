// SPDX-License-Identifier: GPL-3.0-or-later
#include "job.h"

#include "jobshared_p.h"

#include <QCoreApplication>

#include <cerrno>

namespace Job {

Reason reasonOf(int error, bool atSource)
{
    switch (error) {
    case 0:
        return NoReason;
    case EACCES:
    case EPERM:
    case EROFS:
        return NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return atSource ? Other : NameRefused;
    case ENOENT:
    case ESTALE:
    case ENOTDIR:
        return atSource ? SourceGone : DestinationGone;
    case EEXIST:
        return Exists;
    case ELOOP:
        return LinkLoop;
    case ENXIO:
        return Special;
    default:
        return Other;
    }
}

QString describe(Reason reason, const QString &text)
{
    switch (reason) {
    case NoReason:
        break;
    case Exists:
        return QCoreApplication::translate("Job", "an entry of that name is there");
    case NoPermission:
        return QCoreApplication::translate("Job", "no permission");
    case DiskFull:
        return QCoreApplication::translate("Job", "the disk is full");
    case NameRefused:
        return QCoreApplication::translate("Job", "the destination does not accept that name");
    case SourceGone:
        return QCoreApplication::translate("Job", "it no longer exists");
    case SourceChanged:
        return QCoreApplication::translate("Job", "it changed while it was moved");
    case Special:
        return QCoreApplication::translate("Job", "pipes, devices and sockets are not copied");
    case IntoItself:
        return QCoreApplication::translate("Job", "a folder cannot go into itself");
    case OntoItself:
        return QCoreApplication::translate("Job", "it is already there");
    case LinkLoop:
        return QCoreApplication::translate("Job", "the folder contains itself");
    case DestinationGone:
        return QCoreApplication::translate("Job", "the destination folder no longer exists");
    case Other:
        if (!text.isEmpty())
            return text;
        break;
    }
    return QCoreApplication::translate("Job", "an error");
}

QVariantMap Question::toMap() const
{
    QVariantList choices;
    if (type == Conflict) {
        // Keeping both loses nothing, so Enter does that.
        choices << KeepBoth;
        if (canReplace)
            choices << Replace;
        choices << Skip << Cancel;
    } else {
        choices << Skip << Retry << Cancel;
    }
    return {
        {QStringLiteral("type"),
         type == Conflict ? QStringLiteral("conflict") : QStringLiteral("failure")},
        {QStringLiteral("source"), source},
        {QStringLiteral("destination"), destination},
        {QStringLiteral("sourceSize"), double(sourceSize)},
        {QStringLiteral("destinationSize"), double(destinationSize)},
        {QStringLiteral("sourceModified"), double(sourceModified)},
        {QStringLiteral("destinationModified"), double(destinationModified)},
        {QStringLiteral("sourceIsDir"), sourceIsDir},
        {QStringLiteral("destinationIsDir"), destinationIsDir},
        {QStringLiteral("canReplace"), canReplace},
        {QStringLiteral("reason"), int(reason)},
        {QStringLiteral("text"), text},
        {QStringLiteral("reasonText"), type == Failure ? describe(reason, text) : QString()},
        {QStringLiteral("choices"), choices},
    };
}

bool Control::isCancelled() const
{
    return m_shared.cancel.load(std::memory_order_relaxed) ||
           m_shared.over.load(std::memory_order_relaxed);
}

const std::atomic_bool *Control::cancelFlag() const
{
    return &m_shared.cancel;
}

void Control::addToTotal(qint64 bytes, qint64 items)
{
    m_shared.bytesTotal += bytes;
    m_shared.itemsTotal += items;
}

void Control::addDone(qint64 bytes, qint64 items)
{
    m_shared.bytesDone += bytes;
    m_shared.itemsDone += items;
}

void Control::setCurrent(const QString &path)
{
    std::lock_guard lock(m_shared.mutex);
    m_shared.current = path;
}

void Control::setFlushing(bool flushing)
{
    m_shared.flushing = flushing;
}

Choice Control::ask(const Question &question)
{
    if (isCancelled())
        return Cancel;
    if (question.type == Question::Conflict && m_shared.conflictForAll &&
        (*m_shared.conflictForAll != Replace || question.canReplace))
        return *m_shared.conflictForAll;
    if (question.type == Question::Failure) {
        const auto known = m_shared.failureForAll.constFind(int(question.reason));
        if (known != m_shared.failureForAll.constEnd())
            return *known;
    }

    std::unique_lock lock(m_shared.mutex);
    m_shared.question = question;
    m_shared.answer.reset();
    m_shared.answerForAll = false;
    const auto posted = m_shared.questionPosted;
    lock.unlock();
    if (posted)
        posted();
    lock.lock();
    m_shared.answered.wait(lock, [this] { return m_shared.answer || isCancelled(); });
    const Choice choice = isCancelled() ? Cancel : *m_shared.answer;
    const bool forAll = m_shared.answerForAll;
    m_shared.question.reset();
    m_shared.answer.reset();
    lock.unlock();

    if (choice == Cancel) {
        m_shared.cancel = true;
    } else if (forAll && choice != Retry) {
        if (question.type == Question::Conflict)
            m_shared.conflictForAll = choice;
        else
            m_shared.failureForAll.insert(int(question.reason), choice);
    }
    return choice;
}

void Control::skipped(Reason reason, const QString &text)
{
    ++m_shared.summary.skipped;
    m_shared.summary.lastReason = reason;
    m_shared.summary.lastText = text;
}

void Control::refused(Reason reason, const QString &text)
{
    ++m_shared.summary.refused;
    m_shared.summary.lastReason = reason;
    m_shared.summary.lastText = text;
}

void Control::itemDone()
{
    ++m_shared.summary.items;
}

void Control::record(const UndoStep &step)
{
    m_shared.undo.steps.append(step);
}

} // namespace Job

// SPDX-License-Identifier: GPL-3.0-or-later
#include "entryselection.h"

EntrySelection::EntrySelection(QObject *parent) : QObject(parent)
{
    connect(&m_selection, &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_changing)
            Q_EMIT currentChanged();
    });
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_changing)
            Q_EMIT selectionChanged();
    });
}

void EntrySelection::setModel(FolderModel *model)
{
    if (model == m_model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    m_anchor = QPersistentModelIndex();
    m_awaiting = false;
    // Connected before the selection model is given the model, so that a
    // dropped row is seen before the selection model lets it go.
    if (model) {
        connect(model, &FolderModel::aboutToReload, this, &EntrySelection::beginChange);
        connect(model, &FolderModel::reloaded, this, &EntrySelection::endChange);
        connect(model, &FolderModel::loaded, this, &EntrySelection::listed);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this](const QModelIndex &, int first, int last) { noteLeaving(first, last); });
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
                [this] { m_changing = true; });
        // The selection model forgets everything on a reset without a word.
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            m_changing = false;
            m_anchor = QPersistentModelIndex();
            announce();
        });
    }
    m_selection.setModel(model);
    Q_EMIT modelChanged();
    announce();
}

QModelIndex EntrySelection::indexAt(int row) const
{
    return m_model && row >= 0 && row < m_model->rowCount() ? m_model->index(row) : QModelIndex();
}

QString EntrySelection::pathAt(const QModelIndex &index) const
{
    return index.isValid() ? index.data(FolderModel::CompletePathRole).toString() : QString();
}

int EntrySelection::currentRow() const
{
    const QModelIndex current = m_selection.currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EntrySelection::setCurrentRow(int row)
{
    if (m_changing)
        return;
    if (row == currentRow() && (row < 0 || (count() == 1 && isSelected(row))))
        return;
    select(row);
}

QString EntrySelection::currentPath() const
{
    return pathAt(m_selection.currentIndex());
}

int EntrySelection::count() const
{
    return int(m_selection.selectedRows().size());
}

QStringList EntrySelection::selectedPaths() const
{
    QModelIndexList rows = m_selection.selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList paths;
    for (const QModelIndex &index : std::as_const(rows))
        paths << pathAt(index);
    return paths;
}

double EntrySelection::selectedBytes() const
{
    double bytes = 0;
    for (const QModelIndex &index : m_selection.selectedRows()) {
        if (!index.data(FolderModel::IsDirRole).toBool())
            bytes += index.data(FolderModel::SizeRole).toDouble();
    }
    return bytes;
}

QStringList EntrySelection::targets() const
{
    if (m_selection.hasSelection())
        return selectedPaths();
    const QString current = currentPath();
    return current.isEmpty() ? QStringList() : QStringList{current};
}

bool EntrySelection::isSelected(int row) const
{
    const QModelIndex index = indexAt(row);
    return index.isValid() && m_selection.isSelected(index);
}

void EntrySelection::select(int row)
{
    m_awaiting = false;
    const QModelIndex index = indexAt(row);
    if (!index.isValid()) {
        clear();
        return;
    }
    m_anchor = index;
    m_selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void EntrySelection::toggle(int row)
{
    const QModelIndex index = indexAt(row);
    if (!index.isValid())
        return;
    m_awaiting = false;
    m_anchor = index;
    m_selection.setCurrentIndex(index, QItemSelectionModel::Toggle);
}

void EntrySelection::extendTo(int row)
{
    const QModelIndex index = indexAt(row);
    if (!index.isValid())
        return;
    if (!m_anchor.isValid()) {
        select(row);
        return;
    }
    m_awaiting = false;
    const int first = std::min(m_anchor.row(), row);
    const int last = std::max(m_anchor.row(), row);
    m_selection.select(QItemSelection(indexAt(first), indexAt(last)),
                       QItemSelectionModel::ClearAndSelect);
    m_selection.setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void EntrySelection::selectAll()
{
    if (!m_model || m_model->rowCount() == 0)
        return;
    m_selection.select(QItemSelection(indexAt(0), indexAt(m_model->rowCount() - 1)),
                       QItemSelectionModel::Select);
}

void EntrySelection::clear()
{
    m_anchor = QPersistentModelIndex();
    m_selection.clear();
}

void EntrySelection::selectPath(const QString &path)
{
    if (!m_model)
        return;
    if (m_model->isRunning()) {
        m_awaiting = true;
        m_awaitedPath = path;
        return;
    }
    choose(path);
}

void EntrySelection::choose(const QString &path)
{
    const int found = path.isEmpty() || !m_model ? -1 : m_model->indexOfPath(path);
    select(found >= 0 ? found : (m_model && m_model->rowCount() > 0 ? 0 : -1));
}

void EntrySelection::beginChange()
{
    m_changing = true;
    m_rowBefore = currentRow();
    m_currentLeaving.clear();
    m_leaving.clear();
}

void EntrySelection::noteLeaving(int first, int last)
{
    if (!m_changing)
        return;
    const QModelIndex current = m_selection.currentIndex();
    if (current.isValid() && current.row() >= first && current.row() <= last)
        m_currentLeaving = pathAt(current);
    for (const QModelIndex &index : m_selection.selectedRows()) {
        if (index.row() >= first && index.row() <= last)
            m_leaving << pathAt(index);
    }
}

// The rows are in place again. Entries whose rows went at the end are found
// by path; a chosen entry that is gone leaves the keyboard on the row where
// it was.
void EntrySelection::endChange()
{
    m_changing = false;
    if (m_awaiting) {
        choose(m_awaitedPath);
        announce();
        return;
    }
    const int rows = m_model ? m_model->rowCount() : 0;
    for (const QString &path : std::as_const(m_leaving)) {
        const QModelIndex index = indexAt(m_model->indexOfPath(path));
        if (index.isValid())
            m_selection.select(index, QItemSelectionModel::Select);
    }
    QModelIndex current = m_selection.currentIndex();
    if (!m_currentLeaving.isEmpty()) {
        current = indexAt(m_model->indexOfPath(m_currentLeaving));
        if (current.isValid())
            m_selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
    if (!current.isValid() && m_rowBefore >= 0)
        select(rows > 0 ? std::min(m_rowBefore, rows - 1) : -1);
    m_currentLeaving.clear();
    m_leaving.clear();
    announce();
}

void EntrySelection::listed()
{
    const QString path = m_awaiting ? m_awaitedPath : QString();
    choose(path);
    announce();
}

// Once the model is done, whatever moved is told in one go; a view that
// went its own way while the rows moved is set right by this.
void EntrySelection::announce()
{
    Q_EMIT currentChanged();
    Q_EMIT selectionChanged();
}

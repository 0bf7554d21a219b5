// SPDX-License-Identifier: GPL-3.0-or-later
// The entries chosen in a folder's listing and the one the keyboard is on,
// kept in a QItemSelectionModel over the FolderModel: a sort, a filter or a
// change on disk moves the rows, and the selection follows its entries. The
// scene offers one entry at a time today; the calls for more are here.
#pragma once

#include "foldermodel.h"

#include <QItemSelectionModel>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class EntrySelection : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(FolderModel *model READ model WRITE setModel NOTIFY modelChanged)
    // The entry the keyboard is on; -1 for none. Setting it chooses that
    // entry alone, except while the model is moving its rows: a view that
    // follows the move on its own does not decide where the selection goes.
    Q_PROPERTY(int currentRow READ currentRow WRITE setCurrentRow NOTIFY currentChanged)
    Q_PROPERTY(QString currentPath READ currentPath NOTIFY currentChanged)
    Q_PROPERTY(int count READ count NOTIFY selectionChanged)
    // In row order.
    Q_PROPERTY(QStringList selectedPaths READ selectedPaths NOTIFY selectionChanged)
    // What the chosen files hold together; folders add nothing.
    Q_PROPERTY(double selectedBytes READ selectedBytes NOTIFY selectionChanged)
public:
    explicit EntrySelection(QObject *parent = nullptr);

    FolderModel *model() const { return m_model; }
    void setModel(FolderModel *model);
    int currentRow() const;
    void setCurrentRow(int row);
    QString currentPath() const;
    int count() const;
    QStringList selectedPaths() const;
    double selectedBytes() const;
    // What a command acts on: the chosen entries, else the current one.
    Q_INVOKABLE QStringList targets() const;
    QItemSelectionModel *itemSelectionModel() { return &m_selection; }

    Q_INVOKABLE bool isSelected(int row) const;
    // The entry at row alone, and current; -1 clears.
    Q_INVOKABLE void select(int row);
    // The entry at row in or out of the selection, and current.
    Q_INVOKABLE void toggle(int row);
    // Every entry from the last one selected or toggled to row.
    Q_INVOKABLE void extendTo(int row);
    Q_INVOKABLE void selectAll();
    Q_INVOKABLE void clear();
    // The entry at path alone, or the first entry when path is not listed:
    // at once when the folder has been read, else once its rows arrive.
    Q_INVOKABLE void selectPath(const QString &path);

Q_SIGNALS:
    void modelChanged();
    void currentChanged();
    void selectionChanged();

private:
    QModelIndex indexAt(int row) const;
    QString pathAt(const QModelIndex &index) const;
    // The model's rows are there: selects at once.
    void choose(const QString &path);
    void beginChange();
    void noteLeaving(int first, int last);
    void endChange();
    void listed();
    void announce();

    QPointer<FolderModel> m_model;
    QItemSelectionModel m_selection;
    QPersistentModelIndex m_anchor;
    bool m_changing = false;
    int m_rowBefore = -1; // the current row when the model began to move rows
    // Entries whose rows were dropped while the model moved rows: the model
    // drops rows at the end before it moves the others into place.
    QString m_currentLeaving;
    QStringList m_leaving;
    bool m_awaiting = false;
    QString m_awaitedPath;
};

// Desktop stand-in for the handset's grouped list model: a list model whose
// items are maps, one role per map key, optionally kept sorted and grouped.
#pragma once

#include <QAbstractListModel>
#include <QCollator>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace bb::cascades {

class GroupDataModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(
        QStringList sortingKeys READ sortingKeys WRITE setSortingKeys NOTIFY sortingKeysChanged)
    Q_PROPERTY(bool sortedAscending READ isSortedAscending WRITE setSortedAscending NOTIFY
                   sortedAscendingChanged)
    Q_PROPERTY(Grouping grouping READ grouping WRITE setGrouping NOTIFY groupingChanged)
    Q_PROPERTY(int count READ size NOTIFY countChanged)
public:
    enum Grouping { None, ByFirstChar, ByFullValue };
    Q_ENUM(Grouping)

    // The role that carries an item's group header, for a ListView section.
    static constexpr const char *SectionRole = "section";

    explicit GroupDataModel(QObject *parent = nullptr);

    // A sorting key may start with "-" to sort that key against sortedAscending,
    // so that for example folders can come first with names ascending.
    QStringList sortingKeys() const { return m_sortingKeys; }
    void setSortingKeys(const QStringList &keys);
    bool isSortedAscending() const { return m_ascending; }
    void setSortedAscending(bool ascending);
    Grouping grouping() const { return m_grouping; }
    void setGrouping(Grouping grouping);

    Q_INVOKABLE void clear();
    Q_INVOKABLE void insert(const QVariantMap &item);
    Q_INVOKABLE int size() const { return int(m_rows.size()); }
    Q_INVOKABLE bool isEmpty() const { return m_rows.isEmpty(); }
    // indexPath is [row] for a flat model or [group, item] when grouped.
    Q_INVOKABLE QVariant data(const QVariantList &indexPath) const;
    Q_INVOKABLE QVariantList toListOfMaps() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void sortingKeysChanged();
    void sortedAscendingChanged();
    void groupingChanged();
    void countChanged();

private:
    // Items are stored as value rows against one key table for the whole
    // model: far less memory than a map per item, and O(1) role lookup.
    using Row = QList<QVariant>;

    int columnOf(const QString &key);
    QVariantMap toMap(const Row &row) const;
    bool lessThan(const Row &a, const Row &b) const;
    int compareValues(const QVariant &a, const QVariant &b) const;
    QString sectionOf(const Row &row) const;
    void resort();

    QStringList m_keys;
    QHash<QString, int> m_columns;
    QList<Row> m_rows;
    QStringList m_sortingKeys;
    QList<QPair<int, bool>> m_sortColumns; // column, descending
    bool m_ascending = true;
    Grouping m_grouping = None;
    QCollator m_collator;
};

} // namespace bb::cascades

// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's grouped list model: a list model whose
// items are maps, one role per map key, optionally kept sorted and grouped.
#pragma once

#include <QAbstractListModel>
#include <QCollator>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <vector>

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

    // One key's values for many items: one value shared by all of them, or
    // one per item. Strings and flags are kept unboxed, a few bytes per item
    // instead of a variant each.
    class Column
    {
    public:
        Column() = default; // no value for any item
        explicit Column(const QVariant &shared) : m_shared(shared) {}
        explicit Column(QList<QString> strings) : m_kind(Strings), m_strings(std::move(strings)) {}
        explicit Column(QList<bool> flags) : m_kind(Flags), m_flags(std::move(flags)) {}

    private:
        friend class GroupDataModel;
        enum Kind { Shared, Strings, Flags, Variants };

        QVariant at(qsizetype item) const;
        void insert(qsizetype item, const QVariant &value, qsizetype count);
        void append(Column other, qsizetype count, qsizetype added);
        void toVariants(qsizetype count);
        void permute(const std::vector<qsizetype> &order);

        Kind m_kind = Shared;
        QVariant m_shared;
        QList<QString> m_strings;
        QList<bool> m_flags;
        QList<QVariant> m_variants;
    };

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
    // Many items at once, with one notification.
    Q_INVOKABLE void insertList(const QVariantList &items);
    // Many items at once, given column by column: keys[i] names columns[i],
    // each holding count items (or one shared value). No map per item.
    void insertColumns(const QStringList &keys, QList<Column> columns, qsizetype count);
    Q_INVOKABLE int size() const { return int(m_count); }
    Q_INVOKABLE bool isEmpty() const { return m_count == 0; }
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
    // Items are stored column by column against one key table for the whole
    // model: far less memory than a map per item, and O(1) role lookup.
    // A Row holds one item's values of the sorting keys.
    using Row = QList<QVariant>;

    int columnOf(const QString &key);
    QVariant valueAt(int column, qsizetype item) const;
    QVariantMap toMap(qsizetype item) const;
    Row sortRow(qsizetype item) const;
    bool lessThan(const Row &a, const Row &b) const;
    int compareValues(const QVariant &a, const QVariant &b) const;
    QString sectionOf(qsizetype item) const;
    qsizetype placeOf(const QVariantMap &item);
    void put(const QVariantMap &item, qsizetype at);
    void sortItems();
    void resort();

    QStringList m_keys;
    QHash<QString, int> m_columns;
    QList<Column> m_data; // one per key
    qsizetype m_count = 0;
    QStringList m_sortingKeys;
    QList<QPair<int, bool>> m_sortColumns; // column, descending
    bool m_ascending = true;
    Grouping m_grouping = None;
    QCollator m_collator;
};

} // namespace bb::cascades

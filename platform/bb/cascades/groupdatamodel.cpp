// SPDX-License-Identifier: GPL-3.0-or-later
#include "groupdatamodel.h"

#include "nameorder.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <optional>

namespace bb::cascades {

namespace {
constexpr int FirstKeyRole = Qt::UserRole + 1;
constexpr int SectionRoleId = Qt::UserRole;

// Equal and of the same type: a shared value stays shared only for copies of it.
bool sameValue(const QVariant &a, const QVariant &b)
{
    return a.metaType() == b.metaType() && a == b;
}

template <typename T> QList<T> permuted(const QList<T> &values, const std::vector<qsizetype> &order)
{
    QList<T> result;
    result.reserve(values.size());
    for (const qsizetype from : order)
        result.append(values.at(from));
    return result;
}
} // namespace

QVariant GroupDataModel::Column::at(qsizetype item) const
{
    switch (m_kind) {
    case Strings:
        return m_strings.at(item);
    case Flags:
        return m_flags.at(item);
    case Variants:
        return m_variants.at(item);
    case Shared:
        break;
    }
    return m_shared;
}

void GroupDataModel::Column::toVariants(qsizetype count)
{
    if (m_kind == Variants)
        return;
    QList<QVariant> values;
    values.reserve(count);
    for (qsizetype item = 0; item < count; ++item)
        values.append(at(item));
    m_variants = std::move(values);
    m_strings.clear();
    m_flags.clear();
    m_shared.clear();
    m_kind = Variants;
}

// count: the items the column holds before the insertion.
void GroupDataModel::Column::insert(qsizetype item, const QVariant &value, qsizetype count)
{
    if (count == 0) {
        m_kind = value.typeId() == QMetaType::QString ? Strings
                 : value.typeId() == QMetaType::Bool  ? Flags
                                                      : Variants;
        m_strings.clear();
        m_flags.clear();
        m_variants.clear();
        m_shared.clear();
    }
    switch (m_kind) {
    case Shared:
        if (sameValue(value, m_shared))
            return;
        break;
    case Strings:
        if (value.typeId() == QMetaType::QString) {
            m_strings.insert(item, value.toString());
            return;
        }
        break;
    case Flags:
        if (value.typeId() == QMetaType::Bool) {
            m_flags.insert(item, value.toBool());
            return;
        }
        break;
    case Variants:
        break;
    }
    toVariants(count);
    m_variants.insert(item, value);
}

void GroupDataModel::Column::append(Column other, qsizetype count, qsizetype added)
{
    if (added == 0)
        return;
    if (count == 0) {
        *this = std::move(other);
        return;
    }
    if (m_kind == other.m_kind) {
        switch (m_kind) {
        case Shared:
            if (sameValue(m_shared, other.m_shared))
                return;
            break;
        case Strings:
            m_strings.append(std::move(other.m_strings));
            return;
        case Flags:
            m_flags.append(std::move(other.m_flags));
            return;
        case Variants:
            m_variants.append(std::move(other.m_variants));
            return;
        }
    }
    toVariants(count);
    other.toVariants(added);
    m_variants.append(std::move(other.m_variants));
}

void GroupDataModel::Column::permute(const std::vector<qsizetype> &order)
{
    switch (m_kind) {
    case Strings:
        m_strings = permuted(m_strings, order);
        break;
    case Flags:
        m_flags = permuted(m_flags, order);
        break;
    case Variants:
        m_variants = permuted(m_variants, order);
        break;
    case Shared:
        break;
    }
}

GroupDataModel::GroupDataModel(QObject *parent) : QAbstractListModel(parent)
{
    // Names sort as everywhere else in the program.
    m_collator = NameOrder::collator();
}

void GroupDataModel::setSortingKeys(const QStringList &keys)
{
    m_sortingKeys = keys;
    resort();
    Q_EMIT sortingKeysChanged();
}

void GroupDataModel::setSortedAscending(bool ascending)
{
    if (m_ascending == ascending)
        return;
    m_ascending = ascending;
    resort();
    Q_EMIT sortedAscendingChanged();
}

void GroupDataModel::setGrouping(Grouping grouping)
{
    if (m_grouping == grouping)
        return;
    m_grouping = grouping;
    if (m_count > 0)
        Q_EMIT dataChanged(index(0), index(int(m_count) - 1), {SectionRoleId});
    Q_EMIT groupingChanged();
}

void GroupDataModel::clear()
{
    if (m_count == 0)
        return;
    beginResetModel();
    for (Column &column : m_data)
        column = Column();
    m_count = 0;
    endResetModel();
    Q_EMIT countChanged();
}

int GroupDataModel::columnOf(const QString &key)
{
    const auto it = m_columns.constFind(key);
    if (it != m_columns.cend())
        return *it;
    const int column = int(m_keys.size());
    m_keys.append(key);
    m_columns.insert(key, column);
    m_data.append(Column());
    return column;
}

QVariant GroupDataModel::valueAt(int column, qsizetype item) const
{
    return column < m_data.size() ? m_data.at(column).at(item) : QVariant();
}

GroupDataModel::Row GroupDataModel::sortRow(qsizetype item) const
{
    Row row;
    row.reserve(m_sortColumns.size());
    for (const auto &sortColumn : m_sortColumns)
        row.append(valueAt(sortColumn.first, item));
    return row;
}

// Without sorting keys the model keeps insertion order; otherwise a binary
// search finds the place after every equal item.
qsizetype GroupDataModel::placeOf(const QVariantMap &item)
{
    if (m_sortColumns.isEmpty())
        return m_count;
    Row row;
    for (const auto &sortColumn : m_sortColumns)
        row.append(item.value(m_keys.at(sortColumn.first)));
    qsizetype low = 0, high = m_count;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (lessThan(row, sortRow(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void GroupDataModel::put(const QVariantMap &item, qsizetype at)
{
    for (auto it = item.cbegin(); it != item.cend(); ++it)
        columnOf(it.key());
    for (qsizetype column = 0; column < m_keys.size(); ++column) {
        const auto value = item.constFind(m_keys.at(column));
        m_data[column].insert(at, value == item.cend() ? QVariant() : *value, m_count);
    }
    ++m_count;
}

void GroupDataModel::insert(const QVariantMap &item)
{
    for (auto it = item.cbegin(); it != item.cend(); ++it)
        columnOf(it.key());
    const qsizetype at = placeOf(item);
    beginInsertRows(QModelIndex(), int(at), int(at));
    put(item, at);
    endInsertRows();
    Q_EMIT countChanged();
}

void GroupDataModel::insertList(const QVariantList &items)
{
    if (items.isEmpty())
        return;
    QList<QVariantMap> maps;
    maps.reserve(items.size());
    for (const QVariant &item : items) {
        maps.append(item.toMap());
        for (auto it = maps.last().cbegin(); it != maps.last().cend(); ++it)
            columnOf(it.key());
    }
    const bool sorted = !m_sortColumns.isEmpty();
    if (sorted)
        beginResetModel();
    else
        beginInsertRows(QModelIndex(), int(m_count), int(m_count + items.size() - 1));
    for (const QVariantMap &map : std::as_const(maps))
        put(map, placeOf(map));
    if (sorted)
        endResetModel();
    else
        endInsertRows();
    Q_EMIT countChanged();
}

void GroupDataModel::insertColumns(const QStringList &keys, QList<Column> columns, qsizetype count)
{
    if (count <= 0 || keys.size() != columns.size())
        return;
    // New keys are known before the view hears of the new items.
    QList<int> columnOfKey;
    for (const QString &key : keys)
        columnOfKey.append(columnOf(key));
    const bool sorted = !m_sortColumns.isEmpty();
    if (sorted)
        beginResetModel();
    else
        beginInsertRows(QModelIndex(), int(m_count), int(m_count + count - 1));
    QList<bool> given(m_keys.size(), false);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const int column = columnOfKey.at(i);
        given[column] = true;
        m_data[column].append(std::move(columns[i]), m_count, count);
    }
    // Keys the new items lack hold no value for them.
    for (qsizetype column = 0; column < m_keys.size(); ++column) {
        if (!given.value(column))
            m_data[column].append(Column(), m_count, count);
    }
    m_count += count;
    if (sorted) {
        // A stable sort leaves new items after the equal ones already there,
        // where inserting them one by one would put them.
        sortItems();
        endResetModel();
    } else {
        endInsertRows();
    }
    Q_EMIT countChanged();
}

QVariantMap GroupDataModel::toMap(qsizetype item) const
{
    QVariantMap map;
    for (qsizetype column = 0; column < m_keys.size(); ++column) {
        QVariant value = m_data.at(column).at(item);
        if (value.isValid())
            map.insert(m_keys.at(column), std::move(value));
    }
    return map;
}

QVariant GroupDataModel::data(const QVariantList &indexPath) const
{
    if (indexPath.size() == 1) {
        const int row = indexPath.first().toInt();
        return row >= 0 && row < m_count ? QVariant(toMap(row)) : QVariant();
    }
    if (indexPath.size() != 2 || m_grouping == None)
        return QVariant();
    // Groups are the runs of equal section values, in model order.
    const int group = indexPath.at(0).toInt();
    const int item = indexPath.at(1).toInt();
    int currentGroup = -1;
    QString previous;
    for (qsizetype row = 0; row < m_count; ++row) {
        const QString section = sectionOf(row);
        if (row == 0 || section != previous) {
            ++currentGroup;
            previous = section;
        }
        if (currentGroup == group) {
            const qsizetype target = row + item;
            if (item < 0 || target >= m_count || sectionOf(target) != section)
                return QVariant();
            return toMap(target);
        }
    }
    return QVariant();
}

QVariantList GroupDataModel::toListOfMaps() const
{
    QVariantList list;
    list.reserve(m_count);
    for (qsizetype item = 0; item < m_count; ++item)
        list.append(toMap(item));
    return list;
}

int GroupDataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_count);
}

QVariant GroupDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return QVariant();
    if (role == SectionRoleId)
        return sectionOf(index.row());
    const int column = role - FirstKeyRole;
    return column >= 0 ? valueAt(column, index.row()) : QVariant();
}

QHash<int, QByteArray> GroupDataModel::roleNames() const
{
    QHash<int, QByteArray> roles;
    roles.insert(SectionRoleId, SectionRole);
    for (qsizetype column = 0; column < m_keys.size(); ++column)
        roles.insert(FirstKeyRole + int(column), m_keys.at(column).toUtf8());
    return roles;
}

int GroupDataModel::compareValues(const QVariant &a, const QVariant &b) const
{
    if (!a.isValid() || !b.isValid())
        return int(a.isValid()) - int(b.isValid());
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return m_collator.compare(a.toString(), b.toString());
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order == QPartialOrdering::Less)
        return -1;
    if (order == QPartialOrdering::Greater)
        return 1;
    return 0;
}

bool GroupDataModel::lessThan(const Row &a, const Row &b) const
{
    for (qsizetype i = 0; i < m_sortColumns.size(); ++i) {
        const int c = compareValues(a.at(i), b.at(i));
        if (c != 0)
            return m_sortColumns.at(i).second ? c > 0 : c < 0;
    }
    return false;
}

QString GroupDataModel::sectionOf(qsizetype item) const
{
    if (m_grouping == None || m_sortColumns.isEmpty())
        return QString();
    const QString value = valueAt(m_sortColumns.first().first, item).toString();
    if (m_grouping == ByFullValue)
        return value;
    return value.left(1).toUpper();
}

// Orders the items by the sorting keys, keeping equal ones as they are. A
// string column's collation keys are made once per item, not once per
// comparison: that is most of the time of a sort.
void GroupDataModel::sortItems()
{
    if (m_sortColumns.isEmpty() || m_count < 2)
        return;
    struct Key
    {
        const Column *column;
        bool descending;
        std::vector<QCollatorSortKey> collation;
    };
    std::vector<Key> keys;
    for (const auto &[column, descending] : std::as_const(m_sortColumns)) {
        const Column &data = m_data.at(column);
        if (data.m_kind == Column::Shared)
            continue; // equal for every item
        Key key{&data, descending, {}};
        if (data.m_kind == Column::Strings) {
            key.collation.reserve(size_t(m_count));
            for (const QString &value : data.m_strings)
                key.collation.push_back(m_collator.sortKey(value));
        }
        keys.push_back(std::move(key));
    }
    std::vector<qsizetype> order(static_cast<size_t>(m_count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        for (const Key &key : keys) {
            int c;
            if (!key.collation.empty())
                c = key.collation[a].compare(key.collation[b]);
            else if (key.column->m_kind == Column::Flags)
                c = int(key.column->m_flags.at(a)) - int(key.column->m_flags.at(b));
            else
                c = compareValues(key.column->at(a), key.column->at(b));
            if (c != 0)
                return key.descending ? c > 0 : c < 0;
        }
        return false;
    });
    for (Column &column : m_data)
        column.permute(order);
}

void GroupDataModel::resort()
{
    m_sortColumns.clear();
    for (QString key : std::as_const(m_sortingKeys)) {
        bool against = key.startsWith(QLatin1Char('-'));
        if (against)
            key.remove(0, 1);
        const int column = columnOf(key);
        m_sortColumns.append({column, m_ascending == against});
    }
    if (m_sortColumns.isEmpty() || m_count < 2)
        return;
    beginResetModel();
    sortItems();
    endResetModel();
}

} // namespace bb::cascades

#include "groupdatamodel.h"

#include <algorithm>

namespace bb::cascades {

namespace {
constexpr int FirstKeyRole = Qt::UserRole + 1;
constexpr int SectionRoleId = Qt::UserRole;
} // namespace

GroupDataModel::GroupDataModel(QObject *parent) : QAbstractListModel(parent)
{
    // The C locale's collator compares code points and ignores numeric mode,
    // which would put "file10" before "file2"; collate as English instead.
    if (m_collator.locale().language() == QLocale::C)
        m_collator.setLocale(QLocale(QLocale::English));
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true);
    m_collator.setIgnorePunctuation(false);
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
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1), {SectionRoleId});
    Q_EMIT groupingChanged();
}

void GroupDataModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
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
    return column;
}

void GroupDataModel::insert(const QVariantMap &item)
{
    Row row(m_keys.size());
    qsizetype position = 0;
    for (auto it = item.cbegin(); it != item.cend(); ++it, ++position) {
        // Items of one model mostly share their keys, in the map's order.
        const int column = position < m_keys.size() && m_keys.at(position) == it.key()
                               ? int(position)
                               : columnOf(it.key());
        if (column >= row.size())
            row.resize(column + 1);
        row[column] = it.value();
    }
    // Without sorting keys the model keeps insertion order; otherwise a
    // binary search finds the place after every equal item.
    qsizetype at = m_rows.size();
    if (!m_sortColumns.isEmpty()) {
        at = std::upper_bound(m_rows.cbegin(), m_rows.cend(), row,
                              [this](const Row &a, const Row &b) { return lessThan(a, b); }) -
             m_rows.cbegin();
    }
    beginInsertRows(QModelIndex(), int(at), int(at));
    m_rows.insert(at, std::move(row));
    endInsertRows();
    Q_EMIT countChanged();
}

QVariantMap GroupDataModel::toMap(const Row &row) const
{
    QVariantMap map;
    for (qsizetype column = 0; column < row.size(); ++column) {
        if (row.at(column).isValid())
            map.insert(m_keys.at(column), row.at(column));
    }
    return map;
}

QVariant GroupDataModel::data(const QVariantList &indexPath) const
{
    if (indexPath.size() == 1) {
        const int row = indexPath.first().toInt();
        return row >= 0 && row < m_rows.size() ? QVariant(toMap(m_rows.at(row))) : QVariant();
    }
    if (indexPath.size() != 2 || m_grouping == None)
        return QVariant();
    // Groups are the runs of equal section values, in model order.
    const int group = indexPath.at(0).toInt();
    const int item = indexPath.at(1).toInt();
    int currentGroup = -1;
    QString previous;
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        const QString section = sectionOf(m_rows.at(row));
        if (row == 0 || section != previous) {
            ++currentGroup;
            previous = section;
        }
        if (currentGroup == group) {
            const qsizetype target = row + item;
            if (item < 0 || target >= m_rows.size() || sectionOf(m_rows.at(target)) != section)
                return QVariant();
            return toMap(m_rows.at(target));
        }
    }
    return QVariant();
}

QVariantList GroupDataModel::toListOfMaps() const
{
    QVariantList list;
    list.reserve(m_rows.size());
    for (const Row &row : m_rows)
        list.append(toMap(row));
    return list;
}

int GroupDataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant GroupDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    if (role == SectionRoleId)
        return sectionOf(row);
    const int column = role - FirstKeyRole;
    return column >= 0 && column < row.size() ? row.at(column) : QVariant();
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
    for (const auto &[column, descending] : m_sortColumns) {
        const QVariant &va = column < a.size() ? a.at(column) : QVariant();
        const QVariant &vb = column < b.size() ? b.at(column) : QVariant();
        const int c = compareValues(va, vb);
        if (c != 0)
            return descending ? c > 0 : c < 0;
    }
    return false;
}

QString GroupDataModel::sectionOf(const Row &row) const
{
    if (m_grouping == None || m_sortColumns.isEmpty())
        return QString();
    const int column = m_sortColumns.first().first;
    const QString value = column < row.size() ? row.at(column).toString() : QString();
    if (m_grouping == ByFullValue)
        return value;
    return value.left(1).toUpper();
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
    if (m_sortColumns.isEmpty() || m_rows.size() < 2)
        return;
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const Row &a, const Row &b) { return lessThan(a, b); });
    endResetModel();
}

} // namespace bb::cascades

// SPDX-License-Identifier: GPL-3.0-or-later
#include "entryorder.h"

#include <QStringMatcher>

#include <algorithm>
#include <utility>

namespace EntryOrder {

namespace {

qint64 sortValue(const Row &row, Key key, const std::vector<int> &suffixRank)
{
    switch (key) {
    case Size:
        return row.isDir ? qint64(-1) : row.size; // a folder's own size says nothing
    case Date:
        return row.modified;
    case Type:
        return (qint64(row.typeRank) << 32) + suffixRank[size_t(row.suffix)];
    case Name:
    case KeyCount:
        break;
    }
    return 0;
}

} // namespace

std::vector<qint64> valuesOf(const std::vector<Row> &rows, Key key,
                             const std::vector<int> &suffixRank)
{
    std::vector<qint64> values(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        values[i] = sortValue(rows[i], key, suffixRank);
    return values;
}

// Sorts compact (value, place by name) pairs: no string and no entry is
// touched while sorting.
Order orderByValue(const Order &byName, const std::vector<qint64> &values)
{
    const size_t count = byName.size();
    std::vector<std::pair<qint64, int>> pairs(count);
    for (size_t place = 0; place < count; ++place)
        pairs[place] = {values[size_t(byName[place])], int(place)};
    std::sort(pairs.begin(), pairs.end());
    Order order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = byName[size_t(pairs[i].second)];
    return order;
}

// An order asked for before the worker sent it is made here; it costs a sort
// of plain numbers.
const Order &orderOf(Order (&orders)[KeyCount], const std::vector<Row> &rows,
                     const std::vector<int> &suffixRank, Key key)
{
    Order &order = orders[key];
    if (order.size() != rows.size() && key != Name)
        order = orderByValue(orders[Name], valuesOf(rows, key, suffixRank));
    return order;
}

Order arrange(const std::vector<Row> &rows, const Order &order, const Arrangement &arrangement,
              int *unfiltered)
{
    const QString &filter = arrangement.foldedFilter;
    const bool filtered = !filter.isEmpty();
    const QStringMatcher matcher(filter);
    const bool single = filter.size() == 1; // a plain character search is faster
    const bool hiddenLast = arrangement.hiddenLast && arrangement.showHidden;
    Order groups[4];
    const qsizetype size = qsizetype(order.size());
    *unfiltered = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const int entry = order[arrangement.ascending ? i : size - 1 - i];
        const Row &row = rows[entry];
        if (row.isHidden && !arrangement.showHidden)
            continue;
        ++*unfiltered;
        if (filtered &&
            !(single ? row.folded.contains(filter.front()) : matcher.indexIn(row.folded) >= 0))
            continue;
        groups[(hiddenLast && row.isHidden ? 2 : 0) +
               (arrangement.foldersFirst && !row.isDir ? 1 : 0)]
            .push_back(entry);
    }
    Order visible;
    visible.reserve(groups[0].size() + groups[1].size() + groups[2].size() + groups[3].size());
    for (const Order &group : groups)
        visible.insert(visible.end(), group.cbegin(), group.cend());
    return visible;
}

Order narrow(const std::vector<Row> &rows, const Order &visible, const QString &foldedFilter)
{
    const QStringMatcher matcher(foldedFilter);
    Order kept;
    kept.reserve(visible.size());
    for (const int entry : visible) {
        if (matcher.indexIn(rows[entry].folded) >= 0)
            kept.push_back(entry);
    }
    return kept;
}

} // namespace EntryOrder

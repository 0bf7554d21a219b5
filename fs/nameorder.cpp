// SPDX-License-Identifier: GPL-3.0-or-later
#include "nameorder.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace NameOrder {

QCollator collator()
{
    QCollator collator;
    // The C locale's collator compares code points and ignores numeric mode,
    // which would put "file10" before "file2"; names are collated as in
    // English there.
    if (collator.locale().language() == QLocale::C)
        collator.setLocale(QLocale(QLocale::English));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);
    return collator;
}

int compare(const QString &a, const QString &b)
{
    const int order = collator().compare(a, b);
    return order != 0 ? order : a.compare(b);
}

void sort(QStringList &names)
{
    if (names.size() < 2)
        return;
    const QCollator byName = collator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString &name : std::as_const(names))
        keys.push_back(byName.sortKey(name));
    std::vector<qsizetype> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys[size_t(a)].compare(keys[size_t(b)]);
        return c != 0 ? c < 0 : names.at(a) < names.at(b);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype i : order)
        sorted.append(names.at(i));
    names = std::move(sorted);
}

} // namespace NameOrder

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// The entries of a listed folder as the model keeps them, the orders they
// can be shown in, and the person's choices of which show and in which
// groups. A new choice picks from orders made once, so it costs no
// comparison of names at all.
namespace EntryOrder {

// The keys entries are sorted by; ties always go by name.
enum Key { Name, Size, Date, Type, KeyCount };

// One entry as the worker prepares it.
struct Row
{
    QString name;
    QString folded; // the name case-folded, for filter and type-ahead
    QString linkTarget;
    qint64 size = -1;
    qint64 modified = 0;
    int suffix = 0;   // the extension, as an id of the folder's listing
    quint16 mime = 0; // the MIME type, as Classifier numbers them
    int typeRank = 0; // place of the type's words among the folder's, in a person's order
    quint8 kind = 0;  // a FileKind::Kind
    bool isDir = false;
    bool isLink = false;
    bool isBrokenLink = false;
    bool isReadable = false;
    bool isWritable = false;
    bool isHidden = false;
    bool hasUndecodable = false;
    bool nameAltered = false; // shown otherwise than it is (see ShownNames)
};

// Entry numbers, in the ascending order of one key.
using Order = std::vector<int>;

// What the person chose to see.
struct Arrangement
{
    bool ascending = true;
    bool foldersFirst = true;
    bool showHidden = false;
    bool hiddenLast = false;
    QString foldedFilter; // the filter text case-folded; empty for none
};

// The values that order entries by a key other than the name.
std::vector<qint64> valuesOf(const std::vector<Row> &rows, Key key,
                             const std::vector<int> &suffixRank);
// The order by a key from the order by name, ties kept by name.
Order orderByValue(const Order &byName, const std::vector<qint64> &values);
// orders[key], made from orders[Name] when it is missing.
const Order &orderOf(Order (&orders)[KeyCount], const std::vector<Row> &rows,
                     const std::vector<int> &suffixRank, Key key);

// Which entries show, in which order: a walk over the order of the sort key,
// each entry dropped into its group (hidden last, folders first). *unfiltered
// counts the entries the hidden choice lets through, before the filter.
Order arrange(const std::vector<Row> &rows, const Order &order, const Arrangement &arrangement,
              int *unfiltered);
// The entries of visible, in their order, that hold foldedFilter: a filter
// that grew by a keystroke can only drop rows.
Order narrow(const std::vector<Row> &rows, const Order &visible, const QString &foldedFilter);

} // namespace EntryOrder

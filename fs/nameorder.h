// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

// The order in which people expect names: letters as their language sorts
// them, case aside, and numbers by value ("img2" before "img10"). The
// listing, path completion, the pictures of a folder and the platform's list
// model all sort this way.
namespace NameOrder {

// A collator set up for names. A collator is not safe to share between
// threads: each thread makes its own.
QCollator collator();

// Below 0 when a comes first. Names equal to the collator (case apart) are
// still told apart by their code units, so that an order is always the same.
// Makes a collator per call: for a handful of names.
int compare(const QString &a, const QString &b);

// Sorts names in this order, one collation key per name.
void sort(QStringList &names);

} // namespace NameOrder

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entryorder.h"

#include <QHash>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// Reads a folder for the folder model on threads of its own, so that a big
// folder or a mount that stopped answering never holds up the window, and
// prepares everything that costs per entry: the rows, their kinds, the
// collation keys and the orders.
namespace FolderWorker {

struct Result
{
    QString path;
    bool ok = false;
    bool missing = true;  // when not ok: no such folder (or no folder), else unreadable
    quint64 identity = 0; // the folder's device and inode, folded; 0 when unknown
    std::vector<EntryOrder::Row> rows;
    QHash<QString, int> byName;
    EntryOrder::Order orders[EntryOrder::KeyCount]; // ties by name; empty until made
    std::vector<int> suffixRank;                    // Row::suffix -> place among the extensions
};

using Orders = std::array<EntryOrder::Order, EntryOrder::KeyCount>;

// Reads path and prepares its rows, with the order by name and the order by
// inUse. Null when cancelled.
std::shared_ptr<Result> prepare(const QString &path, EntryOrder::Key inUse,
                                const std::atomic_bool &cancel);

// Reads path on a thread of its own: rows() gets the result (failed or
// not), then orders() the orders by the other keys. Nothing is delivered
// once cancel is set. Throws std::system_error when no thread can start.
void start(const QString &path, EntryOrder::Key inUse, std::shared_ptr<std::atomic_bool> cancel,
           std::function<void(std::shared_ptr<Result>)> rows,
           std::function<void(std::shared_ptr<Orders>)> orders);

// Called on the worker before every read, with the folder: lets a test hold
// a read as a mount that stopped answering would.
void setReadHook(std::function<void(const QString &)> hook);

// The device and inode of what path leads to, folded into one number; 0
// when there is nothing there. Tells a folder from another put in its place.
quint64 identityOf(const QString &path);

} // namespace FolderWorker

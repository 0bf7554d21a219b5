// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderworker.h"

#include "classifier.h"
#include "listing.h"
#include "nameorder.h"
#include "pathcodec.h"
#include "shownnames.h"

#include <QCollatorSortKey>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <thread>

using EntryOrder::Row;

namespace FolderWorker {

namespace {

std::mutex hookMutex;
std::function<void(const QString &)> readHook;

// A big folder is shared with a second thread; a small one is not worth one.
constexpr qsizetype WorthASecondThread = 2048;

// One share of the per-entry work, done on its own thread with its own
// collator and caches: rows, kinds, extensions, collation keys, and the share
// sorted by name.
struct Share
{
    qsizetype from = 0;
    qsizetype to = 0;
    std::vector<QCollatorSortKey> keys; // of entries from..to
    QHash<QString, int> suffixIds;      // ".JPG" -> local id
    QStringList suffixes;               // local id -> "jpg"; 0 is none

    const QCollatorSortKey &key(qsizetype entry) const { return keys[size_t(entry - from)]; }

    void run(Listing::Entry *entries, std::vector<Row> &rows, std::vector<int> &order,
             const std::atomic_bool &cancel)
    {
        Classifier classifier;
        const QCollator collator = NameOrder::collator();
        keys.reserve(size_t(to - from));
        suffixes << QString();
        for (qsizetype i = from; i < to; ++i) {
            if ((i & 1023) == 0 && cancel)
                return;
            Listing::Entry &entry = entries[i];
            Row &row = rows[size_t(i)];
            const qsizetype dot = entry.name.lastIndexOf(QLatin1Char('.'));
            if (dot > 0) {
                const QString dotted = entry.name.mid(dot);
                auto it = suffixIds.constFind(dotted);
                if (it == suffixIds.cend()) {
                    it = suffixIds.insert(dotted, int(suffixes.size()));
                    suffixes << dotted.mid(1).toCaseFolded();
                }
                row.suffix = *it;
            }
            const Classifier::Match match = classifier.classify(entry);
            row.kind = match.kind;
            row.mime = match.mime;
            row.name = std::move(entry.name);
            row.folded = row.name.toCaseFolded();
            if (row.folded == row.name)
                row.folded = row.name; // one shared copy
            row.linkTarget = std::move(entry.linkTarget);
            row.size = entry.size;
            row.modified = entry.modified;
            row.isDir = entry.isDir;
            row.isLink = entry.isLink;
            row.isBrokenLink = entry.isBrokenLink;
            row.isReadable = entry.isReadable;
            row.isWritable = entry.isWritable;
            row.isHidden = row.name.startsWith(QLatin1Char('.'));
            row.hasUndecodable = PathCodec::hasUndecodable(row.name);
            row.nameAltered = ShownNames::isAltered(row.name);
            keys.push_back(collator.sortKey(row.name));
        }
        for (qsizetype i = from; i < to; ++i)
            order[size_t(i)] = int(i);
        // Names equal to the collator still get one fixed order.
        std::sort(order.begin() + from, order.begin() + to,
                  [&](int a, int b) { return less(rows, a, b); });
    }

    bool less(const std::vector<Row> &rows, int a, int b) const
    {
        const int c = key(a).compare(key(b));
        return c != 0 ? c < 0 : rows[size_t(a)].name < rows[size_t(b)].name;
    }
};

// One id per extension for the whole folder, ranked in text order.
void rankSuffixes(Share (&shares)[2], std::vector<Row> &rows, std::vector<int> &suffixRank)
{
    QHash<QString, int> suffixIds;
    QStringList distinct;
    std::vector<int> local[2];
    for (int s = 0; s < 2; ++s) {
        for (const QString &suffix : std::as_const(shares[s].suffixes)) {
            auto it = suffixIds.constFind(suffix);
            if (it == suffixIds.cend()) {
                it = suffixIds.insert(suffix, int(distinct.size()));
                distinct << suffix;
            }
            local[s].push_back(*it);
        }
    }
    for (int s = 0; s < 2; ++s)
        for (qsizetype i = shares[s].from; i < shares[s].to; ++i)
            rows[size_t(i)].suffix = local[s][size_t(rows[size_t(i)].suffix)];
    QStringList sorted = distinct;
    sorted.sort();
    suffixRank.resize(size_t(distinct.size()));
    for (qsizetype place = 0; place < sorted.size(); ++place)
        suffixRank[size_t(suffixIds.value(sorted.at(place)))] = int(place);
}

// Sorting by type follows the type's words as the list shows them.
void rankTypes(std::vector<Row> &rows)
{
    QHash<quint16, int> rankOf;
    for (const Row &row : rows)
        rankOf.insert(row.mime, 0);
    QList<std::pair<QString, quint16>> words;
    for (auto it = rankOf.cbegin(); it != rankOf.cend(); ++it)
        words.append({Classifier::mimeType(it.key()).comment(), it.key()});
    const QCollator collator = NameOrder::collator();
    std::sort(words.begin(), words.end(), [&collator](const auto &a, const auto &b) {
        const int c = collator.compare(a.first, b.first);
        return c != 0 ? c < 0 : a.second < b.second;
    });
    for (qsizetype place = 0; place < words.size(); ++place)
        rankOf[words.at(place).second] = int(place);
    for (Row &row : rows)
        row.typeRank = rankOf.value(row.mime);
}

} // namespace

// Everything that costs per entry happens here: the read, the kinds, and the
// collation keys, computed once per name. Only the order by name and the one
// in use are made before the rows go to the screen.
std::shared_ptr<Result> prepare(const QString &path, EntryOrder::Key inUse,
                                const std::atomic_bool &cancel)
{
    auto result = std::make_shared<Result>();
    result->path = path;
    result->identity = identityOf(path);
    QList<Listing::Entry> entries;
    if (!Listing::read(path, Listing::Detail::Full, &entries, &cancel)) {
        if (cancel)
            return nullptr;
        struct stat status;
        const QByteArray encoded = PathCodec::encode(path);
        const int failed = ::stat(encoded.constData(), &status) == 0 ? 0 : errno;
        result->missing =
            failed == ENOENT || failed == ENOTDIR || (failed == 0 && !S_ISDIR(status.st_mode));
        return result;
    }

    const qsizetype count = entries.size();
    auto &rows = result->rows;
    rows.resize(size_t(count));
    std::vector<int> halves(static_cast<size_t>(count));
    Listing::Entry *data = entries.data();

    Share shares[2];
    shares[0].to = count;
    std::thread second;
    if (count >= WorthASecondThread) {
        shares[0].to = shares[1].from = count / 2;
        shares[1].to = count;
        try {
            second = std::thread([&] { shares[1].run(data, rows, halves, cancel); });
        } catch (const std::system_error &) {
            shares[0].to = count;
            shares[1].from = shares[1].to = 0;
        }
    }
    shares[0].run(data, rows, halves, cancel);
    if (second.joinable())
        second.join();
    entries.clear();
    if (cancel)
        return nullptr;
    rankSuffixes(shares, rows, result->suffixRank);
    rankTypes(rows);

    // The two sorted shares merged into the order by name, while the other
    // thread indexes the names.
    EntryOrder::Order &byName = result->orders[EntryOrder::Name];
    auto index = [&] {
        result->byName.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            result->byName.insert(rows[size_t(i)].name, int(i));
    };
    try {
        second = std::thread(index);
    } catch (const std::system_error &) {
        index();
    }
    const auto keyOf = [&](int entry) -> const QCollatorSortKey & {
        return entry < shares[0].to ? shares[0].key(entry) : shares[1].key(entry);
    };
    byName.resize(size_t(count));
    std::merge(halves.begin(), halves.begin() + shares[0].to, halves.begin() + shares[0].to,
               halves.end(), byName.begin(), [&](int a, int b) {
                   const int c = keyOf(a).compare(keyOf(b));
                   return c != 0 ? c < 0 : rows[size_t(a)].name < rows[size_t(b)].name;
               });
    if (second.joinable())
        second.join();
    if (cancel)
        return nullptr;
    if (inUse != EntryOrder::Name)
        result->orders[inUse] =
            EntryOrder::orderByValue(byName, EntryOrder::valuesOf(rows, inUse, result->suffixRank));
    result->ok = true;
    return result;
}

void start(const QString &path, EntryOrder::Key inUse, std::shared_ptr<std::atomic_bool> cancel,
           std::function<void(std::shared_ptr<Result>)> rows,
           std::function<void(std::shared_ptr<Orders>)> orders)
{
    std::thread([path, inUse, cancel, rows = std::move(rows), orders = std::move(orders)] {
        std::function<void(const QString &)> hook;
        {
            std::lock_guard<std::mutex> lock(hookMutex);
            hook = readHook;
        }
        if (hook)
            hook(path);
        if (*cancel)
            return;
        std::shared_ptr<Result> result = prepare(path, inUse, *cancel);
        if (!result || *cancel)
            return;
        if (!result->ok) {
            rows(result);
            return;
        }
        // The other orders follow the rows; what they need is copied
        // first, as the rows leave with the result.
        const EntryOrder::Order byName = result->orders[EntryOrder::Name];
        std::vector<qint64> values[EntryOrder::KeyCount];
        for (const EntryOrder::Key key : {EntryOrder::Size, EntryOrder::Date, EntryOrder::Type})
            if (key != inUse)
                values[key] = EntryOrder::valuesOf(result->rows, key, result->suffixRank);
        rows(result);
        auto made = std::make_shared<Orders>();
        for (const EntryOrder::Key key : {EntryOrder::Size, EntryOrder::Date, EntryOrder::Type}) {
            if (*cancel)
                return;
            if (key != inUse)
                (*made)[key] = EntryOrder::orderByValue(byName, values[key]);
        }
        orders(made);
    }).detach();
}

quint64 identityOf(const QString &path)
{
    struct stat status;
    if (path.contains(QChar(0)) || ::stat(PathCodec::encode(path).constData(), &status) != 0)
        return 0;
    return (quint64(status.st_dev) << 40) ^ quint64(status.st_ino) ^
           (quint64(status.st_mode) << 32);
}

void setReadHook(std::function<void(const QString &)> hook)
{
    std::lock_guard<std::mutex> lock(hookMutex);
    readHook = std::move(hook);
}

} // namespace FolderWorker

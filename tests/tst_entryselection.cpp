// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen entries stay with their entries while a sort, a filter or a
// change on disk moves the rows, and wait for a folder still being read.
#include "entryselection.h"
#include "foldermodel.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestEntrySelection : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    bool write(const QString &name, int size)
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
        // Sizes run against the names, so that sorting by size turns the list round.
        const QStringList names{"apple", "berry", "cherry", "date", "elder", "fig"};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(write(names[i], 60 - 10 * i));
    }

    // Steps: "select N", "toggle N", "extend N" (N a name), "size" (sort by
    // size), "down" (descending), "filter T", "make N", "remove N" (then
    // read again). current and selected are names; their rows are checked too.
    void follows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("sorted by size")
            << QStringList{"select berry", "size"} << "berry" << QStringList{"berry"};
        QTest::newRow("turned round")
            << QStringList{"select apple", "down"} << "apple" << QStringList{"apple"};
        QTest::newRow("the last row, filtered to the first")
            << QStringList{"select fig", "filter fi"} << "fig" << QStringList{"fig"};
        QTest::newRow("filtered away: the row where it was")
            << QStringList{"select elder", "filter pp"} << "apple" << QStringList{"apple"};
        QTest::newRow("a file made above it")
            << QStringList{"select cherry", "make 0"} << "cherry" << QStringList{"cherry"};
        QTest::newRow("deleted: the row where it was")
            << QStringList{"select cherry", "remove cherry"} << "date" << QStringList{"date"};
        // By size the two are rows 3 and 4 of 6; the filter drops rows 2 to 5
        // before it moves the two up.
        QTest::newRow("several, sorted, filtered")
            << QStringList{"select cherry", "toggle berry", "size", "filter rr"} << "berry"
            << QStringList{"cherry", "berry"};
        QTest::newRow("a range, then the other way")
            << QStringList{"select berry", "extend date", "down"} << "date"
            << QStringList{"berry", "cherry", "date"};
    }
    void follows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, current);
        QFETCH(QStringList, selected);
        FolderModel model;
        EntrySelection selection;
        selection.setModel(&model);
        const QString folder = m_dir.path() + "/";
        model.setFolder(m_dir.path());
        // Asked for while the folder is still being read: chosen once it is.
        QVERIFY(model.isRunning());
        selection.selectPath(folder + "elder");
        QTRY_VERIFY(!model.isRunning());
        QCOMPARE(selection.currentPath(), folder + "elder");
        QCOMPARE(selection.currentRow(), 4);

        QSignalSpy reloaded(&model, &FolderModel::reloaded);
        for (const QString &step : std::as_const(steps)) {
            const QString verb = step.section(' ', 0, 0);
            const QString word = step.section(' ', 1);
            const int row = model.indexOfPath(folder + word);
            if (verb == "select")
                selection.select(row);
            else if (verb == "toggle")
                selection.toggle(row);
            else if (verb == "extend")
                selection.extendTo(row);
            else if (verb == "size")
                model.setSortKey(FolderModel::Size);
            else if (verb == "down")
                model.setAscending(false);
            else if (verb == "filter")
                model.setFilterText(word);
            if (verb == "make" || verb == "remove") {
                QVERIFY(verb != "make" || write(word, 1));
                QVERIFY(verb != "remove" || QFile::remove(m_dir.filePath(word)));
                reloaded.clear();
                model.reload();
                QTRY_VERIFY(!reloaded.isEmpty() && !model.isRunning());
            }
        }
        QCOMPARE(selection.currentPath(), folder + current);
        QCOMPARE(selection.currentRow(), model.indexOfPath(folder + current));
        QStringList expected;
        for (const QString &name : std::as_const(selected))
            expected << folder + name;
        QStringList paths = selection.selectedPaths();
        // In row order, whatever the order is.
        QStringList byRow = expected;
        std::sort(byRow.begin(), byRow.end(), [&](const QString &a, const QString &b) {
            return model.indexOfPath(a) < model.indexOfPath(b);
        });
        QCOMPARE(paths, byRow);
        QCOMPARE(selection.count(), int(selected.size()));
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(selection.isSelected(row),
                     expected.contains(model.index(row).data(FolderModel::CompletePathRole)));
    }
};

QTEST_GUILESS_MAIN(TestEntrySelection)
#include "tst_entryselection.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "myapps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <cstdlib>

class TestMyApps : public QObject
{
    Q_OBJECT

    const QString m_start = QDir::currentPath();

private Q_SLOTS:
    void cleanup() { QDir::setCurrent(m_start); }

    // Entries ending in "/" are folders; "listed" is the expected listing order.
    void listing_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("missing folder") << false << QStringList() << QStringList();
        QTest::newRow("empty folder") << true << QStringList() << QStringList();
        QTest::newRow("hidden and folders only")
            << true << QStringList{".hidden.png", "sub/", "sub/x.png", ".dir/"} << QStringList();
        QTest::newRow("one file") << true << QStringList{"a.png"} << QStringList{"a.png"};
        QTest::newRow("blanks") << true << QStringList{"my app.png"} << QStringList{"my app.png"};
        QTest::newRow("ignore-case order, any extension")
            << true << QStringList{"b.png", ".x.png", "D.txt", "dir/", "c", ".d/", "A.png"}
            << QStringList{"A.png", "b.png", "c", "D.txt"};
    }
    void listing()
    {
        QFETCH(bool, folder);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, listed);
        QTemporaryDir root;
        const QString dir = root.path() + QStringLiteral("/app/native/assets/MyApps/");
        QVERIFY(root.isValid() && (!folder || QDir().mkpath(dir)));
        for (const QString &entry : entries)
            QVERIFY(entry.endsWith('/') ? QDir().mkpath(dir + entry)
                                        : QFile(dir + entry).open(QIODevice::WriteOnly));
        QVERIFY(QDir::setCurrent(root.path()));

        const auto secondsLeft = [] { return QTime::currentTime().secsTo(QTime(23, 59, 59, 59)); };
        MyApps apps;
        int checked = 0;
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::srand(seed);
            const int r = std::rand(), next = std::rand();
            std::srand(seed);
            const int s = secondsLeft();
            const QString address = apps.getRandomAppImage();
            const bool sameSecond = secondsLeft() == s;
            // One draw per call, none when there is nothing to pick.
            QCOMPARE(std::rand(), listed.isEmpty() ? r : next);
            if (listed.isEmpty()) {
                QVERIFY2(address.isEmpty() && !address.isNull(), qPrintable(address));
            } else if (sameSecond) {
                QCOMPARE(address, QStringLiteral("asset:///MyApps/") +
                                      listed.at(MyApps::pickIndex(r, s, int(listed.size()))));
                ++checked;
            }
        }
        QVERIFY(listed.isEmpty() || checked > 0);
    }

    void pickIndex_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("index");
        QTest::newRow("plain product") << 7 << 10 << 4 << 2;
        QTest::newRow("draw of zero") << 0 << 5000 << 4 << 0;
        QTest::newRow("end of the day") << 123456 << 0 << 4 << 0;
        QTest::newRow("one name") << 86399 << 5 << 1 << 0;
        QTest::newRow("largest without wrap") << 2147483647 << 1 << 10 << 7;
        QTest::newRow("wraps to positive") << 65536 << 65537 << 5 << 1;
        QTest::newRow("largest draw, longest wait") << 2147483647 << 86399 << 7 << 4;
        QTest::newRow("wraps to negative") << 2147483647 << 2 << 3 << 0;
        QTest::newRow("wraps twice, negative") << 86399 << 86399 << 5 << 0;
        QTest::newRow("no names") << 5 << 5 << 0 << 0;
    }
    void pickIndex()
    {
        QFETCH(int, r);
        QFETCH(int, s);
        QFETCH(int, n);
        QFETCH(int, index);
        QCOMPARE(MyApps::pickIndex(r, s, n), index);
    }
};

QTEST_GUILESS_MAIN(TestMyApps)
#include "tst_myapps.moc"

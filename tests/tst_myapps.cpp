#include "myapps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <cstdlib>

namespace {

const QString prefix = QStringLiteral("asset:///MyApps/");

// Lays out app/native/assets/MyApps under root; entries ending in "/" are
// folders, the others empty files.
bool makeFolder(const QString &root, const QStringList &entries)
{
    QDir dir(root);
    if (!dir.mkpath(QStringLiteral("app/native/assets/MyApps")))
        return false;
    for (const QString &entry : entries) {
        const QString path = root + QStringLiteral("/app/native/assets/MyApps/") + entry;
        if (entry.endsWith(QLatin1Char('/'))) {
            if (!dir.mkpath(path))
                return false;
        } else {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
        }
    }
    return true;
}

int secondsLeft()
{
    return QTime::currentTime().secsTo(QTime(23, 59, 59, 59));
}

} // namespace

class TestMyApps : public QObject
{
    Q_OBJECT

    QString m_start;

private Q_SLOTS:
    void initTestCase() { m_start = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_start); }

    void listing_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("candidates");

        QTest::newRow("missing folder") << false << QStringList() << QStringList();
        QTest::newRow("empty folder") << true << QStringList() << QStringList();
        QTest::newRow("hidden and folders only")
            << true << QStringList{".hidden.png", "sub/", "sub/x.png", ".dir/"} << QStringList();
        QTest::newRow("one file") << true << QStringList{"a.png"} << QStringList{"a.png"};
        QTest::newRow("blanks in the name")
            << true << QStringList{"my app.png", "sub/"} << QStringList{"my app.png"};
        QTest::newRow("any extension")
            << true << QStringList{"notes.txt", "plain"} << QStringList{"notes.txt", "plain"};
        QTest::newRow("mixed") << true
                               << QStringList{"b.png", ".x.png", "A.png", "dir/", "c.png", ".d/"}
                               << QStringList{"A.png", "b.png", "c.png"};
    }

    void listing()
    {
        QFETCH(bool, folder);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, candidates);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        if (folder)
            QVERIFY(makeFolder(root.path(), entries));
        QVERIFY(QDir::setCurrent(root.path()));
        MyApps apps;

        std::srand(11);
        const int first = std::rand();
        const int second = std::rand();
        std::srand(11);
        const QString address = apps.getRandomAppImage();
        if (candidates.isEmpty()) {
            QVERIFY(address.isEmpty());
            QVERIFY(!address.isNull());
            QCOMPARE(std::rand(), first); // nothing drawn
            return;
        }
        QCOMPARE(std::rand(), second); // one draw per call
        QVERIFY2(candidates.contains(address.mid(prefix.size())) && address.startsWith(prefix),
                 qPrintable(address));
        for (int i = 0; i < 30; ++i) {
            const QString next = apps.getRandomAppImage();
            QVERIFY2(next.startsWith(prefix) && candidates.contains(next.mid(prefix.size())),
                     qPrintable(next));
        }
    }

    // The draw and the clock of each call decide the name, in ignore-case order.
    void listingOrder()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(makeFolder(root.path(), {"b.png", "D.png", "c.png", "A.png"}));
        QVERIFY(QDir::setCurrent(root.path()));
        const QStringList order{"A.png", "b.png", "c.png", "D.png"};
        MyApps apps;
        int checked = 0;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            std::srand(seed);
            const int r = std::rand();
            std::srand(seed);
            const int before = secondsLeft();
            const QString address = apps.getRandomAppImage();
            if (secondsLeft() != before)
                continue; // the second turned during the call
            QCOMPARE(address, prefix + order.at(MyApps::pickIndex(r, before, 4)));
            ++checked;
        }
        QVERIFY(checked > 0);
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

#include "designunits.h"

#include <bb/device/HardwareInfo>

#include <QTest>

#include <cmath>
#include <limits>

using bb::device::HardwareInfo;

class TestDesignUnits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { HardwareInfo::clearOverride(); }

    void du_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<double>("units");
        QTest::addColumn<int>("pixels");

        const QString plain = QStringLiteral("STL100-1");
        QTest::newRow("Passport") << "Passport" << plain << 1.5 << 18;
        QTest::newRow("Z10") << "Z10" << plain << 1.5 << 15;
        QTest::newRow("Q10 truncated") << "Q10" << plain << 1.5 << 13;
        QTest::newRow("Q5 truncated") << "Q5" << plain << 2.5 << 22;
        QTest::newRow("Z30") << "Z30" << plain << 1.5 << 12;
        QTest::newRow("Classic") << "Classic" << plain << 1.5 << 12;
        QTest::newRow("Z3 truncated") << "Z3" << plain << 0.7 << 5;
        QTest::newRow("contains P'9983") << "Porsche Design P'9983 Graphite" << plain << 1.0 << 9;
        QTest::newRow("contains P'9982") << "Porsche Design P'9982" << plain << 1.0 << 10;
        QTest::newRow("P'9982 row wins") << "P'9983 P'9982" << plain << 1.0 << 10;
        QTest::newRow("Passport as Q10") << "Passport"
                                         << "SQN100-3" << 1.0 << 9;
        QTest::newRow("SQN100 mid-number") << "Z30"
                                           << "x-SQN100" << 2.0 << 18;
        QTest::newRow("sqn100 lower") << "Passport"
                                      << "sqn100-1" << 1.0 << 12;
        QTest::newRow("classic lower") << "classic" << plain << 1.0 << 10;
        QTest::newRow("Z30 and a blank") << "Z30 " << plain << 1.0 << 10;
        QTest::newRow("Z30 inside a name") << "Z300" << plain << 1.0 << 10;
        QTest::newRow("empty texts") << ""
                                     << "" << 3.0 << 30;
        QTest::newRow("negative toward zero") << "Q10" << plain << -1.5 << -13;
        QTest::newRow("zero") << "Passport" << plain << 0.0 << 0;

        constexpr int top = std::numeric_limits<int>::max();
        constexpr int bottom = std::numeric_limits<int>::min();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("above the range") << ""
                                         << "" << 1e10 << top;
        QTest::newRow("below the range") << ""
                                         << "" << -1e10 << bottom;
        QTest::newRow("a fraction past the top") << ""
                                                 << "" << 214748364.79 << top;
        QTest::newRow("just past the bottom") << ""
                                              << "" << -214748364.89 << bottom;
        QTest::newRow("inside the bottom") << ""
                                           << "" << -214748364.75 << bottom + 1;
        QTest::newRow("infinity") << ""
                                  << "" << inf << top;
        QTest::newRow("minus infinity") << ""
                                        << "" << -inf << bottom;
        QTest::newRow("NaN") << ""
                             << "" << std::nan("") << 0;
    }

    void du()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(double, units);
        QFETCH(int, pixels);
        HardwareInfo::setOverride(name, number);
        DesignUnits designUnits;
        QCOMPARE(designUnits.du(units), pixels);
    }

    // The handset's texts are read at each call, never remembered.
    void asksEveryTime()
    {
        DesignUnits units;
        HardwareInfo::setOverride(QStringLiteral("Passport"), QString());
        QCOMPARE(units.du(1), 12);
        HardwareInfo::setOverride(QStringLiteral("Z30"), QString());
        QCOMPARE(units.du(1), 8);
        HardwareInfo::setOverride(QStringLiteral("Z30"), QStringLiteral("SQN100"));
        QCOMPARE(units.du(1), 9);
    }
};

QTEST_GUILESS_MAIN(TestDesignUnits)
#include "tst_designunits.moc"

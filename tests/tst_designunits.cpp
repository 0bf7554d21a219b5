// SPDX-License-Identifier: GPL-3.0-or-later
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

        constexpr int top = std::numeric_limits<int>::max();
        constexpr int bottom = std::numeric_limits<int>::min();
        const double inf = std::numeric_limits<double>::infinity();
        const auto row = [](const char *tag, const char *name, const char *number, double units,
                            int pixels) {
            QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(number) << units
                               << pixels;
        };
        row("Passport", "Passport", "STL100-1", 1.5, 18);
        row("Z10", "Z10", "", 1.5, 15);
        row("Q10 truncated", "Q10", "", 1.5, 13);
        row("Q5 truncated", "Q5", "", 2.5, 22);
        row("Z30", "Z30", "", 1.5, 12);
        row("Z3 truncated", "Z3", "", 0.7, 5);
        row("Classic", "Classic", "", 1.5, 12);
        row("contains P'9983", "Porsche Design P'9983 Graphite", "", 1, 9);
        row("contains P'9982", "Porsche Design P'9982", "", 1, 10);
        row("P'9982 row first", "P'9983 P'9982", "", 1, 10);
        row("SQN100 makes a Q10", "Passport", "SQN100-3", 1, 9);
        row("SQN100 mid-number", "Z30", "x-SQN100", 2, 18);
        row("sqn100 lower case", "Passport", "sqn100-1", 1, 12);
        row("classic lower case", "classic", "", 1, 10);
        row("Z30 and a blank", "Z30 ", "", 1, 10);
        row("Z30 inside a name", "Z300", "", 1, 10);
        row("empty texts", "", "", 3, 30);
        row("negative toward zero", "Q10", "", -1.5, -13);
        row("zero", "Passport", "", 0, 0);
        row("above the range", "", "", 1e10, top);
        row("below the range", "", "", -1e10, bottom);
        row("a fraction past the top", "", "", 214748364.79, top);
        row("just past the bottom", "", "", -214748364.89, bottom);
        row("inside the bottom", "", "", -214748364.75, bottom + 1);
        row("infinity", "", "", inf, top);
        row("minus infinity", "", "", -inf, bottom);
        row("NaN", "", "", std::nan(""), 0);
    }
    void du()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(double, units);
        QFETCH(int, pixels);
        // The texts are asked anew at each call: an earlier answer must not stick.
        DesignUnits designUnits;
        HardwareInfo::setOverride(QStringLiteral("Passport"), QStringLiteral("SQN100"));
        QCOMPARE(designUnits.du(1), 9);
        HardwareInfo::setOverride(name, number);
        QCOMPARE(designUnits.du(units), pixels);
    }
};

QTEST_GUILESS_MAIN(TestDesignUnits)
#include "tst_designunits.moc"

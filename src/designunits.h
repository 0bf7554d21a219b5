// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace bb::device {
class HardwareInfo;
}

// Converts design units to pixels for the handset model. Published to the
// scene as "_ui".
class DesignUnits : public QObject
{
    Q_OBJECT
public:
    DesignUnits();
    ~DesignUnits() override;

    Q_INVOKABLE int du(const double &units);

    // The product as an int: truncated toward zero, clamped to the int range,
    // 0 for NaN.
    static int toInt(double value);

private:
    bb::device::HardwareInfo *m_hardwareInfo;
};

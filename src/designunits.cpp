// SPDX-License-Identifier: GPL-3.0-or-later
#include "designunits.h"

#include <bb/device/HardwareInfo>

#include <cmath>
#include <limits>

namespace {

double scaleFactor(const QString &model)
{
    if (model == QLatin1String("Passport"))
        return 12;
    if (model == QLatin1String("Z10"))
        return 10;
    if (model.contains(QLatin1String("P'9982")))
        return 10;
    if (model == QLatin1String("Q10"))
        return 9;
    if (model == QLatin1String("Q5"))
        return 9;
    if (model.contains(QLatin1String("P'9983")))
        return 9;
    if (model == QLatin1String("Z30"))
        return 8;
    if (model == QLatin1String("Z3"))
        return 8;
    if (model == QLatin1String("Classic"))
        return 8;
    return 10;
}

} // namespace

DesignUnits::DesignUnits() : QObject(nullptr), m_hardwareInfo(new bb::device::HardwareInfo(nullptr))
{
}

DesignUnits::~DesignUnits()
{
    m_hardwareInfo->deleteLater();
}

int DesignUnits::du(const double &units)
{
    const QString modelName = m_hardwareInfo->modelName();
    const QString modelNumber = m_hardwareInfo->modelNumber();
    const QString model =
        modelNumber.contains(QLatin1String("SQN100")) ? QStringLiteral("Q10") : modelName;
    return toInt(units * scaleFactor(model));
}

int DesignUnits::toInt(double value)
{
    // A plain cast of a NaN or of a value beyond the range is undefined.
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "myapps.h"

#include <QDir>
#include <QTime>

#include <cstdint>
#include <cstdlib>

MyApps::MyApps() : QObject(nullptr)
{
}

QString MyApps::getRandomAppImage()
{
    QDir dir(QDir::currentPath() + QStringLiteral("/app/native/assets/MyApps/"));
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    const QStringList names = dir.entryList();
    if (names.isEmpty())
        return QLatin1String("");

    const int r = std::rand();
    const int s = QTime::currentTime().secsTo(QTime(23, 59, 59, 59));
    return QStringLiteral("asset:///MyApps/") + names.at(pickIndex(r, s, int(names.size())));
}

int MyApps::pickIndex(int r, int s, int n)
{
    if (n < 1)
        return 0;
    // Signed overflow is undefined: multiply unsigned, where wrapping is
    // defined, and read the low 32 bits back as two's complement by hand.
    const std::uint32_t bits = std::uint32_t(r) * std::uint32_t(s);
    const std::int64_t p =
        bits <= 0x7fffffffu ? std::int64_t(bits) : std::int64_t(bits) - (std::int64_t(1) << 32);
    const std::int64_t m = p % n;
    return m >= 0 ? int(m) : 0;
}

#include "myapps.h"

#include <QDir>
#include <QTime>

#include <cstdint>
#include <cstdlib>

MyApps::MyApps() : QObject(nullptr) {}

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
    // Signed overflow is undefined, so multiply unsigned, where wrapping is
    // defined; the conversion back is two's complement on our compilers.
    const auto p = std::int32_t(std::uint32_t(r) * std::uint32_t(s));
    const int m = p % n;
    return m >= 0 ? m : 0;
}

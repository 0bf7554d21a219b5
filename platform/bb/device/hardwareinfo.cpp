// SPDX-License-Identifier: GPL-3.0-or-later
#include "hardwareinfo.h"

#include <QFile>

namespace bb::device {

namespace {

struct Override
{
    bool active = false;
    QString modelName;
    QString modelNumber;
};

Override &overrideTexts()
{
    static Override texts;
    return texts;
}

// The kernel lets every user read these; a machine without DMI has none.
QString readDmi(const char *file)
{
    QFile in(QString::fromLatin1(file));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    // The texts are one short line; cap the read regardless.
    return QString::fromUtf8(in.read(256)).trimmed();
}

} // namespace

QString HardwareInfo::modelName() const
{
    if (overrideTexts().active)
        return overrideTexts().modelName;
    // The firmware's texts do not change while the program runs, and the
    // scene asks for them with every size it converts.
    static const QString modelName = readDmi("/sys/class/dmi/id/product_name");
    return modelName;
}

QString HardwareInfo::modelNumber() const
{
    if (overrideTexts().active)
        return overrideTexts().modelNumber;
    static const QString modelNumber = readDmi("/sys/class/dmi/id/product_version");
    return modelNumber;
}

void HardwareInfo::setOverride(const QString &modelName, const QString &modelNumber)
{
    overrideTexts() = Override{true, modelName, modelNumber};
}

void HardwareInfo::clearOverride()
{
    overrideTexts() = Override();
}

} // namespace bb::device

#include "HardwareInfo"

#include <QFile>

namespace bb::device {

namespace {
QString &nameOverride()
{
    static QString text;
    return text;
}
QString &numberOverride()
{
    static QString text;
    return text;
}
} // namespace

QString HardwareInfo::modelName() const
{
    return read("/sys/class/dmi/id/product_name", nameOverride());
}

QString HardwareInfo::modelNumber() const
{
    return read("/sys/class/dmi/id/product_version", numberOverride());
}

void HardwareInfo::setOverride(const QString &modelName, const QString &modelNumber)
{
    nameOverride() = modelName;
    numberOverride() = modelNumber;
}

QString HardwareInfo::read(const char *file, const QString &override)
{
    if (!override.isNull())
        return override;
    QFile in(QString::fromLatin1(file));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    // The kernel's DMI texts are one short line; cap the read regardless.
    return QString::fromUtf8(in.read(256)).trimmed();
}

} // namespace bb::device

// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's hardware information: the machine's
// model name and number, as its firmware (DMI) reports them.
#pragma once

#include <QObject>
#include <QString>

namespace bb::device {

class HardwareInfo : public QObject
{
    Q_OBJECT
public:
    explicit HardwareInfo(QObject *parent = nullptr) : QObject(parent) {}

    // Trimmed; empty when the machine does not say.
    QString modelName() const;
    QString modelNumber() const;

    // For tests: every object answers with these texts instead of the
    // machine's, until clearOverride().
    static void setOverride(const QString &modelName, const QString &modelNumber);
    static void clearOverride();
};

} // namespace bb::device

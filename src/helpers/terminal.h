// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// Opens the desktop's terminal in a folder: the one Debian's alternatives
// choose (x-terminal-emulator), else the one $TERMINAL names.
class Terminal : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
public:
    explicit Terminal(QObject *parent = nullptr);

    // The program and its arguments; empty when there is none.
    static QStringList command(const QProcessEnvironment &environment);

    // Starts the terminal in folder, on its own (it outlives this program).
    // False, with error() saying why, when there is none or it cannot start.
    Q_INVOKABLE bool openIn(const QString &folder);
    QString error() const { return m_error; }

    void setEnvironmentForTesting(const QProcessEnvironment &environment)
    {
        m_environment = environment;
    }

Q_SIGNALS:
    void errorChanged();

private:
    void setError(const QString &error);

    QProcessEnvironment m_environment;
    QString m_error;
};

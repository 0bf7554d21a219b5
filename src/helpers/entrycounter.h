// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

// Properties of several entries: how many, and how much they hold, counted
// off the UI thread with a running figure. Hard links count once; links
// are never followed, nor volumes mounted inside entered.
class EntryCounter : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(int entries READ entries NOTIFY countedChanged)
    Q_PROPERTY(double files READ files NOTIFY countedChanged)
    Q_PROPERTY(double folders READ folders NOTIFY countedChanged)
    Q_PROPERTY(double bytes READ bytes NOTIFY countedChanged)
    Q_PROPERTY(double diskBytes READ diskBytes NOTIFY countedChanged)
    Q_PROPERTY(int unreadable READ unreadable NOTIFY countedChanged)
public:
    explicit EntryCounter(QObject *parent = nullptr);
    ~EntryCounter() override;

    bool isRunning() const { return bool(m_state); }
    int entries() const { return m_entries; }
    double files() const { return double(m_files); }
    double folders() const { return double(m_folders); }
    double bytes() const { return double(m_bytes); }
    double diskBytes() const { return double(m_diskBytes); }
    // Entries that could not be read (so the totals are at least these).
    int unreadable() const { return m_unreadable; }

    // Counts the entries anew; a count under way is dropped.
    Q_INVOKABLE void count(const QStringList &paths);
    Q_INVOKABLE void cancel();

Q_SIGNALS:
    void runningChanged();
    void countedChanged();

private:
    struct State;
    void poll();

    std::shared_ptr<State> m_state;
    int m_entries = 0;
    qint64 m_files = 0;
    qint64 m_folders = 0;
    qint64 m_bytes = 0;
    qint64 m_diskBytes = 0;
    int m_unreadable = 0;
    QTimer m_poll;
};

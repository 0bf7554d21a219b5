// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

// The figures of the status line: how many entries the folder shows and
// hides, what the selection weighs, and the free space of its volume, read
// off the UI thread (a network volume may not answer) and kept current.
class FolderStatus : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(qint64 bytesFree READ bytesFree NOTIFY spaceChanged)
    Q_PROPERTY(qint64 bytesTotal READ bytesTotal NOTIFY spaceChanged)
    // "12.3 GB free"; empty until known.
    Q_PROPERTY(QString freeText READ freeText NOTIFY spaceChanged)
public:
    explicit FolderStatus(QObject *parent = nullptr);
    ~FolderStatus() override;

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    qint64 bytesFree() const { return m_free; }
    qint64 bytesTotal() const { return m_total; }
    QString freeText() const;

    // "1,204 entries, 3 hidden".
    Q_INVOKABLE static QString countText(int shown, int hidden);
    // "3 selected (1.2 MB)"; empty for none.
    Q_INVOKABLE static QString selectionText(int count, qint64 bytes);
    // Reads the free space again now (after a copy, say).
    Q_INVOKABLE void refresh();
    // How often the free space is read again while a folder is shown.
    void setIntervalForTesting(int milliseconds) { m_timer.setInterval(milliseconds); }

    struct Mailbox;

Q_SIGNALS:
    void folderChanged();
    void spaceChanged();

private:
    void land(const QString &folder, bool ok, qint64 free, qint64 total);

    QString m_folder;
    qint64 m_free = -1;
    qint64 m_total = -1;
    bool m_asking = false; // a read is out; one at a time, however slow the volume
    bool m_askAgain = false;
    QTimer m_timer;
    std::shared_ptr<Mailbox> m_mailbox;
};

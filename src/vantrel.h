// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace bb::cascades {
class GroupDataModel;
}

// The browser service: lists folders for the scene and acts on the files in
// them. Published to the scene as "_vantrel".
class Vantrel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString currentPath READ currentPath WRITE setCurrentPath NOTIFY currentPathChanged)
    Q_PROPERTY(bool isRunning READ isRunning WRITE setIsRunning NOTIFY isRunningChanged)
public:
    Vantrel();

    QString currentPath() const { return m_currentPath; }
    void setCurrentPath(const QString &currentPath);
    bool isRunning() const { return m_isRunning; }
    void setIsRunning(bool isRunning);

    // The caller owns the returned model.
    Q_INVOKABLE bb::cascades::GroupDataModel *getFileInfoList(QString path);
    // The file's text up to its first zero byte, "" for a missing file, or
    // "Can't open file: " and the reason.
    Q_INVOKABLE QString loadFile(QString path);
    // Copies a regular file into the shared documents folder; an existing
    // file there is never replaced.
    Q_INVOKABLE bool copy(QString path);
    Q_INVOKABLE bool checkIfIsImage(QString path);

    // Where copy() puts files, with a trailing "/". Not offered to QML.
    QString documentsFolder() const { return m_documentsFolder; }
    void setDocumentsFolder(const QString &folder);

Q_SIGNALS:
    void currentPathChanged();
    void isRunningChanged();
    void loadFile2(QString);

private:
    QString m_currentPath;
    bool m_isRunning;
    QString m_documentsFolder;
};

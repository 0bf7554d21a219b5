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

Q_SIGNALS:
    void currentPathChanged();
    void isRunningChanged();
    void loadFile2(QString);

private:
    QString m_currentPath;
    bool m_isRunning;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's scene document. "asset:///" addresses
// resolve to app/native/assets/ under the working directory, for the document
// and for every URL the QML inside it uses.
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QQmlComponent;
class QQmlContext;
class QQmlEngine;

namespace bb::cascades {

class QmlDocument : public QObject
{
    Q_OBJECT
public:
    explicit QmlDocument(const QUrl &url, QObject *parent = nullptr);
    ~QmlDocument() override;

    // Reads and compiles the document; errors are written as warnings.
    bool load();
    bool hasErrors() const;
    QUrl source() const { return m_url; }

    void setContextProperty(const QString &name, QObject *object);
    QQmlContext *documentContext() const;

    // The caller owns the returned object; nullptr when creation fails.
    QObject *createRootObject(QQmlContext *context = nullptr);

    // One engine for the whole process, as on the handset.
    static QQmlEngine *defaultDeclarativeEngine();
    static void releaseDefaultDeclarativeEngine();

    // Maps an "asset:///" address to the file under app/native/assets/ of the
    // working directory; an address that leaves that folder maps to an empty
    // URL. Any other URL is returned as it is.
    static QUrl resolveAsset(const QUrl &url);

private:
    QUrl m_url;
    QQmlContext *m_context = nullptr;
    QQmlComponent *m_component = nullptr;
};

} // namespace bb::cascades

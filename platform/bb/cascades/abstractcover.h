// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's cover types (the frame shown while the
// application is minimised). A desktop window shows no cover.
#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace bb::cascades {

class AbstractCover : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("")
public:
    explicit AbstractCover(QObject *parent = nullptr) : QObject(parent) {}
};

class SceneCover : public bb::cascades::AbstractCover
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *content READ content WRITE setContent NOTIFY contentChanged)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit SceneCover(QObject *parent = nullptr) : AbstractCover(parent) {}

    QQuickItem *content() const { return m_content; }
    void setContent(QQuickItem *content)
    {
        if (m_content == content)
            return;
        m_content = content;
        Q_EMIT contentChanged();
    }

Q_SIGNALS:
    void contentChanged();

private:
    QPointer<QQuickItem> m_content;
};

} // namespace bb::cascades

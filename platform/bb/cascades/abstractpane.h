// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's pane types: a pane is a plain Qt Quick
// item that the application's window fills with.
#pragma once

#include <QQuickItem>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace bb::cascades {

class AbstractPane : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("")
    // What the window's title bar names; empty: the application's name alone.
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
public:
    explicit AbstractPane(QQuickItem *parent = nullptr) : QQuickItem(parent) {}

    QString title() const { return m_title; }
    void setTitle(const QString &title)
    {
        if (m_title == title)
            return;
        m_title = title;
        Q_EMIT titleChanged();
    }

Q_SIGNALS:
    void titleChanged();

private:
    QString m_title;
};

class Page : public bb::cascades::AbstractPane
{
    Q_OBJECT
    QML_ELEMENT
public:
    explicit Page(QQuickItem *parent = nullptr) : AbstractPane(parent) {}
};

} // namespace bb::cascades

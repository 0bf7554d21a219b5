// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the tests that start the real shell: a throwaway working
// directory laid out as the program expects, and the started scene.
#pragma once

#include "applicationui.h"
#include "fileactions.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <memory>

// app/native/assets and app/native/qm link to the build's own unless a test
// asks to fill them itself; data/ is empty.
class Sandbox
{
public:
    explicit Sandbox(bool linkAssets = true, bool linkQm = true)
    {
        QDir root(m_dir.path());
        m_valid = m_dir.isValid() && root.mkpath(QStringLiteral("app/native")) &&
                  root.mkpath(QStringLiteral("data")) &&
                  prepare(QStringLiteral("assets"), linkAssets) &&
                  prepare(QStringLiteral("qm"), linkQm);
    }

    // Byte for byte: QTemporaryDir cannot remove names that are not UTF-8.
    ~Sandbox() { FileActions::removeTree(m_dir.path()); }

    bool isValid() const { return m_valid; }
    QString path(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
    }
    bool write(const QString &relative, const QByteArray &content) const
    {
        QFile file(path(relative));
        return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(content) == content.size();
    }

private:
    bool prepare(const QString &folder, bool link)
    {
        const QString target = m_dir.filePath(QStringLiteral("app/native/") + folder);
        return link ? QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/") + folder,
                                  target)
                    : QDir().mkpath(target);
    }

    QTemporaryDir m_dir;
    bool m_valid = false;
};

// The shell started in a sandbox, as main() starts it; stopped, and the
// working directory given back, when this goes.
class RunningScene
{
public:
    explicit RunningScene(const Sandbox &sandbox) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(sandbox.path());
        m_shell = std::make_unique<ApplicationUI>();
        // The keys a test types reach the window as a person's do: the
        // desktop has given it the keyboard.
        if (QQuickWindow *window = bb::cascades::Application::instance()->window()) {
            window->requestActivate();
            if (!QTest::qWaitForWindowActive(window))
                qWarning("The scene's window did not become active");
        }
    }
    ~RunningScene()
    {
        m_shell.reset(); // takes its scene along
        QDir::setCurrent(m_previous);
    }

    ApplicationUI *shell() const { return m_shell.get(); }
    static QQuickItem *scene() { return bb::cascades::Application::instance()->scene(); }
    static QQuickItem *stack()
    {
        return scene() ? scene()->findChild<QQuickItem *>(QStringLiteral("stack")) : nullptr;
    }
    // The view on top, and the browser underneath every view.
    static QQuickItem *current()
    {
        return stack() ? stack()->property("currentItem").value<QQuickItem *>() : nullptr;
    }
    static QQuickItem *browser()
    {
        QQuickItem *item = nullptr;
        if (stack())
            QMetaObject::invokeMethod(stack(), "get", Q_RETURN_ARG(QQuickItem *, item),
                                      Q_ARG(int, 0));
        return item;
    }
    template <class T = QQuickItem> static T *find(const QObject *in, const char *objectName)
    {
        return in ? in->findChild<T *>(QString::fromLatin1(objectName)) : nullptr;
    }

private:
    QString m_previous;
    std::unique_ptr<ApplicationUI> m_shell;
};

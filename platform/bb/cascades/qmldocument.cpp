// SPDX-License-Identifier: GPL-3.0-or-later
#include "qmldocument.h"

#include "application.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTextLayout>
#include <QtQml>

// Made by the build from the types the platform declares for QML.
void qml_register_types_bb_cascades();

namespace bb::cascades {

namespace {

class AssetInterceptor : public QQmlAbstractUrlInterceptor
{
public:
    QUrl intercept(const QUrl &url, DataType) override { return QmlDocument::resolveAsset(url); }
};

// A plain QQmlEngine does not retranslate by itself; the handset's framework
// does, so a newly installed translator shows at once.
class RetranslateFilter : public QObject
{
public:
    explicit RetranslateFilter(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            m_engine->retranslate();
        return false;
    }

private:
    QQmlEngine *m_engine;
};

AssetInterceptor *assetInterceptor()
{
    static AssetInterceptor interceptor;
    return &interceptor;
}

QPointer<QQmlEngine> &engineSlot()
{
    static QPointer<QQmlEngine> engine;
    return engine;
}

void registerPlatformTypes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Registered at once: types a shell registers under the same module
    // name beforehand would otherwise hide the module's own.
    qml_register_types_bb_cascades();
}

// The first text laid out reads the font database and makes the font's
// engine, which on a desktop takes longer than anything else in the first
// frame; the bold face, for headings and what is current, is an engine of
// its own. Done here, both overlap the loader thread reading the scene.
void prepareText()
{
    QFont font = QGuiApplication::font();
    for (const bool bold : {false, true}) {
        font.setBold(bold);
        QTextLayout layout(QStringLiteral("Vantrel"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
    }
}

void warnAll(const QList<QQmlError> &errors)
{
    for (const QQmlError &error : errors)
        qWarning().noquote() << error.toString();
}

} // namespace

QmlDocument::QmlDocument(const QUrl &url, QObject *parent) : QObject(parent), m_url(url)
{
    m_context = new QQmlContext(defaultDeclarativeEngine(), this);
}

QmlDocument::~QmlDocument()
{
    // A scene made from this document must not outlive the context its
    // bindings read from.
    Application *app = Application::instance();
    if (app && app->scene()) {
        const QQmlContext *context = QQmlEngine::contextForObject(app->scene());
        if (context && context->parentContext() == m_context)
            app->setScene(nullptr);
    }
}

QQmlEngine *QmlDocument::defaultDeclarativeEngine()
{
    QPointer<QQmlEngine> &engine = engineSlot();
    if (!engine) {
        registerPlatformTypes();
        engine = new QQmlEngine(QCoreApplication::instance());
        engine->addUrlInterceptor(assetInterceptor());
        // Scenes compiled into the program are modules among its resources.
        engine->addImportPath(QStringLiteral("qrc:/"));
        QCoreApplication::instance()->installEventFilter(new RetranslateFilter(engine));
        QObject::connect(engine, &QQmlEngine::quit, QCoreApplication::instance(),
                         &QCoreApplication::quit, Qt::QueuedConnection);
        QObject::connect(engine, &QQmlEngine::exit, QCoreApplication::instance(),
                         &QCoreApplication::exit, Qt::QueuedConnection);
        QObject::connect(engine, &QQmlEngine::warnings, engine, &warnAll);
        engine->setOutputWarningsToStandardError(false);
    }
    return engine;
}

void QmlDocument::releaseDefaultDeclarativeEngine()
{
    delete engineSlot().data();
}

QUrl QmlDocument::resolveAsset(const QUrl &url)
{
    if (url.scheme() != QLatin1String("asset"))
        return url;
    const QString root =
        QDir::cleanPath(QDir::currentPath() + QStringLiteral("/app/native/assets"));
    const QString path = url.path(QUrl::FullyDecoded);
    const QString file = QDir::cleanPath(root + QLatin1Char('/') + path);
    if (file != root && !file.startsWith(root + QLatin1Char('/')))
        return QUrl();
    QUrl mapped = QUrl::fromLocalFile(file);
    mapped.setQuery(url.query());
    mapped.setFragment(url.fragment());
    return mapped;
}

bool QmlDocument::load()
{
    if (!m_component) {
        m_component = new QQmlComponent(defaultDeclarativeEngine(), this);
        const QUrl file = resolveAsset(m_url);
        if (file.isEmpty()) {
            qWarning().noquote() << m_url.toString() << ": address outside the assets folder";
            return false;
        }
        // Started on the loader thread; the synchronous load below then
        // only waits for what is left of it.
        QQmlComponent early(defaultDeclarativeEngine(), file, QQmlComponent::Asynchronous);
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            prepareText();
        m_component->loadUrl(file);
    }
    warnAll(m_component->errors());
    return m_component->isReady();
}

bool QmlDocument::hasErrors() const
{
    return !m_component || m_component->isError();
}

void QmlDocument::setContextProperty(const QString &name, QObject *object)
{
    m_context->setContextProperty(name, object);
}

QQmlContext *QmlDocument::documentContext() const
{
    return m_context;
}

QObject *QmlDocument::createRootObject(QQmlContext *context)
{
    if (!m_component || !m_component->isReady())
        return nullptr;
    QObject *root = m_component->create(context ? context : m_context);
    if (!root) {
        warnAll(m_component->errors());
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(root, QQmlEngine::CppOwnership);
    return root;
}

} // namespace bb::cascades

// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationui.h"

#include "designunits.h"
#include "imageloader.h"
#include "myapps.h"
#include "settings.h"
#include "thumbnailprovider.h"
#include "vantrel.h"

#include <bb/cascades/AbstractCover>
#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>
#include <bb/cascades/LocaleHandler>
#include <bb/cascades/QmlDocument>

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QtQml>

using namespace bb::cascades;

// The scene's own types (module Vantrel), registered when a document first
// imports them.
void qml_register_types_Vantrel();

ApplicationUI::ApplicationUI()
    : QObject(nullptr), m_designUnits(new DesignUnits()), m_vantrel(new Vantrel()),
      m_myApps(new MyApps()), m_settings(new Settings(this)), m_translator(new QTranslator(this)),
      m_localeHandler(new LocaleHandler(this))
{
    connect(m_localeHandler, &LocaleHandler::systemLanguageChanged, this,
            &ApplicationUI::onSystemLanguageChanged);
    onSystemLanguageChanged();

    // Naming the scene's registration keeps it in a static link.
    void (*volatile keepSceneTypes)() = &qml_register_types_Vantrel;
    Q_UNUSED(keepSceneTypes);

    qmlRegisterType<QTimer>("QTimer", 1, 0, "QTimer");
    qmlRegisterType<SceneCover>("bb.cascades", 1, 0, "SceneCover");
    qmlRegisterUncreatableType<AbstractCover>("bb.cascades", 1, 0, "AbstractCover", QString());

    QmlDocument *qml = new QmlDocument(QUrl(QStringLiteral("asset:///main.qml")));
    qml->setParent(this);
    // Pictures decoded off the UI thread at the size shown.
    QQmlEngine *engine = QmlDocument::defaultDeclarativeEngine();
    if (!engine->imageProvider(QLatin1String(ImageLoader::ProviderId)))
        engine->addImageProvider(QLatin1String(ImageLoader::ProviderId), new ImageProvider);
    if (!engine->imageProvider(QStringLiteral("thumbnail")))
        ThumbnailProvider::install(engine);
    qml->load();

    qml->setContextProperty(QStringLiteral("_app"), this);
    qml->setContextProperty(QStringLiteral("_ui"), m_designUnits);
    qml->setContextProperty(QStringLiteral("_vantrel"), m_vantrel);
    qml->setContextProperty(QStringLiteral("_myApps"), m_myApps);
    qml->setContextProperty(QStringLiteral("_settings"), m_settings);

    QObject *root = qml->createRootObject();
    AbstractPane *pane = qobject_cast<AbstractPane *>(root);
    if (root && !pane)
        delete root;
    Application::instance()->setScene(pane);
}

ApplicationUI::~ApplicationUI()
{
    qDeleteAll(findChildren<QmlDocument *>(Qt::FindDirectChildrenOnly));
    delete m_settings;
    delete m_myApps;
    delete m_vantrel;
    delete m_designUnits;
}

void ApplicationUI::onSystemLanguageChanged()
{
    QCoreApplication::removeTranslator(m_translator);
    const QString localeString = QLocale().name();
    const QString fileName = QStringLiteral("Vantrel_%1").arg(localeString);
    if (m_translator->load(fileName, QStringLiteral("app/native/qm")))
        QCoreApplication::installTranslator(m_translator);
}

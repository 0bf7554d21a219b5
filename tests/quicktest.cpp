// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the Qt Quick tests in tests/qml against the scene's own files, with
// the services published as the shell publishes them, in a throwaway
// working directory that holds a small folder tree.
#include "designunits.h"
#include "imageloader.h"
#include "myapps.h"
#include "settings.h"
#include "vantrel.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>

void qml_register_types_bb_cascades();
void qml_register_types_Vantrel();

class Setup : public QObject
{
    Q_OBJECT

    // The working directory stays in here to the end: the services, which
    // go first, save into it.
    QTemporaryDir m_dir;
    std::unique_ptr<DesignUnits> m_ui;
    std::unique_ptr<Vantrel> m_vantrel;
    std::unique_ptr<MyApps> m_myApps;
    std::unique_ptr<Settings> m_settings;

public Q_SLOTS:
    void applicationAvailable()
    {
        // Naming the registrations keeps them in a static link.
        void (*volatile keep[])() = {&qml_register_types_bb_cascades, &qml_register_types_Vantrel};
        Q_UNUSED(keep);
        // Each listing logs every name.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("data"));
        // alpha's first row is a folder, so that a click that strays into
        // it shows.
        for (const char *folder : {"tree/alpha/deeper", "tree/beta", "tree/Bravo"})
            root.mkpath(QString::fromLatin1(folder));
        for (const char *file :
             {"tree/alpha/a1.txt", "tree/able.txt", "tree/one.txt", "tree/two.txt"}) {
            QFile f(root.filePath(QString::fromLatin1(file)));
            if (f.open(QIODevice::WriteOnly))
                f.write("text\n");
        }
        // A program, which is only run once the person has seen what runs.
        QFile program(root.filePath(QStringLiteral("tree/alpha/deeper/run.sh")));
        if (program.open(QIODevice::WriteOnly))
            program.write("#!/bin/sh\necho ran\n");
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
        QDir::setCurrent(m_dir.path());
        m_ui = std::make_unique<DesignUnits>();
        m_vantrel = std::make_unique<Vantrel>();
        m_myApps = std::make_unique<MyApps>();
        m_settings = std::make_unique<Settings>(nullptr);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImageProvider(QLatin1String(ImageLoader::ProviderId), new ImageProvider);
        // The scene's module is compiled in, as in the program.
        engine->addImportPath(QStringLiteral("qrc:/"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("_ui"), m_ui.get());
        context->setContextProperty(QStringLiteral("_vantrel"), m_vantrel.get());
        context->setContextProperty(QStringLiteral("_myApps"), m_myApps.get());
        context->setContextProperty(QStringLiteral("_settings"), m_settings.get());
        context->setContextProperty(QStringLiteral("testTree"),
                                    m_dir.filePath(QStringLiteral("tree")));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(vantrel_scene, Setup)

#include "quicktest.moc"

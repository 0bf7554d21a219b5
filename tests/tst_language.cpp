// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include "places.h"
#include "scenetools.h"

#include <bb/cascades/LocaleHandler>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QPointer>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

using bb::cascades::LocaleHandler;

namespace {

const QString LocaleService = QStringLiteral("org.freedesktop.locale1");
const QString Shipped = QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/qm/Vantrel_");

// A browser text as the shipped translation gives it: untranslated for no
// language, empty when there is none.
QString text(const QString &language, const char *source)
{
    QTranslator translator;
    if (language.isEmpty())
        return QString::fromLatin1(source);
    return translator.load(Shipped + language) ? translator.translate("Browser", source)
                                               : QString();
}

// A button or menu item of the scene that shows text.
QObject *button(const QString &text)
{
    const QList<QObject *> objects = RunningScene::scene()->findChildren<QObject *>();
    for (QObject *object : objects) {
        if (object->inherits("QQuickAbstractButton") && object->property("text") == text)
            return object;
    }
    return nullptr;
}

// As a platform that follows the system does: the default locale first, then the event.
void switchTo(const QString &locale)
{
    QLocale::setDefault(QLocale(locale));
    QEvent event(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
}

// The system's locale service announces new settings, after signals that
// must not count: from another sender, of another interface or property.
bool announce(const QStringList &settings)
{
    const auto send = [](const char *from, const char *interface, const char *property,
                         const QVariant &value) {
        QDBusConnection bus(QString::fromLatin1(from));
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/locale1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << QString::fromLatin1(interface) << QVariantMap{{property, value}} << QStringList();
        // The round trip makes sure the bus has passed it on before anything sent later.
        return bus.send(signal) && bus.interface()->isServiceRegistered(LocaleService).isValid();
    };
    const QVariant japanese = QStringList{"LANG=ja_JP.UTF-8"};
    return send("other", "org.freedesktop.locale1", "Locale", japanese) &&
           send("owner", "org.freedesktop.hostname1", "Locale", japanese) &&
           send("owner", "org.freedesktop.locale1", "VConsoleKeymap", japanese) &&
           send("owner", "org.freedesktop.locale1", "Locale", settings);
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    Sandbox m_box{true, false};
    QProcess m_bus;
    std::unique_ptr<RunningScene> m_scene;
    LocaleHandler *m_handler = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        // fr_CA has a file of its own, in Spanish, to tell it from French.
        QVERIFY(m_box.isValid());
        for (const auto &[from, to] : {std::pair{"de", "de"}, {"fr", "fr"}, {"es", "fr_CA"}})
            QVERIFY(QFile::copy(Shipped + from + ".qm",
                                m_box.path(QStringLiteral("app/native/qm/Vantrel_") + to + ".qm")));

        // A private bus stands in for the system bus, if the machine can run one.
        m_bus.start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
                    {"--session", "--nofork", "--print-address=1",
                     "--address=unix:path=" + m_box.path(QStringLiteral("bus"))});
        if (m_bus.waitForReadyRead()) {
            const QByteArray address = m_bus.readLine().trimmed();
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
            QVERIFY(QDBusConnection::connectToBus(address, QStringLiteral("owner"))
                        .registerService(LocaleService));
            QDBusConnection::connectToBus(address, QStringLiteral("other"));
        }
        m_scene = std::make_unique<RunningScene>(m_box);
        m_handler = m_scene->shell()->findChild<LocaleHandler *>();
        QVERIFY(RunningScene::scene() && m_handler);
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    // main() gives the process the desktop's language, German.
    void startsInSystemLanguage()
    {
        QCOMPARE(QLocale().name(), QStringLiteral("de_DE"));
        // The menu is made when first opened.
        QQuickWindow *window = bb::cascades::Application::instance()->window();
        QTest::keyClick(window, Qt::Key_F10);
        for (const char *source : {"Back", "Up", "Folders first", "About"}) {
            const QString german = text(QStringLiteral("de"), source);
            QTRY_VERIFY2(!german.isEmpty() && button(german), source);
        }
        QTest::keyClick(window, Qt::Key_Escape);
    }

    // A step is a locale set by the platform's event, or "=" and the settings
    // the system bus announces. "language" names the shipped file whose texts
    // show; empty: no translation installed.
    void followsLanguage_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("language");
        const auto row = [](const char *tag, const QStringList &steps, int changes,
                            const char *language) {
            QTest::newRow(tag) << steps << changes << QString::fromLatin1(language);
        };
        row("country falls back to its language", {"de_AT"}, 1, "de");
        row("country's own file first", {"fr_CA"}, 1, "es");
        row("no match removes the earlier one", {"de_DE", "ja_JP"}, 2, "");
        row("two changes keep the last", {"de_DE", "fr_FR"}, 2, "fr");
        row("same language twice", {"fr_FR", "fr_FR"}, 1, "fr");
        row("no change", {"en_US"}, 0, "");
        row("bus: LANG", {"=LANG=de_DE.UTF-8"}, 1, "de");
        row("bus: LC_MESSAGES first", {"=LANG=de_DE.UTF-8,LC_MESSAGES=fr_CA.UTF-8"}, 1, "es");
        row("bus: nothing set", {"="}, 1, "");
    }
    void followsLanguage()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, changes);
        QFETCH(QString, language);
        switchTo(QStringLiteral("en_US"));
        const QPointer<QObject> up = button(QStringLiteral("Up"));
        const QPointer<QObject> back = button(QStringLiteral("Back"));
        QVERIFY(up && back);
        QSignalSpy spy(m_handler, &LocaleHandler::systemLanguageChanged);
        for (const QString &step : steps) {
            if (!step.startsWith('=')) {
                switchTo(step);
                continue;
            }
            if (m_bus.state() != QProcess::Running)
                QSKIP("dbus-daemon is not available");
            QVERIFY(announce(step.mid(1).split(',', Qt::SkipEmptyParts)));
            QVERIFY(spy.wait());
        }
        QCOMPARE(spy.count(), changes);
        QCOMPARE(up->property("text").toString(), text(language, "Up"));
        QCOMPARE(back->property("text").toString(), text(language, "Back"));
        const QList<QTranslator *> translators = m_scene->shell()->findChildren<QTranslator *>();
        QCOMPARE(translators.size(), 1);
        // Removing tells whether it was installed; then it goes back as it was.
        const bool installed = QCoreApplication::removeTranslator(translators.first());
        if (installed)
            QCoreApplication::installTranslator(translators.first());
        QCOMPARE(installed, !language.isEmpty());
    }

    // Counts take their language's plural form, and the standard places
    // their language's names.
    void words_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("bytes"); // 0, 1, 2 and 1234 bytes
        QTest::addColumn<QStringList>("places");
        QTest::newRow("none set") << "C"
                                  << QStringList{"0 bytes", "1 byte", "2 bytes", "1234 bytes"}
                                  << QStringList{"Home", "Root folder"};
        QTest::newRow("German") << "de_DE"
                                << QStringList{"0 Byte", "1 Byte", "2 Byte", "1.234 Byte"}
                                << QStringList{"Persönlicher Ordner", "Basisordner"};
        QTest::newRow("French") << "fr_FR"
                                << QStringList{"0 octet", "1 octet", "2 octets",
                                               QString::fromUtf8("1\u202F234 octets")}
                                << QStringList{"Dossier personnel", "Dossier racine"};
    }
    void words()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, bytes);
        QFETCH(QStringList, places);
        switchTo(locale);
        SceneTools tools;
        QStringList shown;
        for (double count : {0.0, 1.0, 2.0, 1234.0})
            shown << tools.formatBytes(count);
        QCOMPARE(shown, bytes);
        QCOMPARE(tools.formatSize(1), bytes.at(1));
        // Times to the minute, whatever the locale's short form holds.
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 2, 33));
        for (const QString &shown : {tools.shortTime(when), tools.shortDateTime(when)}) {
            QVERIFY2(shown.contains("14:02") && !shown.contains("33"), qPrintable(shown));
            QVERIFY2(!shown.endsWith(':') && !shown.endsWith('.'), qPrintable(shown));
        }
        Places model;
        QStringList names;
        // The standard folders are looked for on a worker.
        const auto listed = [&] {
            names = placeNames(model);
            return names.contains(places.first()) && names.contains(places.last());
        };
        QTRY_VERIFY2(listed(), qPrintable(names.join(", ")));
        switchTo(QStringLiteral("de_DE"));
    }

    // English ships only its plural forms: one entry is never "1 entries".
    void englishCounts_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("one");
        QTest::newRow("files") << "Files"
                               << "%n files"
                               << "1 file";
        QTest::newRow("undo step") << "FileStep"
                                   << "trash %n entries"
                                   << "trash 1 entry";
    }
    void englishCounts()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, one);
        QTranslator english;
        QVERIFY(english.load(Shipped + "en.qm"));
        const QString shown = english.translate(qPrintable(context), qPrintable(source), nullptr, 1)
                                  .replace(QLatin1String("%n"), QLatin1String("1"));
        QCOMPARE(shown, one);
    }

private:
    static QStringList placeNames(const Places &model)
    {
        QStringList names;
        for (int i = 0; i < model.rowCount(); ++i)
            names << model.data(model.index(i), Places::NameRole).toString();
        return names;
    }
};

int main(int argc, char **argv)
{
    // The session's language as a desktop sets it, read by Qt at start.
    qputenv("LANG", "de_DE.UTF-8");
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    bb::cascades::Application app(argc, argv);
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"

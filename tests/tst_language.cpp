#include "applicationui.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>
#include <bb/cascades/LocaleHandler>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using bb::cascades::Application;
using bb::cascades::LocaleHandler;

namespace {

const QString LocaleService = QStringLiteral("org.freedesktop.locale1");

// Compiles a translation of the context "LanguageTest" into dir/Vantrel_<language>.qm.
bool makeTranslation(const QDir &dir, const QString &language,
                     const QList<QPair<QString, QString>> &messages)
{
    QByteArray ts =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">"
        "<context><name>LanguageTest</name>";
    for (const auto &message : messages) {
        ts += "<message><source>" + message.first.toUtf8() + "</source><translation>" +
              message.second.toUtf8() + "</translation></message>";
    }
    ts += "</context></TS>\n";
    const QString base = dir.filePath(QStringLiteral("Vantrel_") + language);
    QFile file(base + QStringLiteral(".ts"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ts) != ts.size())
        return false;
    file.close();
    const QString lrelease =
        QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    return QProcess::execute(lrelease, {QStringLiteral("-silent"), file.fileName(),
                                        QStringLiteral("-qm"), base + QStringLiteral(".qm")}) == 0;
}

QString translated(const char *source)
{
    return QCoreApplication::translate("LanguageTest", source);
}

// As a platform that follows the system does: the default locale first, then the event.
void switchTo(const QString &locale)
{
    QLocale::setDefault(QLocale(locale));
    QEvent event(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
}

bool sendLocaleChange(QDBusConnection bus, const QString &interface, const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/locale1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    // The round trip makes sure the bus has passed the signal on before anything sent later.
    return bus.send(signal) && bus.interface()->isServiceRegistered(LocaleService).isValid();
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void followsLocaleChange_data();
    void followsLocaleChange();
    void followsSystemBus_data();
    void followsSystemBus();

private:
    QTemporaryDir m_sandbox;
    QString m_previousDir;
    QProcess m_bus;
    std::unique_ptr<ApplicationUI> m_shell;
    LocaleHandler *m_handler = nullptr;
};

void TestLanguage::initTestCase()
{
    QVERIFY(m_sandbox.isValid());
    QDir sandbox(m_sandbox.path());
    QVERIFY(sandbox.mkpath(QStringLiteral("app/native/assets")));
    QVERIFY(sandbox.mkpath(QStringLiteral("app/native/qm")));
    QVERIFY(sandbox.mkpath(QStringLiteral("data")));
    // The text is given once, at creation: it shows which translation the scene was made with.
    QFile main(sandbox.filePath(QStringLiteral("app/native/assets/main.qml")));
    QVERIFY(main.open(QIODevice::WriteOnly));
    main.write("import QtQuick\nimport bb.cascades 1.0\n"
               "Page { Component.onCompleted: objectName = qsTranslate(\"LanguageTest\", "
               "\"Hello\") }\n");
    main.close();
    const QDir qm(sandbox.filePath(QStringLiteral("app/native/qm")));
    QVERIFY(makeTranslation(qm, QStringLiteral("de"),
                            {{"Hello", "Hallo"}, {"Goodbye", QStringLiteral("Tschüss")}}));
    QVERIFY(makeTranslation(qm, QStringLiteral("fr"), {{"Hello", "Bonjour"}}));
    QVERIFY(makeTranslation(qm, QStringLiteral("fr_CA"), {{"Hello", "Salut"}}));

    // A private bus stands in for the system bus, if the machine can run one.
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (!daemon.isEmpty()) {
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                             QStringLiteral("--print-address=1"),
                             QStringLiteral("--address=unix:path=") + sandbox.filePath("bus")});
        if (m_bus.waitForReadyRead()) {
            const QByteArray address = m_bus.readLine().trimmed();
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
            QDBusConnection owner = QDBusConnection::connectToBus(address, QStringLiteral("owner"));
            QVERIFY(owner.registerService(LocaleService));
        } else {
            m_bus.kill();
            m_bus.waitForFinished();
        }
    }

    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(sandbox.path()));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    m_shell = std::make_unique<ApplicationUI>();
    m_handler = m_shell->findChild<LocaleHandler *>();
    QVERIFY(m_handler);
    QVERIFY(Application::instance()->scene());
    QCOMPARE(Application::instance()->scene()->objectName(), QStringLiteral("Hallo"));
}

void TestLanguage::cleanupTestCase()
{
    Application::instance()->setScene(nullptr);
    m_shell.reset();
    QDir::setCurrent(m_previousDir);
    QDBusConnection::disconnectFromBus(QStringLiteral("owner"));
    QDBusConnection::disconnectFromBus(QStringLiteral("other"));
    m_bus.terminate();
    m_bus.waitForFinished();
}

void TestLanguage::followsLocaleChange_data()
{
    QTest::addColumn<QStringList>("locales");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QString>("hello");
    QTest::addColumn<QString>("goodbye");
    QTest::addColumn<bool>("installed");

    QTest::newRow("country falls back to its language")
        << QStringList{"de_AT"} << 1 << "Hallo" << QStringLiteral("Tschüss") << true;
    QTest::newRow("country's own file first") << QStringList{"fr_CA"} << 1 << "Salut"
                                              << "Goodbye" << true;
    QTest::newRow("no match removes the earlier one")
        << QStringList{"de_DE", "ja_JP"} << 2 << "Hello"
        << "Goodbye" << false;
    QTest::newRow("two changes keep the last") << QStringList{"de_DE", "fr_FR"} << 2 << "Bonjour"
                                               << "Goodbye" << true;
    QTest::newRow("same language twice") << QStringList{"fr_FR", "fr_FR"} << 1 << "Bonjour"
                                         << "Goodbye" << true;
    QTest::newRow("no change") << QStringList{"en_US"} << 0 << "Hello"
                               << "Goodbye" << false;
}

void TestLanguage::followsLocaleChange()
{
    QFETCH(QStringList, locales);
    QFETCH(int, changes);
    QFETCH(QString, hello);
    QFETCH(QString, goodbye);
    QFETCH(bool, installed);

    switchTo(QStringLiteral("en_US"));
    QCOMPARE(translated("Hello"), QStringLiteral("Hello"));
    QSignalSpy spy(m_handler, &LocaleHandler::systemLanguageChanged);
    for (const QString &locale : locales)
        switchTo(locale);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(translated("Hello"), hello);
    QCOMPARE(translated("Goodbye"), goodbye);
    const QList<QTranslator *> translators = m_shell->findChildren<QTranslator *>();
    QCOMPARE(translators.size(), 1);
    // Removing tells whether it was installed; then it goes back as it was.
    const bool wasInstalled = QCoreApplication::removeTranslator(translators.first());
    if (wasInstalled)
        QCoreApplication::installTranslator(translators.first());
    QCOMPARE(wasInstalled, installed);
}

void TestLanguage::followsSystemBus_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("hello");
    // A signal that must not count, sent before the one that does.
    QTest::addColumn<QString>("noiseFrom");
    QTest::addColumn<QString>("noiseInterface");
    QTest::addColumn<QString>("noiseProperty");

    const QStringList german{"LANG=de_DE.UTF-8"};
    QTest::newRow("LANG") << german << "de_DE"
                          << "Hallo"
                          << ""
                          << ""
                          << "";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_CA.UTF-8"} << "fr_CA"
        << "Salut"
        << ""
        << ""
        << "";
    QTest::newRow("nothing set") << QStringList() << "C"
                                 << "Hello"
                                 << ""
                                 << ""
                                 << "";
    QTest::newRow("not the locale service") << german << "de_DE"
                                            << "Hallo"
                                            << "other" << LocaleService << "Locale";
    QTest::newRow("other interface") << german << "de_DE"
                                     << "Hallo"
                                     << "owner"
                                     << "org.freedesktop.hostname1"
                                     << "Locale";
    QTest::newRow("other property") << german << "de_DE"
                                    << "Hallo"
                                    << "owner" << LocaleService << "VConsoleKeymap";
}

void TestLanguage::followsSystemBus()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, language);
    QFETCH(QString, hello);
    QFETCH(QString, noiseFrom);
    QFETCH(QString, noiseInterface);
    QFETCH(QString, noiseProperty);
    if (m_bus.state() != QProcess::Running)
        QSKIP("dbus-daemon is not available");

    switchTo(QStringLiteral("en_US"));
    QSignalSpy spy(m_handler, &LocaleHandler::systemLanguageChanged);
    if (!noiseFrom.isEmpty()) {
        QDBusConnection noise = QDBusConnection::connectToBus(
            QString::fromLocal8Bit(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")), noiseFrom);
        QVERIFY(sendLocaleChange(noise, noiseInterface,
                                 {{noiseProperty, QStringList{"LANG=ja_JP.UTF-8"}}}));
    }
    QVERIFY(sendLocaleChange(QDBusConnection(QStringLiteral("owner")), LocaleService,
                             {{QStringLiteral("Locale"), settings}}));
    QVERIFY(spy.wait());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(QLocale().name(), language);
    QCOMPARE(translated("Hello"), hello);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"

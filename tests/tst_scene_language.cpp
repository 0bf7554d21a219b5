#include "applicationui.h"

#include <bb/cascades/AbstractPane>
#include <bb/cascades/Application>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using bb::cascades::Application;

namespace {

const QString GermanQm = QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/qm/Vantrel_de.qm");

// A Dutch translation of two browser texts, which the application does not ship.
bool makeDutch(const QDir &dir)
{
    const QByteArray ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                          "<TS version=\"2.1\" language=\"nl\"><context><name>Browser</name>"
                          "<message><source>Up</source><translation>Omhoog</translation></message>"
                          "<message><source>Back</source><translation>Terug</translation></message>"
                          "</context></TS>\n";
    QFile file(dir.filePath(QStringLiteral("Vantrel_nl.ts")));
    if (!file.open(QIODevice::WriteOnly) || file.write(ts) != ts.size())
        return false;
    file.close();
    const QString lrelease =
        QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    return QProcess::execute(lrelease,
                             {QStringLiteral("-silent"), file.fileName(), QStringLiteral("-qm"),
                              dir.filePath(QStringLiteral("Vantrel_nl.qm"))}) == 0;
}

void switchTo(const QString &locale)
{
    QLocale::setDefault(QLocale(locale));
    QEvent event(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
}

// A button or menu item of the scene that shows text.
QObject *button(const QString &text)
{
    const QList<QObject *> objects = Application::instance()->scene()->findChildren<QObject *>();
    for (QObject *object : objects) {
        if (object->inherits("QQuickAbstractButton") && object->property("text") == text)
            return object;
    }
    return nullptr;
}

} // namespace

class TestSceneLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void startsInSystemLanguage();
    void retranslates_data();
    void retranslates();

private:
    QTemporaryDir m_sandbox;
    QString m_previousDir;
    std::unique_ptr<ApplicationUI> m_shell;
};

void TestSceneLanguage::initTestCase()
{
    QVERIFY(m_sandbox.isValid());
    QDir sandbox(m_sandbox.path());
    QVERIFY(sandbox.mkpath(QStringLiteral("app/native/qm")));
    QVERIFY(sandbox.mkpath(QStringLiteral("data")));
    QVERIFY(QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/assets"),
                        sandbox.filePath(QStringLiteral("app/native/assets"))));
    const QDir qm(sandbox.filePath(QStringLiteral("app/native/qm")));
    QVERIFY(makeDutch(qm));
    if (QFile::exists(GermanQm))
        QVERIFY(QFile::copy(GermanQm, qm.filePath(QStringLiteral("Vantrel_de.qm"))));

    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(sandbox.path()));
    m_shell = std::make_unique<ApplicationUI>();
    QVERIFY(Application::instance()->scene());
}

void TestSceneLanguage::cleanupTestCase()
{
    Application::instance()->setScene(nullptr);
    m_shell.reset();
    QDir::setCurrent(m_previousDir);
}

void TestSceneLanguage::startsInSystemLanguage()
{
    QCOMPARE(QLocale().name(), QStringLiteral("de_DE"));
    if (!QFile::exists(GermanQm))
        QSKIP("The German translation has not been built");
    QTranslator german;
    QVERIFY(german.load(GermanQm));
    for (const char *source : {"Back", "Up", "Folders first", "About"}) {
        const QString text = german.translate("Browser", source);
        QVERIFY2(!text.isEmpty(), source);
        QVERIFY2(button(text), qPrintable(text));
    }
}

void TestSceneLanguage::retranslates_data()
{
    QTest::addColumn<QStringList>("locales");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("back");

    QTest::newRow("language") << QStringList{"nl_NL"} << "Omhoog"
                              << "Terug";
    QTest::newRow("a country's language") << QStringList{"nl_BE"} << "Omhoog"
                                          << "Terug";
    QTest::newRow("back to no translation") << QStringList{"nl_NL", "en_GB"} << "Up"
                                            << "Back";
}

void TestSceneLanguage::retranslates()
{
    QFETCH(QStringList, locales);
    QFETCH(QString, up);
    QFETCH(QString, back);

    switchTo(QStringLiteral("en_US"));
    const QPointer<QObject> upButton = button(QStringLiteral("Up"));
    const QPointer<QObject> backButton = button(QStringLiteral("Back"));
    QVERIFY(upButton && backButton);
    for (const QString &locale : locales)
        switchTo(locale);
    QCOMPARE(upButton->property("text").toString(), up);
    QCOMPARE(backButton->property("text").toString(), back);
}

int main(int argc, char **argv)
{
    // The session's language, as a desktop sets it, read by Qt when the application starts.
    qputenv("LANG", "de_DE.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qunsetenv("LANGUAGE");
    Application app(argc, argv);
    TestSceneLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_language.moc"

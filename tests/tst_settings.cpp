#include "scenefixture.h"
#include "settings.h"

#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString path = QStringLiteral("data/settings.json");
QStringList debugLines;
QtMessageHandler defaultHandler = nullptr;

void captureDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && message.startsWith(QLatin1String("Settings::")))
        debugLines << message;
    else
        defaultHandler(type, context, message);
}

QByteArray contents()
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject inFile()
{
    return QJsonDocument::fromJson(contents()).object();
}

// A store as the scene sees it, fresh from the file.
QString runScript(const QString &script)
{
    QJSEngine engine; // outlives the store, which keeps the script's value
    Settings settings(nullptr);
    QJSEngine::setObjectOwnership(&settings, QJSEngine::CppOwnership);
    engine.globalObject().setProperty("_settings", engine.newQObject(&settings));
    const QJSValue result =
        engine.evaluate("const show = v => typeof v + JSON.stringify(v); " + script);
    return result.isError() ? "error: " + result.toString() : result.toString();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    const QString m_start = QDir::currentPath();
    std::unique_ptr<Sandbox> m_box;

private Q_SLOTS:
    void initTestCase()
    {
        defaultHandler = qInstallMessageHandler(captureDebug);
        std::signal(SIGXFSZ, SIG_IGN); // a capped write fails instead
    }
    void init()
    {
        m_box = std::make_unique<Sandbox>(false, false);
        QVERIFY(m_box->isValid() && QDir::setCurrent(m_box->path()));
        debugLines.clear();
    }
    void cleanup()
    {
        QDir::setCurrent(m_start);
        m_box.reset();
    }

    void metaInterface()
    {
        const QMetaObject &meta = Settings::staticMetaObject;
        QCOMPARE(meta.className(), "Settings");
        QCOMPARE(meta.propertyCount(), meta.propertyOffset());
        QStringList methods;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            QCOMPARE(method.methodType(), QMetaMethod::Method);
            methods << method.methodSignature() + ' ' + method.parameterNames().join(',');
        }
        QCOMPARE(
            methods,
            QStringList({"allKeys() ", "contains(QString) key", "clear() ", "fileName() ",
                         "remove(QString) key", "setValue(QString,QVariant) key,value", "sync() ",
                         "value(QString,QVariant) key,defaultValue", "value(QString) key"}));
    }

    // A file that is there is left alone until the first write replaces it whole.
    void startUp_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("first start") << QByteArray();
        QTest::newRow("array") << QByteArray("[1, 2]");
        QTest::newRow("corrupt") << QByteArray(R"({"a": 1, "b": [tr)");
    }
    void startUp()
    {
        QFETCH(QByteArray, content);
        QVERIFY(content.isEmpty() || m_box->write(path, content));
        Settings settings(nullptr);
        QCOMPARE(settings.allKeys(), QStringList());
        if (content.isEmpty())
            QCOMPARE(QJsonDocument::fromJson(contents()), QJsonDocument(QJsonObject()));
        else
            QCOMPARE(contents(), content);
        settings.setValue(QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(inFile(), QJsonObject({{"k", "v"}}));
    }

    // As the scene calls it. Blank keys read as nothing, whatever is stored;
    // the others are not trimmed.
    void value_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("line");
        const QString two = "number2", fallback = R"(string"d")", none = "undefinedundefined";
        const QString said = R"(Settings::value -> "x" : QVariant(int, 2))";
        QTest::newRow("absent") << "value('y')" << none << QString();
        QTest::newRow("absent, default") << "value('y', 'd')" << fallback << QString();
        QTest::newRow("present") << "value('x', 'd')" << two << said;
        QTest::newRow("present, one argument") << "value('x')" << two << said;
        QTest::newRow("stored invalid")
            << "value('i', 'd')" << none << R"(Settings::value -> "i" : QVariant(Invalid))";
        QTest::newRow("leading space") << "value(' x', 'd')" << fallback << QString();
        QTest::newRow("empty key") << "value('', 'd')" << none << QString();
        QTest::newRow("spaces") << "value('   ', 'd')" << none << QString();
        QTest::newRow("tab, newline") << "value('\\t\\n')" << none << QString();
    }
    void value()
    {
        QFETCH(QString, call);
        QFETCH(QString, shown);
        QFETCH(QString, line);
        QCOMPARE(runScript("for (const k of ['x', '', '   ', '\\t\\n']) _settings.setValue(k, 2); "
                           "_settings.setValue('i', undefined); show(_settings." +
                           call + ")"),
                 shown);
        QCOMPARE(debugLines.filter(QRegularExpression("^Settings::value ")),
                 line.isEmpty() ? QStringList() : QStringList(line));
    }

    // The file follows setValue, clear and the destructor; remove alone does
    // not reach it, so a sync brings the key back.
    void writes()
    {
        auto settings = std::make_unique<Settings>(nullptr);
        for (const char *key : {"b", "B", "a", " ", ""})
            settings->setValue(QString::fromLatin1(key), QStringLiteral("v"));
        settings->setValue(QStringLiteral("a"), QStringLiteral("w"));
        QCOMPARE(settings->allKeys(), QStringList({"", " ", "B", "a", "b"}));
        QCOMPARE(inFile().keys(), settings->allKeys());
        QCOMPARE(inFile().value("a"), QJsonValue("w"));
        QCOMPARE(debugLines.mid(2),
                 QStringList({R"(Settings::setValue -> "a" : QVariant(QString, "v"))",
                              R"(Settings::setValue -> " " : QVariant(QString, "v"))",
                              R"(Settings::setValue -> "" : QVariant(QString, "v"))",
                              R"(Settings::setValue -> "a" : QVariant(QString, "w"))"}));

        QCOMPARE(settings->remove(QStringLiteral("z")), 0);
        QCOMPARE(settings->remove(QString()), 1);
        QCOMPARE(settings->remove(QStringLiteral("a")), 1);
        QVERIFY(settings->contains(QStringLiteral(" ")) &&
                !settings->contains(QStringLiteral("a")));
        QCOMPARE(inFile().keys(), QStringList({"", " ", "B", "a", "b"}));
        settings->sync();
        QCOMPARE(settings->allKeys(), QStringList({"", " ", "B", "a", "b"}));
        settings->remove(QStringLiteral("a"));
        settings->setValue(QStringLiteral("d"), 4);
        QCOMPARE(inFile().keys(), QStringList({"", " ", "B", "b", "d"}));
        settings->remove(QStringLiteral("b"));
        settings.reset();
        QCOMPARE(inFile().keys(), QStringList({"", " ", "B", "d"}));

        Settings again(nullptr);
        again.clear();
        QCOMPARE(again.allKeys(), QStringList());
        QCOMPARE(QJsonDocument::fromJson(contents()), QJsonDocument(QJsonObject()));
        QCOMPARE(again.fileName(), path);
    }

    // What the scene hands over comes back as the same JavaScript value after
    // a restart, as far as JSON can keep it; a function must not hang the save.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("back");
        const auto row = [](const char *given, const char *back) {
            QTest::newRow(given) << QString::fromUtf8(given) << QString::fromUtf8(back);
        };
        for (const char *same : {"'text'", "42", "-1.5", "false", "null", "[1, 'a', {b: true}]",
                                 "({n: {m: [null, []]}, s: ''})"})
            row(same, same);
        row("undefined", "null");
        row("new Date(2024, 0, 2, 3, 4, 5)", "'2024-01-02T03:04:05.000'");
        row("(function () {})", "null");
        row("({f: function () {}, g: [1]})", "({f: null, g: [1]})");
    }
    void roundTrip()
    {
        QFETCH(QString, given);
        QFETCH(QString, back);
        QCOMPARE(runScript("_settings.setValue('k', " + given + ")"), QStringLiteral("undefined"));
        QCOMPARE(runScript("show(_settings.value('k'))"), runScript("show(" + back + ")"));
    }

    // A failed write leaves the earlier file whole and no stray file; the map
    // keeps the change and the next good write carries it.
    void failedWrite_data()
    {
        QTest::addColumn<bool>("dataFolder");
        QTest::addColumn<int>("size");
        QTest::newRow("no data folder") << false << 10;
        // Qt holds back up to 16 KiB of a buffered file until it is committed.
        QTest::newRow("disk full, small file") << true << 1000;
        QTest::newRow("disk full, large file") << true << 40000;
    }
    void failedWrite()
    {
        QFETCH(bool, dataFolder);
        QFETCH(int, size);
        const QByteArray old = R"({"old": true})";
        QVERIFY(dataFolder ? m_box->write(path, old) : QDir().rmdir(QStringLiteral("data")));
        Settings settings(nullptr);
        QVERIFY(!bb::data::JsonDataAccess().save(QVariant(3), path)); // not an object
        const QString big(size, QLatin1Char('x'));
        // Writes fail as on a full disk, also for root. Nothing may be logged
        // while capped: the log may be a file too.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        limit.rlim_cur = dataFolder ? 100 : RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = bb::data::JsonDataAccess().save(QVariantMap{{"big", big}}, path);
        settings.setValue(QStringLiteral("big"), big);
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(!saved);
        QCOMPARE(contents(), dataFolder ? old : QByteArray());
        QCOMPARE(QDir(QStringLiteral("data")).entryList(QDir::Files | QDir::Hidden),
                 dataFolder ? QStringList("settings.json") : QStringList());
        QCOMPARE(settings.value(QStringLiteral("big")).toString(), big);

        QVERIFY(dataFolder || QDir().mkdir(QStringLiteral("data")));
        settings.setValue(QStringLiteral("next"), 1);
        QJsonObject expected{{"big", big}, {"next", 1}};
        if (dataFolder)
            expected.insert("old", true);
        QCOMPARE(inFile(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

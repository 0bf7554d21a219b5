#include "settings.h"

#include <bb/data/JsonDataAccess>

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
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

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString &file, const QByteArray &text)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// Caps the size of files the process writes, so that writes fail as on a
// full disk, also for root; returns the cap it replaced.
rlim_t capFileSize(rlim_t bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t old = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    return old;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QString m_start;
    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        m_start = QDir::currentPath();
        defaultHandler = qInstallMessageHandler(captureDebug);
        std::signal(SIGXFSZ, SIG_IGN); // a capped write fails instead
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        QVERIFY(QDir().mkdir(QStringLiteral("data")));
        debugLines.clear();
    }
    void cleanup()
    {
        QDir::setCurrent(m_start);
        m_dir.reset();
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

    void startUp_data()
    {
        QTest::addColumn<bool>("dataFolder");
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QByteArray>("afterWrite");

        const QByteArray justK = R"({"k": "v"})";
        QTest::newRow("first start") << true << false << QByteArray() << QStringList() << justK;
        QTest::newRow("array") << true << true << QByteArray("[1, 2]") << QStringList() << justK;
        QTest::newRow("truncated")
            << true << true << QByteArray(R"({"a": 1, "b": [tr)") << QStringList() << justK;
        QTest::newRow("empty file") << true << true << QByteArray() << QStringList() << justK;
        QTest::newRow("object") << true << true << QByteArray(R"({"b": 2, "a": "x"})")
                                << QStringList({"a", "b"})
                                << QByteArray(R"({"a": "x", "b": 2, "k": "v"})");
        QTest::newRow("no data folder")
            << false << false << QByteArray() << QStringList() << QByteArray();
    }
    void startUp()
    {
        QFETCH(bool, dataFolder);
        QFETCH(bool, hasFile);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, keys);
        QFETCH(QByteArray, afterWrite);
        if (!dataFolder)
            QVERIFY(QDir().rmdir(QStringLiteral("data")));
        if (hasFile)
            QVERIFY(write(path, content));

        Settings settings(nullptr);
        QCOMPARE(settings.allKeys(), keys);
        QCOMPARE(settings.fileName(), path);
        if (hasFile)
            QCOMPARE(contents(path), content);
        else if (dataFolder)
            QVERIFY(QJsonDocument::fromJson(contents(path)).isObject());
        QCOMPARE(object(contents(path)).isEmpty(), keys.isEmpty());

        settings.setValue(QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(QFile::exists(path), dataFolder);
        QCOMPARE(object(contents(path)), object(afterWrite));
    }

    void keysAndValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("store");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("withDefault");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QStringList>("lines");

        const QVariant none, two(2), fallback(QStringLiteral("default"));
        const QStringList noLine;
        QTest::newRow("absent") << "x" << false << none << false << none << noLine;
        QTest::newRow("absent, default") << "x" << false << none << true << fallback << noLine;
        QTest::newRow("present") << "x" << true << two << true << two
                                 << QStringList(R"(Settings::value -> "x" : QVariant(int, 2))");
        QTest::newRow("present, one argument")
            << "x" << true << two << false << two
            << QStringList(R"(Settings::value -> "x" : QVariant(int, 2))");
        QTest::newRow("stored invalid")
            << "x" << true << none << true << none
            << QStringList(R"(Settings::value -> "x" : QVariant(Invalid))");
        QTest::newRow("leading space") << " a" << false << none << true << fallback << noLine;
        QTest::newRow("empty key") << "" << true << two << true << none << noLine;
        QTest::newRow("spaces") << "   " << true << two << true << none << noLine;
        QTest::newRow("tab, newline") << "\t\n" << true << two << false << none << noLine;
    }
    void keysAndValues()
    {
        QFETCH(QString, key);
        QFETCH(bool, store);
        QFETCH(QVariant, stored);
        QFETCH(bool, withDefault);
        QFETCH(QVariant, expected);
        QFETCH(QStringList, lines);
        Settings settings(nullptr);
        settings.setValue(QStringLiteral("a"), 1);
        if (store)
            settings.setValue(key, stored);
        QCOMPARE(debugLines.size(), store ? 2 : 1);
        QCOMPARE(settings.contains(key), store);
        QCOMPARE(object(contents(path)).contains(key), store);
        if (store && key.trimmed().isEmpty())
            QCOMPARE(settings.allKeys().first(), key);

        // By name, as the scene calls it: the one-argument form is a
        // meta-method of its own.
        debugLines.clear();
        QVariant result;
        if (withDefault)
            QVERIFY(QMetaObject::invokeMethod(&settings, "value", Q_RETURN_ARG(QVariant, result),
                                              Q_ARG(QString, key),
                                              Q_ARG(QVariant, QStringLiteral("default"))));
        else
            QVERIFY(QMetaObject::invokeMethod(&settings, "value", Q_RETURN_ARG(QVariant, result),
                                              Q_ARG(QString, key)));
        QCOMPARE(result, expected);
        QCOMPARE(debugLines, lines);
        QCOMPARE(settings.remove(key), store ? 1 : 0);
    }

    void order()
    {
        Settings settings(nullptr);
        for (const char *key : {"b", "B", "a"})
            settings.setValue(QString::fromLatin1(key), QStringLiteral("v"));
        settings.setValue(QStringLiteral("a"), QStringLiteral("w"));
        QCOMPARE(settings.allKeys(), QStringList({"B", "a", "b"}));
        QCOMPARE(object(contents(path)).value("a").toString(), QStringLiteral("w"));
        QCOMPARE(debugLines.mid(2),
                 QStringList({R"(Settings::setValue -> "a" : QVariant(QString, "v"))",
                              R"(Settings::setValue -> "a" : QVariant(QString, "w"))"}));
    }

    void removeSyncClear()
    {
        QVERIFY(write(path, R"({"a": 1, "b": 2, "c": 3})"));
        auto settings = std::make_unique<Settings>(nullptr);
        QCOMPARE(settings->remove(QStringLiteral("z")), 0);
        QCOMPARE(settings->remove(QStringLiteral("a")), 1);
        QVERIFY(!settings->contains(QStringLiteral("a")));
        QVERIFY(object(contents(path)).contains("a"));
        settings->sync();
        QCOMPARE(settings->allKeys(), QStringList({"a", "b", "c"}));

        settings->remove(QStringLiteral("a"));
        settings->setValue(QStringLiteral("d"), 4);
        QCOMPARE(object(contents(path)).keys(), QStringList({"b", "c", "d"}));
        settings->remove(QStringLiteral("b"));
        settings.reset();
        QCOMPARE(object(contents(path)).keys(), QStringList({"c", "d"}));

        Settings again(nullptr);
        again.clear();
        QCOMPARE(again.allKeys(), QStringList());
        QVERIFY(QJsonDocument::fromJson(contents(path)).isObject());
        QVERIFY(object(contents(path)).isEmpty());
    }

    // What the scene hands over must come back as the same JavaScript value
    // after a restart, as far as JSON can keep it.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("back");
        for (const char *same : {"'text'", "42", "-1.5", "false", "null", "[1, 'a', {b: true}]",
                                 "({n: {m: [null, []]}, s: ''})"})
            QTest::newRow(same) << same << same;
        QTest::newRow("undefined") << "undefined"
                                   << "null";
        QTest::newRow("date") << "new Date(2024, 0, 2, 3, 4, 5)"
                              << "'2024-01-02T03:04:05.000'";
        QTest::newRow("function") << "(function () {})"
                                  << "null";
        QTest::newRow("function member") << "({f: function () {}, g: [1]})"
                                         << "({f: null, g: [1]})";
    }
    void roundTrip()
    {
        QFETCH(QString, given);
        QFETCH(QString, back);
        for (int run = 0; run < 2; ++run) {
            // The engine outlives the store, which keeps the script's value.
            QJSEngine engine;
            Settings settings(nullptr);
            QJSEngine::setObjectOwnership(&settings, QJSEngine::CppOwnership);
            engine.globalObject().setProperty("_settings", engine.newQObject(&settings));
            const QString script =
                run == 0
                    ? "_settings.setValue('k', " + given + ")"
                    : "const v = _settings.value('k'), w = " + back +
                          "; typeof v + JSON.stringify(v) + ' / ' + typeof w + JSON.stringify(w)";
            const QJSValue result = engine.evaluate(script);
            QVERIFY2(!result.isError(), qPrintable(result.toString()));
            if (run == 1) {
                const QStringList got = result.toString().split(" / ");
                QCOMPARE(got.first(), got.last());
            }
        }
    }

    // A write that fails leaves the earlier file whole and no stray file; the
    // map keeps the change and the next good write carries it.
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
        if (dataFolder)
            QVERIFY(write(path, old));
        else
            QVERIFY(QDir().rmdir(QStringLiteral("data")));
        Settings settings(nullptr);
        QVERIFY(!bb::data::JsonDataAccess().save(QVariant(3), path)); // not an object
        const QString big(size, QLatin1Char('x'));
        // Nothing may be logged while capped: the log may be a file too.
        const rlim_t cap = capFileSize(dataFolder ? 100 : RLIM_INFINITY);
        const bool saved = bb::data::JsonDataAccess().save(QVariantMap{{"big", big}}, path);
        settings.setValue(QStringLiteral("big"), big);
        capFileSize(cap);
        QVERIFY(!saved);
        QCOMPARE(contents(path), dataFolder ? old : QByteArray());
        QCOMPARE(QDir(QStringLiteral("data")).entryList(QDir::Files | QDir::Hidden),
                 dataFolder ? QStringList("settings.json") : QStringList());
        QCOMPARE(settings.value(QStringLiteral("big")).toString(), big);

        if (!dataFolder)
            QVERIFY(QDir().mkdir(QStringLiteral("data")));
        settings.setValue(QStringLiteral("next"), 1);
        QJsonObject expected{{"big", big}, {"next", 1}};
        if (dataFolder)
            expected.insert("old", true);
        QCOMPARE(object(contents(path)), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"
#include "settings.h"

#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString path = QStringLiteral("data/settings.json");
QStringList debugLines;
QStringList warnings;
QtMessageHandler defaultHandler = nullptr;

void captureDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && message.startsWith(QLatin1String("Settings::")))
        debugLines << message;
    else if (type == QtWarningMsg && message.startsWith(QLatin1String("Settings:")))
        warnings << message;
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

struct stat statOf(const QString &file)
{
    struct stat status
    {
    };
    ::lstat(QFile::encodeName(file).constData(), &status);
    return status;
}

// The files kept aside in data/.
QStringList keptAside()
{
    return QDir(QStringLiteral("data"))
        .entryList({QStringLiteral("settings.json.unreadable-*")},
                   QDir::AllEntries | QDir::System | QDir::Hidden);
}

// Arrays in arrays, this many levels, as a script.
QString nested(int levels)
{
    return QString(levels, QLatin1Char('[')) + QString(levels, QLatin1Char(']'));
}

// The most levels a value under a key may have and still be read back from
// the file, found by asking the reader itself.
int deepestReadable()
{
    int levels = 1;
    while (!QJsonDocument::fromJson("{\"k\":" + nested(levels + 1).toLatin1() + "}").isNull())
        ++levels;
    return levels;
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
        warnings.clear();
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
        QSignalSpy failed(settings.notices(), &SettingsNotices::writeFailed);
        warnings.clear();
        settings.setValue(QStringLiteral("big"), big);
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(!saved);
        // Said once, in the log and to the scene, which may come later.
        QCOMPARE(failed.size(), 1);
        QVERIFY(!settings.notices()->writeFailure().isEmpty());
        QCOMPARE(warnings.size(), 1);
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

    // A file that is there but gives no settings: the store starts at once
    // and empty, and the first write keeps the file (or link) aside, as it
    // was, before a new file takes the name.
    void unreadableFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("trailing comma") << "file" << QByteArray(R"({"a": 1,})");
        QTest::newRow("array") << "file" << QByteArray("[1, 2]");
        QTest::newRow("latin-1 byte") << "file" << QByteArray("{\"caf\xe9\": 1}");
        QTest::newRow("too deep for the reader")
            << "file"
            << "{\"k\": " + nested(deepestReadable() + 1).toLatin1() + "}";
        QTest::newRow("larger than 16 MiB")
            << "file"
            << "{\"k\": \"" + QByteArray(16 * 1024 * 1024, 'x') + "\"}";
        QTest::newRow("pipe") << "fifo" << QByteArray();
        // Never a link to a device: a store that wrote through it would, as
        // root, put a file in the device's place.
        QTest::newRow("link to an endless kernel file")
            << "link" << QByteArray("/proc/self/pagemap");
        QTest::newRow("link to a pipe") << "link" << QByteArray("pipe");
        QTest::newRow("link to a broken file") << "link" << QByteArray("elsewhere.json");
        QTest::newRow("dangling link") << "link" << QByteArray("nowhere.json");
        QTest::newRow("folder") << "folder" << QByteArray();
    }
    void unreadableFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        if (content.size() > 1024 * 1024 &&
            QStorageInfo(m_box->path()).bytesAvailable() < 3 * content.size())
            QSKIP("Too little free space in the temporary folder for a 16 MiB file");
        const QByteArray broken = "{broken";
        if (kind == "file")
            QVERIFY(m_box->write(path, content));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path + "/inside"));
        if (content == "elsewhere.json")
            QVERIFY(m_box->write("elsewhere.json", broken));
        if (content == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(m_box->path("pipe")).constData(), 0600), 0);
        if (kind == "link")
            QVERIFY(QFile::link(content.startsWith('/') ? content : "../" + content, path));
        const struct stat before = statOf(path);

        auto settings = std::make_unique<Settings>(nullptr);
        QSignalSpy kept(settings->notices(), &SettingsNotices::keptAside);
        QCOMPARE(settings->allKeys(), QStringList());
        QVERIFY(!settings->notices()->unreadableReason().isEmpty());
        QVERIFY(!warnings.isEmpty());
        QCOMPARE(keptAside(), QStringList());
        QCOMPARE(statOf(path).st_ino, before.st_ino);
        settings->setValue(QStringLiteral("k"), QStringLiteral("v"));

        QCOMPARE(keptAside().size(), 1);
        const QString aside = "data/" + keptAside().first();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(settings->notices()->keptAsidePath(), QFileInfo(aside).absoluteFilePath());
        const struct stat after = statOf(aside);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        if (kind == "file") {
            QFile file(aside);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
        if (content == "elsewhere.json") {
            QFile target(QStringLiteral("elsewhere.json"));
            QVERIFY(target.open(QIODevice::ReadOnly));
            QCOMPARE(target.readAll(), broken);
        }
        QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        settings->setValue(QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(inFile(), QJsonObject({{"k", "v"}}));
        settings.reset();
        QCOMPARE(keptAside().size(), 1);
        QCOMPARE(kept.size(), 1);
    }

    // A link to good settings is written through: the link stays, its
    // target gets the change.
    void linkToGoodSettings()
    {
        QVERIFY(m_box->write("mine.json", R"({"a": 1})"));
        QVERIFY(QFile::link("../mine.json", path));
        Settings settings(nullptr);
        QCOMPARE(settings.allKeys(), QStringList("a"));
        settings.setValue(QStringLiteral("b"), 2);
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(inFile(), QJsonObject({{"a", 1}, {"b", 2}}));
        QCOMPARE(keptAside(), QStringList());
    }

    // Values as deep as the file can give back are kept; deeper ones are
    // refused with a warning, whatever their depth, and the file stays
    // readable.
    void depth_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("kept");
        const int deepest = deepestReadable();
        QTest::newRow("deepest readable") << nested(deepest) << true;
        QTest::newRow("one level deeper") << nested(deepest + 1) << false;
        QTest::newRow("lists, 10,000 levels")
            << "(() => { let o = []; for (let i = 0; i < 10000; ++i) o = [o]; return o })()"
            << false;
        QTest::newRow("objects, 10,000 levels")
            << "(() => { let o = {}; for (let i = 0; i < 10000; ++i) o = {o}; return o })()"
            << false;
        QTest::newRow("holds itself") << "(() => { const o = {}; o.o = o; return o })()" << false;
    }
    void depth()
    {
        QFETCH(QString, value);
        QFETCH(bool, kept);
        // Written indented, the deepest value takes a few MiB.
        if (kept && QStorageInfo(m_box->path()).bytesAvailable() < 32 * 1024 * 1024)
            QSKIP("Too little free space in the temporary folder for a deeply nested file");
        QCOMPARE(runScript("_settings.setValue('before', 1); _settings.setValue('k', " + value +
                           "); _settings.contains('k')"),
                 kept ? "true" : "false");
        QCOMPARE(warnings.size(), kept ? 0 : 1);
        QCOMPARE(runScript("_settings.allKeys().join()"), kept ? "before,k" : "before");
        QVERIFY(kept || !inFile().isEmpty());
    }

    // At exit the store writes only what the file does not hold yet: a hand
    // edit made while it ran, or an unreadable file nobody changed, stays.
    void exitWrites_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("atExit");
        QTest::newRow("nothing changed, edited by hand")
            << QByteArray(R"({"a": 1})") << "edit" << QByteArray(R"({"a": 2})");
        QTest::newRow("unreadable, nothing set")
            << QByteArray("{broken") << "" << QByteArray("{broken");
        QTest::newRow("removed") << QByteArray(R"({"a": 1, "b": 2})") << "remove" << QByteArray();
        QTest::newRow("written after a failed write") << QByteArray() << "fail" << QByteArray();
    }
    void exitWrites()
    {
        QFETCH(QByteArray, start);
        QFETCH(QString, step);
        QFETCH(QByteArray, atExit);
        QVERIFY(start.isEmpty() || m_box->write(path, start));
        auto settings = std::make_unique<Settings>(nullptr);
        if (step == "edit") {
            QVERIFY(m_box->write(path, atExit));
        } else if (step == "remove") {
            QCOMPARE(settings->remove(QStringLiteral("a")), 1);
        } else if (step == "fail") {
            QVERIFY(QFile::remove(path) && QDir().rmdir(QStringLiteral("data")));
            settings->setValue(QStringLiteral("late"), 1);
            QVERIFY(QDir().mkdir(QStringLiteral("data")));
        }
        settings.reset();
        if (!atExit.isEmpty())
            QCOMPARE(contents(), atExit);
        else if (step == "remove")
            QCOMPARE(inFile(), QJsonObject({{"b", 2}}));
        else
            QCOMPARE(inFile(), QJsonObject({{"late", 1}}));
        QCOMPARE(keptAside(), QStringList());
    }

    // Whatever the store writes, a new store reads back whole: deeply nested
    // values are not indented past the size the reader takes.
    void writtenFileReadsBack()
    {
        if (QStorageInfo(m_box->path()).bytesAvailable() < 64 * 1024 * 1024)
            QSKIP("Too little free space in the temporary folder for deeply nested values");
        const QString deep = nested(deepestReadable());
        QCOMPARE(runScript("for (let i = 0; i < 5; ++i) _settings.setValue('k' + i, " + deep +
                           "); _settings.allKeys().length"),
                 "5");
        QVERIFY(QFileInfo(path).size() <= bb::data::JsonDataAccess::MaxFileSize);
        QCOMPARE(runScript("_settings.setValue('more', 1); JSON.stringify(_settings.value('k4')) "
                           "=== JSON.stringify(" +
                           deep + ") && _settings.allKeys().length"),
                 "6");
        QVERIFY(warnings.isEmpty());
    }

    // A value from C++ deeper than any script makes is refused before it is
    // written out anywhere, the debug line included.
    void deepListFromCpp()
    {
        // Freed from the outside in: a recursive free would overflow the stack.
        std::vector<QVariant> levels{QVariantList()};
        for (int i = 1; i < 100000; ++i)
            levels.push_back(QVariantList{levels.back()});
        Settings settings(nullptr);
        settings.setValue(QStringLiteral("deep"), levels.back());
        while (!levels.empty())
            levels.pop_back();
        QVERIFY(!settings.contains(QStringLiteral("deep")));
        QCOMPARE(debugLines.size(), 1);
        QVERIFY(debugLines.first().startsWith(QLatin1String("Settings::setValue -> \"deep\" :")));
        QCOMPARE(warnings.size(), 1);
    }

    // What value() gives back is what was stored, not the caller's object,
    // which may change afterwards.
    void storedIsACopy_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("member") << "o.a = 2";
        QTest::newRow("nested list") << "o.l.push(4)";
        QTest::newRow("member added") << "o.z = true";
        QTest::newRow("member removed") << "delete o.a";
    }
    void storedIsACopy()
    {
        QFETCH(QString, change);
        const QString stored = "JSON.stringify(_settings.value('k'))";
        QCOMPARE(runScript(
                     "const o = {a: 1, l: [3]}; _settings.setValue('k', o); const was = " + stored +
                     "; " + change + "; " + stored + " === was ? 'same' : " + stored),
                 QStringLiteral("same"));
        QCOMPARE(inFile().value("k"), QJsonObject({{"a", 1}, {"l", QJsonArray{3}}}));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using bb::cascades::GroupDataModel;

namespace {

QStringList capturedLines;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        capturedLines << message;
}

// Entries whose isReadable/isWritable differ from what QFileInfo says of the
// same listing, and how many distinct answers there were.
QStringList rightsMismatches(const QString &folder, int *distinct)
{
    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(folder));
    QDir dir(folder);
    dir.setFilter(QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden | QDir::System |
                  QDir::AllDirs | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::Reversed | QDir::DirsLast);
    const QFileInfoList infos = dir.entryInfoList();
    const QVariantList records = model->toListOfMaps();
    if (records.size() != infos.size())
        return {QStringLiteral("%1 records for %2 entries").arg(records.size()).arg(infos.size())};
    QStringList wrong;
    QSet<QString> answers;
    for (qsizetype i = 0; i < infos.size(); ++i) {
        const QVariantMap record = records.at(i).toMap();
        const QString expected =
            QStringLiteral("%1 %2").arg(infos.at(i).isReadable()).arg(infos.at(i).isWritable());
        const QString got = QStringLiteral("%1 %2")
                                .arg(record.value("isReadable").toBool())
                                .arg(record.value("isWritable").toBool());
        answers.insert(expected);
        if (got != expected)
            wrong << infos.at(i).fileName() + ": " + got + ", expected " + expected;
    }
    *distinct = int(answers.size());
    return wrong;
}

} // namespace

class TestVantrel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void initialState();
    void settersAlwaysNotify_data();
    void settersAlwaysNotify();
    void records();
    void paths_data();
    void paths();
    void rootEntries();
    void debugLines();
    void unreadableFolder();
    void rightsAsAnotherUser();
    void rightsOfSystemFolders_data();
    void rightsOfSystemFolders();
    void metaInterface();

private:
    QTemporaryDir m_dir;
    QString m_fixture;
};

// Files a.txt, B.txt, .hidden; folders docs, Zeta, .cfg; link -> docs; a dangling link.
void TestVantrel::initTestCase()
{
    // Only debugLines() reads them; a root listing would flood the log.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QVERIFY(m_dir.isValid());
    m_fixture = m_dir.filePath(QStringLiteral("fixture"));
    QDir fixture(m_dir.path());
    for (const char *folder : {"fixture/docs", "fixture/Zeta", "fixture/.cfg"})
        QVERIFY(fixture.mkpath(QString::fromLatin1(folder)));
    fixture.cd(QStringLiteral("fixture"));
    for (const char *file : {"a.txt", "B.txt", ".hidden"}) {
        QFile f(fixture.filePath(QString::fromLatin1(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(fixture.filePath(QStringLiteral("docs")),
                        fixture.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(fixture.filePath(QStringLiteral("gone")),
                        fixture.filePath(QStringLiteral("dangling"))));
}

void TestVantrel::initialState()
{
    Vantrel vantrel;
    QCOMPARE(vantrel.currentPath(), QStringLiteral("//"));
    QCOMPARE(vantrel.isRunning(), false);
}

void TestVantrel::settersAlwaysNotify_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("currentPath, same value") << QByteArray("currentPath") << QVariant("//");
    QTest::newRow("currentPath, new value") << QByteArray("currentPath") << QVariant("/a/b");
    QTest::newRow("isRunning, same value") << QByteArray("isRunning") << QVariant(false);
    QTest::newRow("isRunning, new value") << QByteArray("isRunning") << QVariant(true);
}

void TestVantrel::settersAlwaysNotify()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    Vantrel vantrel;
    const QMetaProperty meta =
        vantrel.metaObject()->property(vantrel.metaObject()->indexOfProperty(property));
    QSignalSpy notified(&vantrel, meta.notifySignal());
    QVERIFY(vantrel.setProperty(property, value));
    QCOMPARE(notified.size(), 1);
    QCOMPARE(vantrel.property(property), value);
}

void TestVantrel::records()
{
    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(m_fixture));
    QVERIFY(model);
    QVERIFY(!model->parent());

    struct Expected
    {
        const char *name;
        bool isDir;
        bool usable; // readable and writable
    };
    // Files, then folders, each in descending case-sensitive order.
    const Expected expected[] = {{"dangling", false, false}, {"a.txt", false, true},
                                 {"B.txt", false, true},     {".hidden", false, true},
                                 {"link", true, true},       {"docs", true, true},
                                 {"Zeta", true, true},       {".cfg", true, true}};
    const QVariantList items = model->toListOfMaps();
    QCOMPARE(items.size(), qsizetype(std::size(expected)));
    const QStringList keys{"completePath", "fileName", "isDir", "isReadable", "isWritable", "path"};
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QVariantMap record = items.at(i).toMap();
        const QString name = QString::fromLatin1(expected[i].name);
        QCOMPARE(record.keys(), keys);
        QCOMPARE(record.value("fileName").toString(), name);
        QCOMPARE(record.value("path").toString(), m_fixture);
        QCOMPARE(record.value("completePath").toString(),
                 m_fixture + "/" + name + (expected[i].isDir ? "/" : ""));
        QCOMPARE(record.value("isDir").toBool(), expected[i].isDir);
        QCOMPARE(record.value("isReadable").toBool(), expected[i].usable);
        QCOMPARE(record.value("isWritable").toBool(), expected[i].usable);
    }

    // A second call gives a model of its own.
    std::unique_ptr<GroupDataModel> again(vantrel.getFileInfoList(m_fixture));
    QVERIFY(again.get() != model.get());
    QCOMPARE(again->toListOfMaps(), items);
}

void TestVantrel::paths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("entries"); // -1: some, not counted

    QTest::newRow("root as first shown") << "//"
                                         << "/" << -1;
    QTest::newRow("root") << "/"
                          << "/" << -1;
    QTest::newRow("two slashes") << "/" + m_fixture << m_fixture << 8;
    QTest::newRow("three slashes") << "//" + m_fixture << "/" + m_fixture << 8;
    QTest::newRow("trailing slash") << m_fixture + "/" << m_fixture + "/" << 8;
    QTest::newRow("empty folder") << m_fixture + "/docs" << m_fixture + "/docs" << 0;
    QTest::newRow("nonexistent") << m_fixture + "/missing" << m_fixture + "/missing" << 0;
    QTest::newRow("a file") << m_fixture + "/a.txt" << m_fixture + "/a.txt" << 0;
}

void TestVantrel::paths()
{
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(int, entries);

    Vantrel vantrel;
    QSignalSpy pathChanged(&vantrel, &Vantrel::currentPathChanged);
    QSignalSpy runningChanged(&vantrel, &Vantrel::isRunningChanged);
    QList<bool> runningSeen;
    connect(&vantrel, &Vantrel::isRunningChanged, this,
            [&] { runningSeen << vantrel.isRunning(); });

    std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(path));
    QVERIFY(model);
    QCOMPARE(vantrel.currentPath(), stored);
    if (entries < 0)
        QVERIFY(model->size() > 0);
    else
        QCOMPARE(model->size(), entries);
    QCOMPARE(pathChanged.size(), 1);
    QCOMPARE(runningChanged.size(), 2);
    QCOMPARE(runningSeen, (QList<bool>{true, false}));
}

void TestVantrel::rootEntries()
{
    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> root(vantrel.getFileInfoList(QStringLiteral("//")));
    QString folder;
    for (const QVariant &item : root->toListOfMaps()) {
        const QVariantMap record = item.toMap();
        QCOMPARE(record.value("path").toString(), QStringLiteral("/"));
        QVERIFY(record.value("completePath").toString().startsWith(QLatin1String("//")));
        if (record.value("isDir").toBool() && record.value("isReadable").toBool())
            folder = record.value("completePath").toString();
    }
    QVERIFY(folder.endsWith(QLatin1Char('/')));

    // What the scene passes back to descend loses one leading slash.
    std::unique_ptr<GroupDataModel> child(vantrel.getFileInfoList(folder));
    QCOMPARE(vantrel.currentPath(), folder.mid(1));
    for (const QVariant &item : child->toListOfMaps())
        QCOMPARE(item.toMap().value("path").toString(), folder.mid(1).chopped(1));
}

void TestVantrel::debugLines()
{
    capturedLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(m_fixture));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    const auto quoted = [](const QString &text) {
        return QLatin1Char('"') + text + QLatin1Char('"');
    };
    const QStringList expected{"getFileInfoList(): " + quoted(m_fixture),
                               "File names:",
                               quoted(".cfg"),
                               quoted("Zeta"),
                               quoted("docs"),
                               quoted("link"),
                               quoted(m_fixture + "/docs"),
                               quoted(".hidden"),
                               quoted("B.txt"),
                               quoted("a.txt"),
                               quoted("dangling"),
                               quoted(m_fixture + "/gone")};
    QCOMPARE(capturedLines, expected);
}

void TestVantrel::unreadableFolder()
{
    if (geteuid() == 0)
        QSKIP("Permissions do not restrict root");
    const QString locked = m_dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked + "/inside"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));

    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> inside(vantrel.getFileInfoList(locked));
    std::unique_ptr<GroupDataModel> parent(vantrel.getFileInfoList(m_dir.path()));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(inside->size(), 0);
    QCOMPARE(vantrel.currentPath(), m_dir.path());
    bool seen = false;
    for (const QVariant &item : parent->toListOfMaps()) {
        const QVariantMap record = item.toMap();
        if (record.value("fileName") == "locked") {
            seen = true;
            QCOMPARE(record.value("isReadable").toBool(), false);
            QCOMPARE(record.value("isDir").toBool(), true);
        }
    }
    QVERIFY(seen);
}

// Rights come from access() relative to the folder; they must be what
// QFileInfo says. Root may do anything, so as root the check runs as nobody.
void TestVantrel::rightsAsAnotherUser()
{
    const QString folder = m_dir.filePath(QStringLiteral("rights"));
    QVERIFY(QDir().mkpath(folder + "/open"));
    QVERIFY(QDir().mkpath(folder + "/closed"));
    const struct
    {
        const char *name;
        mode_t mode;
    } files[] = {
        {"shared", 0666}, {"public", 0644}, {"private", 0600}, {"dropbox", 0622}, {"none", 0000}};
    for (const auto &file : files) {
        const QString path = folder + '/' + QString::fromLatin1(file.name);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), file.mode), 0);
    }
    QCOMPARE(::chmod(QFile::encodeName(folder + "/closed").constData(), 0700), 0);
    QVERIFY(QFile::link(folder + "/private", folder + "/to-private"));
    QVERIFY(QFile::link(folder + "/missing", folder + "/dangling"));

    if (geteuid() != 0) {
        int distinct = 0;
        QCOMPARE(rightsMismatches(folder, &distinct), QStringList());
        QVERIFY(distinct >= 3);
        return;
    }
    QCOMPARE(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    QProcess child;
    child.setChildProcessModifier([] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
    });
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--rights"), folder});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
}

// Read-only file systems and kernel files answer even root with a no.
void TestVantrel::rightsOfSystemFolders_data()
{
    QTest::addColumn<QString>("folder");
    for (const char *folder : {"/", "/dev", "/proc/self", "/sys", "/usr/bin"})
        QTest::newRow(folder) << QString::fromLatin1(folder);
}

void TestVantrel::rightsOfSystemFolders()
{
    QFETCH(QString, folder);
    if (!QFileInfo(folder).isDir())
        QSKIP("No such folder here");
    int distinct = 0;
    QCOMPARE(rightsMismatches(folder, &distinct), QStringList());
}

void TestVantrel::metaInterface()
{
    const QMetaObject *meta = &Vantrel::staticMetaObject;
    const int methods = meta->methodOffset();
    const struct
    {
        QMetaMethod::MethodType type;
        const char *signature;
    } expected[] = {{QMetaMethod::Signal, "currentPathChanged()"},
                    {QMetaMethod::Signal, "isRunningChanged()"},
                    {QMetaMethod::Signal, "loadFile2(QString)"},
                    {QMetaMethod::Method, "getFileInfoList(QString)"}};
    QVERIFY(meta->methodCount() - methods >= int(std::size(expected)));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        const QMetaMethod method = meta->method(methods + i);
        QCOMPARE(method.methodSignature(), QByteArray(expected[i].signature));
        QCOMPARE(method.methodType(), expected[i].type);
    }
    const QMetaMethod list = meta->method(methods + 3);
    QCOMPARE(list.parameterNames(), QList<QByteArray>{"path"});
    QCOMPARE(QByteArray(list.typeName()), QByteArray("bb::cascades::GroupDataModel*"));

    const int properties = meta->propertyOffset();
    QCOMPARE(meta->propertyCount() - properties, 2);
    const char *names[] = {"currentPath", "isRunning"};
    for (int i = 0; i < 2; ++i) {
        const QMetaProperty property = meta->property(properties + i);
        QCOMPARE(property.name(), names[i]);
        QVERIFY(property.isReadable() && property.isWritable() && property.isStored());
        QVERIFY(property.isDesignable() && property.isScriptable());
        QCOMPARE(property.notifySignalIndex(), methods + i);
    }
    QCOMPARE(meta->property(properties).metaType(), QMetaType::fromType<QString>());
    QCOMPARE(meta->property(properties + 1).metaType(), QMetaType::fromType<bool>());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--rights") == 0) {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        int distinct = 0;
        const QStringList wrong = rightsMismatches(QString::fromLocal8Bit(argv[2]), &distinct);
        for (const QString &line : wrong)
            std::fprintf(stderr, "%s\n", qPrintable(line));
        if (distinct < 3)
            std::fprintf(stderr, "only %d distinct answers\n", distinct);
        return wrong.isEmpty() && distinct >= 3 ? 0 : 1;
    }
    TestVantrel test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_vantrel.moc"

#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using bb::cascades::GroupDataModel;

namespace {

QStringList debugLines;
void keepDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines << text;
}

QVariantList listing(Vantrel &vantrel, const QString &path)
{
    std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(path));
    return model->toListOfMaps();
}

// Entries whose rights differ from what QFileInfo says, and how many distinct
// answers QFileInfo gave: a check that sees only one proves little.
std::pair<QStringList, int> rightsMismatches(const QString &folder)
{
    const auto rights = [](bool read, bool write) { return QString("%1%2").arg(read).arg(write); };
    Vantrel vantrel;
    QStringList wrong;
    QSet<QString> answers;
    for (const QVariant &item : listing(vantrel, folder)) {
        const QVariantMap record = item.toMap();
        const QFileInfo info(QDir(folder).filePath(record.value("fileName").toString()));
        const QString expected = rights(info.isReadable(), info.isWritable());
        answers.insert(expected);
        if (rights(record.value("isReadable").toBool(), record.value("isWritable").toBool()) !=
            expected)
            wrong << info.fileName() + ": expected " + expected;
    }
    return {wrong, int(answers.size())};
}

// True when someone who is neither owner nor in the group may pass through
// every folder on the way to path.
bool searchableByOthers(const QString &path)
{
    for (QDir dir(QFileInfo(path).canonicalFilePath());; dir.cdUp()) {
        struct stat status;
        if (::stat(QFile::encodeName(dir.path()).constData(), &status) != 0 ||
            !(status.st_mode & S_IXOTH))
            return false;
        if (dir.isRoot())
            return true;
    }
}

// Runs the rights check as the nobody account in a child process; what went
// wrong, or a reason to skip in *skip.
QString rightsAsNobody(const QString &folder, QString *skip)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const auto [wrong, distinct] = rightsMismatches(folder);
        QByteArray report = wrong.join('\n').toLocal8Bit();
        if (distinct < 3)
            report += "only " + QByteArray::number(distinct) + " distinct answers";
        const bool written =
            ::write(channel[1], report.constData(), report.size()) == ssize_t(report.size());
        ::_exit(written && report.isEmpty() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            report.append(buffer, got);
        else if (errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return QStringLiteral("no child process");
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        *skip = QStringLiteral("Cannot become the nobody account here");
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QString::fromLocal8Bit(report) + QStringLiteral(" (status %1)").arg(status);
    return QString();
}

} // namespace

class TestVantrel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_fixture;

private Q_SLOTS:
    // Files a.txt, B.txt, .hidden; folders docs, Zeta, .cfg; link -> docs; a dangling link.
    void initTestCase()
    {
        // Only records() reads them; a root listing would flood the log.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_fixture = m_dir.filePath(QStringLiteral("fixture"));
        for (const char *folder : {"/docs", "/Zeta", "/.cfg"})
            QVERIFY(QDir().mkpath(m_fixture + folder));
        for (const char *file : {"/a.txt", "/B.txt", "/.hidden"})
            QVERIFY(QFile(m_fixture + file).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(m_fixture + "/docs", m_fixture + "/link"));
        QVERIFY(QFile::link(m_fixture + "/gone", m_fixture + "/dangling"));
    }

    void interface()
    {
        const QMetaObject &meta = Vantrel::staticMetaObject;
        const int methods = meta.methodOffset(), properties = meta.propertyOffset();
        const QByteArrayList signatures{
            "void currentPathChanged()",   "void isRunningChanged()",
            "void loadFile2(QString)",     "bb::cascades::GroupDataModel* getFileInfoList(QString)",
            "QString loadFile(QString)",   "bool copy(QString)",
            "bool checkIfIsImage(QString)"};
        QCOMPARE(meta.methodCount() - methods, signatures.size());
        for (int i = 0; i < signatures.size(); ++i) {
            const QMetaMethod method = meta.method(methods + i);
            QCOMPARE(method.typeName() + QByteArray(" ") + method.methodSignature(), signatures[i]);
            QCOMPARE(method.methodType(), i < 3 ? QMetaMethod::Signal : QMetaMethod::Method);
            QCOMPARE(method.parameterNames().join(), QByteArray(i < 3 ? "" : "path"));
        }

        // Initial value, then a write of the same and of another value: each notifies.
        const QVariant values[][2] = {{"//", "/a/b"}, {false, true}};
        Vantrel vantrel;
        QCOMPARE(meta.propertyCount() - properties, 2);
        for (int i = 0; i < 2; ++i) {
            const QMetaProperty property = meta.property(properties + i);
            QCOMPARE(property.name(), i == 0 ? "currentPath" : "isRunning");
            QCOMPARE(property.metaType(), values[i][0].metaType());
            QVERIFY(property.isWritable() && property.isStored() && property.isDesignable());
            QVERIFY(property.isScriptable());
            QCOMPARE(property.notifySignalIndex(), methods + i);
            QSignalSpy notified(&vantrel, property.notifySignal());
            QCOMPARE(property.read(&vantrel), values[i][0]);
            for (const QVariant &value : values[i]) {
                QVERIFY(property.write(&vantrel, value));
                QCOMPARE(property.read(&vantrel), value);
            }
            QCOMPARE(notified.size(), 2);
        }
        QCOMPARE(Vantrel().documentsFolder(), "/accounts/1000/shared/documents/Vantrel/");
    }

    // The fixture's records, and the debug lines written while listing it.
    void records()
    {
        debugLines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        const QtMessageHandler previous = qInstallMessageHandler(keepDebug);
        Vantrel vantrel;
        std::unique_ptr<GroupDataModel> model(vantrel.getFileInfoList(m_fixture));
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        QVERIFY(!model->parent());

        // Files, then folders, each in descending case-sensitive order; "/" marks a folder.
        const QStringList expected{"dangling", "a.txt", "B.txt", ".hidden",
                                   "link/",    "docs/", "Zeta/", ".cfg/"};
        const QVariantList items = model->toListOfMaps();
        QCOMPARE(items.size(), expected.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString &name = expected[i];
            const bool isDir = name.endsWith('/'), usable = name != "dangling";
            const QVariantMap record{{"fileName", isDir ? name.chopped(1) : name},
                                     {"path", m_fixture},
                                     {"completePath", m_fixture + "/" + name},
                                     {"isDir", isDir},
                                     {"isReadable", usable},
                                     {"isWritable", usable}};
            QVERIFY2(items[i].toMap() == record, qPrintable(name));
        }
        std::unique_ptr<GroupDataModel> again(vantrel.getFileInfoList(m_fixture));
        QVERIFY(again.get() != model.get());
        QCOMPARE(again->toListOfMaps(), items);

        // Names last to first, each link followed by its target.
        QStringList lines{"getFileInfoList(): \"" + m_fixture + '"', "File names:"};
        for (const QString &line :
             QStringList{".cfg", "Zeta", "docs", "link", m_fixture + "/docs", ".hidden", "B.txt",
                         "a.txt", "dangling", m_fixture + "/gone"})
            lines << '"' + line + '"';
        QCOMPARE(debugLines, lines);
    }

    void paths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("entries"); // -1: some, not counted
        QTest::addColumn<QString>("stored");
        QTest::newRow("root as first shown") << "//" << -1 << "/";
        QTest::newRow("root") << "/" << -1 << "/";
        QTest::newRow("two slashes, as a root entry's")
            << "/" + m_fixture + "/" << 8 << m_fixture + "/";
        QTest::newRow("three slashes") << "//" + m_fixture << 8 << "/" + m_fixture;
        QTest::newRow("empty folder") << m_fixture + "/docs" << 0 << m_fixture + "/docs";
        QTest::newRow("nonexistent") << m_fixture + "/missing" << 0 << m_fixture + "/missing";
        QTest::newRow("a file") << m_fixture + "/a.txt" << 0 << m_fixture + "/a.txt";
    }

    void paths()
    {
        QFETCH(QString, path);
        QFETCH(int, entries);
        QFETCH(QString, stored);
        Vantrel vantrel;
        QSignalSpy pathChanged(&vantrel, &Vantrel::currentPathChanged);
        QList<bool> running;
        connect(&vantrel, &Vantrel::isRunningChanged, this,
                [&] { running << vantrel.isRunning(); });
        const QVariantList items = listing(vantrel, path);
        QCOMPARE(vantrel.currentPath(), stored);
        if (entries < 0)
            QVERIFY(!items.isEmpty());
        else
            QCOMPARE(items.size(), entries);
        QCOMPARE(pathChanged.size(), 1);
        QCOMPARE(running, (QList<bool>{true, false}));
        // Entries of the root have the path "/" and complete paths beginning with "//".
        for (const QVariant &item : items) {
            const QVariantMap record = item.toMap();
            const QString parent = record.value("path").toString();
            QCOMPARE(parent, stored.size() > 1 && stored.endsWith(QLatin1Char('/'))
                                 ? stored.chopped(1)
                                 : stored);
            QCOMPARE(record.value("completePath").toString(),
                     parent + '/' + record.value("fileName").toString() +
                         (record.value("isDir").toBool() ? "/" : ""));
        }
    }

    // Rights come from access() relative to the folder; they must be what
    // QFileInfo says. The cases are the answers the running user can see:
    // an owner gets one per mode below; root may do anything, so as root
    // the check runs as nobody, in a folder nobody can reach.
    void rightsAsAnotherUser()
    {
        const bool asRoot = ::geteuid() == 0;
        std::unique_ptr<QTemporaryDir> reachable;
        if (asRoot) {
            for (const QString &where : {QDir::tempPath(), QStringLiteral("/tmp")}) {
                if (searchableByOthers(where)) {
                    reachable = std::make_unique<QTemporaryDir>(where + "/tst_vantrel-XXXXXX");
                    break;
                }
            }
            if (!reachable || !reachable->isValid())
                QSKIP("No temporary folder that the nobody account can reach");
        }
        const QString folder = (asRoot ? reachable->path() : m_dir.path()) + "/rights";
        QVERIFY(QDir().mkpath(folder + "/open") && QDir().mkpath(folder + "/closed"));
        const std::pair<const char *, mode_t> files[] = {
            {"shared", 0666},   {"public", 0644},   {"private", 0600}, {"dropbox", 0622},
            {"readable", 0400}, {"writable", 0200}, {"none", 0}};
        for (const auto &[name, mode] : files) {
            QVERIFY(QFile(folder + '/' + name).open(QIODevice::WriteOnly));
            QCOMPARE(::chmod(QFile::encodeName(folder + '/' + name).constData(), mode), 0);
        }
        // Whatever the umask made of them.
        for (const char *dir : {"", "/open"})
            QCOMPARE(::chmod(QFile::encodeName(folder + dir).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder + "/closed").constData(), 0700), 0);
        QVERIFY(QFile::link(folder + "/private", folder + "/to-private"));
        QVERIFY(QFile::link(folder + "/missing", folder + "/dangling"));

        if (!asRoot) {
            const auto [wrong, distinct] = rightsMismatches(folder);
            if (distinct < 2)
                QSKIP("This user may read and write every file here; nothing tells rights apart");
            QCOMPARE(wrong, QStringList());
            return;
        }
        QCOMPARE(::chmod(QFile::encodeName(reachable->path()).constData(), 0755), 0);
        QString skip;
        const QString wrong = rightsAsNobody(folder, &skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Read-only file systems and kernel files answer even root with a no.
    void rightsOfSystemFolders_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char *folder : {"/", "/dev", "/proc/self", "/sys", "/usr/bin"})
            QTest::newRow(folder) << QString::fromLatin1(folder);
    }

    void rightsOfSystemFolders()
    {
        QFETCH(QString, folder);
        if (!QFileInfo(folder).isDir())
            QSKIP("No such folder here");
        const auto [wrong, distinct] = rightsMismatches(folder);
        QVERIFY(distinct >= 1);
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestVantrel)
#include "tst_vantrel.moc"

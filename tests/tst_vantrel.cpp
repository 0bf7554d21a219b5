// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing.h"
#include "pathcodec.h"
#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <functional>
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

// The debug lines written while work runs.
QStringList debugOf(const std::function<void()> &work)
{
    debugLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(keepDebug);
    work();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return debugLines;
}

// What QDir and QFileInfo make of the folder, as the records and the debug
// lines after "File names:" that the listing must give.
struct Reference
{
    QVariantList records;
    QStringList lines;
};

Reference referenceListing(const QString &folder)
{
    QDir dir(folder);
    dir.setFilter(QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden | QDir::System |
                  QDir::AllDirs | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::Reversed | QDir::DirsLast);
    const QFileInfoList entries = dir.entryInfoList();
    Reference reference;
    reference.lines = debugOf([&] {
        for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
            qDebug() << it->fileName();
            if (it->isSymLink())
                qDebug() << it->symLinkTarget();
        }
    });
    QSet<QString> seen;
    for (const QFileInfo &entry : entries) {
        const QString completePath =
            entry.path() + '/' + entry.fileName() + (entry.isDir() ? "/" : "");
        if (seen.contains(completePath))
            continue;
        seen.insert(completePath);
        reference.records.append(QVariantMap{{"fileName", entry.fileName()},
                                             {"path", entry.path()},
                                             {"completePath", completePath},
                                             {"isDir", entry.isDir()},
                                             {"isReadable", entry.isReadable()},
                                             {"isWritable", entry.isWritable()}});
    }
    return reference;
}

// Records and the debug lines after "File names:" of one listing.
Reference listed(const QString &path)
{
    Vantrel vantrel;
    std::unique_ptr<GroupDataModel> model;
    const QStringList lines = debugOf([&] { model.reset(vantrel.getFileInfoList(path)); });
    return {model->toListOfMaps(), lines.mid(2)};
}

// A folder of random entries: names mixing case, digits, dots, punctuation and
// characters beyond Latin-1 (also outside the BMP); files, folders, closed
// files, fifos, links absolute and relative to files, folders and nothing.
QString makeRandomFolder(const QString &folder, quint32 seed, int count)
{
    QRandomGenerator random(seed);
    const QString alphabet = QStringLiteral("aAbBzZ0129._-~ \"#\u00e9\u00c9\u00df\u3042\uff21") +
                             QString::fromUcs4(U"\U0001F600");
    if (!QDir().mkpath(folder))
        return QString();
    QStringList names;
    while (names.size() < count) {
        QString name = random.bounded(5) == 0 ? "." : "";
        const int length = 1 + random.bounded(6);
        for (int i = 0; i < length; ++i) {
            const int at = random.bounded(int(alphabet.size()));
            if (alphabet.at(at).isHighSurrogate())
                name += alphabet.mid(at, 2);
            else if (!alphabet.at(at).isLowSurrogate())
                name += alphabet.at(at);
        }
        if (name.isEmpty() || name == "." || name == ".." || names.contains(name))
            continue;
        names << name;
    }
    QStringList files, folders;
    for (const QString &name : std::as_const(names)) {
        const QString path = folder + '/' + name;
        const QByteArray native = QFile::encodeName(path);
        bool made = true;
        switch (random.bounded(9)) {
        case 0:
        case 1:
            made = QDir().mkdir(path);
            folders << name;
            break;
        case 2:
            made = ::mkfifo(native.constData(), 0644) == 0;
            break;
        case 3:
            made = QFile(path).open(QIODevice::WriteOnly) && ::chmod(native.constData(), 0) == 0;
            break;
        case 4:
        case 5: {
            // Relative or absolute, to a file or to a folder.
            const QStringList &targets = random.bounded(2) ? files : folders;
            const QString target = targets.isEmpty() ? name : targets.last();
            made = QFile::link(random.bounded(2) ? target : folder + '/' + target, path);
            break;
        }
        case 6:
            made = QFile::link(name + "-missing", path);
            break;
        default:
            made = QFile(path).open(QIODevice::WriteOnly);
            files << name;
            break;
        }
        if (!made && !QFile(path).open(QIODevice::WriteOnly)) {
            qWarning() << "cannot make" << path;
            return QString();
        }
    }
    return folder;
}

} // namespace

class TestVantrel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_fixture;
    QString m_random;
    quint32 m_seed = QRandomGenerator::global()->generate();

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
        m_random = makeRandomFolder(m_dir.filePath(QStringLiteral("random")), m_seed, 400);
        QVERIFY2(!m_random.isEmpty(), "cannot make the random folder");
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

    // Records and debug lines are what QDir and QFileInfo give for the same
    // folder: same entries, order, keys and values, line for line.
    void matchesQDir_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("workingFolder"); // for a relative path
        QTest::newRow("fixture") << m_fixture << "";
        QTest::newRow("fixture, trailing slashes") << m_fixture + "//"
                                                   << "";
        QTest::newRow("fixture, three leading slashes") << "//" + m_fixture << "";
        QTest::newRow(qPrintable(QString("random, seed %1").arg(m_seed))) << m_random << "";
        QTest::newRow("random, relative") << "random" << m_dir.path();
        QTest::newRow("random, relative with dot") << "./random/" << m_dir.path();
        QTest::newRow("empty path is the working folder") << "" << m_random;
        const QString fixed = makeRandomFolder(m_dir.filePath("fixed"), 1, 300);
        QTest::newRow("random, seed 1") << fixed << "";
        for (const char *folder : {"/", "/etc", "/usr/bin"})
            QTest::newRow(folder) << QString::fromLatin1(folder) << "";
    }

    void matchesQDir()
    {
        QFETCH(QString, path);
        QFETCH(QString, workingFolder);
        const QString previous = QDir::currentPath();
        if (!workingFolder.isEmpty())
            QVERIFY(QDir::setCurrent(workingFolder));
        const Reference expected = referenceListing(path.startsWith("//") ? path.mid(1) : path);
        const Reference got = listed(path);
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(!expected.records.isEmpty());
        for (qsizetype i = 0; i < qMin(got.records.size(), expected.records.size()); ++i) {
            const QVariantMap record = got.records.at(i).toMap();
            QVERIFY2(
                record == expected.records.at(i).toMap(),
                qPrintable(
                    QString("record %1: %2, expected %3")
                        .arg(i)
                        .arg(record.value("completePath").toString(),
                             expected.records.at(i).toMap().value("completePath").toString())));
        }
        QCOMPARE(got.records.size(), expected.records.size());
        QCOMPARE(got.lines, expected.lines);
    }

    // Names that are not UTF-8, which QDir leaves out, are listed; their
    // complete paths give back the very bytes. Beside each: a plain file, and
    // a link to it, whose target is written to the debug output.
    void undecodableNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folder");
        QByteArray high;
        for (int b = 0x80; b <= 0xFF; ++b)
            high += char(b);
        QTest::newRow("bytes 0x80-0xff") << high << false;
        QTest::newRow("lone continuation byte") << QByteArray("a\x80z") << false;
        QTest::newRow("overlong slash") << QByteArray("x\xc0\xafy") << false;
        QTest::newRow("valid and invalid mixed")
            << QByteArray("\xc3\xa9t\xe9 \xe2\x82\xac") << false;
        QTest::newRow("latin-1 folder") << QByteArray("K\xf6ln") << true;
    }

    void undecodableNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, folder);
        QTemporaryDir odd(m_dir.filePath(QStringLiteral("odd-XXXXXX")));
        QVERIFY(odd.isValid());
        const QByteArray parent = QFile::encodeName(odd.path());
        const QByteArray bytes = parent + '/' + name;
        // QDir cannot name these to remove them.
        const auto removeOdd = qScopeGuard([&] {
            ::unlink((bytes + "-link").constData());
            ::unlink(bytes.constData());
            ::rmdir(bytes.constData());
        });
        const bool made = folder
                              ? ::mkdir(bytes.constData(), 0755) == 0
                              : ::close(::open(bytes.constData(), O_CREAT | O_WRONLY, 0644)) == 0;
        if (!made)
            QSKIP("This file system takes only UTF-8 names");
        QCOMPARE(::symlink(name.constData(), (bytes + "-link").constData()), 0);
        QVERIFY(QFile(odd.filePath("plain")).open(QIODevice::WriteOnly));

        debugLines.clear();
        const Reference got = listed(odd.path());
        QCOMPARE(got.records.size(), 3);
        QStringList seen;
        for (qsizetype i = 0; i < got.records.size(); ++i) {
            const QVariantMap record = got.records.at(i).toMap();
            const QString fileName = record.value("fileName").toString();
            seen << fileName;
            const QByteArray real = PathCodec::encode(record.value("completePath").toString());
            // The complete path names the entry on disk, folders with their "/".
            QCOMPARE(::access(real.constData(), F_OK), 0);
            QCOMPARE(real, parent + '/' + PathCodec::encode(fileName) +
                               (record.value("isDir").toBool() ? "/" : ""));
            if (fileName != "plain")
                QCOMPARE(record.value("isDir").toBool(), folder);
            QCOMPARE(record.value("isReadable").toBool(), ::access(real.constData(), R_OK) == 0);
            QCOMPARE(record.value("isWritable").toBool(), ::access(real.constData(), W_OK) == 0);
            if (i > 0) {
                const QVariantMap before = got.records.at(i - 1).toMap();
                const bool beforeIsDir = before.value("isDir").toBool();
                QVERIFY(beforeIsDir < record.value("isDir").toBool() ||
                        (beforeIsDir == record.value("isDir").toBool() &&
                         before.value("fileName").toString() > fileName));
            }
        }
        const QString decoded = PathCodec::decode(name);
        QVERIFY(PathCodec::hasUndecodable(decoded));
        QVERIFY(seen.contains(decoded) && seen.contains(decoded + "-link"));

        // The lines QDebug writes for the names and the link's target.
        const QStringList expected = debugOf([&] {
            for (auto it = seen.crbegin(); it != seen.crend(); ++it) {
                qDebug() << *it;
                if (*it == decoded + "-link")
                    qDebug() << odd.path() + '/' + decoded;
            }
        });
        QCOMPARE(got.lines, expected);
    }

    // The engine on its own: what a full read adds, and a cancelled read.
    void engine_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("names") << false << false;
        QTest::newRow("full") << true << false;
        QTest::newRow("cancelled") << true << true;
    }

    void engine()
    {
        QFETCH(bool, full);
        QFETCH(bool, cancelled);
        std::atomic_bool cancel{cancelled};
        QList<Listing::Entry> entries;
        QCOMPARE(Listing::read(m_random, full ? Listing::Detail::Full : Listing::Detail::Names,
                               &entries, &cancel),
                 !cancelled);
        if (cancelled) {
            QVERIFY(entries.isEmpty());
            return;
        }
        QCOMPARE(entries.size(), QDir(m_random)
                                     .entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                                QDir::NoDotAndDotDot)
                                     .size());
        int links = 0, broken = 0;
        for (const Listing::Entry &entry : std::as_const(entries)) {
            const QFileInfo info(m_random + '/' + entry.name);
            QCOMPARE(entry.isLink, info.isSymLink());
            QCOMPARE(entry.isBrokenLink, info.isSymLink() && !info.exists());
            QCOMPARE(entry.isDir, info.isDir());
            links += entry.isLink;
            broken += entry.isBrokenLink;
            if (entry.isLink)
                QCOMPARE(entry.linkTarget, info.symLinkTarget());
            if (!full || entry.isBrokenLink)
                continue;
            QCOMPARE(entry.size, info.size());
            QCOMPARE(entry.modified, info.lastModified().toMSecsSinceEpoch());
            QCOMPARE(bool(S_ISDIR(entry.mode)), info.isDir());
            struct stat status;
            QCOMPARE(::stat(QFile::encodeName(info.filePath()).constData(), &status), 0);
            QCOMPARE(entry.mode, status.st_mode);
        }
        QVERIFY(links > 0 && broken > 0);
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
        // The zero must not end the path early and list the fixture.
        const QString zero = m_fixture + QChar(0);
        QTest::newRow("zero character at the end") << zero << 0 << zero;
        QTest::newRow("zero character inside") << zero + "/docs" << 0 << zero + "/docs";
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileactions.h"
#include "pathcodec.h"
#include "scratchmount.h"
#include "trash.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The trash as other freedesktop file managers see it: the files on disk are
// read here by hand, not through the code under test.
class tst_Trash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void trashAndRestore_data();
    void trashAndRestore();
    void infoFormat();
    void collision();
    void readsOthersTrash();
    void mountTrashChoice_data();
    void mountTrashChoice();
    void noTrashOnReadOnlyVolume();
    void eraseNeverFollowsLinks();

private:
    QString make(const QByteArray &relative, const QByteArray &content = "x");
    QByteArray read(const QString &path);

    QTemporaryDir m_dir;
    QString m_mount;    // a tmpfs, or "" where none can be had
    QString m_readOnly; // one made read-only in its test
    QString m_whyNoMount;
    QString m_work; // this test's entries on the home volume
};

// Empties a folder whatever the bytes of the names in it.
static bool clear(const QString &folder)
{
    return QProcess::execute(
               "sh", {"-c", "rm -rf -- \"$1\"/* \"$1\"/.[!.]* \"$1\"/..?*", "sh", folder}) == 0;
}

void tst_Trash::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString mount = m_dir.filePath("mnt");
    const QString readOnly = m_dir.filePath("ro");
    QVERIFY(QDir().mkpath(mount) && QDir().mkpath(readOnly));
    if (mountScratch(mount, &m_whyNoMount) && mountScratch(readOnly, &m_whyNoMount)) {
        m_mount = mount;
        m_readOnly = readOnly;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("data")));
}

void tst_Trash::cleanupTestCase()
{
    for (const QString &mount : {m_mount, m_readOnly}) {
        if (!mount.isEmpty())
            ::umount2(QFile::encodeName(mount).constData(), MNT_DETACH);
    }
    QVERIFY(clear(m_dir.path())); // names QTemporaryDir could not remove
}

void tst_Trash::init()
{
    // Every test starts with empty trashes.
    for (const QString &folder : {m_dir.filePath("data"), m_mount}) {
        if (!folder.isEmpty())
            QVERIFY(clear(folder));
    }
    m_work = m_dir.filePath("work");
    QVERIFY(QDir().mkpath(m_work) && clear(m_work));
}

QString tst_Trash::make(const QByteArray &relative, const QByteArray &content)
{
    const QByteArray path = QFile::encodeName(m_dir.path()) + '/' + relative;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return {};
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return written ? PathCodec::decode(path) : QString();
}

QByteArray tst_Trash::read(const QString &path)
{
    QByteArray bytes;
    const int fd = ::open(PathCodec::encode(path).constData(), O_RDONLY);
    if (fd < 0)
        return bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

// An independent reading of an info file: its Path's bytes, or "" when the
// file is not as the format has it.
static QByteArray pathOfInfo(const QByteArray &text, QDateTime *deleted)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.value(0) != "[Trash Info]" || !text.endsWith('\n'))
        return {};
    QByteArray path;
    for (const QByteArray &line : lines.mid(1)) {
        if (line.startsWith("Path=")) {
            const QByteArray value = line.mid(5);
            for (qsizetype i = 0; i < value.size(); ++i) {
                const char c = value[i];
                if (c == '%' && i + 2 < value.size() + 1) {
                    path += char(value.mid(i + 1, 2).toInt(nullptr, 16));
                    i += 2;
                } else if (QByteArrayView("-_.~/").contains(c) || std::isalnum(uchar(c))) {
                    path += c;
                } else {
                    return {}; // left unescaped
                }
            }
        } else if (line.startsWith("DeletionDate=")) {
            static const QRegularExpression form("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$");
            const QString value = QString::fromLatin1(line.mid(13));
            if (!form.match(value).hasMatch())
                return {};
            *deleted = QDateTime::fromString(value, Qt::ISODate);
        }
    }
    return path;
}

void tst_Trash::trashAndRestore_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("onMount");

    for (const bool onMount : {false, true}) {
        const char *where = onMount ? "mount: " : "home: ";
        QTest::addRow("%sfile", where) << QByteArray("notes.txt") << false << onMount;
        QTest::addRow("%snot UTF-8", where) << QByteArray("caf\xe9 \xff.txt") << false << onMount;
        QTest::addRow("%sspaces, percent, hash", where)
            << QByteArray("100% sure #1 (2).txt") << false << onMount;
        QTest::addRow("%sfolder", where) << QByteArray("Photos \x80") << true << onMount;
    }
}

void tst_Trash::trashAndRestore()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, folder);
    QFETCH(bool, onMount);
    if (onMount && m_mount.isEmpty())
        QSKIP(qPrintable(m_whyNoMount));

    const QByteArray base = onMount ? "mnt/sub" : "work/sub";
    QVERIFY(QDir().mkpath(m_dir.filePath(QString::fromLatin1(base))));
    QString path;
    if (folder) {
        path = PathCodec::decode(QFile::encodeName(m_dir.path()) + '/' + base + '/' + name);
        QVERIFY(::mkdir(PathCodec::encode(path).constData(), 0755) == 0);
        QVERIFY(!make(base + '/' + name + "/inner.txt", QByteArray(5000, 'i')).isEmpty());
    } else {
        path = make(base + '/' + name, "content");
        QVERIFY(!path.isEmpty());
    }
    const FileActions::Identity before = FileActions::identityOf(path);

    QString trashed;
    const QDateTime now = QDateTime::currentDateTime();
    const FileResult result = Trash::moveToTrash(path, &trashed);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QVERIFY(!FileActions::identityOf(path).valid);
    // Renamed, not copied: the same inode under the same bytes.
    const QString can =
        onMount ? m_mount + "/.Trash-" + QString::number(::getuid()) : m_dir.filePath("data/Trash");
    QCOMPARE(trashed, PathCodec::decode(QFile::encodeName(can) + "/files/" + name));
    QVERIFY(FileActions::identityOf(trashed).sameEntry(before));
    QCOMPARE(QFileInfo(can).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);

    QDateTime deleted;
    const QByteArray original = pathOfInfo(
        read(PathCodec::decode(QFile::encodeName(can) + "/info/" + name + ".trashinfo")), &deleted);
    // The home trash keeps whole paths; a volume's trash keeps them from its
    // top, so that the volume may be mounted elsewhere.
    QCOMPARE(original, onMount ? "sub/" + name : PathCodec::encode(path));
    QVERIFY(qAbs(deleted.secsTo(now)) < 60);
    if (folder) {
        const QList<QByteArray> sizes = read(can + "/directorysizes").split('\n');
        QCOMPARE(sizes.size(), 2);
        const QList<QByteArray> fields = sizes.first().split(' ');
        QCOMPARE(fields.size(), 3);
        QVERIFY(fields[0].toLongLong() >= 5000);
        QCOMPARE(QByteArray::fromPercentEncoding(fields[2]), name);
    }

    // Listed with where it came from.
    const QList<Trash::Item> items = Trash::list(Trash::canOf(trashed));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first().originalPath, path);
    QCOMPARE(items.first().deleted.toSecsSinceEpoch(), deleted.toSecsSinceEpoch());
    QVERIFY(Trash::listAll().size() >= 1);

    QString restored;
    QVERIFY(Trash::restore(trashed, {}, &restored).ok());
    QCOMPARE(restored, path);
    QVERIFY(FileActions::identityOf(path).sameEntry(before));
    QVERIFY(QDir(can + "/info").isEmpty() && QDir(can + "/files").isEmpty());
    QVERIFY(!read(can + "/directorysizes").contains(QByteArray::fromPercentEncoding(name)));
}

void tst_Trash::infoFormat()
{
    // The example of the format, to the byte.
    QCOMPARE(
        Trash::infoText("foo/bar/meow.bow-wow", QDateTime(QDate(2004, 8, 31), QTime(22, 32, 8))),
        QByteArray("[Trash Info]\nPath=foo/bar/meow.bow-wow\nDeletionDate=2004-08-31T22:32:08\n"));
    QByteArray path;
    QDateTime deleted;
    QVERIFY(Trash::parseInfo("[Trash Info]\nPath=/a/b%20c%FF\nDeletionDate=2004-08-31T22:32:08\n",
                             &path, &deleted));
    QCOMPARE(path, QByteArray("/a/b c\xff"));
    QCOMPARE(deleted, QDateTime(QDate(2004, 8, 31), QTime(22, 32, 8)));
}

void tst_Trash::collision()
{
    const QString can = m_dir.filePath("data/Trash");
    QStringList trashed;
    for (int i = 0; i < 3; ++i) {
        QString at;
        QVERIFY(Trash::moveToTrash(make("work/a.txt", QByteArray::number(i)), &at).ok());
        trashed << at;
    }
    QCOMPARE(trashed,
             QStringList({can + "/files/a.txt", can + "/files/a.2.txt", can + "/files/a.3.txt"}));
    // An entry left in files/ without its info is not overwritten either.
    QVERIFY(!make("data/Trash/files/b.txt", "orphan").isEmpty());
    QString at;
    QVERIFY(Trash::moveToTrash(make("work/b.txt", "new"), &at).ok());
    QCOMPARE(at, can + "/files/b.2.txt");
    QCOMPARE(read(can + "/files/b.txt"), QByteArray("orphan"));
    for (const QString &name : QDir(can + "/files").entryList(QDir::Files)) {
        if (name != "b.txt")
            QVERIFY2(QFile::exists(can + "/info/" + name + ".trashinfo"), qPrintable(name));
    }
    QCOMPARE(QDir(can + "/info").entryList(QDir::Files).size(), 4);

    // The name is taken again: restoring says so and changes nothing.
    const QString taken = make("work/a.txt", "newer");
    const FileResult refused = Trash::restore(trashed[1]);
    QCOMPARE(refused.error, FileResult::Exists);
    QCOMPARE(refused.path, taken);
    QCOMPARE(read(taken), QByteArray("newer"));
    QCOMPARE(read(trashed[1]), QByteArray("1"));
    QVERIFY(Trash::restore(trashed[1], m_work + "/a (2).txt").ok());
    QCOMPARE(read(m_work + "/a (2).txt"), QByteArray("1"));
}

void tst_Trash::readsOthersTrash()
{
    // As other file managers write them: a home trash entry with a whole
    // path, and a volume's entry with a path from its top.
    QVERIFY(QDir().mkpath(m_dir.filePath("data/Trash/files/Old photos")));
    QVERIFY(QDir().mkpath(m_dir.filePath("data/Trash/info")));
    QVERIFY(!make("data/Trash/info/Old photos.trashinfo",
                  "[Trash Info]\r\nPath=" + QFile::encodeName(m_work).toPercentEncoding("/") +
                      "/gone/Old%20photos\r\nDeletionDate=2023-05-06T07:08:09\r\n")
                 .isEmpty());
    const QList<Trash::Item> home = Trash::list({m_dir.filePath("data/Trash"), {}, true});
    QCOMPARE(home.size(), 1);
    QCOMPARE(home.first().originalPath, m_work + "/gone/Old photos");
    QCOMPARE(home.first().deleted, QDateTime(QDate(2023, 5, 6), QTime(7, 8, 9)));
    QVERIFY(home.first().identity.isDir());
    // Its folder went too: made again.
    QVERIFY(Trash::restore(home.first().trashedPath).ok());
    QVERIFY(QFileInfo(m_work + "/gone/Old photos").isDir());

    if (m_mount.isEmpty())
        QSKIP(qPrintable(m_whyNoMount));
    const QString can = m_mount + "/.Trash-" + QString::number(::getuid());
    QVERIFY(QDir().mkpath(can + "/files") && QDir().mkpath(can + "/info"));
    QVERIFY(!make("mnt/.Trash-" + QByteArray::number(::getuid()) + "/files/caf\xe9.jpg", "jpeg")
                 .isEmpty());
    QVERIFY(!make("mnt/.Trash-" + QByteArray::number(::getuid()) + "/info/caf\xe9.jpg.trashinfo",
                  "# written elsewhere\n[Trash Info]\nPath=pictures/caf%E9.jpg\n"
                  "DeletionDate=2024-01-02T03:04:05\nX-Other=kept\n")
                 .isEmpty());
    // One that would restore outside the volume is not believed.
    QVERIFY(
        !make("mnt/.Trash-" + QByteArray::number(::getuid()) + "/files/evil", "evil").isEmpty());
    QVERIFY(!make("mnt/.Trash-" + QByteArray::number(::getuid()) + "/info/evil.trashinfo",
                  "[Trash Info]\nPath=" + QFile::encodeName(m_work) + "/evil\n")
                 .isEmpty());
    QCOMPARE(Trash::restore(can + "/files/evil").error, FileResult::UnknownOrigin);
    QVERIFY(!QFileInfo::exists(m_work + "/evil"));

    const QList<Trash::Item> items = Trash::listAll();
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const Trash::Item &item) {
        return item.originalPath ==
               PathCodec::decode(QFile::encodeName(m_mount) + "/pictures/caf\xe9.jpg");
    });
    QVERIFY(found != items.cend());
    QVERIFY(Trash::restore(found->trashedPath).ok());
    QCOMPARE(read(PathCodec::decode(QFile::encodeName(m_mount) + "/pictures/caf\xe9.jpg")),
             QByteArray("jpeg"));
}

void tst_Trash::mountTrashChoice_data()
{
    QTest::addColumn<QString>("shared"); // what $topdir/.Trash is
    QTest::addColumn<QString>("own");    // what $topdir/.Trash-$uid is
    QTest::addColumn<QString>("can");    // the trash used, under the mount; "" for none

    const QString own = ".Trash-" + QString::number(::getuid());
    QTest::newRow("none yet") << ""
                              << "" << own;
    QTest::newRow("sticky .Trash") << "sticky"
                                   << ""
                                   << ".Trash/" + QString::number(::getuid());
    QTest::newRow(".Trash without the sticky bit") << "plain"
                                                   << "" << own;
    QTest::newRow(".Trash a link to a sticky folder") << "link"
                                                      << "" << own;
    QTest::newRow(".Trash-$uid a link") << ""
                                        << "link"
                                        << "";
    QTest::newRow(".Trash-$uid a file") << ""
                                        << "file"
                                        << "";
}

void tst_Trash::mountTrashChoice()
{
    QFETCH(QString, shared);
    QFETCH(QString, own);
    QFETCH(QString, can);
    if (m_mount.isEmpty())
        QSKIP(qPrintable(m_whyNoMount));

    const QByteArray top = QFile::encodeName(m_mount);
    QVERIFY(::mkdir(top + "/elsewhere", 01777) == 0 && ::chmod(top + "/elsewhere", 01777) == 0);
    if (shared == "link") {
        QVERIFY(::symlink("elsewhere", top + "/.Trash") == 0);
    } else if (!shared.isEmpty()) {
        const mode_t mode = shared == "sticky" ? 01777 : 0777;
        QVERIFY(::mkdir(top + "/.Trash", mode) == 0 && ::chmod(top + "/.Trash", mode) == 0);
    }
    const QByteArray ownPath = top + "/.Trash-" + QByteArray::number(::getuid());
    if (own == "link")
        QVERIFY(::symlink("elsewhere", ownPath) == 0);
    else if (own == "file")
        QVERIFY(!make("mnt/.Trash-" + QByteArray::number(::getuid())).isEmpty());

    if (shared == "plain" || shared == "link") // and the administrator hears of it
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Not using .*/\\.Trash"));
    const QString path = make("mnt/file.txt");
    QString trashed;
    const FileResult result = Trash::moveToTrash(path, &trashed);
    QVERIFY(QDir(m_mount + "/elsewhere").isEmpty());
    if (can.isEmpty()) {
        // Never a copy to another volume: the entry stays, and the reason
        // lets the person delete it instead.
        QCOMPARE(result.error, FileResult::NoTrash);
        QVERIFY(QFileInfo::exists(path));
        return;
    }
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(trashed, m_mount + '/' + can + "/files/file.txt");
}

void tst_Trash::noTrashOnReadOnlyVolume()
{
    if (m_readOnly.isEmpty())
        QSKIP(qPrintable(m_whyNoMount));
    const QString path = make("ro/file.txt");
    QVERIFY(!path.isEmpty());
    QVERIFY(remountReadOnly(m_readOnly));
    const FileResult result = Trash::moveToTrash(path);
    QCOMPARE(result.error, FileResult::ReadOnly);
    QVERIFY(QFileInfo::exists(path));
}

void tst_Trash::eraseNeverFollowsLinks()
{
    QVERIFY(QDir().mkpath(m_dir.filePath("work/keep")));
    const QString kept = make("work/keep/precious.txt", "precious");
    QVERIFY(QDir().mkpath(m_dir.filePath("work/tree/deep/er")));
    QVERIFY(!make("work/tree/deep/er/f.txt").isEmpty());
    QVERIFY(QFile::link(m_dir.filePath("work/keep"), m_dir.filePath("work/tree/deep/link")));
    QString trashed;
    QVERIFY(Trash::moveToTrash(m_work + "/tree", &trashed).ok());
    QVERIFY(Trash::erase(trashed).ok());
    QVERIFY(!FileActions::identityOf(trashed).valid);
    QCOMPARE(read(kept), QByteArray("precious"));
    QVERIFY(QDir(m_dir.filePath("data/Trash/info")).isEmpty());
    QVERIFY(!read(m_dir.filePath("data/Trash/directorysizes")).contains("tree"));

    // Emptying takes the entries, their info and info left without an entry.
    QVERIFY(Trash::moveToTrash(make("work/one.txt")).ok());
    QVERIFY(!make("data/Trash/info/stale.trashinfo", "[Trash Info]\nPath=/stale\n").isEmpty());
    QVERIFY(Trash::emptyCan(Trash::canOf(trashed)).ok());
    QVERIFY(QDir(m_dir.filePath("data/Trash/files")).isEmpty());
    QVERIFY(QDir(m_dir.filePath("data/Trash/info")).isEmpty());
}

int main(int argc, char *argv[])
{
    // A user namespace is only for a process of one thread: enter it before
    // the application starts any.
    enterMountNamespace(nullptr);
    QCoreApplication app(argc, argv);
    tst_Trash test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_trash.moc"

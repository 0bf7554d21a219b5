// SPDX-License-Identifier: GPL-3.0-or-later
// A mount whose server never answers (tests/hangfs), reached in every way
// the program reaches files: what waits on it waits alone.
#include "copyjob.h"
#include "fileopener.h"
#include "fileprobe.h"
#include "iolanes.h"
#include "places.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class tst_StalledMount : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void othersGoOn();
    void copyCancelsAtOnce();
    void volumeAskedOnce();

private:
    // Starts a server on a new mount point; "" (and a skip reason) when it
    // cannot run here.
    QString mount(const QStringList &options, QString *whyNot);

    QTemporaryDir m_dir;
    QList<QProcess *> m_servers;
    QString m_mount;
    QString m_local; // a file elsewhere, with some content
};

QString tst_StalledMount::mount(const QStringList &options, QString *whyNot)
{
#ifndef VANTREL_HANGFS
    Q_UNUSED(options);
    *whyNot = QStringLiteral("built without libfuse3 (scripts/install-deps.sh installs it)");
    return QString();
#else
    const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fuse < 0) {
        *whyNot = QStringLiteral("/dev/fuse cannot be opened here: %1").arg(qt_error_string(errno));
        return QString();
    }
    ::close(fuse);
    if (::geteuid() != 0 && QStandardPaths::findExecutable("fusermount3").isEmpty()) {
        *whyNot = QStringLiteral("fusermount3 is missing");
        return QString();
    }
    const QString point = m_dir.filePath(QString("mount%1").arg(m_servers.size()));
    QDir().mkpath(point);
    auto *server = new QProcess(this);
    server->start(QStringLiteral(VANTREL_HANGFS), QStringList(point) + options);
    m_servers.append(server);
    if (!server->waitForReadyRead(10000) || !server->readAll().contains("mounted")) {
        *whyNot = QStringLiteral("the FUSE server could not mount: %1")
                      .arg(QString::fromLocal8Bit(server->readAllStandardError()).trimmed());
        return QString();
    }
    return point;
#endif
}

void tst_StalledMount::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_local = m_dir.filePath("hostname");
    QFile file(m_local);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("vantrel-host\n") > 0);
    file.close();
    QString whyNot;
    m_mount = mount({}, &whyNot);
    if (m_mount.isEmpty())
        QSKIP(qPrintable(whyNot));
}

void tst_StalledMount::cleanupTestCase()
{
    // The server's end unmounts, and whatever still waits on it is let go.
    for (QProcess *server : std::as_const(m_servers)) {
        server->terminate();
        server->waitForFinished(5000);
    }
    FileProbe::ioPool()->waitForDone(10000);
}

void tst_StalledMount::othersGoOn()
{
    FileOpener opener;
    QSignalSpy types(&opener, &FileOpener::fileTypeReady);
    // A hundred opens of files whose read or open never returns.
    for (int i = 0; i < 100; ++i)
        opener.requestFileType(m_mount + (i % 2 ? "/slow-read" : "/slow-open"));
    opener.requestFileType(m_local);
    QVERIFY(types.wait(5000));
    QCOMPARE(types.size(), 1);
    QCOMPARE(types.first().at(0).toString(), m_local);
    QCOMPARE(types.first().at(1).toMap().value("mimeType").toString(), QString("text/plain"));

    // A copy still goes through, whole.
    QTemporaryDir documents;
    CopyJob job;
    job.setDestinationFolder(documents.filePath("shared/documents/Vantrel/"));
    QSignalSpy finished(&job, &CopyJob::finished);
    QVERIFY(job.start(m_local));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QFile copy(finished.first().at(3).toString());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("vantrel-host\n"));

    // And what waits is said: the mount, once.
    QTRY_COMPARE_WITH_TIMEOUT(IoLanes::waitingMounts(), QStringList(m_mount), 5000);
    QCOMPARE(IoLanes::waitingFor(m_mount + "/slow-read"), m_mount);
    QCOMPARE(IoLanes::waitingFor(m_local), QString());
}

void tst_StalledMount::copyCancelsAtOnce()
{
    // A mount of its own: the first one's workers are all taken.
    QString whyNot;
    const QString mount = this->mount({}, &whyNot);
    if (mount.isEmpty())
        QSKIP(qPrintable(whyNot));
    QTemporaryDir documents;
    const QString folder = documents.filePath("shared/documents/Vantrel/");
    CopyJob job;
    job.setDestinationFolder(folder);
    QSignalSpy finished(&job, &CopyJob::finished);
    // Its first 64 KiB come; then the server says nothing more.
    QVERIFY(job.start(mount + "/slow-tail"));
    QTRY_COMPARE_WITH_TIMEOUT(job.waitingFor(), mount, 5000);
    QVERIFY(job.isTotalKnown());
    QCOMPARE(job.total(), 1024.0 * 1024);
    QVERIFY(finished.isEmpty());
    job.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(1).toString(), QString("cancelled"));
    QCOMPARE(job.waitingFor(), QString());

    // The next copy starts and ends while the first still waits in the kernel.
    QVERIFY(job.start(m_local));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.last().at(0).toBool(), true);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList("hostname"));
}

void tst_StalledMount::volumeAskedOnce()
{
    // A network share whose free space never comes.
    QString whyNot;
    const QString share = mount({"--statfs-hangs", "--subtype=sshfs"}, &whyNot);
    if (share.isEmpty())
        QSKIP(qPrintable(whyNot));
    const int before = IoLanes::pending();
    Places places;
    const auto row = [&] {
        for (int i = 0; i < places.rowCount(); ++i) {
            if (places.index(i).data(Places::PathRole).toString() == share + '/')
                return i;
        }
        return -1;
    };
    QTRY_VERIFY_WITH_TIMEOUT(row() >= 0, 5000);
    // Changes of the mount table ask again only what has answered.
    for (int i = 0; i < 40; ++i)
        places.refreshVolumes();
    // The looks at the standard folders end; the stuck question stays alone.
    QTRY_COMPARE_WITH_TIMEOUT(IoLanes::pending(), before + 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(places.index(row()).data(Places::WaitingRole).toBool(), 5000);
    QCOMPARE(places.index(row()).data(Places::DetailRole).toString(), QString());

    FileOpener opener;
    QSignalSpy types(&opener, &FileOpener::fileTypeReady);
    opener.requestFileType(m_local);
    QVERIFY(types.wait(5000));
}

QTEST_GUILESS_MAIN(tst_StalledMount)
#include "tst_stalledmount.moc"

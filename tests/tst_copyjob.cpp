// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyjob.h"
#include "filecopy.h"
#include "fileprobe.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_CopyJob : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void outcome_data();
    void outcome();
    void cancelLeavesNothing();
    void changedWhileCopied_data();
    void changedWhileCopied();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_CopyJob::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath("shared/documents/Vantrel/");
    QVERIFY(QDir().mkpath(m_dir->filePath("shared")));
}

void tst_CopyJob::outcome_data()
{
    QTest::addColumn<QString>("source"); // relative to the test folder
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");

    QTest::newRow("copied") << "photo.jpg" << true << "";
    QTest::newRow("name taken") << "taken.txt" << false << "exists";
    QTest::newRow("vanished") << "gone.txt" << false << "vanished";
    QTest::newRow("a pipe") << "pipe" << false << "notRegular";
    QTest::newRow("a folder") << "shared/" << false << "notRegular";
}

void tst_CopyJob::outcome()
{
    QFETCH(QString, source);
    QFETCH(bool, ok);
    QFETCH(QString, reason);

    const QByteArray content(300 * 1024, 'v');
    for (const char *name : {"photo.jpg", "taken.txt"}) {
        QFile file(m_dir->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    QVERIFY(::mkfifo(QFile::encodeName(m_dir->filePath("pipe")).constData(), 0600) == 0);
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(QFile::copy(m_dir->filePath("taken.txt"), m_folder + "taken.txt"));

    CopyJob job;
    job.setDestinationFolder(m_folder);
    QSignalSpy finished(&job, &CopyJob::finished);
    QVERIFY(job.start(m_dir->filePath(source)));
    QVERIFY(job.isRunning());
    QVERIFY(!job.start(m_dir->filePath(source))); // one copy at a time
    QVERIFY(finished.wait(10000));
    QVERIFY(!job.isRunning());
    QCOMPARE(finished.first().at(0).toBool(), ok);
    QCOMPARE(finished.first().at(1).toString(), reason);
    // The typed state and reason say the same.
    QCOMPARE(job.state(), ok ? CopyJob::Succeeded : CopyJob::Failed);
    const QMap<QString, CopyJob::Reason> typed = {{"", CopyJob::NoReason},
                                                  {"exists", CopyJob::NameTaken},
                                                  {"vanished", CopyJob::SourceVanished},
                                                  {"notRegular", CopyJob::NotRegular}};
    QCOMPARE(job.reason(), typed.value(reason));
    if (ok) {
        QCOMPARE(job.done(), double(content.size()));
        QCOMPARE(job.total(), double(content.size()));
        QFile copy(finished.first().at(3).toString());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content);
    }
    // Nothing but the file that was there before and what was copied.
    QStringList expected{"taken.txt"};
    if (ok)
        expected.prepend(source);
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             expected);
}

void tst_CopyJob::cancelLeavesNothing()
{
    QFile file(m_dir->filePath("big.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(4 << 20, 'x')) == 4 << 20);
    file.close();

    // The copy waits at its start until the test has pressed Cancel.
    QSemaphore held;
    CopyJob::setStartHookForTesting([&held] { held.acquire(); });
    CopyJob job;
    job.setDestinationFolder(m_folder);
    QSignalSpy finished(&job, &CopyJob::finished);
    QVERIFY(job.start(file.fileName()));
    job.cancel();
    // Cancel ends the job at once, though its worker has not even begun.
    QCOMPARE(finished.size(), 1);
    QCOMPARE(job.state(), CopyJob::Failed);
    held.release();
    // The worker, once it runs, removes what it made and says nothing more.
    FileProbe::ioPool()->waitForDone();
    QCoreApplication::processEvents();
    CopyJob::setStartHookForTesting({});
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), QString("cancelled"));
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void tst_CopyJob::changedWhileCopied_data()
{
    QTest::addColumn<QByteArray>("change"); // "append", "rewrite" or "" for none
    QTest::newRow("appended to") << QByteArray("append");
    QTest::newRow("written over in place") << QByteArray("rewrite");
    QTest::newRow("left alone") << QByteArray();
}

// A copy holds only what the source held while it was copied, or fails.
void tst_CopyJob::changedWhileCopied()
{
    QFETCH(QByteArray, change);
    const QString source = m_dir->filePath("growing.log");
    const QByteArray content(3 << 20, 'a');
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    // Written long ago: a write now changes its time, however coarse the clock.
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                             QFileDevice::FileModificationTime));
    file.close();

    bool changed = false;
    const FileCopy::Result result = FileCopy::copy(source, m_folder, [&](qint64 done, qint64) {
        // Between the first and the second piece.
        if (done > 0 && !changed && !change.isEmpty()) {
            changed = true;
            QFile writer(source);
            if (change == "append")
                writer.open(QIODevice::Append);
            else
                writer.open(QIODevice::ReadWrite);
            writer.write(QByteArray(1 << 20, 'b'));
        }
        return true;
    });
    QCOMPARE(changed, !change.isEmpty());
    QCOMPARE(result.error,
             change.isEmpty() ? FileCopy::Error::None : FileCopy::Error::SourceChanged);
    const QStringList left =
        QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, change.isEmpty() ? QStringList("growing.log") : QStringList());
    if (change.isEmpty()) {
        QFile copy(m_folder + "growing.log");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content);
    }
}

QTEST_GUILESS_MAIN(tst_CopyJob)
#include "tst_copyjob.moc"

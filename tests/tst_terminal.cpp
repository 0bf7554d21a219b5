// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderstatus.h"
#include "pathcodec.h"
#include "scenetools.h"
#include "terminal.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A stand-in terminal: notes the folder it was started in.
bool writeProgram(const QString &path, const QString &note)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\npwd > \"" + QFile::encodeName(note) + ".tmp\" && /bin/mv \"" +
               QFile::encodeName(note) + ".tmp\" \"" + QFile::encodeName(note) + "\"\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestTerminal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup_data()
    {
        QTest::addColumn<bool>("alternative"); // x-terminal-emulator on the PATH
        QTest::addColumn<QString>("terminal"); // $TERMINAL; "@" is the folder of programs
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Debian's choice first")
            << true << "other" << QStringList{"@/x-terminal-emulator"};
        QTest::newRow("then $TERMINAL") << false << "other" << QStringList{"@/other"};
        QTest::newRow("with its options")
            << false << "other --hold -e" << QStringList{"@/other", "--hold", "-e"};
        QTest::newRow("by its path") << false << "@/other" << QStringList{"@/other"};
        QTest::newRow("named but missing") << false << "missing" << QStringList();
        QTest::newRow("none") << false << "" << QStringList();
    }
    void lookup()
    {
        QFETCH(bool, alternative);
        QFETCH(QString, terminal);
        QFETCH(QStringList, expected);
        QTemporaryDir programs;
        QVERIFY(programs.isValid());
        const QString note = programs.filePath("note");
        QVERIFY(writeProgram(programs.filePath("other"), note));
        if (alternative)
            QVERIFY(writeProgram(programs.filePath("x-terminal-emulator"), note));
        QProcessEnvironment environment;
        environment.insert("PATH", programs.path() + ":/nonexistent");
        if (!terminal.isEmpty())
            environment.insert("TERMINAL", terminal.replace("@", programs.path()));
        expected.replaceInStrings("@", programs.path());
        QCOMPARE(Terminal::command(environment), expected);

        // Started in the folder, or the reason it could not be.
        Terminal launcher;
        launcher.setEnvironmentForTesting(environment);
        QTemporaryDir folder;
        const QByteArray odd = QFile::encodeName(folder.path()) + "/caf\xe9";
        QVERIFY(::mkdir(odd.constData(), 0755) == 0);
        auto removeOdd = qScopeGuard([&] { ::rmdir(odd.constData()); });
        QCOMPARE(launcher.openIn(PathCodec::decode(odd)), !expected.isEmpty());
        if (expected.isEmpty()) {
            QVERIFY(!launcher.error().isEmpty());
            return;
        }
        QVERIFY(launcher.error().isEmpty());
        QTRY_VERIFY(QFile::exists(note));
        QFile written(note);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().trimmed(), odd);
    }

    void figures()
    {
        // English plural forms come from their own small translation.
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/qm/Vantrel_en.qm")));
        QCoreApplication::installTranslator(&english);
        auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&english); });
        const QString many = QLocale().toString(1204);
        QCOMPARE(FolderStatus::countText(1204, 0), many + " entries");
        QCOMPARE(FolderStatus::countText(1204, 3), many + " entries, 3 hidden");
        QCOMPARE(FolderStatus::countText(1, 1), "1 entry, 1 hidden");
        QCOMPARE(FolderStatus::selectionText(0, 0), QString());
        // Sizes in the units the list and the jobs panel write: "2 kB", never "2 KiB".
        QCOMPARE(FolderStatus::selectionText(2, 2048),
                 "2 selected (" + SceneTools().formatSize(2048) + ")");
        QVERIFY(!FolderStatus::selectionText(2, 2048).contains(QLatin1String("KiB")));

        // The free space of the folder's volume, read and kept current.
        QTemporaryDir dir;
        FolderStatus status;
        QSignalSpy changed(&status, &FolderStatus::spaceChanged);
        status.setFolder(dir.path());
        QVERIFY(changed.wait(5000));
        struct statvfs volume;
        QVERIFY(::statvfs(QFile::encodeName(dir.path()).constData(), &volume) == 0);
        QCOMPARE(status.bytesTotal(), qint64(volume.f_blocks) * qint64(volume.f_frsize));
        QVERIFY(status.bytesFree() > 0);
        QVERIFY(status.freeText().contains(SceneTools().formatSize(double(status.bytesFree()))));
        status.setFolder(dir.filePath("gone"));
        QVERIFY(changed.wait(5000));
        QCOMPARE(status.bytesFree(), -1);
        QCOMPARE(status.freeText(), QString());
    }
};

QTEST_GUILESS_MAIN(TestTerminal)
#include "tst_terminal.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What "vantrel ARGUMENTS" asks for: the path made absolute and decoded as
// the listing decodes names, the options Qt keeps, the answers to --help,
// --version and mistakes, also from the built program where no display is.
#include "commandline.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root;

    // The built program with no display in reach, started in folder.
    static QProcess *run(const QStringList &arguments, const QString &folder,
                         const QString &language = QString())
    {
        auto *program = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert("LANG", language.isEmpty() ? QStringLiteral("C.UTF-8") : language);
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(folder);
        program->start(QStringLiteral(VANTREL_PROGRAM), arguments);
        return program;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path();
        QVERIFY(QDir(m_root).mkpath("folder/inner") && QDir(m_root).mkpath("locked/inner"));
        QFile file(m_root + "/folder/notes.txt");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        QVERIFY(QFile::setPermissions(m_root + "/locked", {}));
    }
    void cleanupTestCase()
    {
        QFile::setPermissions(m_root + "/locked",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        CommandLine::setRequestedPath(QString());
    }

    void parse_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("path"); // or, with an exit code, words of the output
        QTest::addColumn<QList<int>>("qtArguments");
        QTest::addColumn<bool>("warned");
        const QString odd = QString(QChar(0xDCFF));
        QTest::newRow("nothing") << QByteArrayList{} << -1 << "" << QList<int>{} << false;
        QTest::newRow("relative, folded")
            << QByteArrayList{"docs/./a/../b/"} << -1 << "/home/u/docs/b" << QList<int>{} << false;
        QTest::newRow("absolute") << QByteArrayList{"//etc//"} << -1 << "/etc" << QList<int>{}
                                  << false;
        QTest::newRow("caller's folder") << QByteArrayList{"--caller-dir=/srv/x", "a"} << -1
                                         << "/srv/x/a" << QList<int>{} << false;
        QTest::newRow("caller's folder apart") << QByteArrayList{"--caller-dir", "/srv", "../a"}
                                               << -1 << "/a" << QList<int>{} << false;
        QTest::newRow("not UTF-8")
            << QByteArrayList{"/tmp/\xff"} << -1 << "/tmp/" + odd << QList<int>{} << false;
        QTest::newRow("file URL") << QByteArrayList{"file:///tmp/a%20b/%FF?x#y"} << -1
                                  << "/tmp/a b/" + odd << QList<int>{} << false;
        QTest::newRow("file URL, localhost")
            << QByteArrayList{"FILE://LocalHost/etc"} << -1 << "/etc" << QList<int>{} << false;
        QTest::newRow("after --, a name")
            << QByteArrayList{"--", "-x"} << -1 << "/home/u/-x" << QList<int>{} << false;
        QTest::newRow("Qt's options kept")
            << QByteArrayList{"-platform", "offscreen", "/x", "--reverse", "-qmljsdebugger=port:1"}
            << -1 << "/x" << QList<int>{1, 2, 4, 5} << false;
        QTest::newRow("several paths")
            << QByteArrayList{"/a", "/b", "/c"} << -1 << "/a" << QList<int>{} << true;
        QTest::newRow("help") << QByteArrayList{"/a", "--help"} << 0 << "Usage: vantrel"
                              << QList<int>{} << false;
        QTest::newRow("-h") << QByteArrayList{"-h"} << 0 << "--version" << QList<int>{} << false;
        QTest::newRow("version") << QByteArrayList{"-v"} << 0 << "Vantrel " VANTREL_VERSION "\n"
                                 << QList<int>{} << false;
        QTest::newRow("unknown option")
            << QByteArrayList{"--bogus", "/a"} << 2 << "'--bogus'" << QList<int>{} << false;
        QTest::newRow("a value missing")
            << QByteArrayList{"/a", "-platform"} << 2 << "-platform" << QList<int>{} << false;
        QTest::newRow("another machine")
            << QByteArrayList{"file://far/etc"} << 2 << "file://far/etc" << QList<int>{} << false;
        QTest::newRow("not a file URL")
            << QByteArrayList{"sftp://far/etc"} << 2 << "sftp://" << QList<int>{} << false;
    }
    void parse()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, path);
        QFETCH(QList<int>, qtArguments);
        QFETCH(bool, warned);
        arguments.prepend("vantrel");
        const CommandLine::Request request = CommandLine::parse(arguments, "/home/u");
        QCOMPARE(request.exitCode, exitCode);
        if (exitCode < 0) {
            QCOMPARE(request.path, path);
            QCOMPARE(request.qtArguments, qtArguments);
        } else {
            QVERIFY2(request.output.contains(path), qPrintable(request.output));
            // A mistake shows the usage and where to read more.
            if (exitCode == 2)
                QVERIFY(request.output.contains("Usage: vantrel") &&
                        request.output.contains("--help"));
        }
        QCOMPARE(!request.warning.isEmpty(), warned);
    }

    // main() hands Qt only its own options.
    void take()
    {
        char *argv[] = {const_cast<char *>("vantrel"),   const_cast<char *>("-platform"),
                        const_cast<char *>("offscreen"), const_cast<char *>("/srv/a b"),
                        const_cast<char *>("-reverse"),  nullptr};
        int argc = 5;
        QCOMPARE(CommandLine::take(argc, argv), -1);
        QCOMPARE(argc, 4);
        QCOMPARE(QByteArray(argv[3]), QByteArray("-reverse"));
        QCOMPARE(CommandLine::requestedPath(), QString("/srv/a b"));
    }

    // "@" the fixture; the folder ends in "/" as the browser's do.
    void startFor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "@/folder/inner"
                                  << "@/folder/inner/"
                                  << ""
                                  << "";
        QTest::newRow("a file") << "@/folder/./notes.txt"
                                << "@/folder/"
                                << "@/folder/notes.txt"
                                << "";
        QTest::newRow("gone") << "@/folder/gone/deeper"
                              << "@/folder/"
                              << ""
                              << "missing";
        QTest::newRow("a file under a file") << "@/folder/notes.txt/x"
                                             << "@/folder/"
                                             << ""
                                             << "missing";
        if (::geteuid() != 0)
            QTest::newRow("unreadable") << "@/locked/inner"
                                        << "@/"
                                        << ""
                                        << "unreadable";
    }
    void startFor()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, select);
        QFETCH(QString, reason);
        const QVariantMap found = CommandLine::startFor(path.replace('@', m_root), "/home/u");
        QCOMPARE(found.value("folder").toString(), folder.replace('@', m_root));
        QCOMPARE(found.value("select").toString(), select.replace('@', m_root));
        QCOMPARE(found.value("reason").toString(), reason);
    }

    // The built program answers and exits where there is no display, in the
    // language of its translations when it runs in its sandbox.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("inSandbox");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << false << 0 << "Usage: vantrel"
                                << "";
        QTest::newRow("--version")
            << QStringList{"--version"} << false << 0 << "Vantrel " VANTREL_VERSION "\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << false << 2 << ""
                                        << "unknown option '--bogus'";
        QTest::newRow("German help") << QStringList{"-h"} << true << 0 << "Aufruf: vantrel"
                                     << "";
    }
    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, inSandbox);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        std::unique_ptr<QProcess> program(
            run(arguments, inSandbox ? QStringLiteral(VANTREL_SANDBOX_DIR) : m_root,
                inSandbox ? QStringLiteral("de_DE.UTF-8") : QString()));
        QVERIFY(program->waitForFinished(30000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), exitCode);
        const QString stdOut = QString::fromUtf8(program->readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program->readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

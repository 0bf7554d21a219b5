// SPDX-License-Identifier: GPL-3.0-or-later
#include "classifier.h"
#include "copyjob.h"
#include "fileopener.h"
#include "launcher.h"
#include "pathcodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMimeType>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The module's types, registered by hand where no scene does it.
void qml_register_types_Vantrel();

namespace {

QByteArray jpegBytes()
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// The head of this very test program: an ELF executable.
QByteArray elfBytes()
{
    QFile self(QCoreApplication::applicationFilePath());
    return self.open(QIODevice::ReadOnly) ? self.read(16 * 1024) : QByteArray();
}

} // namespace

class TstFileOpener : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content, int mode = 0644)
    {
        const QString path = m_dir.filePath(name);
        const QByteArray bytes = PathCodec::encode(path);
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return QString();
        const bool written =
            ::write(fd, content.constData(), size_t(content.size())) == ssize_t(content.size());
        ::close(fd);
        // Set after writing: the umask has no say.
        if (!written || ::chmod(bytes.constData(), mode_t(mode)) != 0)
            return QString();
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(elfBytes().startsWith("\x7f"
                                      "ELF"));
    }

    void type_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("mime");
        QTest::addColumn<QString>("viewer");

        const QByteArray jpeg = jpegBytes();
        const QByteArray pdf = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\n";
        QTest::newRow("upper-case extension") << "PHOTO.JPG" << jpeg << "image/jpeg"
                                              << "image";
        QTest::newRow("no extension") << "photo" << jpeg << "image/jpeg"
                                      << "image";
        QTest::newRow("content over name") << "picture.png" << jpeg << "image/jpeg"
                                           << "image";
        QTest::newRow("text") << "notes.TXT" << QByteArray("hello\n") << "text/plain"
                              << "text";
        QTest::newRow("source code")
            << "main.cpp" << QByteArray("int main() {}\n") << "text/x-c++src"
            << "text";
        QTest::newRow("text without extension") << "notes" << QByteArray("hello\n") << "text/plain"
                                                << "text";
        QTest::newRow("text named PDF") << "fake.pdf" << QByteArray("just words\n") << "text/plain"
                                        << "text";
        QTest::newRow("PDF") << "Report.PDF" << pdf << "application/pdf"
                             << "external";
        QTest::newRow("PDF without extension") << "report" << pdf << "application/pdf"
                                               << "external";
        QTest::newRow("unknown binary")
            << "data.bin" << QByteArray("\x01\x02\0\xff\xfe", 5) << "application/octet-stream"
            << "hex";
        QTest::newRow("empty") << "empty.txt" << QByteArray() << "application/x-zerosize"
                               << "text";
    }

    void type()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, mime);
        QFETCH(QString, viewer);
        const QString path = write(name, content);
        QVERIFY(!path.isEmpty());
        const QVariantMap type = FileOpener().fileType(path);
        QCOMPARE(type.value("mimeType").toString(), mime);
        QCOMPARE(type.value("viewer").toString(), viewer);
        QVERIFY(!type.value("description").toString().isEmpty());
        QCOMPARE(type.value("isSpecial").toBool(), false);
        QCOMPARE(type.value("isExecutable").toBool(), false);
    }

    void confirmation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("runs"); // %1 stands for the path

        QTest::newRow("ELF without execute bit") << "prog" << elfBytes() << 0644 << "%1";
        QTest::newRow("shell script")
            << "run.sh" << QByteArray("#!/bin/sh\necho hi\n") << 0644 << "/bin/sh %1";
        QTest::newRow("script with execute bit")
            << "tool" << QByteArray("#!/usr/bin/python3\nprint(1)\n") << 0755
            << "/usr/bin/python3 %1";
        QTest::newRow("script without execute bit")
            << "tool.py" << QByteArray("#!/usr/bin/python3\nprint(1)\n") << 0644 << "";
        QTest::newRow("desktop entry")
            << "app.desktop"
            << QByteArray("[Desktop Entry]\nType=Application\nName=X\nExec=xmessage hi\n"
                          "[Desktop Action A]\nExec=other\n")
            << 0644 << "xmessage hi";
        QTest::newRow("text with execute bit")
            << "notes.txt" << QByteArray("just notes\n") << 0755 << "";
        QTest::newRow("picture with execute bit") << "p.jpg" << jpegBytes() << 0755 << "";
        // Handed by the desktop to wine, a script host or javaws.
        QTest::newRow("Windows installer")
            << "setup.msi" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << 0644 << "%1";
        QTest::newRow("batch file")
            << "run.bat" << QByteArray("@echo off\r\ndel x\r\n") << 0644 << "%1";
        QTest::newRow("Windows shortcut")
            << "app.lnk" << QByteArray("L\0\0\0\x01\x14\x02\0", 8) << 0644 << "%1";
        QTest::newRow("Java Web Start")
            << "app.jnlp" << QByteArray("<?xml version=\"1.0\"?>\n<jnlp codebase=\".\"/>\n") << 0644
            << "%1";
        QTest::newRow("VBScript") << "run.vbs" << QByteArray("MsgBox \"hi\"\r\n") << 0644 << "%1";
        QTest::newRow("desktop entry, Exec after 16 KiB")
            << "long.desktop"
            << QByteArray("[Desktop Entry]\nType=Application\n# " + QByteArray(20000, 'p') +
                          "\nExec=echo " + QByteArray(17000, 'a') + "\n")
            << 0644 << "echo " + QString(17000, 'a');
        QTest::newRow("desktop entry, escapes")
            << "esc.desktop"
            << QByteArray("[Desktop Entry]\nType=Application\nExec=echo\\sa\\\\b\n") << 0644
            << "echo a\\b";
        QTest::newRow("desktop link")
            << "site.desktop"
            << QByteArray("[Desktop Entry]\nType=Link\nURL=https://example.org/\n") << 0644
            << "https://example.org/";
    }

    void confirmation()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(QString, runs);
        const QString path = write(name, content, mode);
        QVERIFY(!path.isEmpty());
        FileOpener opener;
        QList<QUrl> launched;
        opener.setLauncher([&launched](const QUrl &url) {
            launched << url;
            return true;
        });
        const QString expected = runs.isEmpty() ? QString() : runs.arg(path);
        const QVariantMap type = opener.fileType(path);
        QCOMPARE(type.value("runs").toString(), expected);
        QCOMPARE(type.value("isExecutable").toBool(), !expected.isEmpty());

        const QVariantMap first = opener.openExternally(path);
        QCOMPARE(first.value("needsConfirmation").toBool(), !expected.isEmpty());
        QCOMPARE(first.value("ok").toBool(), expected.isEmpty());
        QCOMPARE(launched.size(), expected.isEmpty() ? 1 : 0);
        const QVariantMap confirmed = opener.openExternallyConfirmed(path);
        QVERIFY(confirmed.value("ok").toBool());
        QCOMPARE(launched.last(), QUrl::fromLocalFile(path));
    }

    // Entries the desktop's own reader (GLib) reads otherwise than shown are
    // never run, asked or not.
    void refusedEntries_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray head = "[Desktop Entry]\nType=Application\n";
        QTest::newRow("Exec twice") << head + "Exec=true\nExec=touch x\n";
        QTest::newRow("group twice") << head + "Exec=true\n[Desktop Entry]\nExec=touch x\n";
        QTest::newRow("unknown escape") << head + "Exec=echo \\q\n";
        QTest::newRow("line break in the command") << head + "Exec=true\\ntouch x\n";
        QTest::newRow("hidden by a direction mark") << head + "Exec=echo \u202Eok\n";
        QTest::newRow("started over D-Bus") << head + "Exec=true\nDBusActivatable=true\n";
        QTest::newRow("not UTF-8") << head + "Exec=echo \xFF\n";
        QTest::newRow("longer than read") << head + "Exec=echo " + QByteArray(1100000, 'a') + "\n";
    }

    void refusedEntries()
    {
        QFETCH(QByteArray, content);
        const QString path = write("odd.desktop", content);
        FileOpener opener;
        int launched = 0;
        opener.setLauncher([&launched](const QUrl &) { return ++launched; });
        const QVariantMap type = opener.fileType(path);
        QVERIFY(!type.value("refusal").toString().isEmpty());
        QVERIFY(type.value("isExecutable").toBool());
        for (const QVariantMap &answer :
             {opener.openExternally(path), opener.openExternallyConfirmed(path)}) {
            QCOMPARE(answer.value("outcome").toInt(), int(Launcher::Outcome::Refused));
            QVERIFY(answer.value("refused").toBool());
            QVERIFY(!answer.value("ok").toBool());
            QVERIFY(!answer.value("needsConfirmation").toBool());
        }
        QCOMPARE(launched, 0);
    }

    // "Run it" runs what was shown: a file swapped after it was shown is
    // shown anew.
    void runsWhatWasShown()
    {
        const QString path = write("swap.desktop", "[Desktop Entry]\nType=Application\n"
                                                   "Exec=echo harmless\n");
        FileOpener opener;
        QList<QUrl> launched;
        opener.setLauncher([&launched](const QUrl &url) {
            launched << url;
            return true;
        });
        QSignalSpy opened(&opener, &FileOpener::openedExternally);
        opener.requestOpenExternally(path);
        QVERIFY(opened.wait());
        const QVariantMap shown = opened.takeFirst().at(1).toMap();
        QCOMPARE(shown.value("runs").toString(), QString("echo harmless"));
        // Same size, same second: only the content tells.
        write("swap.desktop", "[Desktop Entry]\nType=Application\nExec=touch harmle\n");
        opener.requestRunShown(path, shown.value("fingerprint").toString());
        QVERIFY(opened.wait());
        const QVariantMap again = opened.takeFirst().at(1).toMap();
        QVERIFY(launched.isEmpty());
        QVERIFY(again.value("changed").toBool());
        QVERIFY(again.value("needsConfirmation").toBool());
        QCOMPARE(again.value("runs").toString(), QString("touch harmle"));
        opener.requestRunShown(path, again.value("fingerprint").toString());
        QVERIFY(opened.wait());
        QVERIFY(opened.takeFirst().at(1).toMap().value("ok").toBool());
        QCOMPARE(launched, QList<QUrl>{QUrl::fromLocalFile(path)});
    }

    // A platform that opens no documents is named, not a missing association.
    void platformRefuses()
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("Only the offscreen platform is known to open no documents");
        const QString pdf = write("refused.pdf", "%PDF-1.4\n");
        FileOpener opener;
        const QVariantMap answer = opener.openExternally(pdf);
        QVERIFY(!answer.value("ok").toBool());
        QCOMPARE(answer.value("outcome").toInt(), int(Launcher::Outcome::Unsupported));
        QCOMPARE(answer.value("noApplication").toBool(), false);
        QSignalSpy opened(&opener, &FileOpener::openedExternally);
        opener.requestOpenExternally(pdf);
        QVERIFY(opened.wait());
        QCOMPARE(opened.first().at(1).toMap().value("outcome").toInt(),
                 int(Launcher::Outcome::Unsupported));
    }

    void special_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << m_dir.filePath("fifo.pdf") << "pipe";
        QTest::newRow("socket") << m_dir.filePath("s.txt") << "socket";
        QTest::newRow("device") << "/dev/null"
                                << "character device";
    }

    void special()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const QByteArray name = QFile::encodeName(path);
        if (kind == QLatin1String("pipe") && !QFile::exists(path))
            QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        if (kind == QLatin1String("socket") && !QFile::exists(path)) {
            sockaddr_un address = {};
            if (size_t(name.size()) >= sizeof address.sun_path)
                QSKIP("The temporary folder's path is too long for a socket");
            address.sun_family = AF_UNIX;
            memcpy(address.sun_path, name.constData(), size_t(name.size()));
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            const int bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
            ::close(fd);
            QCOMPARE(bound, 0);
        }
        FileOpener opener;
        int launches = 0;
        opener.setLauncher([&launches](const QUrl &) {
            ++launches;
            return true;
        });
        const QVariantMap type = opener.fileType(path);
        QCOMPARE(type.value("kind").toString(), kind);
        QVERIFY(type.value("isSpecial").toBool());
        QCOMPARE(type.value("viewer").toString(), QStringLiteral("none"));
        QVERIFY(!opener.openExternally(path).value("ok").toBool());
        const QVariantMap confirmed = opener.openExternallyConfirmed(path);
        QVERIFY(!confirmed.value("ok").toBool());
        QVERIFY(!confirmed.value("reason").toString().isEmpty());
        QCOMPARE(launches, 0);
    }

    // The opener and the listing call a file the same.
    void kindsAgree_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        const QByteArray zip = QByteArray("PK\x03\x04") + QByteArray(26, '\0');
        QTest::newRow("Java archive") << "tool.jar" << zip << "program";
        QTest::newRow("office document") << "report.docx" << zip << "document";
        QTest::newRow("e-book") << "book.epub" << zip << "document";
        QTest::newRow("PDF") << "paper.pdf" << QByteArray("%PDF-1.4\n") << "document";
        QTest::newRow("zip") << "bundle.zip" << zip << "archive";
        QTest::newRow("text") << "notes.txt" << QByteArray("words\n") << "text";
    }

    void kindsAgree()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        const QString path = write(name, content);
        QVERIFY(!path.isEmpty());
        FileOpener opener;
        const FileType type = opener.type(path);
        QCOMPARE(Classifier::kindName(type.kind), kind);
        QCOMPARE(opener.fileType(path).value("fileKind").toString(), kind);
        QCOMPARE(Classifier::kindName(Classifier().classify(name, 0644).kind), kind);
        QCOMPARE(type.isExecutable, kind == "program");
        QVERIFY(!type.iconNames.isEmpty());
    }

    // The typed answers reach the scene under the names it will use.
    void typedForTheScene()
    {
        qml_register_types_Vantrel();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Vantrel\nQtObject {\n"
                          "    property var values: [FileKind.Document, FileKind.Page,\n"
                          "        FileTypes.TextViewer, FileTypes.Pipe, Launcher.NoApplication,\n"
                          "        CopyJob.NameTaken, opener.type(\"/\").viewer]\n"
                          "    property FileOpener opener: FileOpener {}\n}\n",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        const QVariantList expected = {int(FileKind::Document),
                                       int(FileKind::Glyph::Page),
                                       int(FileTypes::TextViewer),
                                       int(FileTypes::Pipe),
                                       int(Launcher::Outcome::NoApplication),
                                       int(CopyJob::NameTaken),
                                       int(FileTypes::FolderViewer)};
        QCOMPARE(object->property("values").toList(), expected);
    }

    // The hand-off looks at the file off the UI thread and answers later.
    void openingLater()
    {
        FileOpener opener;
        QList<QUrl> launched;
        opener.setLauncher([&](const QUrl &url) {
            launched << url;
            return true;
        });
        QSignalSpy opened(&opener, &FileOpener::openedExternally);
        const QString pdf = write("later.pdf", "%PDF-1.4\n");
        const QString script = write("later.sh", "#!/bin/sh\n", 0755);
        opener.requestOpenExternally(script);
        QVERIFY(opened.isEmpty());
        QVERIFY(opened.wait());
        QVariantMap answer = opened.takeFirst().at(1).toMap();
        QCOMPARE(answer.value("outcome").toInt(), int(Launcher::Outcome::NeedsConfirmation));
        QVERIFY(launched.isEmpty());
        opener.requestOpenExternally(pdf);
        QVERIFY(opened.wait());
        QCOMPARE(opened.first().at(0).toString(), pdf);
        answer = opened.takeFirst().at(1).toMap();
        QVERIFY(answer.value("ok").toBool());
        QCOMPARE(answer.value("outcome").toInt(), int(Launcher::Outcome::Opened));
        QCOMPARE(launched, QList<QUrl>{QUrl::fromLocalFile(pdf)});
    }

    void opening()
    {
        FileOpener opener;
        QList<QUrl> launched;
        bool succeed = true;
        opener.setLauncher([&](const QUrl &url) {
            launched << url;
            return succeed;
        });
        // A name that is not UTF-8 reaches the desktop as the same bytes.
        const QString odd = PathCodec::decode(QByteArray("caf\xE9 #1.pdf"));
        const QString path = write(odd, "%PDF-1.4\n");
        if (path.isEmpty())
            QSKIP("This file system does not take names that are not UTF-8");
        QVERIFY(opener.openExternally(path).value("ok").toBool());
        QCOMPARE(launched.size(), 1);
        QVERIFY(launched.first().toEncoded().endsWith("/caf%E9%20%231.pdf"));

        const QVariantMap missing = opener.openExternally(m_dir.filePath("gone.pdf"));
        QVERIFY(missing.value("missing").toBool());
        QVERIFY(!missing.value("ok").toBool());

        succeed = false;
        const QVariantMap failed = opener.openExternally(path);
        QVERIFY(!failed.value("ok").toBool());
        QVERIFY(!failed.value("reason").toString().isEmpty());
        QCOMPARE(launched.size(), 2);
        // QTemporaryDir would not find the name to remove it.
        QCOMPARE(::unlink(PathCodec::encode(path).constData()), 0);
    }

    void properties_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("permissions");
        QTest::addColumn<QString>("octal");
        QTest::newRow("0644") << 0644 << "rw-r--r--"
                              << "0644";
        QTest::newRow("0640") << 0640 << "rw-r-----"
                              << "0640";
        QTest::newRow("0751") << 0751 << "rwxr-x--x"
                              << "0751";
        QTest::newRow("set-user-ID") << 04755 << "rwsr-xr-x"
                                     << "4755";
        QTest::newRow("set-user-ID, no x") << 04644 << "rwSr--r--"
                                           << "4644";
    }

    void properties()
    {
        QFETCH(int, mode);
        QFETCH(QString, permissions);
        QFETCH(QString, octal);
        const QString path = write(QStringLiteral("p%1").arg(mode, 0, 8), "12345", mode);
        QVERIFY(!path.isEmpty());
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        if (int(st.st_mode & 07777) != mode)
            QSKIP("This file system does not keep these permission bits");
        const QVariantMap map = FileOpener().properties(path);
        QCOMPARE(map.value("permissions").toString(), permissions);
        QCOMPARE(map.value("octal").toString(), octal);
        QCOMPARE(map.value("size").toLongLong(), 5);
        QCOMPARE(map.value("mimeType").toString(), QStringLiteral("text/plain"));
        QCOMPARE(map.value("isSymLink").toBool(), false);
        const struct passwd *me = ::getpwuid(::geteuid());
        if (me)
            QCOMPARE(map.value("owner").toString(), QString::fromLocal8Bit(me->pw_name));
        QCOMPARE(map.value("modified").toDateTime().toSecsSinceEpoch(), qint64(st.st_mtime));
    }

    void links()
    {
        const QString target = write("target.txt", "text");
        QVERIFY(!target.isEmpty());
        const QString link = m_dir.filePath("link");
        const QString broken = m_dir.filePath("broken");
        QVERIFY(QFile::link("target.txt", link));
        QVERIFY(QFile::link("nowhere/none.txt", broken));
        FileOpener opener;

        const QVariantMap good = opener.properties(link);
        QVERIFY(good.value("isSymLink").toBool());
        QVERIFY(!good.value("isBrokenLink").toBool());
        QCOMPARE(good.value("linkTarget").toString(), QStringLiteral("target.txt"));
        QCOMPARE(good.value("linkTargetPath").toString(), QDir::cleanPath(target));
        QCOMPARE(good.value("size").toLongLong(), 4);

        const QVariantMap bad = opener.properties(broken);
        QVERIFY(bad.value("isBrokenLink").toBool());
        QCOMPARE(bad.value("kind").toString(), QStringLiteral("missing"));
        QCOMPARE(bad.value("linkTargetPath").toString(), m_dir.filePath("nowhere/none.txt"));
        QVERIFY(bad.contains("owner")); // the link itself has one
        // Opening it names what is missing.
        QCOMPARE(opener.type(broken).linkTarget, QStringLiteral("nowhere/none.txt"));
        QCOMPARE(opener.type(link).linkTarget, QString());
        QVERIFY(opener.openExternally(broken).value("missing").toBool());
    }

    void defaultApplication()
    {
        if (QStandardPaths::findExecutable("gio").isEmpty() &&
            QStandardPaths::findExecutable("xdg-mime").isEmpty())
            QSKIP("Neither gio nor xdg-mime is installed to ask for the default application");
        const QString config = m_dir.filePath("config");
        const QString data = m_dir.filePath("data");
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(data + "/applications"));
        const QByteArray saved[] = {qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CONFIG_DIRS"),
                                    qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS")};
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data));
        QFile list(config + "/mimeapps.list");
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("[Added Associations]\napplication/x-vantrel-test=wrong.desktop;\n"
                   "[Default Applications]\napplication/x-vantrel-test=gone.desktop;"
                   "foo.desktop;\n");
        list.close();
        QFile entry(data + "/applications/foo.desktop");
        QVERIFY(entry.open(QIODevice::WriteOnly));
        // The desktop's tools list only applications whose program is there.
        entry.write("[Desktop Entry]\nType=Application\nName[de]=Betrachter\nName=Foo Viewer\n"
                    "Exec=true %f\n");
        entry.close();

        FileOpener opener;
        const QString found = opener.defaultApplicationFor("application/x-vantrel-test");
        const QString none = opener.defaultApplicationFor("application/x-vantrel-none");
        const char *names[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                               "XDG_DATA_DIRS"};
        for (int i = 0; i < 4; ++i) {
            if (saved[i].isNull())
                qunsetenv(names[i]);
            else
                qputenv(names[i], saved[i]);
        }
        QCOMPARE(found, QStringLiteral("Foo Viewer"));
        QCOMPARE(none, QString());
    }
};

QTEST_MAIN(TstFileOpener)
#include "tst_fileopener.moc"

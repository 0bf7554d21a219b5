// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "fileprobe.h"
#include "pathcodec.h"
#include "paths.h"
#include "pathtools.h"

#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char Program[] = "vantrel";
QString s_requestedPath;

// Options QGuiApplication reads itself, with one or two dashes; those in the
// first list take the next argument as their value.
const char *const QtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "display",       "session"};
const char *const QtFlagOptions[] = {"reverse"};

const char *const HelpTexts[] = {
    QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [OPTION]... [FOLDER | FILE | URL]"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "Browses the folders and files of this computer. Opens FOLDER, or the\n"
                      "folder of FILE with FILE selected; a file:// URL may stand for either.\n"
                      "Without one, the folder you were in last opens.\n"
                      "\n"
                      "  -h, --help            show this help and exit\n"
                      "  -v, --version         show the version and exit\n"
                      "      --caller-dir=DIR  take a relative path from DIR\n"
                      "\n"
                      "Qt's own options (-platform NAME, -reverse and others) are passed on to "
                      "Qt."),
    QT_TRANSLATE_NOOP("CommandLine", "%1: unknown option '%2'"),
    QT_TRANSLATE_NOOP("CommandLine", "%1: option '%2' needs a value"),
    QT_TRANSLATE_NOOP("CommandLine", "%1: %2 is not a folder or file on this computer"),
    QT_TRANSLATE_NOOP("CommandLine", "Try '%1 --help' for more."),
};
enum HelpText { Usage, Help, UnknownOption, NeedsValue, NotLocal, TryHelp };

class Texts
{
public:
    explicit Texts(const QTranslator *translator) : m_translator(translator) {}
    QString operator()(HelpText which) const { return translated(HelpTexts[which]); }
    QString more(int n) const
    {
        return translated(QT_TRANSLATE_N_NOOP("CommandLine",
                                              "%1: only the first path is opened; %n more "
                                              "left aside"),
                          n)
            .replace(QLatin1String("%n"), QString::number(n));
    }

private:
    QString translated(const char *text, int n = -1) const
    {
        const QString found =
            m_translator ? m_translator->translate("CommandLine", text, nullptr, n) : QString();
        return found.isEmpty() ? QString::fromUtf8(text) : found;
    }
    const QTranslator *m_translator;
};

int qtOptionValues(QByteArray option)
{
    if (option.startsWith("--"))
        option.remove(0, 1);
    if (!option.startsWith('-'))
        return -1;
    option.remove(0, 1);
    if (option.startsWith("qmljsdebugger="))
        return 0;
    for (const char *name : QtValueOptions) {
        if (option == name)
            return 1;
    }
    for (const char *name : QtFlagOptions) {
        if (option == name)
            return 0;
    }
    return -1;
}

// The file:// URL's path as bytes, or a null array when it names no local
// file. Undecodable bytes arrive percent-encoded and stay bytes.
QByteArray localFile(const QByteArray &url)
{
    QByteArray rest = url.mid(int(sizeof("file:")) - 1);
    // An unencoded "?" or "#" ends the path.
    for (const char end : {'?', '#'}) {
        if (const qsizetype at = rest.indexOf(end); at >= 0)
            rest.truncate(at);
    }
    if (rest.startsWith("//")) {
        const qsizetype slash = rest.indexOf('/', 2);
        const QByteArray host = rest.mid(2, slash < 0 ? -1 : slash - 2).toLower();
        char name[256] = {};
        const bool thisHost =
            ::gethostname(name, sizeof name - 1) == 0 && host == QByteArray(name).toLower();
        if (!host.isEmpty() && host != "localhost" && !thisHost)
            return QByteArray();
        rest = slash < 0 ? QByteArray("/") : rest.mid(slash);
    }
    if (!rest.startsWith('/'))
        return QByteArray();
    const QByteArray path = QByteArray::fromPercentEncoding(rest);
    return path.contains('\0') ? QByteArray() : path;
}

bool isOtherUrl(const QByteArray &argument)
{
    const qsizetype colon = argument.indexOf("://");
    if (colon <= 0 || !std::isalpha(uchar(argument.at(0))))
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const char c = argument.at(i);
        if (!std::isalnum(uchar(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

QString absolute(const QByteArray &path, const QByteArray &base)
{
    const QByteArray full = path.startsWith('/') ? path : base + '/' + path;
    return Paths::clean(PathCodec::decode(full));
}

QByteArray currentDirectory()
{
    QByteArray buffer(4096, '\0');
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE)
            return QByteArray("/");
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

} // namespace

CommandLine::Request CommandLine::parse(const QByteArrayList &arguments,
                                        const QByteArray &workingDirectory,
                                        const QTranslator *translator)
{
    const Texts text(translator);
    const QString program = QString::fromLatin1(Program);
    Request request;
    const auto fail = [&](const QString &message) {
        request.exitCode = 2;
        request.output = message + QLatin1Char('\n') + text(Usage).arg(program) +
                         QLatin1Char('\n') + text(TryHelp).arg(program) + QLatin1Char('\n');
        return request;
    };

    QByteArray base = workingDirectory;
    QByteArrayList paths;
    bool optionsEnd = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments.at(i);
        if (optionsEnd || !argument.startsWith('-') || argument == "-") {
            paths.append(argument);
        } else if (argument == "--") {
            optionsEnd = true;
        } else if (argument == "-h" || argument == "--help") {
            request.exitCode = 0;
            request.output =
                text(Usage).arg(program) + QLatin1Char('\n') + text(Help) + QLatin1Char('\n');
            return request;
        } else if (argument == "-v" || argument == "--version") {
            request.exitCode = 0;
            request.output = QStringLiteral("Vantrel " VANTREL_VERSION "\n");
            return request;
        } else if (argument == "--caller-dir" || argument.startsWith("--caller-dir=")) {
            const bool joined = argument.contains('=');
            if (!joined && i + 1 == arguments.size())
                return fail(text(NeedsValue).arg(program, QString::fromLocal8Bit(argument)));
            const QByteArray dir =
                joined ? argument.mid(argument.indexOf('=') + 1) : arguments.at(++i);
            if (!dir.isEmpty())
                base = dir.startsWith('/') ? dir : workingDirectory + '/' + dir;
        } else if (const int values = qtOptionValues(argument); values >= 0) {
            if (i + values >= arguments.size())
                return fail(text(NeedsValue).arg(program, QString::fromLocal8Bit(argument)));
            for (int k = 0; k <= values; ++k)
                request.qtArguments.append(i + k);
            i += values;
        } else {
            return fail(text(UnknownOption).arg(program, QString::fromLocal8Bit(argument)));
        }
    }

    if (paths.isEmpty())
        return request;
    const QByteArray &first = paths.first();
    if (first.toLower().startsWith("file:")) {
        const QByteArray local = localFile(first);
        if (local.isNull())
            return fail(text(NotLocal).arg(program, QString::fromLocal8Bit(first)));
        request.path = absolute(local, base);
    } else if (isOtherUrl(first)) {
        return fail(text(NotLocal).arg(program, QString::fromLocal8Bit(first)));
    } else {
        request.path = absolute(first, base);
    }
    // A desktop may hand over several; one window shows one folder.
    if (paths.size() > 1)
        request.warning = text.more(int(paths.size() - 1)).arg(program) + QLatin1Char('\n');
    return request;
}

int CommandLine::take(int &argc, char **argv)
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    // The program's working directory holds the translations, as for the
    // scene; no application object exists yet to install them into.
    QTranslator translator;
    const bool translated = translator.load(QStringLiteral("Vantrel_%1").arg(QLocale().name()),
                                            QStringLiteral("app/native/qm"));
    const Request request =
        parse(arguments, currentDirectory(), translated ? &translator : nullptr);
    if (!request.warning.isEmpty())
        std::fputs(request.warning.toLocal8Bit().constData(), stderr);
    if (request.exitCode >= 0) {
        std::fputs(request.output.toLocal8Bit().constData(),
                   request.exitCode == 0 ? stdout : stderr);
        return request.exitCode;
    }
    setRequestedPath(request.path);
    int kept = 1;
    for (const int index : request.qtArguments)
        argv[kept++] = argv[index];
    argc = kept;
    return -1;
}

QString CommandLine::requestedPath()
{
    return s_requestedPath;
}

void CommandLine::setRequestedPath(const QString &path)
{
    s_requestedPath = path;
}

QVariantMap CommandLine::startFor(const QString &path, const QString &home)
{
    const QString clean = Paths::clean(path);
    struct stat status;
    const bool isFile = !clean.contains(QChar(0)) &&
                        ::stat(PathCodec::encode(clean).constData(), &status) == 0 &&
                        !S_ISDIR(status.st_mode);
    QVariantMap found =
        PathTools::startFolderFor(isFile ? PathTools().parentOf(clean) : clean, home);
    found.insert(QStringLiteral("select"),
                 isFile && found.value(QStringLiteral("reason")).toString().isEmpty() ? clean
                                                                                      : QString());
    return found;
}

void CommandLine::findStart()
{
    const QString path = requestedPath();
    const QString home = QDir::homePath();
    // A path on a mount that does not answer is opened as a folder: its
    // listing shows that it waits, and the person can go elsewhere.
    const QString asGiven = Paths::folderForm(path.isEmpty() ? home : path);
    FileProbe::runWithPatience<QVariantMap>(
        this, path.isEmpty() ? home : path, PathTools::StartPatience,
        [path, home] { return startFor(path, home); },
        [asGiven] {
            return QVariantMap{{QStringLiteral("folder"), asGiven}};
        },
        [this](const QVariantMap &found) {
            Q_EMIT startFound(found.value(QStringLiteral("folder")).toString(),
                              found.value(QStringLiteral("select")).toString(),
                              found.value(QStringLiteral("reason")).toString());
        });
}

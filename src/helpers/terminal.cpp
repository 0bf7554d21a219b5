// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal.h"

#include "pathcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString findProgram(const QString &program, const QProcessEnvironment &environment)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    const QStringList path =
        environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : QStandardPaths::findExecutable(program, path);
}

} // namespace

Terminal::Terminal(QObject *parent)
    : QObject(parent), m_environment(QProcessEnvironment::systemEnvironment())
{
}

QStringList Terminal::command(const QProcessEnvironment &environment)
{
    const QString chosen = findProgram(QStringLiteral("x-terminal-emulator"), environment);
    if (!chosen.isEmpty())
        return {chosen};
    // $TERMINAL may carry options of its own ("kitty --single-instance").
    QStringList named = QProcess::splitCommand(environment.value(QStringLiteral("TERMINAL")));
    if (named.isEmpty())
        return {};
    named.first() = findProgram(named.first(), environment);
    return named.first().isEmpty() ? QStringList() : named;
}

bool Terminal::openIn(const QString &folder)
{
    struct stat status;
    if (folder.isEmpty() || folder.contains(QChar(0)) ||
        ::stat(PathCodec::encode(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        setError(tr("This folder no longer exists"));
        return false;
    }
    QStringList arguments = command(m_environment);
    if (arguments.isEmpty()) {
        setError(tr("No terminal found: install one, or name yours in $TERMINAL"));
        return false;
    }
    QProcess process;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
    process.setProcessEnvironment(m_environment);
    process.setWorkingDirectory(folder);
    process.setStandardInputFile(QProcess::nullDevice());
    // The working folder travels as text, which cannot carry bytes that are
    // not UTF-8: such a folder is reached through a link of a plain name,
    // which the start has resolved by the time it returns.
    QByteArray stand;
    if (PathCodec::hasUndecodable(folder)) {
        QByteArray temporary = QFile::encodeName(QDir::tempPath()) + "/vantrel-XXXXXX";
        if (::mkdtemp(temporary.data())) {
            stand = temporary;
            if (::symlink(PathCodec::encode(folder).constData(), (stand + "/here").constData()) ==
                0)
                process.setWorkingDirectory(QFile::decodeName(stand + "/here"));
        }
    }
    const bool started = process.startDetached();
    if (!stand.isEmpty()) {
        ::unlink((stand + "/here").constData());
        ::rmdir(stand.constData());
    }
    if (!started) {
        setError(tr("The terminal could not be started: %1").arg(process.errorString()));
        return false;
    }
    setError(QString());
    return true;
}

void Terminal::setError(const QString &error)
{
    if (m_error == error)
        return;
    m_error = error;
    Q_EMIT errorChanged();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenetools.h"

#include "pathcodec.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QRegularExpression>

namespace {
// The names of the keys the scene's commands use, in the words QKeySequence
// looks up; the application's translations carry them, as Qt's own need not
// be installed.
[[maybe_unused]] const char *const keyNames[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Alt"),       QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),     QT_TRANSLATE_NOOP("QShortcut", "Left"),
    QT_TRANSLATE_NOOP("QShortcut", "Right"),     QT_TRANSLATE_NOOP("QShortcut", "Up"),
    QT_TRANSLATE_NOOP("QShortcut", "Backspace"), QT_TRANSLATE_NOOP("QShortcut", "Esc"),
    QT_TRANSLATE_NOOP("QShortcut", "Return"),    QT_TRANSLATE_NOOP("QShortcut", "Menu"),
};
} // namespace

QString SceneTools::sizeText(double bytes)
{
    if (!(bytes >= 0))
        return QString();
    // Whole bytes need no decimal, and a plural form; larger units get one.
    if (bytes < 1000)
        return bytesText(bytes);
    return QLocale().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeSIFormat);
}

QString SceneTools::bytesText(double bytes)
{
    if (!(bytes >= 0))
        return QString();
    const qint64 count = qint64(bytes);
    const QString number = QLocale().toString(count);
    // The form is chosen by count; every language here says a large count
    // as it says a million.
    const int form = int(qMin<qint64>(count, 1000000));
    const QString words = tr("%1 byte(s)", "a file's size", form);
    // English has no translation file: its two forms are made here.
    if (words.endsWith(QLatin1String("byte(s)")))
        return count == 1 ? QStringLiteral("1 byte") : number + QLatin1String(" bytes");
    return words.arg(number);
}

namespace {
QString withoutSeconds(const QString &format)
{
    static const QRegularExpression seconds(QStringLiteral("[:.]?ss?(\\.z{1,3})?"));
    return QString(format).remove(seconds).trimmed();
}
} // namespace

QString SceneTools::shortTime(const QDateTime &when) const
{
    const QLocale locale;
    return when.isValid() ? locale.toString(when.time(),
                                            withoutSeconds(locale.timeFormat(QLocale::ShortFormat)))
                          : QString();
}

QString SceneTools::shortDateTime(const QDateTime &when) const
{
    const QLocale locale;
    return when.isValid()
               ? locale.toString(when, withoutSeconds(locale.dateTimeFormat(QLocale::ShortFormat)))
               : QString();
}

QString SceneTools::sequencesText(const QStringList &sequences)
{
    QStringList shown;
    for (const QString &sequence : sequences)
        shown << QKeySequence(sequence, QKeySequence::PortableText)
                     .toString(QKeySequence::NativeText);
    return shown.join(QStringLiteral(", "));
}

bool SceneTools::matches(const QStringList &sequences, int key, int modifiers) const
{
    const QKeySequence pressed(
        QKeyCombination(Qt::KeyboardModifiers(modifiers) & ~Qt::KeypadModifier, Qt::Key(key)));
    for (const QString &sequence : sequences) {
        if (QKeySequence(sequence, QKeySequence::PortableText) == pressed)
            return true;
    }
    return false;
}

bool SceneTools::hasThemeIcon(const QString &name) const
{
    return !name.isEmpty() && QIcon::hasThemeIcon(name);
}

QString SceneTools::themeIcon(const QStringList &names) const
{
    // Asked for every row a list shows: the theme is searched once a name.
    static QHash<QString, bool> known;
    for (const QString &name : names) {
        auto it = known.constFind(name);
        if (it == known.cend())
            it = known.insert(name, hasThemeIcon(name));
        if (*it)
            return name;
    }
    return QString();
}

QString SceneTools::displayName(const QString &name) const
{
    return PathCodec::shown(name);
}

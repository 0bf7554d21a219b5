#include "scenetools.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>

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

QString SceneTools::formatSize(double bytes) const
{
    if (!(bytes >= 0))
        return QString();
    // Whole bytes need no decimal; larger units get one.
    return QLocale().formattedDataSize(qint64(bytes), bytes < 1000 ? 0 : 1,
                                       QLocale::DataSizeSIFormat);
}

QString SceneTools::keyText(const QStringList &sequences) const
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

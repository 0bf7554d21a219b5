#include "scenetools.h"

#include <QIcon>
#include <QKeySequence>
#include <QLocale>

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
    const QKeySequence pressed(QKeyCombination(
        Qt::KeyboardModifiers(modifiers) & ~Qt::KeypadModifier, Qt::Key(key)));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringConverter>

namespace {

const QString MainGroup = QStringLiteral("Desktop Entry");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Values escape a space, a tab, a line break, a return and the backslash;
// any other escape is read differently by different readers.
bool unescape(const QString &value, QString *out)
{
    out->clear();
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\')) {
            out->append(c);
            continue;
        }
        if (++i == value.size())
            return false;
        switch (value.at(i).unicode()) {
        case 's':
            out->append(QLatin1Char(' '));
            break;
        case 'n':
            out->append(QLatin1Char('\n'));
            break;
        case 't':
            out->append(QLatin1Char('\t'));
            break;
        case 'r':
            out->append(QLatin1Char('\r'));
            break;
        case '\\':
            out->append(QLatin1Char('\\'));
            break;
        default:
            return false;
        }
    }
    return true;
}

// Readers differ on which control characters are blanks around a key.
bool hasLineControl(const QString &line)
{
    for (const QChar c : line) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

bool hasControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

DesktopEntry refused(const QString &why)
{
    DesktopEntry entry;
    entry.refusal = why;
    return entry;
}

} // namespace

DesktopEntry DesktopEntry::read(const QByteArray &content, bool complete)
{
    if (!complete || content.size() > MaxSize)
        return refused(QStringLiteral("The entry is too long to be read whole"));
    if (content.contains('\0'))
        return refused(QStringLiteral("The entry holds a zero byte"));
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decode(content);
    if (decode.hasError())
        return refused(QStringLiteral("The entry is not UTF-8"));

    QString group;
    QSet<QString> groups;
    QHash<QString, QString> keys; // of the main group, raw
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (hasLineControl(line))
            return refused(QStringLiteral("A line holds control characters"));
        qsizetype start = 0;
        while (start < line.size() && isBlank(line.at(start)))
            ++start;
        line = line.mid(start);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            QString header = line;
            while (!header.isEmpty() && isBlank(header.back()))
                header.chop(1);
            if (!header.endsWith(QLatin1Char(']')))
                return refused(QStringLiteral("A line is neither a group, a key nor a comment"));
            group = header.mid(1, header.size() - 2);
            if (groups.isEmpty() && group != MainGroup)
                return refused(QStringLiteral("The entry does not begin with [Desktop Entry]"));
            if (groups.contains(group) && group == MainGroup)
                return refused(QStringLiteral("The group [Desktop Entry] is there twice"));
            groups.insert(group);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || group.isEmpty())
            return refused(QStringLiteral("A line is neither a group, a key nor a comment"));
        QString key = line.left(equals);
        while (!key.isEmpty() && isBlank(key.back()))
            key.chop(1);
        if (key.isEmpty())
            return refused(QStringLiteral("A line is neither a group, a key nor a comment"));
        if (group != MainGroup)
            continue;
        if (keys.contains(key))
            return refused(QStringLiteral("The key %1 is there twice").arg(key));
        qsizetype value = equals + 1;
        while (value < line.size() && isBlank(line.at(value)))
            ++value;
        keys.insert(key, line.mid(value));
    }
    if (!groups.contains(MainGroup))
        return refused(QStringLiteral("The entry has no [Desktop Entry] group"));

    DesktopEntry entry;
    QString dbus;
    const QList<std::pair<const char *, QString *>> wanted = {{"Type", &entry.type},
                                                              {"Exec", &entry.command},
                                                              {"URL", &entry.url},
                                                              {"DBusActivatable", &dbus}};
    for (const auto &[name, out] : wanted) {
        const QString key = QString::fromLatin1(name);
        if (keys.contains(key) && !unescape(keys.value(key), out))
            return refused(QStringLiteral("The value of %1 has an escape the desktop reads "
                                          "otherwise")
                               .arg(key));
    }
    if (dbus == QLatin1String("true"))
        return refused(QStringLiteral("The desktop starts this entry over D-Bus, not by its "
                                      "command"));
    if (entry.type != QLatin1String("Application") && entry.type != QLatin1String("Link"))
        return refused(QStringLiteral("The entry is neither an application nor a link"));
    if (entry.runs().trimmed().isEmpty())
        return refused(entry.type == QLatin1String("Link")
                           ? QStringLiteral("The link names no address")
                           : QStringLiteral("The entry names no command"));
    if (hasControl(entry.runs()))
        return refused(QStringLiteral("The command holds characters that would hide part of it"));
    return entry;
}

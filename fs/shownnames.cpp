// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownnames.h"

#include <QStringList>

namespace ShownNames {

namespace {

enum class Show { AsIs, Byte, Code };

bool isUndecodable(const QString &name, qsizetype i)
{
    const char16_t unit = name.at(i).unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// What a character at i needs; *length is how many UTF-16 units it takes.
Show showOf(const QString &name, qsizetype i, qsizetype *length)
{
    *length = 1;
    const QChar c = name.at(i);
    const char16_t unit = c.unicode();
    if (unit < 0x20 || unit == 0x7F || (unit >= 0x80 && unit <= 0x9F))
        return Show::Byte;
    if (unit < 0xA0)
        return Show::AsIs;
    if (isUndecodable(name, i))
        return Show::Byte;
    char32_t code = unit;
    if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(c, name.at(i + 1));
        *length = 2;
    }
    // Joiners shape emoji and many scripts; tags make up flags.
    if (code == 0x200C || code == 0x200D || (code >= 0xE0020 && code <= 0xE007F))
        return Show::AsIs;
    const QChar::Category category = QChar::category(code);
    if (category == QChar::Other_Format || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph)
        return Show::Code;
    return Show::AsIs;
}

QString hex(uint value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

bool onlyBlanks(const QString &name)
{
    for (const QChar c : name)
        if (!c.isSpace())
            return false;
    return !name.isEmpty();
}

} // namespace

QString name(const QString &name)
{
    if (!isAltered(name))
        return name;
    const bool blanks = onlyBlanks(name);
    QString shown;
    shown.reserve(name.size() + 16);
    for (qsizetype i = 0; i < name.size();) {
        qsizetype length = 1;
        const Show show = showOf(name, i, &length);
        const char16_t unit = name.at(i).unicode();
        if (show == Show::Byte) {
            const uint byte = unit >= 0xDC80 && unit <= 0xDCFF ? unit - 0xDC00 : unit;
            if (unit == '\t')
                shown += QLatin1String("\\t");
            else if (unit == '\n')
                shown += QLatin1String("\\n");
            else if (unit == '\r')
                shown += QLatin1String("\\r");
            else
                shown += QLatin1String("\\x") + hex(byte, 2);
        } else if (show == Show::Code) {
            const char32_t code =
                length == 2 ? QChar::surrogateToUcs4(name.at(i), name.at(i + 1)) : char32_t(unit);
            shown += QLatin1String("\\u") + hex(uint(code), 4);
        } else if (blanks) {
            shown += QChar(0x2423);
        } else {
            shown += QStringView(name).mid(i, length);
        }
        i += length;
    }
    return shown;
}

QString path(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString &part : parts)
        part = name(part);
    return parts.join(QLatin1Char('/'));
}

bool isAltered(const QString &name)
{
    for (qsizetype i = 0; i < name.size();) {
        qsizetype length = 1;
        if (showOf(name, i, &length) != Show::AsIs)
            return true;
        i += length;
    }
    return onlyBlanks(name);
}

} // namespace ShownNames

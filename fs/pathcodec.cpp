// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathcodec.h"

#include "shownnames.h"

namespace PathCodec {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at p, or 0 when it is not one.
int sequenceLength(const uchar *p, const uchar *end)
{
    const uchar b = *p;
    int length;
    char32_t min;
    char32_t code;
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = b & 0x07;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decode(const char *bytes, qsizetype size)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes);
    const uchar *end = p + size;
    const uchar *valid = p;
    // Most names are plain ASCII or valid UTF-8: let Qt decode them whole.
    while (valid < end) {
        const int length = sequenceLength(valid, end);
        if (length == 0)
            break;
        valid += length;
    }
    if (valid == end)
        return QString::fromUtf8(bytes, size);

    QString name = QString::fromUtf8(bytes, valid - p);
    for (const uchar *q = valid; q < end;) {
        const int length = sequenceLength(q, end);
        if (length == 0) {
            name += QChar(char16_t(EscapeBase + *q));
            ++q;
        } else {
            name += QString::fromUtf8(reinterpret_cast<const char *>(q), length);
            q += length;
        }
    }
    return name;
}

QByteArray encode(const QString &path)
{
    if (!hasUndecodable(path))
        return path.toUtf8();
    QByteArray bytes;
    bytes.reserve(path.size() * 2);
    qsizetype run = 0; // start of the text not yet encoded
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !path.at(i - 1).isHighSurrogate())) {
            bytes += QStringView(path).mid(run, i - run).toUtf8();
            bytes += char(unit - EscapeBase);
            run = i + 1;
        }
    }
    bytes += QStringView(path).mid(run).toUtf8();
    return bytes;
}

bool hasUndecodable(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !name.at(i - 1).isHighSurrogate()))
            return true;
    }
    return false;
}

QString shown(const QString &name)
{
    // One way of showing odd names everywhere.
    return ShownNames::name(name);
}

} // namespace PathCodec

// SPDX-License-Identifier: GPL-3.0-or-later
#include "textloader.h"

#include "fileprobe.h"

#include <QStringDecoder>

#include <cerrno>
#include <langinfo.h>
#include <unistd.h>

namespace {

// Enough to tell text from binary; a text file's first screens.
constexpr qsizetype SniffSize = 8 * 1024;

struct Bom
{
    const char *bytes;
    int size;
    QStringConverter::Encoding encoding;
    const char *name;
    int unit;
};

// UTF-32LE first: its mark begins with UTF-16LE's.
const Bom Boms[] = {
    {"\xEF\xBB\xBF", 3, QStringConverter::Utf8, "UTF-8", 1},
    {"\xFF\xFE\x00\x00", 4, QStringConverter::Utf32LE, "UTF-32LE", 4},
    {"\x00\x00\xFE\xFF", 4, QStringConverter::Utf32BE, "UTF-32BE", 4},
    {"\xFF\xFE", 2, QStringConverter::Utf16LE, "UTF-16LE", 2},
    {"\xFE\xFF", 2, QStringConverter::Utf16BE, "UTF-16BE", 2},
};

// Length of the UTF-8 sequence a lead byte begins, 0 for a byte that cannot
// begin one.
int utf8Length(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Drops a sequence left incomplete by the end of the bytes.
QByteArrayView withoutSplitUtf8(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto byte = uchar(bytes.at(bytes.size() - back));
        if ((byte & 0xC0) == 0x80)
            continue;
        if (utf8Length(byte) > back)
            return bytes.first(bytes.size() - back);
        break;
    }
    return bytes;
}

bool decodesCleanly(QStringDecoder &decoder, QByteArrayView bytes, QString *text)
{
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString localeCodecName()
{
    const char *name = nl_langinfo(CODESET);
    return name && *name ? QString::fromLatin1(name) : QStringLiteral("locale");
}

bool isUtf8Name(const QByteArray &name)
{
    const QByteArray n = name.toUpper();
    return n == "UTF-8" || n == "UTF8";
}

bool isDirectionControl(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

int TextLoader::prepareForDisplay(QString *text)
{
    // Nothing to do for most texts: no copy then.
    bool needed = false;
    qsizetype run = 0;
    for (const QChar c : std::as_const(*text)) {
        run = c == QLatin1Char('\n') ? 0 : run + 1;
        if (c.isNull() || isDirectionControl(c.unicode()) || run > LineCap) {
            needed = true;
            break;
        }
    }
    if (!needed)
        return 0;
    QString shown;
    shown.reserve(text->size() + text->size() / LineCap + 16);
    int broken = 0;
    qsizetype lineStart = 0;
    bool counted = false;
    for (const QChar c : std::as_const(*text)) {
        if (c == QLatin1Char('\n')) {
            shown += c;
            lineStart = shown.size();
            counted = false;
            continue;
        }
        if (shown.size() - lineStart >= LineCap && !c.isLowSurrogate()) {
            // At the last space of the line's final tenth, else right here.
            qsizetype at = shown.size();
            for (qsizetype i = shown.size() - 1; i > shown.size() - LineCap / 10; --i) {
                if (shown.at(i) == QLatin1Char(' ')) {
                    at = i + 1;
                    break;
                }
            }
            shown.insert(at, QLatin1Char('\n'));
            lineStart = at + 1;
            broken += counted ? 0 : 1;
            counted = true;
        }
        if (c.isNull())
            shown += QChar(0x2400);
        else if (isDirectionControl(c.unicode()))
            shown += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    *text = shown;
    return broken;
}

TextLoader::TextLoader(QObject *parent) : QObject(parent)
{
}

void TextLoader::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged();
}

void TextLoader::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void TextLoader::load(const QString &path)
{
    const quint64 generation = ++m_generation;
    m_result = Result();
    m_result.path = path;
    Q_EMIT resultChanged();
    setStatus(Loading);

    const Mode mode = m_mode;
    FileProbe::runOffThread<Result>(
        this, path, [path, mode] { return read(path, mode); },
        [this, generation](const Result &result) {
            if (generation != m_generation)
                return;
            m_result = result;
            Q_EMIT resultChanged();
            setStatus(m_result.error.isEmpty() ? Ready : Error);
            Q_EMIT loaded();
        });
}

void TextLoader::cancel()
{
    ++m_generation;
    setStatus(Null);
}

TextLoader::Result TextLoader::read(const QString &path, Mode mode)
{
    Result result;
    result.path = path;
    int error = 0;
    struct stat st;
    const int fd = FileProbe::openRegular(path, &error, &st);
    if (fd < 0) {
        result.missing = error == ENOENT || error == ENOTDIR;
        // A pipe, a device or a socket is never opened for reading.
        result.error =
            error == ENODEV ? QStringLiteral("Not a regular file") : FileProbe::errorText(error);
        return result;
    }
    result.fileSize = st.st_size;
    QByteArray bytes;
    const bool ok = FileProbe::readSome(fd, mode == Hex ? HexCap : TextCap, &bytes, &error);
    ::close(fd);
    if (!ok) {
        // Part of a file is not the file: say what failed, show nothing.
        result.error = FileProbe::errorText(error);
        return result;
    }

    const bool binary = mode == Hex || (mode == Auto && looksBinary(bytes));
    if (binary) {
        if (bytes.size() > HexCap)
            bytes.truncate(HexCap);
        result.isBinary = true;
        result.text = hexDump(bytes);
    } else {
        const bool cut = bytes.size() < result.fileSize;
        Decoded decoded = decode(bytes, cut);
        result.brokenLines = prepareForDisplay(&decoded.text);
        result.text = decoded.text;
        result.encoding = decoded.encoding;
    }
    result.shownBytes = bytes.size();
    result.truncated = result.shownBytes < result.fileSize;
    return result;
}

TextLoader::Decoded TextLoader::decode(const QByteArray &bytes, bool cut,
                                       const QByteArray &localeCodec)
{
    Decoded decoded;
    for (const Bom &bom : Boms) {
        if (!bytes.startsWith(QByteArrayView(bom.bytes, bom.size)))
            continue;
        QByteArrayView body = QByteArrayView(bytes).sliced(bom.size);
        if (cut)
            body = bom.unit == 1 ? withoutSplitUtf8(body)
                                 : body.first(body.size() - body.size() % bom.unit);
        QStringDecoder decoder(bom.encoding, QStringDecoder::Flag::Stateless);
        decoded.text = decoder.decode(body);
        decoded.encoding = QString::fromLatin1(bom.name);
        return decoded;
    }

    const QByteArrayView whole = cut ? withoutSplitUtf8(bytes) : QByteArrayView(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
    if (decodesCleanly(utf8, whole, &decoded.text)) {
        decoded.encoding = QStringLiteral("UTF-8");
        return decoded;
    }

    // A multi-byte locale encoding may be split at the cut too; the checks
    // above and Latin-1 below take what there is.
    if (localeCodec.isEmpty()) {
        const QString name = localeCodecName();
        if (!isUtf8Name(name.toLatin1())) {
            QStringDecoder system(QStringConverter::System, QStringDecoder::Flag::Stateless);
            if (decodesCleanly(system, bytes, &decoded.text)) {
                decoded.encoding = name;
                return decoded;
            }
        }
    } else if (!isUtf8Name(localeCodec)) {
        QStringDecoder named(localeCodec.constData(), QStringDecoder::Flag::Stateless);
        if (decodesCleanly(named, bytes, &decoded.text)) {
            decoded.encoding = QString::fromLatin1(localeCodec);
            return decoded;
        }
    }

    decoded.text = QString::fromLatin1(bytes);
    decoded.encoding = QStringLiteral("ISO-8859-1");
    return decoded;
}

bool TextLoader::looksBinary(const QByteArray &bytes)
{
    for (const Bom &bom : Boms) {
        if (bom.unit > 1 && bytes.startsWith(QByteArrayView(bom.bytes, bom.size)))
            return false;
    }
    const QByteArrayView head = QByteArrayView(bytes).first(qMin(bytes.size(), SniffSize));
    qsizetype controls = 0;
    for (const char c : head) {
        const auto byte = uchar(c);
        if (byte == 0)
            return true;
        // Tabs, line and page ends, backspace and escape (terminal colours)
        // belong in text.
        if ((byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
             byte != '\v' && byte != '\b' && byte != 0x1B) ||
            byte == 0x7F)
            ++controls;
    }
    // Random bytes hold about one control byte in ten; text next to none.
    return controls * 20 > head.size();
}

QString TextLoader::hexDump(const QByteArray &bytes, qint64 offset)
{
    static const char digits[] = "0123456789abcdef";
    constexpr int LineSize = 79; // offset, 2, 16 cells of 3, 1, 2, bars and 16 characters, 1
    const qsizetype lines = (bytes.size() + 15) / 16;
    QByteArray out(lines * LineSize, ' ');
    char *o = out.data();
    for (qsizetype line = 0; line < lines; ++line) {
        const qsizetype start = line * 16;
        const qint64 at = offset + start;
        for (int i = 7; i >= 0; --i)
            o[7 - i] = digits[(at >> (i * 4)) & 0xF];
        const qsizetype count = qMin<qsizetype>(16, bytes.size() - start);
        char *hex = o + 10;
        char *text = o + 10 + 16 * 3 + 2;
        *text++ = '|';
        for (qsizetype i = 0; i < count; ++i) {
            const auto byte = uchar(bytes.at(start + i));
            char *cell = hex + i * 3 + (i >= 8 ? 1 : 0);
            cell[0] = digits[byte >> 4];
            cell[1] = digits[byte & 0xF];
            *text++ = byte >= 0x20 && byte < 0x7F ? char(byte) : '.';
        }
        *text++ = '|';
        const qsizetype used = text - o;
        o[used] = '\n';
        o += used + 1;
    }
    out.truncate(o - out.data());
    return QString::fromLatin1(out);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "namematch.h"

#include "pathcodec.h"

#include <string_view>

namespace {

bool isPattern(const QString &word)
{
    return word.contains(QLatin1Char('*')) || word.contains(QLatin1Char('?'));
}

// "*" any run, "?" any one character; the whole of `s` must match. One
// remembered star is enough: a later star only moves the restart point.
template <typename C> bool globMatch(std::basic_string_view<C> p, std::basic_string_view<C> s)
{
    size_t pi = 0, si = 0, star = std::basic_string_view<C>::npos, restart = 0;
    while (si < s.size()) {
        if (pi < p.size() && p[pi] == C('*')) {
            star = pi++;
            restart = si;
        } else if (pi < p.size() && (p[pi] == C('?') || p[pi] == s[si])) {
            ++pi;
            ++si;
        } else if (star != std::basic_string_view<C>::npos) {
            pi = star + 1;
            si = ++restart;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == C('*'))
        ++pi;
    return pi == p.size();
}

std::u32string folded(const QString &text)
{
    std::u32string out;
    out.reserve(size_t(text.size()));
    for (const char32_t c : text.toUcs4())
        out.push_back(QChar::toCaseFolded(c));
    return out;
}

} // namespace

NameMatch::NameMatch(const QString &query)
{
    for (const QString &part : query.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString text = part.trimmed();
        if (text.isEmpty())
            continue;
        Word word;
        word.pattern = isPattern(text);
        word.folded = folded(text);
        word.isAscii = true;
        for (const QChar c : text)
            word.isAscii = word.isAscii && c.unicode() < 0x80;
        if (word.isAscii)
            word.ascii = text.toLower().toStdString();
        m_allAscii = m_allAscii && word.isAscii;
        m_words.push_back(std::move(word));
    }
}

bool NameMatch::matches(const QString &name) const
{
    if (m_words.empty())
        return true;
    const std::u32string text = folded(name);
    const std::u32string_view view(text);
    for (const Word &word : m_words) {
        const std::u32string_view want(word.folded);
        if (word.pattern ? !globMatch(want, view) : view.find(want) == view.npos)
            return false;
    }
    return true;
}

bool NameMatch::matches(const char *name, size_t length) const
{
    if (m_words.empty())
        return true;
    char lowered[256];
    std::string spill;
    char *out = lowered;
    if (length > sizeof lowered) {
        spill.resize(length);
        out = spill.data();
    }
    bool ascii = m_allAscii;
    for (size_t i = 0; i < length && ascii; ++i) {
        const char c = name[i];
        ascii = (static_cast<unsigned char>(c) & 0x80) == 0;
        out[i] = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    }
    if (!ascii)
        return matches(PathCodec::decode(name, qsizetype(length)));
    const std::string_view view(out, length);
    for (const Word &word : m_words) {
        const std::string_view want(word.ascii);
        if (word.pattern ? !globMatch(want, view) : view.find(want) == view.npos)
            return false;
    }
    return true;
}

bool NameMatch::matchesText(const QString &name, const char *text, size_t length) const
{
    if (m_words.empty())
        return true;
    const std::u32string foldedName = folded(name);
    const std::u32string_view nameView(foldedName);
    bool ascii = true;
    for (size_t i = 0; i < length && ascii; ++i)
        ascii = (static_cast<unsigned char>(text[i]) & 0x80) == 0;
    std::string lowered;
    std::u32string foldedText;
    if (ascii) {
        lowered.assign(text, length);
        for (char &c : lowered)
            c = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    } else {
        foldedText = folded(QString::fromUtf8(text, qsizetype(length)));
    }
    for (const Word &word : m_words) {
        const std::u32string_view want(word.folded);
        if (word.pattern) {
            if (!globMatch(want, nameView))
                return false;
        } else if (nameView.find(want) == nameView.npos) {
            const bool inText =
                ascii ? word.isAscii && lowered.find(word.ascii) != lowered.npos
                      : std::u32string_view(foldedText).find(want) != std::u32string_view::npos;
            if (!inText)
                return false;
        }
    }
    return true;
}

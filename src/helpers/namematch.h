// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// What a search query asks of a name: every word of it, ignoring case. A
// plain word may sit anywhere in the name; a word with "*" or "?" is a
// pattern for the whole name, as in the shell ("*.jpg", "IMG_????.*").
class NameMatch
{
public:
    explicit NameMatch(const QString &query = QString());

    // Nothing to look for: every name would match.
    bool isEmpty() const { return m_words.empty(); }
    bool matches(const QString &name) const;
    // The name's bytes as the directory gives them. Plain ASCII names, which
    // are most of a tree, are matched without decoding them.
    bool matches(const char *name, size_t length) const;
    // For a search of contents too: patterns still ask the name, and each
    // plain word may be in the name or in the text (UTF-8 or ASCII).
    bool matchesText(const QString &name, const char *text, size_t length) const;

private:
    struct Word
    {
        std::u32string folded; // for names outside ASCII
        std::string ascii;     // lower-cased; empty when the word is not ASCII
        bool pattern = false;
        bool isAscii = false;
    };
    std::vector<Word> m_words;
    bool m_allAscii = true;
};

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel

// An entry's details in words: its kind and when it was changed.
QtObject {
    // The kinds FolderModel tells apart, as a person says them.
    function kindText(kind) {
        switch (kind) {
        case "folder": return qsTranslate("Browser", "folder")
        case "text": return qsTranslate("Browser", "text file")
        case "image": return qsTranslate("Browser", "picture")
        case "audio": return qsTranslate("Browser", "audio file")
        case "video": return qsTranslate("Browser", "video")
        case "archive": return qsTranslate("Browser", "archive")
        case "program": return qsTranslate("Browser", "program")
        case "link": return qsTranslate("Browser", "link")
        case "brokenLink": return qsTranslate("Browser", "broken link")
        case "pipe": return qsTranslate("Browser", "pipe")
        case "device": return qsTranslate("Browser", "device")
        case "socket": return qsTranslate("Browser", "socket")
        default: return qsTranslate("Browser", "file")
        }
    }

    // The parts that are not empty, joined by separator.
    function join(parts, separator) {
        let joined = ""
        for (let i = 0; i < parts.length; ++i) {
            const part = parts[i]
            if (part !== "")
                joined = joined === "" ? part : joined + separator + part
        }
        return joined
    }

    // "today 14:02", "yesterday 09:30", else the locale's short date.
    function dateText(when) {
        if (!(when instanceof Date) || isNaN(when.getTime()))
            return ""
        const locale = Qt.locale()
        // To the minute: with no locale set, the short form has seconds.
        const time = SceneTools.shortTime(when)
        const day = new Date(when.getFullYear(), when.getMonth(), when.getDate())
        const now = new Date()
        const today = new Date(now.getFullYear(), now.getMonth(), now.getDate())
        const days = Math.round((today - day) / 86400000)
        if (days === 0)
            return qsTranslate("Browser", "today %1").arg(time)
        if (days === 1)
            return qsTranslate("Browser", "yesterday %1").arg(time)
        return when.toLocaleDateString(locale, Locale.ShortFormat)
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Gives a long text to its area a piece per turn of the event loop: laying
// out a megabyte at once would hold the window for a second. The first piece
// is there at once, so a short text shows whole straight away.
Timer {
    id: feeder

    required property TextEdit area
    property string text
    property int fed: 0
    readonly property bool done: fed >= text.length

    interval: 1
    repeat: true
    running: !done

    onTextChanged: {
        area.text = ""
        fed = 0
        feed()
    }
    onTriggered: feed()

    function feed() {
        let end = Math.min(text.length, fed + 32768)
        if (end < text.length) {
            // Whole lines where there are any, and never half a surrogate pair.
            const line = text.lastIndexOf("\n", end - 1)
            if (line >= fed)
                end = line + 1
            else if (text.charCodeAt(end) >= 0xDC00 && text.charCodeAt(end) <= 0xDFFF)
                --end
        }
        // Text added at the cursor would carry it, and the view, to the end.
        const cursor = area.cursorPosition
        const anchor = cursor === area.selectionStart ? area.selectionEnd : area.selectionStart
        area.insert(area.length, text.slice(fed, end))
        area.select(anchor, cursor)
        fed = end
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Letters typed in quick succession name the entry to jump to; what was
// typed stays on show for a moment, and says so when nothing matches.
QtObject {
    id: typeAhead
    property string typed: ""
    // Nothing starts with what was typed; the selection did not move.
    property bool missed: false
    property int pause: 900

    property Timer reset: Timer {
        interval: typeAhead.pause
        onTriggered: {
            typeAhead.typed = ""
            typeAhead.missed = false
        }
    }

    // The row to go to once text is typed on top of what came before: the
    // next match from current on (model.nextMatch), or current on a miss.
    function find(text, model, current) {
        typed += text
        reset.restart()
        // A first letter moves on; more letters refine the entry found.
        const start = typed.length > 1 ? Math.max(current, 0) : current + 1
        const found = model.nextMatch(typed, start)
        missed = found < 0
        return missed ? current : found
    }
}

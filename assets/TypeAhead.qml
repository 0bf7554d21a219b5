import QtQuick

// Letters typed in quick succession name the entry to jump to.
QtObject {
    id: typeAhead
    property string typed: ""
    property int pause: 900

    property Timer reset: Timer {
        interval: typeAhead.pause
        onTriggered: typeAhead.typed = ""
    }

    // The index of the next of count names (nameAt(i) gives one), from
    // current on, that starts with what has been typed with text added;
    // current when none does.
    function find(text, count, nameAt, current) {
        typed += text.toLowerCase()
        reset.restart()
        const n = count
        // A first letter moves on; more letters refine the entry found.
        const start = typed.length > 1 ? Math.max(current, 0) : current + 1
        for (let k = 0; k < n; ++k) {
            const i = (start + k) % n
            if (nameAt(i).toLowerCase().startsWith(typed))
                return i
        }
        return current
    }
}

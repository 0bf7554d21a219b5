// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml

// The folders left behind (Back) and those gone back from (Forward).
QtObject {
    property var backward: []
    property var forward: []

    readonly property bool canBack: backward.length > 0
    readonly property bool canForward: forward.length > 0

    // A new folder was opened from here: Forward no longer applies.
    function visit(from) {
        backward = backward.concat([from])
        forward = []
    }

    // Where Back leads from current, remembering current for Forward.
    function back(current) {
        const target = backward[backward.length - 1]
        backward = backward.slice(0, -1)
        forward = forward.concat([current])
        return target
    }

    function ahead(current) {
        const target = forward[forward.length - 1]
        forward = forward.slice(0, -1)
        backward = backward.concat([current])
        return target
    }
}

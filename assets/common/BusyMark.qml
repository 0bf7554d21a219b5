// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// Turns busy only after work has gone on for a moment, so quick work
// never flickers it.
BusyIndicator {
    id: mark
    property bool busy: false
    running: false
    visible: running
    onBusyChanged: if (!busy) running = false

    Timer {
        interval: 200
        running: mark.busy
        onTriggered: mark.running = true
    }
}

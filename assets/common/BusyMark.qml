// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel.Scene

// Turns busy only after work has gone on for a moment, so quick work
// never flickers it. The spinner is made the first time it turns, as most
// marks never do.
Item {
    id: mark
    property bool busy: false
    property bool running: false
    visible: running
    onBusyChanged: if (!busy) running = false

    Timer {
        interval: 200
        running: mark.busy
        onTriggered: mark.running = true
    }
    MadeLater {
        anchors.fill: parent
        wanted: mark.running
        source: Qt.resolvedUrl("Spinner.qml")
        onMade: (spinner) => spinner.running = Qt.binding(() => mark.running)
    }
}

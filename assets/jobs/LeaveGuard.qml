// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// Leaving while jobs run asks first; leaving anyway cancels them and waits
// until none has anything half done, then closes.
Dialog {
    id: guard
    objectName: "leaveGuard"

    // The window whose closing is guarded.
    required property QtObject window
    property bool leaving: false

    modal: true
    anchors.centerIn: parent
    title: qsTranslate("Jobs", "Jobs are running")
    standardButtons: Dialog.NoButton

    Label {
        width: Math.min(implicitWidth, guard.window ? guard.window.width * 0.8 : implicitWidth)
        wrapMode: Text.Wrap
        text: guard.leaving
              ? qsTranslate("Jobs", "Stopping the jobs; nothing is left half done…")
              : qsTranslate("Jobs", "Jobs still running: %n. Stop them and leave?", "", JobQueue.active)
    }
    footer: DialogButtonBox {
        Button {
            objectName: "leaveStay"
            text: qsTranslate("Jobs", "Keep working")
            enabled: !guard.leaving
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
        Button {
            objectName: "leaveAnyway"
            text: qsTranslate("Jobs", "Stop and leave")
            enabled: !guard.leaving
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
    onAccepted: {
        leaving = true
        JobQueue.cancelAll()
        if (JobQueue.active === 0)
            window.close()
        else
            open()
    }

    Connections {
        target: guard.window
        function onClosing(close) {
            if (JobQueue.active > 0) {
                close.accepted = false
                if (!guard.leaving)
                    guard.open()
            }
        }
    }
    Connections {
        target: JobQueue
        function onActiveChanged() {
            if (guard.leaving && JobQueue.active === 0)
                guard.window.close()
        }
    }
}

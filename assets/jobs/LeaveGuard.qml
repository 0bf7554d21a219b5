// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel

// Leaving while jobs run asks first; leaving anyway cancels them and waits
// until none has anything half done, then closes.
Dialog {
    id: guard
    objectName: "leaveGuard"

    // An item of the window whose closing is guarded.
    required property Item scene
    property bool leaving: false

    modal: true
    anchors.centerIn: parent
    title: qsTranslate("Jobs", "Jobs are running")
    standardButtons: Dialog.NoButton

    Label {
        width: Math.min(implicitWidth, guard.scene.Window.window ? guard.scene.Window.window.width * 0.8 : implicitWidth)
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
            onClicked: guard.reject()
        }
        Button {
            objectName: "leaveAnyway"
            text: qsTranslate("Jobs", "Stop and leave")
            enabled: !guard.leaving
            onClicked: guard.accept()
        }
    }
    onAccepted: {
        leaving = true
        JobQueue.cancelAll()
        if (JobQueue.active === 0)
            guard.scene.Window.window.close()
        else
            open()
    }

    Connections {
        target: guard.scene.Window.window
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
                guard.scene.Window.window.close()
        }
    }
}

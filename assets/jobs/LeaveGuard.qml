// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel

// Leaving while jobs run asks first; leaving anyway cancels them and waits
// until none has anything half done, then closes. The question is made
// when it is first asked.
QtObject {
    id: guard
    objectName: "leaveGuard"

    // An item of the window whose closing is guarded; the question shows over it.
    required property Item scene
    property bool leaving: false
    // Named by address: its file is read when it is first asked.
    property var question: null

    function ask() {
        if (!guard.question) {
            guard.question = Qt.createComponent(Qt.resolvedUrl("LeaveQuestion.qml"))
                                 .createObject(guard.scene, { guard: guard })
        }
        guard.question.open()
    }

    readonly property Connections closing: Connections {
        target: guard.scene.Window.window
        function onClosing(close) {
            if (JobQueue.active > 0) {
                close.accepted = false
                if (!guard.leaving)
                    guard.ask()
            }
        }
    }
    readonly property Connections finishing: Connections {
        target: JobQueue
        function onActiveChanged() {
            if (guard.leaving && JobQueue.active === 0)
                guard.scene.Window.window.close()
        }
    }
}

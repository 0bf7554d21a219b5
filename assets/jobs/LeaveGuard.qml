// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
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
    property Dialog question: null

    function ask() {
        if (!guard.question)
            guard.question = questionComponent.createObject(guard.scene)
        guard.question.open()
    }

    readonly property Component questionComponent: Component {
        Dialog {
            id: question
            objectName: "leaveQuestion"
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
                    onClicked: question.reject()
                }
                Button {
                    objectName: "leaveAnyway"
                    text: qsTranslate("Jobs", "Stop and leave")
                    enabled: !guard.leaving
                    onClicked: question.accept()
                }
            }
            // Staying: the keyboard goes back to the page it left.
            onRejected: guard.scene.forceActiveFocus()
            onAccepted: {
                guard.leaving = true
                JobQueue.cancelAll()
                if (JobQueue.active === 0)
                    guard.scene.Window.window.close()
                else
                    question.open()
            }
        }
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

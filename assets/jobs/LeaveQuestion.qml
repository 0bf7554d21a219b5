// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// Asked when the window is to close while jobs run: stay, or stop them and
// leave.
Dialog {
    id: question

    // Whose question it is: it says and does what the guard is doing.
    required property LeaveGuard guard

    objectName: "leaveQuestion"
    modal: true
    anchors.centerIn: parent
    title: qsTranslate("Jobs", "Jobs are running")
    standardButtons: Dialog.NoButton

    Label {
        width: Math.min(implicitWidth, question.guard.scene.Window.window ? question.guard.scene.Window.window.width * 0.8 : implicitWidth)
        wrapMode: Text.Wrap
        text: question.guard.leaving
              ? qsTranslate("Jobs", "Stopping the jobs; nothing is left half done…")
              : qsTranslate("Jobs", "Jobs still running: %n. Stop them and leave?", "", JobQueue.active)
    }
    footer: DialogButtonBox {
        Button {
            objectName: "leaveStay"
            text: qsTranslate("Jobs", "Keep working")
            enabled: !question.guard.leaving
            onClicked: question.reject()
        }
        Button {
            objectName: "leaveAnyway"
            text: qsTranslate("Jobs", "Stop and leave")
            enabled: !question.guard.leaving
            onClicked: question.accept()
        }
    }
    // Staying: the keyboard goes back to the page it left.
    onRejected: question.guard.scene.forceActiveFocus()
    onAccepted: {
        question.guard.leaving = true
        JobQueue.cancelAll()
        if (JobQueue.active === 0)
            question.guard.scene.Window.window.close()
        else
            question.open()
    }
}

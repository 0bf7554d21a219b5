// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// A question before something that cannot be taken back: Enter confirms,
// Escape (or Cancel) keeps everything as it is.
Dialog {
    id: dialog
    objectName: "askDialog"

    property string question: ""
    property string confirmText: qsTranslate("Files", "Delete")
    // Called once confirmed; set anew for each question.
    property var action: null
    // What had the keyboard when asked gets it back, whatever the answer.
    property Item returnTo: null

    // from: the item with the keyboard when asked.
    function ask(text, confirm, then, from) {
        question = text
        confirmText = confirm
        action = then
        if (!visible)
            returnTo = from
        open()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - Services.ui.du(4) : Services.ui.du(50), Services.ui.du(50))
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    title: qsTranslate("Files", "Are you sure?")

    onAccepted: {
        const then = action
        action = null
        if (then)
            then()
    }
    onRejected: action = null
    onClosed: {
        if (returnTo && returnTo.visible)
            returnTo.forceActiveFocus()
        returnTo = null
    }

    contentItem: Label {
        objectName: "askQuestion"
        text: dialog.question
        wrapMode: Text.Wrap
        focus: true
        Keys.onReturnPressed: dialog.accept()
        Keys.onEnterPressed: dialog.accept()
    }
    footer: DialogButtonBox {
        Button {
            objectName: "askConfirm"
            text: dialog.confirmText
            onClicked: dialog.accept()
        }
        Button {
            objectName: "askCancel"
            text: qsTranslate("Files", "Cancel")
            onClicked: dialog.reject()
        }
    }
}

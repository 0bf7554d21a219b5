// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Asks for the name of a new folder, offered selected; Enter makes it,
// Escape gives up. A name that cannot be used says why and stays.
Dialog {
    id: dialog
    objectName: "nameDialog"

    required property FileOperations operations
    // Why the last try was refused, until the name changes.
    property string refusal: ""
    readonly property string reason: {
        const check = operations.checkName(field.text)
        return check.ok ? refusal : check.message
    }

    // Makes the folder; the dialog waits for the answer before it closes.
    signal submitted(string name)

    function start() {
        refusal = ""
        field.text = qsTranslate("Files", "New folder")
        open()
        field.selectAll()
        field.forceActiveFocus()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - Services.ui.du(4) : Services.ui.du(50), Services.ui.du(50))
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    title: qsTranslate("Files", "New folder")

    ColumnLayout {
        width: parent ? parent.width : 0
        spacing: Services.ui.du(0.8)
        TextField {
            id: field
            objectName: "newFolderName"
            Layout.fillWidth: true
            focus: true
            onTextChanged: dialog.refusal = ""
            onAccepted: if (dialog.reason === "") dialog.submitted(text)
            Accessible.name: qsTranslate("Files", "Name of the new folder")
        }
        Label {
            objectName: "newFolderReason"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.reason
            wrapMode: Text.Wrap
            color: "#c0392b"
        }
    }
    footer: DialogButtonBox {
        Button {
            text: qsTranslate("Files", "Create")
            enabled: dialog.reason === ""
            onClicked: dialog.submitted(field.text)
        }
        Button {
            text: qsTranslate("Files", "Cancel")
            onClicked: dialog.reject()
        }
    }
}

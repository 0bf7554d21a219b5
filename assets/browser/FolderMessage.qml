// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Says why the listing is empty; a folder deleted while open offers Up.
ColumnLayout {
    id: message
    required property Navigation navigation
    readonly property FolderModel model: navigation.model
    // Words of the browser's own, shown before the folder's (a start notice).
    readonly property string text: {
        if (model.running && model.count === 0)
            return ""
        switch (model.status) {
        case FolderModel.Missing: return qsTranslate("Browser", "This folder does not exist.")
        case FolderModel.Unreadable: return qsTranslate("Browser", "This folder cannot be read: you do not have permission.")
        case FolderModel.Gone: return qsTranslate("Browser", "This folder no longer exists")
        case FolderModel.Empty: return qsTranslate("Browser", "This folder is empty.")
        }
        if (model.count > 0 || model.folder === "")
            return ""
        return model.filterText !== "" ? qsTranslate("Browser", "No name holds \u201C%1\u201D.").arg(model.filterText)
                                       : qsTranslate("Browser", "Only hidden entries are here (%1 shows them).").arg(Commands.showHidden.keyText)
    }

    visible: text !== ""
    spacing: Services.ui.du(1)

    Label {
        objectName: "emptyMessage"
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: message.text
        opacity: 0.75
        font.pixelSize: Services.ui.du(1.6)
    }
    // Made for a folder gone while open.
    MadeLater {
        Layout.alignment: Qt.AlignHCenter
        wanted: message.model.status === FolderModel.Gone
        visible: wanted
        component: Component {
            CommandButton {
                objectName: "goneUp"
                command: message.navigation.up
                focusPolicy: Qt.TabFocus
            }
        }
    }
}

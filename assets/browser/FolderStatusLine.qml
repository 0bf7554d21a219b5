// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Below the list: how many entries the folder shows and hides, and the free
// space of its volume, read again while the folder is shown.
RowLayout {
    id: line
    objectName: "folderStatusLine"

    required property FolderModel model
    readonly property alias status: status
    readonly property string countText: status.countText(
        model.unfilteredCount, model.showHidden ? 0 : model.totalCount - model.unfilteredCount)

    // Shows message in the count's place for a few seconds.
    function say(message) {
        said.text = message
        quiet.restart()
    }

    spacing: Services.ui.du(1)

    FolderStatus {
        id: status
        folder: line.model.folder
    }
    // A finished copy or removal changes the free space at once.
    Connections {
        target: line.model
        function onTotalCountChanged() { status.refresh() }
    }

    Timer {
        id: quiet
        interval: 8000
        onTriggered: said.text = ""
    }

    Label {
        id: said
        objectName: "statusMessage"
        Layout.fillWidth: true
        visible: text !== ""
        leftPadding: Services.ui.du(1)
        elide: Text.ElideRight
        color: "#c0392b"
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
    Label {
        objectName: "statusCount"
        Layout.fillWidth: true
        visible: !said.visible
        leftPadding: Services.ui.du(1)
        text: line.countText
        elide: Text.ElideRight
        Accessible.name: text
    }
    Label {
        objectName: "statusFree"
        rightPadding: Services.ui.du(1)
        text: status.freeText
        Accessible.name: text
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// An entry's properties, read off the UI thread: size, times, owner,
// permissions, type, and for a link its target.
ViewerPage {
    id: page
    objectName: "propertiesPage"
    part: "properties"
    canCopy: false

    // From FileOpener.properties; null until read.
    property var info: null
    readonly property bool isLink: info !== null && info.isSymLink === true
    readonly property bool broken: info !== null && info.isBrokenLink === true
    readonly property string targetPath: isLink ? String(info.linkTargetPath) : ""

    // Rows of label and value; absent values leave their row out.
    readonly property var rows: {
        if (info === null)
            return []
        const when = (time) => time ? SceneTools.shortDateTime(time) : ""
        const size = info.size === undefined ? ""
                   : info.size < 1000 ? SceneTools.formatBytes(info.size)
                   : qsTr("%1 (%2)").arg(SceneTools.formatSize(info.size)).arg(SceneTools.formatBytes(info.size))
        return [
            [qsTr("Name"), page.title],
            [qsTr("Folder"), PathTools.shownPath(PathTools.parentOf(page.path))],
            [qsTr("Type"), info.description ? qsTr("%1 (%2)").arg(info.description).arg(info.mimeType) : info.mimeType],
            [qsTr("Size"), info.kind === "file" ? size : ""],
            [qsTr("Modified"), when(info.modified)],
            [qsTr("Accessed"), when(info.accessed)],
            [qsTr("Owner"), info.owner || ""],
            [qsTr("Group"), info.group || ""],
            [qsTr("Permissions"), info.permissions ? info.permissions + "  " + info.octal : ""],
            [qsTr("Link to"), page.isLink ? PathTools.shownPath(String(info.linkTarget)) : ""],
        ].filter(row => row[1] !== "" && row[1] !== undefined)
    }

    readonly property string status: {
        if (info === null)
            return ""
        if (broken)
            return qsTr("This link is broken: %1 does not exist.").arg(PathTools.shownPath(String(info.linkTarget)))
        if (!info.exists)
            return qsTr("This file no longer exists.")
        return info.error ? String(info.error) : ""
    }

    function goToTarget() {
        const cut = targetPath.lastIndexOf("/")
        goToRequested(cut <= 0 ? "/" : targetPath.substring(0, cut), targetPath)
    }

    Component.onCompleted: opener.requestProperties(path)
    StackView.onActivated: forceActiveFocus()

    Connections {
        target: page.opener
        function onPropertiesReady(path, properties) {
            if (path === page.path)
                page.info = properties
        }
    }

    BusyMark {
        anchors.centerIn: parent
        busy: page.info === null
        width: Services.ui.du(4)
        height: Services.ui.du(4)
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * column.y
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }

        ColumnLayout {
            id: column
            x: Services.ui.du(1.5)
            y: Services.ui.du(1.5)
            width: flick.width - 2 * x
            spacing: Services.ui.du(0.8)

            Label {
                objectName: "propertiesStatus"
                Layout.fillWidth: true
                visible: text !== ""
                text: page.status
                wrapMode: Text.WordWrap
                font.bold: true
            }
            // Labels in one column and values in another, so that they line up.
            GridLayout {
                objectName: "propertiesGrid"
                Layout.fillWidth: true
                columns: 2
                columnSpacing: Services.ui.du(1.5)
                rowSpacing: Services.ui.du(0.8)
                Repeater {
                    model: page.rows.length * 2
                    Label {
                        required property int index
                        readonly property bool isLabel: index % 2 === 0
                        Layout.fillWidth: !isLabel
                        Layout.maximumWidth: isLabel ? Services.ui.du(14) : -1
                        Layout.alignment: Qt.AlignTop
                        text: page.rows[Math.floor(index / 2)][isLabel ? 0 : 1]
                        font.bold: isLabel
                        elide: isLabel ? Text.ElideRight : Text.ElideNone
                        wrapMode: isLabel ? Text.NoWrap : Text.WrapAnywhere
                        textFormat: Text.PlainText
                    }
                }
            }
            Button {
                objectName: "goToTarget"
                visible: page.isLink && !page.broken
                text: qsTr("Go to target")
                onClicked: page.goToTarget()
            }
        }
    }
}

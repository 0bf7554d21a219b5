// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// One entry of the trash: its name, where it came from and when it was
// trashed.
ItemDelegate {
    id: row
    required property int index
    required property string name
    required property string trashedPath
    required property string originalFolder
    required property var deleted
    required property double size
    required property bool isDir
    property bool chosen: false
    property bool compact: false
    readonly property color ink: highlighted ? palette.highlightedText : palette.text
    readonly property EntryText words: EntryText { }
    readonly property string whereText: originalFolder !== "" ? originalFolder
                                                             : qsTranslate("Files", "origin unknown")
    readonly property string whenText: words.dateText(deleted)

    signal menuRequested(real x, real y)

    width: ListView.view.width
    height: compact ? Services.ui.du(5.4) : Services.ui.du(4)
    highlighted: chosen || ListView.isCurrentItem
    focusPolicy: Qt.NoFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: name
    Accessible.description: words.join([whereText, whenText], ", ")

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: (point) => row.menuRequested(point.position.x, point.position.y)
    }

    contentItem: GridLayout {
        columns: row.compact ? 2 : 4
        columnSpacing: Services.ui.du(1)
        rowSpacing: 0
        EntryIcon {
            Layout.preferredWidth: Services.ui.du(2.4)
            Layout.preferredHeight: Services.ui.du(2.4)
            Layout.rowSpan: row.compact ? 2 : 1
            kind: row.isDir ? "folder" : "file"
            isDir: row.isDir
            accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
            ink: row.ink
        }
        Label {
            objectName: "trashName"
            Layout.fillWidth: true
            text: row.name
            elide: Text.ElideMiddle
            color: row.ink
        }
        Label {
            objectName: "trashOrigin"
            Layout.fillWidth: true
            Layout.preferredWidth: row.compact ? -1 : row.width / 3
            text: row.compact ? row.words.join([row.whereText, row.whenText], " \u00B7 ") : row.whereText
            elide: Text.ElideMiddle
            color: row.ink
            opacity: 0.7
            Binding on font.pixelSize {
                when: row.compact
                value: Services.ui.du(1.2)
            }
        }
        Label {
            objectName: "trashDate"
            visible: !row.compact
            Layout.preferredWidth: Services.ui.du(15)
            text: row.whenText
            elide: Text.ElideRight
            color: row.ink
            opacity: 0.7
        }
    }
}

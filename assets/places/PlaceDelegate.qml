// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// One place: its icon, name and free space; a bookmark has a Remove button
// when pointed at or chosen, and always once its folder is gone.
ItemDelegate {
    id: row
    required property int index
    required property string name
    required property string path
    required property string section
    required property string iconName
    required property bool exists
    required property string detail
    // Not answered yet: whether a bookmark or folder is there, or a volume's
    // free space (a mount that is slow or dead).
    required property bool waiting
    // The browser shows this place.
    property bool here: false
    // The words over the first place of a section.
    property string heading: ""
    readonly property bool headed: ListView.section !== ListView.previousSection
    readonly property bool themed: SceneTools.hasThemeIcon(iconName)
    readonly property color ink: highlighted ? palette.highlightedText : palette.text

    signal removeRequested()

    width: ListView.view.width
    highlighted: ListView.isCurrentItem
    focusPolicy: Qt.NoFocus
    // The Remove button shows on hover, whatever the platform's habit.
    hoverEnabled: true
    opacity: exists ? 1 : 0.55
    topInset: headed ? headingLabel.height : 0
    topPadding: bottomPadding + topInset
    ToolTip.visible: hovered && ToolTip.text !== ""
    ToolTip.delay: 600
    // Where the place is, written as the path bar writes it; the Trash has
    // no folder to show.
    readonly property string where: path.startsWith("/") ? PathTools.shownPath(PathTools.clean(path)) : path
    ToolTip.text: exists ? where : qsTr("%1 no longer exists").arg(where)
    Accessible.name: name
    Accessible.description: {
        if (waiting)
            return section === "bookmarks" ? qsTr("bookmark, waiting for its folder to answer")
                                           : qsTr("not answering")
        if (!exists)
            return qsTr("bookmark, folder is gone")
        const parts = []
        if (section === "bookmarks")
            parts.push(qsTr("bookmark"))
        if (detail !== "")
            parts.push(detail)
        if (here)
            parts.push(qsTr("open now"))
        return parts.join(", ")
    }

    // Entries dropped on a place go into its folder.
    EntryDropArea {
        anchors.fill: parent
        anchors.topMargin: row.topInset
        enabled: row.exists
        folder: row.path
    }

    Label {
        id: headingLabel
        objectName: "placeHeading"
        visible: row.headed
        width: row.width
        leftPadding: Services.ui.du(1)
        topPadding: Services.ui.du(0.8)
        bottomPadding: Services.ui.du(0.3)
        text: row.heading
        font.bold: true
        color: row.palette.windowText
        opacity: row.exists ? 0.6 : 1
    }

    contentItem: RowLayout {
        spacing: Services.ui.du(0.8)
        IconImage {
            visible: row.themed
            name: row.themed ? row.iconName : ""
            sourceSize.width: Services.ui.du(2)
            sourceSize.height: Services.ui.du(2)
            color: row.ink
        }
        // Drawn only where the theme has no icon for the place.
        MadeLater {
            wanted: !row.themed
            visible: wanted
            Layout.preferredWidth: Services.ui.du(2)
            Layout.preferredHeight: Services.ui.du(2)
            component: Component {
                EntryIcon {
                    anchors.fill: parent
                    kind: "folder"
                    accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
                    ink: row.ink
                }
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0
            Label {
                Layout.fillWidth: true
                text: row.name
                elide: Text.ElideMiddle
                font.bold: row.here
                font.strikeout: !row.exists
                color: row.ink
            }
            Label {
                Layout.fillWidth: true
                visible: text !== ""
                text: row.waiting && row.detail === "" ? qsTr("not answering") : row.detail
                elide: Text.ElideRight
                font.pixelSize: Services.ui.du(1.2)
                color: row.ink
                opacity: 0.7
            }
        }
        BusyMark {
            objectName: "placeWaiting"
            busy: row.waiting
            visible: row.waiting
            Layout.preferredWidth: Services.ui.du(1.6)
            Layout.preferredHeight: Services.ui.du(1.6)
        }
        // Only bookmarks can be removed.
        MadeLater {
            wanted: row.section === "bookmarks"
            visible: wanted && (!row.exists || row.hovered || row.highlighted)
            component: Component {
                FlatToolButton {
                    objectName: "removeBookmark"
                    text: row.exists ? "\u00D7" : qsTr("Remove")
                    focusPolicy: Qt.NoFocus
                    padding: Services.ui.du(0.3)
                    Accessible.name: qsTr("Remove bookmark %1").arg(row.name)
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Removes this bookmark (Delete)")
                    onClicked: row.removeRequested()
                }
            }
        }
    }
}

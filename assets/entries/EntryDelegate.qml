// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// One row of the listing: icon, name (cut in the middle when long), size,
// date and type in columns, or below the name when the list is narrow.
ItemDelegate {
    id: row
    required property int index
    required property string fileName
    required property string displayName
    required property string completePath
    required property bool isDir
    required property bool isReadable
    required property bool isLink
    required property bool isBrokenLink
    required property string linkTarget
    required property bool hasUndecodable
    required property string kind
    // The type in the person's words ("PDF document"), as sorting by type uses it.
    required property string kindWords
    required property var iconNames
    required property double size
    required property var modified
    property bool compact: false
    // A picture shows its thumbnail in place of the icon.
    property bool thumbnails: false
    property real nameWidth: 0
    property real columnGap: Services.ui.du(1)
    property real iconSize: Services.ui.du(2.4)
    property real sizeWidth: 0
    property real dateWidth: 0
    property real typeWidth: 0
    readonly property color ink: highlighted ? palette.highlightedText : palette.text
    readonly property string sizeText: isDir || isBrokenLink ? "" : SceneTools.formatSize(size)
    readonly property EntryText words: EntryText { }
    readonly property string dateText: words.dateText(modified)
    readonly property string kindText: kindWords !== "" && !isBrokenLink && !isDir ? kindWords
                                                                                  : words.kindText(kind)
    // Where the name is drawn: the rename editor opens over it.
    property Item nameItem: null
    // The labels of the other columns.
    property Item sizeItem: null
    property Item dateItem: null
    property Item typeItem: null
    readonly property string brokenText: isBrokenLink ? qsTranslate("Browser", "broken link \u2192 %1").arg(linkTarget) : ""

    // How wide a column's words are drawn whole, with the labels' own fonts
    // and paddings; the name with the marks beside it.
    function columnWidth(key) {
        const label = key === "size" ? sizeItem : key === "date" ? dateItem : key === "type" ? typeItem : null
        if (label)
            return label.implicitWidth
        const line = nameItem?.parent ?? null
        if (key !== "name" || !line)
            return 0
        let width = 0
        let parts = 0
        for (let i = 0; i < line.children.length; ++i) {
            const part = line.children[i]
            if (part.visible) {
                width += part.implicitWidth
                ++parts
            }
        }
        return width + Math.max(0, parts - 1) * (line as RowLayout).spacing
    }

    // The right button: the entry's menu, at x, y in the row.
    signal menuRequested(real x, real y)

    width: ListView.view.width
    height: compact ? Services.ui.du(5.4) : Services.ui.du(4)
    highlighted: ListView.isCurrentItem
    focusPolicy: Qt.NoFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: displayName + ", " + kindText
    Accessible.description: words.join([displayName, kindText, brokenText, sizeText,
                                        dateText === "" ? "" : qsTranslate("Browser", "modified %1").arg(dateText)], ", ")

    Rectangle {
        anchors.fill: parent
        visible: row.ListView.isCurrentItem && !row.highlighted
        color: "transparent"
        border.color: row.palette.highlight
        border.width: Math.max(1, Services.ui.du(0.1))
    }

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: (point) => row.menuRequested(point.position.x, point.position.y)
    }

    contentItem: RowLayout {
        spacing: row.columnGap
        EntryPicture {
            Layout.preferredWidth: row.iconSize
            Layout.preferredHeight: row.iconSize
            thumbnails: row.thumbnails
            path: row.completePath
            modified: row.modified
            kind: row.kind
            iconNames: row.iconNames
            isDir: row.isDir
            accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
            ink: row.ink
            opacity: row.isReadable || row.isBrokenLink ? 1 : 0.45
        }
        ColumnLayout {
            objectName: "nameColumn"
            Layout.fillWidth: row.compact
            Layout.minimumWidth: row.compact ? 0 : row.nameWidth
            Layout.maximumWidth: row.compact ? Infinity : row.nameWidth
            spacing: 0
            RowLayout {
                spacing: Services.ui.du(0.6)
                Label {
                    objectName: "entryName"
                    Component.onCompleted: row.nameItem = this
                    Layout.fillWidth: !row.isBrokenLink || row.compact
                    text: row.displayName
                    elide: Text.ElideMiddle
                    color: row.ink
                    opacity: row.isReadable ? 1 : 0.6
                }
                // Hidden parts are left without words: laying words out costs.
                Label {
                    visible: row.hasUndecodable
                    text: row.hasUndecodable ? "\u26A0" : ""
                    color: "#d9822b"
                    Accessible.name: qsTranslate("Browser", "This name is not valid UTF-8; its odd bytes show as %1").arg("\\xNN")
                }
                Label {
                    visible: row.isBrokenLink && !row.compact
                    Layout.fillWidth: true
                    text: row.isBrokenLink && !row.compact ? row.brokenText : ""
                    elide: Text.ElideMiddle
                    font.italic: true
                    color: row.ink
                    opacity: 0.7
                }
                Label {
                    visible: !row.isReadable && !row.isBrokenLink
                    text: !row.isReadable && !row.isBrokenLink ? qsTranslate("Browser", "no access") : ""
                    font.italic: true
                    color: row.ink
                    opacity: 0.7
                }
            }
            Label {
                objectName: "entryDetail"
                visible: row.compact
                Layout.fillWidth: true
                text: !row.compact ? ""
                      : row.isBrokenLink ? row.brokenText
                      : row.words.join([row.sizeText, row.dateText, row.kindText], " \u00B7 ")
                elide: Text.ElideRight
                font.pixelSize: Services.ui.du(1.2)
                color: row.ink
                opacity: 0.7
            }
        }
        Label {
            visible: !row.compact
            Component.onCompleted: row.sizeItem = this
            objectName: "sizeColumn"
            Layout.minimumWidth: row.sizeWidth
            Layout.maximumWidth: row.sizeWidth
            horizontalAlignment: Text.AlignRight
            text: row.sizeText
            elide: Text.ElideLeft
            color: row.ink
            opacity: 0.7
        }
        Label {
            visible: !row.compact
            Component.onCompleted: row.dateItem = this
            objectName: "dateColumn"
            Layout.minimumWidth: row.dateWidth
            Layout.maximumWidth: row.dateWidth
            text: row.dateText
            elide: Text.ElideRight
            color: row.ink
            opacity: 0.7
        }
        Label {
            visible: !row.compact
            Component.onCompleted: row.typeItem = this
            objectName: "typeColumn"
            Layout.minimumWidth: row.typeWidth
            Layout.maximumWidth: row.typeWidth
            text: row.kindText
            elide: Text.ElideRight
            color: row.ink
            opacity: 0.7
        }
        Item { visible: !row.compact; Layout.fillWidth: true }
    }
}

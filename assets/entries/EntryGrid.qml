// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The entries as a grid of icons, a thumbnail for a picture, the name under
// it in up to two lines. Keys and clicks act as in the list: arrows move,
// Ctrl and Shift with a click choose more, Enter or a double click opens.
GridView {
    id: grid
    objectName: "entryGrid"

    required property EntrySelection selection

    signal activated(int index)
    signal contextMenuRequested(int index, real x, real y)
    // The current tile moved within the grid (a new width lays the tiles out anew).
    signal currentMoved()

    readonly property real tile: Services.ui.du(13)
    // Thumbnails are asked for only while their tile is made: what is on
    // screen and the cache buffer ahead; a tile scrolled away drops its
    // request.
    property bool thumbnails: true
    // Where the current tile's name is drawn: the rename editor lies over it.
    // Set by the current tile: a cast to the inline tile type finds nothing
    // here, so the tile says where its name is drawn.
    property Item currentName: null

    function activate(index) {
        if (index >= 0 && index < count)
            activated(index)
    }
    function requestMenu(index) {
        const tileItem = itemAtIndex(index)
        if (tileItem)
            contextMenuRequested(index, tileItem.x - contentX + tileItem.width / 2,
                                 tileItem.y - contentY + tileItem.height / 2)
    }

    model: selection.model
    cellWidth: Math.max(tile, width / Math.max(1, Math.floor(width / tile)))
    cellHeight: tile + Services.ui.du(2)
    clip: true
    focus: true
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    cacheBuffer: cellHeight * 2
    // Tiles scrolled away are kept and filled anew: making them is what a
    // scroll would otherwise spend its frames on.
    reuseItems: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }
    Accessible.role: Accessible.List
    Accessible.name: qsTranslate("Browser", "Entries")

    property bool following: false
    function follow() {
        following = true
        currentIndex = selection.currentRow
        following = false
        if (currentIndex >= 0)
            positionViewAtIndex(currentIndex, GridView.Contain)
    }
    // Made after the folder was listed: the view's own first choice of a
    // tile, before it follows the selection, is not the person's either.
    property bool ready: false
    onCurrentIndexChanged: if (ready && !following) selection.currentRow = currentIndex
    Component.onCompleted: {
        ready = true
        follow()
    }
    // A bar shown over the entries (the filter) or a lower window keeps
    // the chosen entry whole in sight when it was before.
    property real heightBefore: 0
    onHeightChanged: {
        const chosen = currentItem
        if (chosen && height < heightBefore && chosen.y >= contentY - 0.5
                && chosen.y + chosen.height <= contentY + heightBefore + 0.5)
            positionViewAtIndex(currentIndex, GridView.Contain)
        heightBefore = height
    }
    Connections {
        target: grid.selection
        function onCurrentChanged() { grid.follow() }
    }

    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            activate(currentIndex)
        else if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && event.modifiers === Qt.ShiftModifier))
            requestMenu(currentIndex)
        else if (event.key === Qt.Key_Home)
            currentIndex = count > 0 ? 0 : -1
        else if (event.key === Qt.Key_End)
            currentIndex = count - 1
        else
            return
        positionViewAtIndex(currentIndex, GridView.Contain)
        event.accepted = true
    }

    delegate: Tile { }

    component Tile: ItemDelegate {
        id: tileItem
        required property int index
        required property string displayName
        required property string completePath
        required property bool isDir
        required property bool isReadable
        required property string kind
        required property var modified
        readonly property EntryGrid entries: GridView.view as EntryGrid
        // Set by the thumbnail: the icon stands in until it is drawn.
        property bool thumbnailReady: false
        property Item nameItem: null
        readonly property bool isCurrent: GridView.isCurrentItem
        function tellName() {
            if (isCurrent && entries)
                entries.currentName = nameItem
        }
        onIsCurrentChanged: tellName()
        onNameItemChanged: tellName()
        onXChanged: if (isCurrent && entries) entries.currentMoved()
        onYChanged: if (isCurrent && entries) entries.currentMoved()
        function forgetName() {
            if (entries && entries.currentName === nameItem)
                entries.currentName = null
        }
        Component.onDestruction: forgetName()
        GridView.onPooled: forgetName()
        GridView.onReused: tellName()
        // Depends on the selection's count so that it is read again on a change.
        readonly property bool chosen: GridView.isCurrentItem
                                       || (tileItem.entries.selection.count > 0 && tileItem.entries.selection.isSelected(tileItem.index))
        readonly property bool picture: tileItem.entries.thumbnails && !tileItem.isDir && tileItem.kind !== "folder"
                                        && Thumbnails.likely(tileItem.completePath)

        width: tileItem.entries.cellWidth
        height: tileItem.entries.cellHeight
        highlighted: chosen
        focusPolicy: Qt.NoFocus
        Accessible.role: Accessible.ListItem
        Accessible.name: displayName

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: (mouse) => {
                if (mouse.button === Qt.RightButton) {
                    tileItem.entries.currentIndex = tileItem.index
                    const at = tileItem.mapToItem(tileItem.entries, mouse.x, mouse.y)
                    tileItem.entries.contextMenuRequested(tileItem.index, at.x, at.y)
                } else if (mouse.modifiers & Qt.ControlModifier) {
                    tileItem.entries.selection.toggle(tileItem.index)
                } else if (mouse.modifiers & Qt.ShiftModifier) {
                    tileItem.entries.selection.extendTo(tileItem.index)
                } else {
                    tileItem.entries.currentIndex = tileItem.index
                }
            }
            onDoubleClicked: (mouse) => {
                if (mouse.button === Qt.LeftButton)
                    tileItem.entries.activate(tileItem.index)
            }
        }

        contentItem: Column {
            spacing: Services.ui.du(0.4)
            Item {
                width: parent.width
                height: tileItem.entries.tile - Services.ui.du(4)
                EntryIcon {
                    anchors.centerIn: parent
                    width: Services.ui.du(6)
                    height: width
                    visible: !tileItem.thumbnailReady
                    kind: tileItem.kind
                    isDir: tileItem.isDir
                    accent: tileItem.highlighted ? tileItem.palette.highlightedText : tileItem.palette.highlight
                    ink: tileItem.highlighted ? tileItem.palette.highlightedText : tileItem.palette.text
                    opacity: tileItem.isReadable ? 1 : 0.45
                }
                Image {
                    objectName: "thumbnail"
                    anchors.fill: parent
                    asynchronous: true
                    cache: false
                    fillMode: Image.PreserveAspectFit
                    // The thumbnail size that covers the tile on this screen.
                    sourceSize.width: tileItem.entries.tile
                    sourceSize.height: tileItem.entries.tile
                    // An empty picture is the quiet answer when there is no thumbnail.
                    onStatusChanged: tileItem.thumbnailReady = status === Image.Ready && implicitWidth > 0
                    source: tileItem.picture ? Thumbnails.source(tileItem.completePath, tileItem.modified) : ""
                }
            }
            Label {
                objectName: "entryName"
                Component.onCompleted: tileItem.nameItem = this
                width: parent.width
                text: tileItem.displayName
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                maximumLineCount: 2
                elide: Text.ElideRight
                color: tileItem.highlighted ? tileItem.palette.highlightedText : tileItem.palette.text
            }
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// What a search below the folder has found so far, each name with the
// folder it is in; Enter or a double click opens it, Ctrl+Enter or the menu
// shows it in its folder.
ListView {
    id: results
    objectName: "searchResults"

    // Searching for query below folder while active; a new query or
    // folder starts afresh a moment after the last key.
    property string folder: ""
    property string query: ""
    property bool active: false
    property bool showHidden: false
    property bool contents: false
    property bool crossFileSystems: false
    readonly property SearchModel search: SearchModel {
        showHidden: results.showHidden
        contents: results.contents
        crossFileSystems: results.crossFileSystems
    }
    // The result the keyboard is on, for the commands on entries.
    readonly property string currentPath: currentIndex >= 0 && currentIndex < count ? pathAt(currentIndex) : ""
    function pathAt(row) {
        return String(search.data(search.index(row, 0), SearchModel.CompletePathRole))
    }
    // A search is about to start, the last key only just typed.
    readonly property bool starting: starter.running

    // The entry (SearchModel.get) is to be opened, or shown in its folder.
    signal openRequested(var entry)
    signal showRequested(var entry)
    // The menu of the entry is wanted, at x, y in the results.
    signal contextMenuRequested(var entry, real x, real y)
    // Escape with nothing left to stop.
    signal closeRequested()

    function restart() {
        if (active)
            starter.restart()
        else {
            starter.stop()
            search.cancel()
            search.clear()
        }
    }
    onActiveChanged: restart()
    onQueryChanged: restart()
    onFolderChanged: restart()
    onShowHiddenChanged: restart()
    onContentsChanged: restart()
    onCrossFileSystemsChanged: restart()
    Timer {
        id: starter
        interval: 250
        onTriggered: {
            results.search.search(results.folder, results.query)
            results.currentIndex = -1
        }
    }

    function act(row, show) {
        if (row < 0 || row >= count)
            return
        const entry = search.get(row)
        if (show)
            showRequested(entry)
        else
            openRequested(entry)
    }

    model: search
    clip: true
    focus: true
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }
    Accessible.role: Accessible.List
    Accessible.name: qsTranslate("Search", "Search results")

    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            act(currentIndex, event.modifiers & Qt.ControlModifier)
        else if (event.key === Qt.Key_Escape && search.running)
            search.cancel()
        else if (event.key === Qt.Key_Escape)
            closeRequested()
        else if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && event.modifiers === Qt.ShiftModifier))
            requestMenu(currentIndex)
        else
            return
        event.accepted = true
    }

    // The menu of the result at row, at x, y in item.
    function showMenu(row, item, x, y) {
        currentIndex = row
        const at = item.mapToItem(results, x, y)
        contextMenuRequested(search.get(row), at.x, at.y)
    }
    function requestMenu(row) {
        const item = itemAtIndex(row)
        if (item)
            showMenu(row, item, item.width / 3, item.height / 2)
    }

    delegate: ItemDelegate {
        id: row
        required property int index
        required property string displayName
        required property string relativeFolder
        required property string path
        required property bool isDir
        required property bool inContents
        readonly property SearchResults resultsView: ListView.view as SearchResults
        readonly property string folderText: (relativeFolder === "" ? qsTranslate("Search", "in this folder")
                                                                   : qsTranslate("Search", "in %1").arg(relativeFolder))
                                             + (inContents ? " \u00b7 " + qsTranslate("Search", "found in its text") : "")
        readonly property color ink: highlighted ? palette.highlightedText : palette.text

        width: ListView.view.width
        height: Services.ui.du(5.4)
        highlighted: ListView.isCurrentItem
        focusPolicy: Qt.NoFocus
        Accessible.role: Accessible.ListItem
        Accessible.name: displayName + ", " + folderText

        onClicked: resultsView.currentIndex = row.index
        onDoubleClicked: resultsView.act(row.index, false)
        TapHandler {
            acceptedButtons: Qt.RightButton
            onTapped: (point) => row.resultsView.showMenu(row.index, row, point.position.x, point.position.y)
        }

        contentItem: RowLayout {
            spacing: Services.ui.du(1)
            EntryIcon {
                Layout.preferredWidth: Services.ui.du(2.4)
                Layout.preferredHeight: Services.ui.du(2.4)
                kind: row.isDir ? "folder" : "file"
                isDir: row.isDir
                accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
                ink: row.ink
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0
                Label {
                    objectName: "resultName"
                    Layout.fillWidth: true
                    text: row.displayName
                    elide: Text.ElideMiddle
                    color: row.ink
                }
                Label {
                    objectName: "resultFolder"
                    Layout.fillWidth: true
                    text: row.folderText
                    elide: Text.ElideMiddle
                    color: row.ink
                    opacity: 0.7
                    font.pixelSize: Services.ui.du(1.3)
                }
            }
        }
    }

    // Below the results while the walk goes on, and what it came to.
    footer: Label {
        objectName: "searchState"
        readonly property SearchResults found: ListView.view as SearchResults
        width: found.width
        visible: found.active && !found.starting
        padding: Services.ui.du(1)
        horizontalAlignment: Text.AlignHCenter
        opacity: 0.7
        text: found.search.running
              ? qsTranslate("Search", "Searching\u2026 %n folders looked through", "", found.search.foldersSearched)
              : found.search.count === 0
                ? qsTranslate("Search", "Nothing below this folder matches")
                : found.search.truncated
                  ? qsTranslate("Search", "Only the first %n results are shown", "", found.search.count)
                  : qsTranslate("Search", "%n found", "", found.search.count)
    }
}

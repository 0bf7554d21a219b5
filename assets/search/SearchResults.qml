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
    readonly property SearchModel search: SearchModel { showHidden: results.showHidden }

    // The entry (SearchModel.get) is to be opened, or shown in its folder.
    signal openRequested(var entry)
    signal showRequested(var entry)
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
        else
            return
        event.accepted = true
    }

    Menu {
        id: menu
        property int row: -1
        MenuItem {
            text: qsTranslate("Browser", "Open")
            onTriggered: results.act(menu.row, false)
        }
        MenuItem {
            objectName: "showInFolderItem"
            text: qsTranslate("Search", "Show in its folder")
            onTriggered: results.act(menu.row, true)
        }
    }

    delegate: ItemDelegate {
        id: row
        required property int index
        required property string displayName
        required property string relativeFolder
        required property string path
        required property bool isDir
        required property bool inContents
        readonly property color ink: highlighted ? palette.highlightedText : palette.text

        width: ListView.view.width
        height: Services.ui.du(5.4)
        highlighted: ListView.isCurrentItem
        focusPolicy: Qt.NoFocus
        Accessible.role: Accessible.ListItem
        Accessible.name: displayName + ", " + folderLabel.text

        onClicked: results.currentIndex = row.index
        onDoubleClicked: results.act(row.index, false)
        TapHandler {
            acceptedButtons: Qt.RightButton
            onTapped: (point) => {
                results.currentIndex = row.index
                menu.row = row.index
                menu.popup(row, point.position.x, point.position.y)
            }
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
                    id: folderLabel
                    objectName: "resultFolder"
                    Layout.fillWidth: true
                    text: (row.relativeFolder === "" ? qsTranslate("Search", "in this folder")
                                                     : qsTranslate("Search", "in %1").arg(row.relativeFolder))
                          + (row.inContents ? " \u00b7 " + qsTranslate("Search", "found in its text") : "")
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
        width: results.width
        visible: results.active && !starter.running
        padding: Services.ui.du(1)
        horizontalAlignment: Text.AlignHCenter
        opacity: 0.7
        text: results.search.running
              ? qsTranslate("Search", "Searching\u2026 %n folders looked through", "", results.search.foldersSearched)
              : results.search.count === 0
                ? qsTranslate("Search", "Nothing below this folder matches")
                : results.search.truncated
                  ? qsTranslate("Search", "Only the first %n results are shown", "", results.search.count)
                  : qsTranslate("Search", "%n found", "", results.search.count)
    }
}

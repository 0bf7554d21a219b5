// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The folder listing: the places beside it, the tool bar above it, the
// entries; keeps where the person has been and what they chose, and
// carries out the commands on them while it is on top.
Page {
    id: browser

    // The scene's: the entry commands copy with it.
    required property Copier copier

    // The scene is to show a file: how is "auto", "external", "text" or "hex".
    signal openRequested(string path, string how)
    signal propertiesRequested(string path)
    signal severalRequested(var paths)
    signal showAbout()
    signal showTrash()

    readonly property FolderModel entries: navigation.model
    readonly property EntrySelection selection: navigation.selection
    readonly property string folder: navigation.folder
    readonly property bool atRoot: navigation.atRoot
    readonly property alias notice: navigation.notice
    readonly property alias navigation: navigation
    property alias kindFirst: kept.kindFirst
    property alias ascending: kept.ascending
    property alias rememberFolder: kept.rememberFolder
    property alias sortBy: kept.sortBy
    property alias showHidden: kept.showHidden
    property alias hiddenLast: kept.hiddenLast
    property alias listThumbnails: kept.listThumbnails
    readonly property FileSteps steps: fileSteps
    readonly property EntryList list: views.list
    readonly property bool onTop: StackView.status === StackView.Active
                                  || StackView.status === StackView.Activating
    // Too narrow for the places beside the list: they slide in instead.
    // Not laid out yet (no width) is not narrow: the drawer waits for that.
    readonly property bool narrow: width > 0 && width < Services.ui.du(60)

    title: atRoot ? "/" : PathTools.shownName(folder.replace(/\/+$/, "").replace(/^.*\//, ""))
    focus: true
    padding: 0

    // Lists a folder; remember keeps the folder being left for Back.
    function open(path, remember, selectPath) {
        navigation.open(path, remember, selectPath)
    }
    // Makes the entry for path current, or the first entry when none is;
    // waits for the listing when it is still being read.
    function select(path) {
        navigation.selection.selectPath(path)
    }
    function sortByColumn(key) {
        if (kept.sortBy === key)
            kept.ascending = !kept.ascending
        else
            kept.sortBy = key
    }
    function openEntry(entry) {
        if (entry.isDir)
            open(entry.completePath, true, "")
        else if (entry.completePath)
            openRequested(entry.completePath, "auto")
    }
    // Whether each place is there, looked at again (a copy made a folder).
    function recheckPlaces() {
        places.recheck()
    }
    // The menu of an entry (FolderModel.get) at x, y in the browser.
    function showEntryMenu(entry, x, y) {
        menus.showEntryMenu(entry, browser, x, y)
    }

    Component.onCompleted: kept.restored = true
    onFolderChanged: {
        kept.folder = folder
        if (navigation.started)
            kept.folderShown(folder)
    }
    onActiveFocusChanged: if (activeFocus) views.list.forceActiveFocus()
    StackView.onActivated: views.list.forceActiveFocus()

    BrowserSettings { id: kept }
    Navigation {
        id: navigation
        active: browser.onTop
        kept: kept
        filterText: filterBar.below ? "" : filterBar.text
        onLeaving: filterBar.clear()
    }
    SeeCommands {
        id: see
        active: browser.onTop
        folder: browser.folder
        kept: kept
        onSaid: (message) => folderStatus.say(message)
    }
    ChoiceCommands {
        id: choices
        active: browser.onTop
        kept: kept
    }
    EntryCommands {
        id: entryCommands
        active: browser.onTop
        chosenPath: views.searching && views.results ? views.results.currentPath : navigation.selection.currentPath
        selection: navigation.selection
        copier: browser.copier
        onOpenRequested: (path, how) => browser.openRequested(path, how)
        onPropertiesRequested: (path) => browser.propertiesRequested(path)
        onSeveralRequested: (paths) => browser.severalRequested(paths)
        onFolderRequested: (path) => navigation.open(path, true, "")
        onShowRequested: (entry) => browser.open(entry.path, true, entry.completePath)
    }

    // Above the listing: the rename editor lies over a row.
    FileSteps {
        id: fileSteps
        z: 1
        active: browser.onTop
        navigation: navigation
        list: views.list
        grid: views.grid
    }

    ManageCommands {
        id: manageCommands
        active: browser.onTop
        selection: navigation.selection
        folder: browser.folder
    }

    BrowserMenus {
        id: menus
        navigation: navigation
        steps: fileSteps
        choices: choices
        kept: kept
        manage: manageCommands
        see: see
        commands: entryCommands
        active: browser.onTop
        bar: bar
        filterBar: filterBar
        onAboutRequested: browser.showAbout()
        onMenuClosed: views.list.forceActiveFocus()
        onEntryMenuClosed: if (browser.onTop) views.shown.forceActiveFocus()
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        PlacesSide {
            id: places
            Layout.fillHeight: true
            Layout.preferredWidth: beside ? Math.min(Services.ui.du(24), browser.width / 3) : 0
            active: browser.onTop
            narrow: browser.narrow
            folder: browser.folder
            onChosen: (path) => browser.open(path, true, "")
            onTrashChosen: browser.showTrash()
            onDone: views.list.forceActiveFocus()
        }

        ColumnLayout {
            id: listing
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            BrowserBar {
                id: bar
                Layout.fillWidth: true
                navigation: navigation
                placesCommand: places.toggleCommand
                menuCommand: menus.menuCommand
                viewCommand: see.otherView
                onOpenRequested: (path, select) => browser.open(path, true, select)
                onDone: views.list.forceActiveFocus()
            }
            Label {
                objectName: "startNotice"
                Layout.fillWidth: true
                visible: text !== ""
                text: browser.notice
                elide: Text.ElideMiddle
                padding: Services.ui.du(0.8)
                background: Rectangle { color: Qt.rgba(0.85, 0.51, 0.17, 0.2) }
            }
            FilterBar {
                id: filterBar
                Layout.fillWidth: true
                shown: navigation.model.count
                total: navigation.model.unfilteredCount
                onDone: views.shown.forceActiveFocus()
            }
            EntryHeader {
                Layout.fillWidth: true
                list: views.list
                sortBy: kept.sortBy
                ascending: kept.ascending
                onSortRequested: (key) => browser.sortByColumn(key)
            }
            EntryViews {
                id: views
                Layout.fillWidth: true
                Layout.fillHeight: true
                navigation: navigation
                kept: kept
                filterBar: filterBar
                folder: browser.folder
                onOpenRequested: (entry) => browser.openEntry(entry)
                onShowRequested: (entry) => browser.open(entry.path, true, entry.completePath)
                onMenuRequested: (entry, item, x, y) => {
                    const at = item.mapToItem(browser, x, y)
                    browser.showEntryMenu(entry, at.x, at.y)
                }
            }
            // A trash, delete or restore, or what came of one: made with the first.
            MadeLater {
                Layout.fillWidth: true
                wanted: fileSteps.doing !== "" || fileSteps.notice !== ""
                source: Qt.resolvedUrl("../jobs/StepBar.qml")
                properties: ({ steps: fileSteps })
            }
            // The view switched: the one shown takes the keyboard the other had.
            Connections {
                target: kept
                function onViewModeChanged() { if (browser.onTop) viewSwitched.restart() }
            }
            Timer {
                id: viewSwitched
                interval: 0
                onTriggered: fileSteps.giveKeysBack()
            }
            // The folder's figures; the selection's sit beside them.
            RowLayout {
                id: statusRow
                Layout.fillWidth: true
                FolderStatusLine {
                    id: folderStatus
                    Layout.fillWidth: true
                    model: navigation.model
                }
                SelectionStatus {
                    selection: navigation.selection
                    figures: folderStatus.status
                }
            }
        }
    }

    FolderMessage {
        x: listing.x + (listing.width - width) / 2
        // Over the middle of the entries, which fill the views.
        y: listing.y + views.y + (views.height - height) / 2
        width: listing.width - Services.ui.du(4)
        navigation: navigation
    }
}

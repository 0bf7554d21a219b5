import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel

// The folder listing: tool bar above, the entries below; keeps where the
// person has been and what they chose.
Page {
    id: browser

    required property Actions actions

    // Asks the scene to open a file that was chosen in the listing.
    signal openFile(string path)
    signal showAbout()
    // The menu of an entry (FolderModel.get) is wanted at x, y in the browser.
    signal entryMenuRequested(var entry, real x, real y)

    readonly property FolderModel entries: folderModel
    readonly property string folder: folderModel.folder
    readonly property bool atRoot: folder === "/" || folder === "//"
    property alias kindFirst: kept.kindFirst
    property alias ascending: kept.ascending
    property alias rememberFolder: kept.rememberFolder
    property alias sortBy: kept.sortBy
    property alias showHidden: kept.showHidden
    property alias hiddenLast: kept.hiddenLast
    property alias list: list
    // Why the start folder is not the remembered one; "" when it is.
    property string notice: ""
    // A folder was opened: a start folder found later must not replace it.
    property bool started: false

    title: atRoot ? "/" : folder.replace(/\/+$/, "").replace(/^.*\//, "")
    focus: true

    // Lists a folder; remember keeps the folder being left for Back.
    function open(path, remember, selectPath) {
        const leaving = folder
        filterBar.clear()
        // The folder on show again: its rows are there already; read anew.
        if (samePlace(path, leaving) && !folderModel.running) {
            list.selectPath(selectPath || "")
            folderModel.reload()
        } else {
            list.selectWhenListed(selectPath || "")
        }
        folderModel.folder = path
        // Whatever still reads the published current path sees this one.
        _vantrel.currentPath = path.replace(/^\/\//, "/")
        if (remember && leaving !== "" && leaving !== path)
            history.visit(leaving)
        started = true
    }

    // Makes the entry for path current, or the first entry when none is;
    // waits for the listing when it is still being read.
    function select(path) {
        if (folderModel.running)
            list.selectWhenListed(path)
        else
            list.selectPath(path)
    }

    // The same folder reads "//usr/" in the root's listing and "/usr" when
    // typed; compare them in one form.
    function samePlace(a, b) {
        const norm = (p) => p.replace(/^\/+/, "/").replace(/\/*$/, "/")
        return norm(a) === norm(b)
    }

    function goUp() {
        if (!atRoot)
            open(PathTools.parentOf(folder), true, folder)
    }
    function goBack() {
        if (history.canBack)
            open(history.back(folder), false, folder)
    }
    function goForward() {
        if (history.canForward)
            open(history.ahead(folder), false, "")
    }
    function sortByColumn(key) {
        if (kept.sortBy === key)
            kept.ascending = !kept.ascending
        else
            kept.sortBy = key
    }

    function activate(index) {
        openEntry(folderModel.get(index))
    }
    function openEntry(entry) {
        if (entry.isDir)
            open(entry.completePath, true, "")
        else if (entry.completePath)
            openFile(entry.completePath)
    }

    Component.onCompleted: {
        kept.restored = true
        // A folder or file named on the command line comes before the remembered one.
        if (CommandLine.path !== "")
            CommandLine.findStart()
        else
            PathTools.findStartFolder(kept.lastFolder())
    }
    onFolderChanged: {
        kept.folder = folder
        if (started)
            kept.folderShown(folder)
    }
    onActiveFocusChanged: if (activeFocus) list.forceActiveFocus()
    StackView.onActivated: list.forceActiveFocus()

    Connections {
        target: PathTools
        function onStartFolderFound(found, reason) {
            if (browser.started)
                return // the person went somewhere already
            const remembered = kept.lastFolder()
            browser.open(reason === "" && remembered !== "" ? remembered : found, false, "")
            browser.started = true
            if (reason === "missing")
                browser.notice = qsTr("%1 no longer exists; showing the nearest folder above it.").arg(remembered)
            else if (reason === "unreadable")
                browser.notice = qsTr("%1 cannot be read; showing the nearest folder above it.").arg(remembered)
        }
    }

    Connections {
        target: CommandLine
        function onStartFound(found, select, reason) {
            if (browser.started)
                return
            browser.open(found, false, select)
            if (reason === "missing")
                browser.notice = qsTr("%1 does not exist; showing the nearest folder above it.").arg(CommandLine.path)
            else if (reason === "unreadable")
                browser.notice = qsTr("%1 cannot be read; showing the nearest folder above it.").arg(CommandLine.path)
        }
    }

    FolderModel {
        id: folderModel
        sortKey: ({ name: FolderModel.Name, size: FolderModel.Size, date: FolderModel.Date,
                    type: FolderModel.Type })[kept.sortBy]
        ascending: kept.ascending
        foldersFirst: kept.kindFirst
        showHidden: kept.showHidden
        hiddenLast: kept.hiddenLast
        filterText: filterBar.text
    }

    BrowserSettings { id: kept }
    History { id: history }

    Binding { target: browser.actions; property: "canBack"; value: history.canBack }
    Binding { target: browser.actions; property: "canForward"; value: history.canForward }
    Binding { target: browser.actions; property: "canUp"; value: !browser.atRoot && browser.folder !== "" }

    // The browser's commands.
    Connections { target: browser.actions.back; function onTriggered() { browser.goBack() } }
    Connections { target: browser.actions.forward; function onTriggered() { browser.goForward() } }
    Connections { target: browser.actions.up; function onTriggered() { browser.goUp() } }
    Connections { target: browser.actions.home; function onTriggered() { browser.open(PathTools.home(), true, "") } }
    Connections { target: browser.actions.reload; function onTriggered() { folderModel.reload() } }
    Connections { target: browser.actions.filter; function onTriggered() { filterBar.start() } }
    ChoiceCommands { actions: browser.actions; kept: kept }
    Connections { target: browser.actions.about; function onTriggered() { browser.showAbout() } }

    header: BrowserBar {
        actions: browser.actions
        folder: browser.folder
        busy: folderModel.running
        onOpenRequested: (path, select) => browser.open(path, true, select)
        onDone: list.forceActiveFocus()
        onMenuRequested: (anchor) => {
            menu.popup(anchor, 0, anchor.height)
            menu.currentIndex = 0
        }
    }

    BrowserMenu {
        id: menu
        actions: browser.actions
        kept: kept
        onClosed: list.forceActiveFocus()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Label {
            objectName: "startNotice"
            Layout.fillWidth: true
            visible: text !== ""
            text: browser.notice
            elide: Text.ElideMiddle
            padding: _ui.du(0.8)
            background: Rectangle { color: Qt.rgba(0.85, 0.51, 0.17, 0.2) }
        }
        FilterBar {
            id: filterBar
            Layout.fillWidth: true
            actions: browser.actions
            shown: folderModel.count
            total: folderModel.unfilteredCount
            onDone: list.forceActiveFocus()
        }
        EntryHeader {
            Layout.fillWidth: true
            list: list
            sortBy: kept.sortBy
            ascending: kept.ascending
            onSortRequested: (key) => browser.sortByColumn(key)
        }
        EntryList {
            id: list
            Layout.fillWidth: true
            Layout.fillHeight: true
            model: folderModel
            onActivated: (index) => browser.activate(index)
            onContextMenuRequested: (index, x, y) => {
                const at = mapToItem(browser, x, y)
                browser.entryMenuRequested(folderModel.get(index), at.x, at.y)
            }
        }
    }

    FolderMessage {
        anchors.centerIn: parent
        width: parent.width - _ui.du(4)
        actions: browser.actions
        model: folderModel
    }
}

import QtQuick
import QtQuick.Controls
import Vantrel

// The folder listing: tool bar above, the entries below; keeps where the
// person has been and what they chose.
Page {
    id: browser

    required property Actions actions

    // Asks the scene to open a file that was chosen in the listing.
    signal openFile(string path)
    signal showAbout()

    property var entries: null
    readonly property string folder: _vantrel.currentPath
    readonly property bool atRoot: folder === "/" || folder === "//"
    property alias kindFirst: kept.kindFirst
    property alias ascending: kept.ascending
    property alias rememberFolder: kept.rememberFolder
    property alias list: list

    title: atRoot ? "/" : folder.replace(/\/+$/, "").replace(/^.*\//, "")
    focus: true

    function sortingKeys() {
        if (!kindFirst)
            return ["fileName"]
        // Folders first either way; "-" turns the key against the direction.
        return ascending ? ["-isDir", "fileName"] : ["isDir", "fileName"]
    }

    function applySorting() {
        if (!entries)
            return
        const current = list.currentItem ? (list.currentItem as EntryDelegate).completePath : ""
        entries.sortedAscending = ascending
        entries.sortingKeys = sortingKeys()
        select(current)
    }

    // Shows a folder's listing. Everything that lists ends here, so that a
    // listing that arrives later is shown the same way.
    function setModel(model, selectPath) {
        model.sortedAscending = ascending
        model.sortingKeys = sortingKeys()
        entries = model
        select(selectPath || "")
    }

    // Lists a folder; remember keeps the folder being left for Back.
    function open(path, remember, selectPath) {
        const leaving = folder
        const model = _vantrel.getFileInfoList(path)
        if (remember && leaving !== folder)
            history.visit(leaving)
        setModel(model, selectPath)
    }

    // Makes the entry for path current, or the first entry when none is.
    function select(path) {
        list.currentIndex = entries && entries.size() > 0 ? 0 : -1
        if (path === "")
            return
        for (let i = 0; i < entries.size(); ++i) {
            if (samePlace(entries.data([i]).completePath, path)) {
                list.currentIndex = i
                list.positionViewAtIndex(i, ListView.Contain)
                return
            }
        }
    }

    function parentOf(path) {
        const trimmed = path.replace(/\/+$/, "")
        const cut = trimmed.lastIndexOf("/")
        return cut <= 0 ? "/" : trimmed.substring(0, cut + 1)
    }

    // The same folder reads "//usr/" in the root's listing and "/usr" when
    // typed; compare them in one form.
    function samePlace(a, b) {
        const norm = (p) => p.replace(/^\/+/, "/").replace(/\/*$/, "/")
        return norm(a) === norm(b)
    }

    function goUp() {
        if (!atRoot)
            open(parentOf(folder), true, folder)
    }
    function goBack() {
        if (history.canBack)
            open(history.back(folder), false, folder)
    }
    function goForward() {
        if (history.canForward)
            open(history.ahead(folder), false, "")
    }

    function activate(index) {
        if (!entries || index < 0 || index >= entries.size())
            return
        const entry = entries.data([index])
        if (entry.isDir)
            open(entry.completePath, true, "")
        else
            openFile(entry.completePath)
    }

    readonly property string emptyReason: {
        if (!entries || entries.count > 0)
            return ""
        if (!FileSystem.exists(folder))
            return qsTr("This folder does not exist.")
        if (!FileSystem.isReadable(folder))
            return qsTr("This folder cannot be read: you do not have permission.")
        return qsTr("This folder is empty.")
    }

    Component.onCompleted: {
        open(kept.startFolder(path => FileSystem.exists(path) && FileSystem.isDir(path)), false, "")
        kept.restored = true
    }
    onFolderChanged: {
        kept.folder = folder
        kept.folderShown(folder)
    }
    onKindFirstChanged: applySorting()
    onAscendingChanged: applySorting()
    onActiveFocusChanged: if (activeFocus) list.forceActiveFocus()
    StackView.onActivated: list.forceActiveFocus()

    BrowserSettings { id: kept }
    History { id: history }

    Binding { target: browser.actions; property: "canBack"; value: history.canBack }
    Binding { target: browser.actions; property: "canForward"; value: history.canForward }
    Binding { target: browser.actions; property: "canUp"; value: !browser.atRoot }

    // The browser's commands.
    Connections { target: browser.actions.back; function onTriggered() { browser.goBack() } }
    Connections { target: browser.actions.forward; function onTriggered() { browser.goForward() } }
    Connections { target: browser.actions.up; function onTriggered() { browser.goUp() } }
    Connections { target: browser.actions.switchOrder; function onTriggered() { kept.kindFirst = !kept.kindFirst } }
    Connections { target: browser.actions.switchDirection; function onTriggered() { kept.ascending = !kept.ascending } }
    Connections { target: browser.actions.foldersFirst; function onTriggered() { kept.kindFirst = true } }
    Connections { target: browser.actions.byName; function onTriggered() { kept.kindFirst = false } }
    Connections { target: browser.actions.ascending; function onTriggered() { kept.ascending = true } }
    Connections { target: browser.actions.descending; function onTriggered() { kept.ascending = false } }
    Connections { target: browser.actions.rememberFolder; function onTriggered() { kept.rememberFolder = !kept.rememberFolder } }
    Connections { target: browser.actions.about; function onTriggered() { browser.showAbout() } }

    header: BrowserBar {
        actions: browser.actions
        folder: browser.folder
        busy: _vantrel.isRunning
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

    EntryList {
        id: list
        anchors.fill: parent
        model: browser.entries
        onActivated: (index) => browser.activate(index)
    }

    Label {
        objectName: "emptyMessage"
        anchors.centerIn: parent
        width: parent.width - _ui.du(4)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        visible: text !== ""
        text: browser.emptyReason
        opacity: 0.75
        font.pixelSize: _ui.du(1.6)
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import bb.cascades 1.0 as BB

// The folder listing: path and tools at the top, the entries below.
Page {
    id: browser

    // Asks the scene to open a file that was chosen in the listing.
    signal openFile(string path)
    signal showAbout()

    property var entries: null
    property var history: []
    // Choices kept in the settings between runs.
    property bool kindFirst: setting("sortKindFirst", true)
    property bool ascending: setting("sortAscending", true)
    property bool rememberFolder: setting("rememberFolder", true)
    // Change handlers also run while those are first set; only later changes
    // are the person's.
    property bool restored: false
    readonly property string folder: _vantrel.currentPath
    readonly property bool atRoot: folder === "/" || folder === "//"
    property alias list: list

    focus: true

    // A stored value of the wrong type (a hand-edited file) counts as unset.
    function setting(key, fallback) {
        const stored = _settings.value(key, fallback)
        return typeof stored === typeof fallback ? stored : fallback
    }

    function startFolder() {
        const last = rememberFolder ? setting("lastFolder", "") : ""
        return last !== "" && BB.FileSystem.exists(last) && BB.FileSystem.isDir(last) ? last : "//"
    }

    function sortingKeys() {
        if (!kindFirst)
            return ["fileName"]
        // Folders first either way; "-" turns the key against the direction.
        return ascending ? ["-isDir", "fileName"] : ["isDir", "fileName"]
    }

    function applySorting() {
        if (!entries)
            return
        const current = list.currentItem ? list.currentItem.completePath : ""
        entries.sortedAscending = ascending
        entries.sortingKeys = sortingKeys()
        select(current)
    }

    // Lists a folder; remember pushes the folder being left onto the history.
    function open(path, remember, selectPath) {
        const leaving = folder
        const model = _vantrel.getFileInfoList(path)
        model.sortedAscending = ascending
        model.sortingKeys = sortingKeys()
        entries = model
        if (remember && leaving !== folder)
            history = history.concat([leaving])
        select(selectPath || "")
        list.forceActiveFocus()
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
        let trimmed = path.replace(/\/+$/, "")
        const cut = trimmed.lastIndexOf("/")
        return cut <= 0 ? "/" : trimmed.substring(0, cut + 1)
    }

    function goUp() {
        if (atRoot)
            return
        open(parentOf(folder), true, folder)
    }

    function goBack() {
        if (history.length === 0) {
            goUp()
            return
        }
        const target = history[history.length - 1]
        history = history.slice(0, history.length - 1)
        open(target, false, folder)
    }

    // The same folder reads "//usr/" in the root's listing and "/usr" when
    // typed; compare them in one form.
    function samePlace(a, b) {
        const norm = (p) => p.replace(/^\/+/, "/").replace(/\/*$/, "/")
        return norm(a) === norm(b)
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

    function formatSize(bytes) {
        if (bytes < 0)
            return ""
        const units = [qsTr("B"), qsTr("KB"), qsTr("MB"), qsTr("GB"), qsTr("TB")]
        let value = bytes
        let unit = 0
        while (value >= 1024 && unit < units.length - 1) {
            value /= 1024
            ++unit
        }
        return qsTr("%1 %2", "file size: number, unit")
                .arg(unit === 0 ? value : Number(value).toLocaleString(Qt.locale(), "f", value < 10 ? 1 : 0)).arg(units[unit])
    }

    readonly property string emptyReason: {
        if (!entries || entries.count > 0)
            return ""
        if (!BB.FileSystem.exists(folder))
            return qsTr("This folder does not exist.")
        if (!BB.FileSystem.isReadable(folder))
            return qsTr("This folder cannot be read: you do not have permission.")
        return qsTr("This folder is empty.")
    }

    Component.onCompleted: {
        open(startFolder(), false, "")
        restored = true
    }

    onFolderChanged: {
        if (restored && rememberFolder)
            _settings.setValue("lastFolder", folder)
    }
    onRememberFolderChanged: {
        if (!restored)
            return
        // Forgetting also drops the folder already stored.
        if (rememberFolder)
            _settings.setValue("lastFolder", folder)
        else
            _settings.remove("lastFolder")
        _settings.setValue("rememberFolder", rememberFolder)
    }
    onKindFirstChanged: {
        if (restored)
            _settings.setValue("sortKindFirst", kindFirst)
        applySorting()
    }
    onAscendingChanged: {
        if (restored)
            _settings.setValue("sortAscending", ascending)
        applySorting()
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(0.4)

            ToolButton {
                id: backButton
                text: qsTr("Back")
                icon.name: "go-previous"
                enabled: browser.history.length > 0 || !browser.atRoot
                focusPolicy: Qt.NoFocus
                onClicked: browser.goBack()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Back to the previous folder (Alt+Left)")
            }
            ToolButton {
                id: upButton
                text: qsTr("Up")
                enabled: !browser.atRoot
                focusPolicy: Qt.NoFocus
                onClicked: browser.goUp()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Up to the parent folder (Backspace, Alt+Up)")
            }
            Label {
                id: pathLabel
                objectName: "pathLabel"
                Layout.fillWidth: true
                text: browser.folder === "//" ? "/" : browser.folder
                elide: Text.ElideMiddle
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
            BusyIndicator {
                running: _vantrel.isRunning
                visible: running
                Layout.preferredHeight: _ui.du(2.4)
                Layout.preferredWidth: _ui.du(2.4)
            }
            ToolButton {
                id: menuButton
                objectName: "menuButton"
                text: qsTr("\u22EE")
                Accessible.name: qsTr("Menu")
                focusPolicy: Qt.NoFocus
                onClicked: menu.open()
                ToolTip.visible: hovered && !menu.visible
                ToolTip.text: qsTr("Sort order (Ctrl+K, Ctrl+R), remembering the folder, about")

                Menu {
                    id: menu
                    objectName: "browserMenu"
                    y: menuButton.height
                    // As wide as its widest entry, so that no language cuts one off.
                    width: {
                        let widest = 0
                        for (let i = 0; i < count; ++i)
                            widest = Math.max(widest, itemAt(i).implicitWidth)
                        return widest + leftPadding + rightPadding
                    }
                    onClosed: list.forceActiveFocus()

                    ButtonGroup { id: orderGroup }
                    ButtonGroup { id: directionGroup }

                    // The checks follow the browser; a click sets it.
                    MenuItem {
                        text: qsTr("Folders first")
                        checkable: true
                        checked: browser.kindFirst
                        ButtonGroup.group: orderGroup
                        onTriggered: browser.kindFirst = true
                    }
                    MenuItem {
                        text: qsTr("By name")
                        checkable: true
                        checked: !browser.kindFirst
                        ButtonGroup.group: orderGroup
                        onTriggered: browser.kindFirst = false
                    }
                    MenuSeparator { }
                    MenuItem {
                        text: qsTr("Ascending, A\u2192Z")
                        checkable: true
                        checked: browser.ascending
                        ButtonGroup.group: directionGroup
                        onTriggered: browser.ascending = true
                    }
                    MenuItem {
                        text: qsTr("Descending, Z\u2192A")
                        checkable: true
                        checked: !browser.ascending
                        ButtonGroup.group: directionGroup
                        onTriggered: browser.ascending = false
                    }
                    MenuSeparator { }
                    MenuItem {
                        objectName: "rememberFolderItem"
                        text: qsTr("Remember last folder")
                        checkable: true
                        checked: browser.rememberFolder
                        onTriggered: browser.rememberFolder = checked
                    }
                    MenuSeparator { }
                    MenuItem {
                        text: qsTr("About")
                        onTriggered: browser.showAbout()
                    }
                }
            }
        }
    }

    ListView {
        id: list
        objectName: "entryList"
        anchors.fill: parent
        model: browser.entries
        clip: true
        focus: true
        keyNavigationEnabled: true
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }

        // Type-ahead: letters jump to the next entry whose name starts with them.
        property string typed: ""
        Timer {
            id: typedReset
            interval: 900
            onTriggered: list.typed = ""
        }
        function typeAhead(text) {
            if (!browser.entries)
                return false
            typed += text.toLowerCase()
            typedReset.restart()
            const n = browser.entries.size()
            const start = typed.length > 1 ? Math.max(currentIndex, 0) : currentIndex + 1
            for (let k = 0; k < n; ++k) {
                const i = (start + k) % n
                if (browser.entries.data([i]).fileName.toLowerCase().startsWith(typed)) {
                    currentIndex = i
                    positionViewAtIndex(i, ListView.Contain)
                    return true
                }
            }
            return true
        }

        Keys.onPressed: (event) => {
            const alt = event.modifiers & Qt.AltModifier
            const ctrl = event.modifiers & Qt.ControlModifier
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                browser.activate(currentIndex)
            } else if (event.key === Qt.Key_Backspace || (alt && event.key === Qt.Key_Up)) {
                browser.goUp()
            } else if (alt && event.key === Qt.Key_Left) {
                browser.goBack()
            } else if (event.key === Qt.Key_Home) {
                currentIndex = count > 0 ? 0 : -1
            } else if (event.key === Qt.Key_End) {
                currentIndex = count - 1
            } else if (event.key === Qt.Key_PageDown) {
                currentIndex = Math.min(count - 1, currentIndex + Math.max(1, Math.floor(height / _ui.du(4))))
            } else if (event.key === Qt.Key_PageUp) {
                currentIndex = Math.max(count > 0 ? 0 : -1, currentIndex - Math.max(1, Math.floor(height / _ui.du(4))))
            } else if (event.key === Qt.Key_F10 || event.key === Qt.Key_Menu) {
                menu.open()
                menu.currentIndex = 0
            } else if (ctrl && event.key === Qt.Key_K) {
                browser.kindFirst = !browser.kindFirst
            } else if (ctrl && event.key === Qt.Key_R) {
                browser.ascending = !browser.ascending
            } else if (!ctrl && !alt && event.text.length === 1 && event.text > " ") {
                typeAhead(event.text)
            } else {
                return
            }
            event.accepted = true
        }

        delegate: ItemDelegate {
            id: row
            required property int index
            required property string fileName
            required property string completePath
            required property bool isDir
            required property bool isReadable
            readonly property bool isLink: BB.FileSystem.isSymLink(completePath)

            width: ListView.view.width
            height: _ui.du(4)
            highlighted: ListView.isCurrentItem
            focusPolicy: Qt.NoFocus
            onClicked: {
                list.currentIndex = index
                browser.activate(index)
            }

            contentItem: RowLayout {
                spacing: _ui.du(1)
                EntryIcon {
                    Layout.preferredWidth: _ui.du(2.4)
                    Layout.preferredHeight: _ui.du(2.4)
                    kind: row.isDir ? "folder" : "file"
                    link: row.isLink
                    accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
                    ink: row.highlighted ? row.palette.highlightedText : row.palette.text
                    opacity: row.isReadable ? 1 : 0.45
                }
                Label {
                    Layout.fillWidth: true
                    text: row.fileName
                    elide: Text.ElideRight
                    color: row.highlighted ? row.palette.highlightedText : row.palette.text
                    opacity: row.isReadable ? 1 : 0.6
                }
                Label {
                    visible: !row.isReadable
                    text: qsTr("no access")
                    font.italic: true
                    color: row.highlighted ? row.palette.highlightedText : row.palette.text
                    opacity: 0.7
                }
                Label {
                    visible: !row.isDir && text !== ""
                    text: row.isDir ? "" : browser.formatSize(BB.FileSystem.fileSize(row.completePath))
                    color: row.highlighted ? row.palette.highlightedText : row.palette.text
                    opacity: 0.7
                }
            }
        }
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

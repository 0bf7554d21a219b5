import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0
import Vantrel

// The application's one scene: the browser, and the views it opens on top.
Page {
    id: root

    // The window is named after what is shown.
    title: stack.currentItem ? (stack.currentItem as Controls.Page).title : ""

    readonly property Browser browser: browserPage

    // The viewer for a way of showing a file: "auto" lets the content
    // decide, "text" and "hex" show it in the text view, "external" hands
    // it to the desktop.
    function viewFor(how) {
        return how === "text" || how === "hex" ? "TextView.qml" : "OpenPage.qml"
    }

    // Opens path on top of the browser; a view asking for another way of
    // showing its file (View as hex) takes its place.
    function open(path, how) {
        const properties = { path: path, actions: actions, opener: opener, copier: copier,
                             how: how || "auto" }
        const url = Qt.resolvedUrl(viewFor(properties.how))
        if (viewFor(properties.how) === "OpenPage.qml")
            properties.entries = browserPage.entries
        if (stack.depth > 1)
            stack.replace(stack.currentItem, url, properties)
        else
            stack.push(url, properties)
    }

    function showProperties(path) {
        stack.push(Qt.resolvedUrl("PropertiesPage.qml"),
                   { path: path, actions: actions, opener: opener, copier: copier })
    }

    function showEntryMenu(entry, x, y) {
        entryCommands.showMenu(entry, x, y)
    }

    // Too narrow for the places beside the list: they slide in instead.
    readonly property bool narrow: width < _ui.du(60)
    readonly property bool placesBeside: actions.browsing && !narrow && places.shown

    onNarrowChanged: drawer.close()
    onActiveFocusChanged: if (activeFocus && stack.currentItem) stack.currentItem.forceActiveFocus()

    Actions {
        id: actions
        objectName: "actions"
        browsing: stack.depth === 1
        copying: copier.running
    }

    FileOpener {
        id: opener
        objectName: "fileOpener"
    }

    Copier {
        id: copier
        objectName: "copier"
    }

    Connections {
        target: actions.close
        function onTriggered() {
            if (stack.depth > 1)
                stack.pop()
        }
    }
    // The commands on one entry: the context menu's, else the chosen one.
    EntryCommands {
        id: entryCommands
        actions: actions
        browser: root.browser
        copier: copier
        menuParent: stack
        onOpenRequested: (path, how) => root.open(path, how)
        onPropertiesRequested: (path) => root.showProperties(path)
        onFolderRequested: (path) => root.browser.open(path, true, "")
        onMenuClosed: if (stack.depth === 1) root.browser.forceActiveFocus()
    }

    Controls.Pane {
        anchors.fill: parent
        padding: 0

        NoticeBar {
            id: notice
            width: parent.width
        }

        Item {
            id: side
            anchors.left: parent.left
            anchors.top: notice.visible ? notice.bottom : parent.top
            anchors.bottom: parent.bottom
            width: root.placesBeside ? Math.min(_ui.du(24), root.width / 3) : 0
            visible: root.placesBeside
            Rectangle {
                anchors.right: parent.right
                width: _ui.du(0.1)
                height: parent.height
                color: side.palette.mid
            }
        }

        Controls.StackView {
            id: stack
            objectName: "stack"
            anchors.left: side.right
            anchors.right: parent.right
            anchors.top: notice.visible ? notice.bottom : parent.top
            anchors.bottom: parent.bottom
            anchors.bottomMargin: browserCopy.visible ? browserCopy.height : 0
            focus: true
            initialItem: Browser {
                id: browserPage
                actions: actions
                onOpenFile: (path) => root.open(path, "auto")
                onShowAbout: stack.push(Qt.resolvedUrl("About.qml"), { actions: actions })
            }
        }

        // Copies started from the browser show their progress here; a view
        // shows them in its own frame.
        CopyBar {
            id: browserCopy
            objectName: "browserCopy"
            anchors.bottom: parent.bottom
            width: parent.width
            visible: stack.depth === 1 && (copier.running || copier.result !== "")
            copier: copier
            actions: actions
        }
    }

    // Going to a link's target: its folder, with it chosen.
    Connections {
        target: stack.currentItem
        ignoreUnknownSignals: true
        function onGoToRequested(folder, select) {
            stack.pop(null)
            root.browser.open(folder, true, select)
        }
        function onOpenRequested(path, how) { root.open(path, how) }
    }

    Controls.Drawer {
        id: drawer
        objectName: "placesDrawer"
        edge: Qt.LeftEdge
        width: Math.min(root.width * 0.8, _ui.du(28))
        height: root.height
        interactive: root.narrow && actions.browsing
        focus: true
        onOpened: places.list.forceActiveFocus()
        onClosed: if (actions.browsing) root.browser.forceActiveFocus()
    }

    PlacesPane {
        id: places
        parent: root.narrow ? drawer.contentItem as Item : side
        anchors.fill: parent
        anchors.rightMargin: root.narrow ? 0 : _ui.du(0.1)
        folder: root.browser.folder
        onChosen: (path) => {
            root.browser.open(path, true, "")
            drawer.close()
            root.browser.forceActiveFocus()
        }
        onDone: {
            drawer.close()
            root.browser.forceActiveFocus()
        }
    }

    Connections {
        target: actions.places
        function onTriggered() {
            if (!root.narrow) {
                places.shown = !places.shown
                if (!places.shown)
                    root.browser.forceActiveFocus()
            } else if (drawer.opened) {
                drawer.close()
            } else {
                drawer.open()
            }
        }
    }
    Connections {
        target: actions.focusPlaces
        function onTriggered() {
            if (root.narrow) {
                drawer.open()
            } else {
                places.shown = true
                places.list.forceActiveFocus()
            }
        }
    }
    Connections {
        target: actions.bookmark
        function onTriggered() { places.addBookmark(root.browser.folder) }
    }

    // The mouse's own Back and Forward buttons.
    TapHandler {
        acceptedButtons: Qt.BackButton | Qt.ForwardButton
        onTapped: (point, button) => {
            if (button === Qt.ForwardButton)
                actions.forward.trigger()
            else if (actions.close.enabled)
                actions.close.trigger()
            else
                actions.back.trigger()
        }
    }
}

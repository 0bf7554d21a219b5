import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0
import Vantrel

// The application's one scene: the browser, and the views it opens on top.
Page {
    id: root

    // The window is named after what is shown.
    title: stack.currentItem ? (stack.currentItem as Controls.Page).title : ""

    // Views are chosen here, so that a choice by content can replace it.
    function viewFor(path) {
        return _vantrel.checkIfIsImage(path) ? "ImageView.qml" : "TextView.qml"
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
    }

    Connections {
        target: actions.close
        function onTriggered() {
            if (stack.depth > 1)
                stack.pop()
        }
    }

    Controls.Pane {
        anchors.fill: parent
        padding: 0

        Item {
            id: side
            anchors.left: parent.left
            anchors.top: parent.top
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
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            focus: true
            initialItem: Browser {
                id: browser
                actions: actions
                onOpenFile: (path) => stack.push(Qt.resolvedUrl(root.viewFor(path)),
                                                 { path: path, actions: actions })
                onShowAbout: stack.push(Qt.resolvedUrl("About.qml"), { actions: actions })
            }
        }
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
        onClosed: if (actions.browsing) browser.forceActiveFocus()
    }

    PlacesPane {
        id: places
        parent: root.narrow ? drawer.contentItem as Item : side
        anchors.fill: parent
        anchors.rightMargin: root.narrow ? 0 : _ui.du(0.1)
        folder: browser.folder
        onChosen: (path) => {
            browser.open(path, true, "")
            drawer.close()
            browser.forceActiveFocus()
        }
        onDone: {
            drawer.close()
            browser.forceActiveFocus()
        }
    }

    Connections {
        target: actions.places
        function onTriggered() {
            if (!root.narrow) {
                places.shown = !places.shown
                if (!places.shown)
                    browser.forceActiveFocus()
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
        function onTriggered() { places.addBookmark(browser.folder) }
    }
    Connections {
        target: actions.home
        function onTriggered() {
            if (!places.samePlace(browser.folder, PathTools.home()))
                browser.open(PathTools.home(), true, "")
        }
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

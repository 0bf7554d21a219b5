import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0

// The application's one scene: the browser, and the views it opens on top.
Page {
    id: root

    // The window is named after what is shown.
    title: stack.currentItem ? (stack.currentItem as Controls.Page).title : ""

    // Views are chosen here, so that a choice by content can replace it.
    function viewFor(path) {
        return _vantrel.checkIfIsImage(path) ? "ImageView.qml" : "TextView.qml"
    }

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

        Controls.StackView {
            id: stack
            objectName: "stack"
            anchors.fill: parent
            focus: true
            initialItem: Browser {
                actions: actions
                onOpenFile: (path) => stack.push(Qt.resolvedUrl(root.viewFor(path)),
                                                 { path: path, actions: actions })
                onShowAbout: stack.push(Qt.resolvedUrl("About.qml"), { actions: actions })
            }
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

import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0

// The application's one scene: the browser, and the views it opens on top.
Page {
    id: root

    Controls.Pane {
        anchors.fill: parent
        padding: 0

        Controls.StackView {
            id: stack
            objectName: "stack"
            anchors.fill: parent
            focus: true
            initialItem: Browser {
                onOpenFile: (path) => {
                    const view = _vantrel.checkIfIsImage(path) ? "ImageView.qml" : "TextView.qml"
                    stack.push(Qt.resolvedUrl(view), { path: path })
                }
                onShowAbout: stack.push(Qt.resolvedUrl("About.qml"))
            }
        }
    }

    // Every view on top of the browser closes through this.
    function closeView() {
        if (stack.depth > 1)
            stack.pop()
        stack.currentItem.forceActiveFocus()
    }
}

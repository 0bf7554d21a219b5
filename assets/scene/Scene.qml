pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0
import Vantrel
import Vantrel.Scene

// The application's one scene: the browser, and the views it opens on top,
// each made when first asked for.
Page {
    id: root

    // The window is named after what is shown.
    title: stack.currentItem ? (stack.currentItem as Controls.Page).title : ""

    readonly property Browser browser: browserPage

    // Opens path on top of the browser. how: "auto" lets the content decide,
    // "external" hands it to the desktop, "text" and "hex" show it so,
    // "content" as text or hex by what it holds, "image" as a picture. A
    // view asking for another way of showing its file takes its place.
    function open(path, how) {
        const properties = { path: path, how: how || "auto" }
        let view = openPage
        if (properties.how === "image") {
            view = imageView
        } else if (properties.how === "text" || properties.how === "hex" || properties.how === "content") {
            view = textView
            properties.how = properties.how === "content" ? "auto" : properties.how
        }
        if (stack.depth > 1)
            stack.replace(stack.currentItem, view, properties)
        else
            stack.push(view, properties)
    }

    function showProperties(path) {
        stack.push(propertiesPage, { path: path })
    }

    function showEntryMenu(entry, x, y) {
        const at = mapToItem(browser, x, y)
        browser.showEntryMenu(entry, at.x, at.y)
    }

    onActiveFocusChanged: if (activeFocus && stack.currentItem) stack.currentItem.forceActiveFocus()

    // First of all: the services of the document the scene is made in.
    ServicesFromContext { }

    FileOpener {
        id: fileOpener
        objectName: "fileOpener"
    }

    Copier {
        id: sceneCopier
        objectName: "copier"
    }

    Component {
        id: openPage
        OpenPage { opener: fileOpener; copier: sceneCopier }
    }
    Component {
        id: textView
        TextView { opener: fileOpener; copier: sceneCopier }
    }
    Component {
        id: imageView
        ImageView { opener: fileOpener; copier: sceneCopier }
    }
    Component {
        id: propertiesPage
        PropertiesPage { opener: fileOpener; copier: sceneCopier }
    }
    Component {
        id: aboutPage
        About { copier: sceneCopier }
    }

    Controls.Pane {
        anchors.fill: parent
        padding: 0

        NoticeBar {
            id: notice
            width: parent.width
        }

        Controls.StackView {
            id: stack
            objectName: "stack"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: notice.visible ? notice.bottom : parent.top
            anchors.bottom: parent.bottom
            anchors.bottomMargin: (browserCopy.visible ? browserCopy.height : 0) + jobs.height
            focus: true
            initialItem: Browser {
                id: browserPage
                copier: sceneCopier
                onOpenRequested: (path, how) => root.open(path, how)
                onPropertiesRequested: (path) => root.showProperties(path)
                onShowAbout: stack.push(aboutPage)
            }
        }

        // Every copy and move, with its progress, question and result.
        JobsPanel {
            id: jobs
            anchors.bottom: browserCopy.visible ? browserCopy.top : parent.bottom
            width: parent.width
            height: implicitHeight
            onShowRequested: (folder) => {
                stack.pop(null)
                root.browser.open(folder, true, "")
            }
        }

        // Copies started from the browser show their progress here; a view
        // shows them in its own frame.
        CopyBar {
            id: browserCopy
            objectName: "browserCopy"
            anchors.bottom: parent.bottom
            width: parent.width
            visible: stack.depth === 1 && (sceneCopier.running || sceneCopier.result !== "")
            copier: sceneCopier
        }
    }

    // A view asks for its file to be shown another way, or for a folder
    // with an entry chosen in it (a link's target).
    Connections {
        target: stack.currentItem as ViewerPage
        ignoreUnknownSignals: true
        function onGoToRequested(folder, select) {
            stack.pop(null)
            root.browser.open(folder, true, select)
        }
        function onOpenRequested(path, how) { root.open(path, how) }
    }

    LeaveGuard {
        window: root.Window.window
    }

    // The mouse's own Back and Forward buttons.
    TapHandler {
        acceptedButtons: Qt.BackButton | Qt.ForwardButton
        onTapped: (point, button) => {
            const view = stack.currentItem as ViewerPage
            if (button === Qt.ForwardButton)
                root.browser.navigation.forward.trigger()
            else if (view)
                view.close()
            else
                root.browser.navigation.back.trigger()
        }
    }
}

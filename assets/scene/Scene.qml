// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls as Controls
import bb.cascades 1.0
import Vantrel
import Vantrel.Scene

// The application's one scene: the browser, and the views it opens on top,
// each read and made when first asked for.
Page {
    id: root

    // The window is named after what is shown.
    title: stack.currentItem ? (stack.currentItem as Controls.Page).title : ""

    readonly property Browser browser: browserPage
    // The view on top, if it is one; untyped, so that the views' common
    // type is not read before the first is opened.
    readonly property var shownView: stack.currentItem && "goToRequested" in stack.currentItem
                                     ? stack.currentItem : null

    // Opens path on top of the browser. how: "auto" lets the content decide,
    // "external" hands it to the desktop, "text" and "hex" show it so,
    // "content" as text or hex by what it holds, "image" as a picture. A
    // view asking for another way of showing its file takes its place.
    function open(path, how) {
        const properties = { path: path, how: how || "auto" }
        let view = "OpenPage"
        if (properties.how === "image") {
            view = "ImageView"
            // Stepping follows the browser's order and filter.
            properties.entries = browserPage.entries
        } else if (properties.how === "text" || properties.how === "hex" || properties.how === "content") {
            view = "TextView"
            properties.how = properties.how === "content" ? "auto" : properties.how
        }
        if (stack.depth > 1)
            stack.replace(stack.currentItem, root.view(view), root.withTools(properties))
        else
            stack.push(root.view(view), root.withTools(properties))
    }

    function showProperties(path) {
        stack.push(root.view("PropertiesPage"), root.withTools({ path: path }))
    }

    function showAbout() {
        stack.push(Qt.resolvedUrl("../about/About.qml"), { copier: sceneCopier })
    }
    function showSeveral(paths) {
        stack.push(root.view("SeveralProperties"), { copier: sceneCopier, paths: paths })
    }
    function showTrash() {
        stack.push(Qt.resolvedUrl("../places/TrashPage.qml"), { steps: browserPage.steps })
    }

    // The views are named by address rather than by type, so that none of
    // them is read, let alone made, before the browser's first frame.
    function view(name) {
        return Qt.resolvedUrl("../views/" + name + ".qml")
    }
    function withTools(properties) {
        properties.opener = fileOpener
        properties.copier = sceneCopier
        return properties
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

    Controls.Pane {
        anchors.fill: parent
        padding: 0

        // What the settings store could not do, said once.
        MadeLater {
            id: notice
            width: parent.width
            wanted: SettingsNotices.writeFailure !== "" || SettingsNotices.keptAsidePath !== ""
                    || SettingsNotices.unreadableReason !== ""
            source: Qt.resolvedUrl("../common/NoticeBar.qml")
        }

        Controls.StackView {
            id: stack
            objectName: "stack"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: notice.bottom
            anchors.bottom: parent.bottom
            anchors.bottomMargin: (browserCopy.visible ? browserCopy.height : 0) + jobs.height
            focus: true
            initialItem: Browser {
                id: browserPage
                copier: sceneCopier
                onOpenRequested: (path, how) => root.open(path, how)
                onPropertiesRequested: (path) => root.showProperties(path)
                onShowAbout: root.showAbout()
                onShowTrash: root.showTrash()
                onSeveralRequested: (paths) => root.showSeveral(paths)
            }
        }

        // Every copy and move, with its progress, question and result.
        // Made with the first job.
        MadeLater {
            id: jobs
            objectName: "jobsPanel"
            anchors.bottom: browserCopy.visible ? browserCopy.top : parent.bottom
            width: parent.width
            height: implicitHeight
            visible: JobQueue.panelCount > 0
            wanted: visible
            source: Qt.resolvedUrl("../jobs/JobsPanel.qml")
            properties: ({ objectName: "jobRows" })
            onMade: (panel) => panel.showRequested.connect((folder) => {
                stack.pop(null)
                root.browser.open(folder, true, "")
            })
        }

        // Copies started from the browser show their progress here; a view
        // shows them in its own frame.
        // Made with the first copy.
        MadeLater {
            id: browserCopy
            objectName: "browserCopy"
            anchors.bottom: parent.bottom
            width: parent.width
            height: implicitHeight
            visible: stack.depth === 1 && (sceneCopier.running || sceneCopier.result !== "")
            wanted: visible
            source: Qt.resolvedUrl("../jobs/CopyBar.qml")
            properties: ({ copier: sceneCopier })
        }
    }

    // A view asks for its file to be shown another way, or for a folder
    // with an entry chosen in it (a link's target).
    Connections {
        target: root.shownView
        ignoreUnknownSignals: true
        function onGoToRequested(folder, select) {
            stack.pop(null)
            root.browser.open(folder, true, select)
        }
        function onOpenRequested(path, how) { root.open(path, how) }
    }

    LeaveGuard {
        scene: root
    }

    // A copy is to be seen where it went; the shared folder may be new.
    Connections {
        target: sceneCopier
        function onShowRequested(folder, select) {
            stack.pop(null)
            root.browser.open(folder, true, select)
        }
        function onFinished(path, ok, result) { root.browser.recheckPlaces() }
    }

    // Undo and redo reach the browser's steps also from the trash.
    Binding {
        target: root.browser.steps
        property: "alsoActive"
        value: stack.currentItem !== null && stack.currentItem.objectName === "trashPage"
    }

    // The mouse's own Back and Forward buttons.
    TapHandler {
        acceptedButtons: Qt.BackButton | Qt.ForwardButton
        onTapped: (point, button) => {
            const view = root.shownView
            if (button === Qt.ForwardButton)
                root.browser.navigation.forward.trigger()
            else if (view)
                view.close()
            else if (stack.depth > 1)
                stack.pop()
            else
                root.browser.navigation.back.trigger()
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Opening a file: busy while its content is looked at off the UI thread,
// then the viewer that fits takes this page's place, or the desktop's
// application gets the file; a program first asks, and what goes wrong
// is said here.
ViewerPage {
    id: openPage
    objectName: "openPage"
    part: "open"
    canCopy: stage === "noApplication" || stage === "failed" || stage === "unsupported"

    // "auto" lets the content choose; "external" goes to the desktop.
    property string how: "auto"
    // "busy", "confirm", "noApplication", "failed", "missing", "special",
    // "refused" (an entry the desktop might read otherwise than shown),
    // "unsupported" (the desktop opens no files).
    property string stage: "busy"
    property var type: null
    property string runs: ""
    property string reason: ""
    // What the confirmation was made from, and whether the file had changed
    // since an earlier one.
    property string fingerprint: ""
    property bool changed: false
    // The mount that the look at the file waits for, while it does.
    property string waitingFor: ""

    function decide(fileType) {
        type = fileType
        if (!fileType.exists && fileType.isBrokenLink) {
            stage = "brokenLink" // said here: the view would only say it is gone
            reason = ""
        } else if (!fileType.exists) {
            show("auto") // which says that it is gone, or why it cannot be read
        } else if (fileType.isSpecial) {
            stage = "special"
        } else if (fileType.viewer === "folder") {
            goToRequested(path, "")
        } else if (how === "auto" && (fileType.viewer === "text" || fileType.viewer === "hex"
                                      || fileType.viewer === "image")) {
            show(fileType.viewer === "hex" ? "hex" : "auto", fileType.viewer === "image")
        } else {
            handOut(false)
        }
    }

    // In the text view as how says ("auto": text, or hex for binary
    // content; "text"; "hex"), or as a picture; the scene puts that view in
    // this page's place.
    function show(how, picture) {
        openRequested(path, picture ? "image" : how === "auto" ? "content" : how)
    }

    // Off the UI thread; the answer comes through onOpenedExternally. "Run it"
    // hands out only what was shown.
    function handOut(confirmed) {
        stage = "busy"
        if (confirmed)
            opener.requestRunShown(path, fingerprint)
        else
            opener.requestOpenExternally(path, false)
    }

    function react(result) {
        if (result.ok) {
            close()
        } else if (result.refused) {
            reason = result.reason
            stage = "refused"
        } else if (result.needsConfirmation) {
            runs = result.runs
            fingerprint = result.fingerprint
            changed = result.changed === true
            stage = "confirm"
        } else if (result.outcome === Launcher.Unsupported) {
            reason = ""
            stage = "unsupported"
        } else if (result.missing) {
            stage = "missing"
            reason = ""
        } else if (result.noApplication) {
            stage = "noApplication"
        } else {
            reason = result.reason
            stage = result.isSpecial ? "special" : "failed"
        }
    }

    title: path.substring(path.lastIndexOf("/") + 1)
    Component.onCompleted: opener.requestFileType(path)
    StackView.onActivated: forceActiveFocus()

    Connections {
        target: openPage.opener
        function onFileTypeReady(path, fileType) {
            if (path === openPage.path && openPage.stage === "busy" && openPage.type === null)
                openPage.decide(fileType)
        }
        function onOpenedExternally(path, result) {
            if (path === openPage.path && openPage.stage === "busy")
                openPage.react(result)
        }
    }

    Timer {
        interval: 500
        repeat: true
        running: openPage.stage === "busy"
        onTriggered: openPage.waitingFor = openPage.opener.waitingFor(openPage.path)
        onRunningChanged: if (!running) openPage.waitingFor = ""
    }

    Label {
        objectName: "openWaiting"
        anchors.top: parent.verticalCenter
        anchors.topMargin: Services.ui.du(4)
        width: parent.width - Services.ui.du(4)
        x: Services.ui.du(2)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WrapAnywhere
        visible: openPage.waitingFor !== ""
        text: qsTr("Waiting for %1, which does not answer.").arg(openPage.waitingFor)
    }

    BusyMark {
        anchors.centerIn: parent
        busy: openPage.stage === "busy"
        width: Services.ui.du(4)
        height: Services.ui.du(4)
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - Services.ui.du(4)
        visible: openPage.stage !== "busy"
        spacing: Services.ui.du(1)

        Label {
            objectName: "openMessage"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Services.ui.du(1.8)
            font.bold: true
            text: {
                const type = openPage.type ? (openPage.type.description || openPage.type.mimeType) : ""
                switch (openPage.stage) {
                case "missing": return qsTr("This file no longer exists.")
                case "brokenLink": return qsTr("This link leads to %1, which does not exist.")
                                       .arg(PathTools.shownPath(String(openPage.type.linkTarget)))
                case "special": return qsTr("This is a %1; it is never handed to another application.").arg(type)
                case "confirm": return openPage.changed
                                       ? qsTr("This file changed after it was shown. Opening it now runs:")
                                       : qsTr("This file is a program. Opening it runs:")
                case "refused": return qsTr("This entry is not run: the desktop might read it otherwise than shown.")
                case "unsupported": return qsTr("This desktop does not open files in other applications.")
                case "noApplication": return qsTr("No application is set to open %1 files").arg(type)
                case "failed": return qsTr("The desktop could not open this file.")
                }
                return ""
            }
        }
        Label {
            objectName: "openReason"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAnywhere
            visible: text !== ""
            text: openPage.stage === "confirm" ? openPage.runs : openPage.reason
            font.family: openPage.stage === "confirm" ? "monospace" : font.family
        }
        Flow {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: parent.width
            spacing: Services.ui.du(1)
            Button {
                objectName: "openRun"
                visible: openPage.stage === "confirm"
                text: qsTr("Run it")
                onClicked: openPage.handOut(true)
            }
            Button {
                objectName: "openAsText"
                visible: openPage.stage === "noApplication" || openPage.stage === "failed"
                         || openPage.stage === "confirm" || openPage.stage === "refused"
                         || openPage.stage === "unsupported"
                text: Commands.viewText.text
                onClicked: openPage.show("text")
            }
            Button {
                objectName: "openAsHex"
                visible: openPage.stage === "noApplication" || openPage.stage === "failed"
                         || openPage.stage === "confirm" || openPage.stage === "refused"
                         || openPage.stage === "unsupported"
                text: Commands.viewHex.text
                onClicked: openPage.show("hex")
            }
            Button {
                objectName: "openCancel"
                visible: openPage.stage === "confirm"
                text: Commands.cancelCopy.text
                onClicked: openPage.close()
            }
        }
    }
}

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
    canCopy: stage === "noApplication" || stage === "failed"

    // "auto" lets the content choose; "external" goes to the desktop.
    property string how: "auto"
    // "busy", "confirm", "noApplication", "failed", "missing", "special".
    property string stage: "busy"
    property var type: null
    property string runs: ""
    property string reason: ""

    function decide(fileType) {
        type = fileType
        if (!fileType.exists) {
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

    function handOut(confirmed) {
        react(confirmed ? opener.openExternallyConfirmed(path) : opener.openExternally(path))
    }

    function react(result) {
        if (result.ok) {
            close()
        } else if (result.needsConfirmation) {
            runs = result.runs
            stage = "confirm"
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
                case "special": return qsTr("This is a %1; it is never handed to another application.").arg(type)
                case "confirm": return qsTr("This file is a program. Opening it runs:")
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
                         || openPage.stage === "confirm"
                text: Commands.viewText.text
                onClicked: openPage.show("text")
            }
            Button {
                objectName: "openAsHex"
                visible: openPage.stage === "noApplication" || openPage.stage === "failed"
                         || openPage.stage === "confirm"
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

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel

// The frame every view shares: a header with Back, the name and Copy to
// Documents, the view's own tools between them, and a status line below.
Page {
    id: frame

    required property Actions actions
    // Shared by the scene; About has neither.
    property FileOpener opener: null
    property Copier copier: null
    property string path: ""
    // Prefix of the frame's object names ("text": textBack, textCopy...).
    property string part: ""
    property bool canCopy: true
    // Left of the status line: what the view has to say.
    property string note: ""
    // The status line stays, so that its coming and going never resizes
    // the view.
    property bool keepsStatusLine: false
    property string copyStatus: ""
    // The view's own buttons, shown before Copy to Documents.
    property alias tools: toolRow.data
    readonly property bool compact: width < _ui.du(60)
    readonly property bool onTop: StackView.status === StackView.Active

    // Asks the scene to show a file another way ("text", "hex", "external",
    // "auto"), or to show a folder with an entry chosen.
    signal openRequested(string path, string how)
    signal goToRequested(string folder, string select)

    title: path.substring(path.lastIndexOf("/") + 1)
    focus: true

    function close() {
        actions.close.trigger()
    }

    // The copy runs as a job; its result arrives in copyStatus.
    function copyToDocuments() {
        if (!copier)
            return
        if (copier.running)
            copyStatus = qsTranslate("Viewers", "Another copy is still running.")
        else if (copier.copy(path))
            copyStatus = ""
    }

    Connections {
        target: frame.actions.copy
        enabled: frame.onTop && frame.canCopy
        function onTriggered() { frame.copyToDocuments() }
    }
    Connections {
        target: frame.copier
        function onFinished(path, ok, result) {
            if (path === frame.path)
                frame.copyStatus = result
        }
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(0.4)

            CommandButton {
                objectName: frame.part + "Back"
                command: frame.actions.close
                compact: frame.compact
            }
            Label {
                Layout.fillWidth: true
                Layout.minimumWidth: _ui.du(6)
                text: frame.title
                elide: Text.ElideMiddle
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
            RowLayout {
                id: toolRow
                spacing: _ui.du(0.4)
            }
            CommandButton {
                objectName: frame.part + "Copy"
                visible: frame.canCopy
                command: frame.actions.copy
                compact: frame.compact
            }
        }
    }

    // The status line; while this page's copy runs, its progress above it.
    footer: Column {
        CopyBar {
            objectName: frame.part + "CopyBar"
            width: parent.width
            visible: running
            copier: frame.copier
            actions: frame.actions
        }
        ToolBar {
            width: parent.width
            visible: frame.keepsStatusLine || frame.note !== "" || frame.copyStatus !== ""
            RowLayout {
                anchors.fill: parent
                spacing: _ui.du(1)
                Label {
                    objectName: frame.part + "Note"
                    Layout.leftMargin: _ui.du(1)
                    Layout.fillWidth: frame.copyStatus === ""
                    visible: text !== ""
                    text: frame.note
                    elide: Text.ElideRight
                    opacity: 0.75
                }
                Label {
                    objectName: frame.part + "CopyStatus"
                    Layout.fillWidth: true
                    Layout.leftMargin: frame.note === "" ? _ui.du(1) : 0
                    visible: text !== ""
                    text: frame.copyStatus
                    elide: Text.ElideRight
                    font.bold: true
                }
            }
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The frame every view shares: a header with Back, the name and Copy to
// Documents, the view's own tools between them, and a status line below.
Page {
    id: frame

    // Shared by the scene; About has no opener.
    property FileOpener opener: null
    required property Copier copier
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
    readonly property bool compact: width < Services.ui.du(60)
    // On top of the stack, or on its way there: its commands apply.
    readonly property bool onTop: StackView.status === StackView.Active
                                  || StackView.status === StackView.Activating

    // Asks the scene to show a file another way ("text", "hex", "external",
    // "auto"), or to show a folder with an entry chosen.
    signal openRequested(string path, string how)
    signal goToRequested(string folder, string select)

    // A folder's path ends in "/": its name is the part before.
    title: {
        const trimmed = path.replace(/\/+$/, "")
        return trimmed === "" ? "/" : PathTools.shownName(trimmed.substring(trimmed.lastIndexOf("/") + 1))
    }
    focus: true

    function close() {
        closeCommand.trigger()
    }

    // The page's commands. A read-only text area takes every key before the
    // shortcuts see it, and hands it on through handle(): true when one of
    // them took the key.
    property var commands: [closeCommand, copyCommand]
    function handle(event) {
        for (const command of commands) {
            if (command.enabled && !command.info.local
                    && SceneTools.matches(command.info.keys, event.key, event.modifiers)) {
                command.trigger()
                event.accepted = true
                return true
            }
        }
        return false
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

    readonly property Command closeCommand: Command {
        info: Commands.close
        enabled: frame.onTop
        onTriggered: frame.StackView.view.pop()
    }
    readonly property Command copyCommand: Command {
        info: Commands.copy
        enabled: frame.onTop && frame.canCopy
        onTriggered: frame.copyToDocuments()
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
            spacing: Services.ui.du(0.4)

            CommandButton {
                objectName: frame.part + "Back"
                command: frame.closeCommand
                compact: frame.compact
            }
            Label {
                Layout.fillWidth: true
                Layout.minimumWidth: Services.ui.du(6)
                text: frame.title
                elide: Text.ElideMiddle
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
            RowLayout {
                id: toolRow
                spacing: Services.ui.du(0.4)
            }
            CommandButton {
                objectName: frame.part + "Copy"
                visible: frame.canCopy
                command: frame.copyCommand
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
        }
        ToolBar {
            width: parent.width
            visible: frame.keepsStatusLine || frame.note !== "" || frame.copyStatus !== ""
            RowLayout {
                anchors.fill: parent
                spacing: Services.ui.du(1)
                Label {
                    objectName: frame.part + "Note"
                    Layout.leftMargin: Services.ui.du(1)
                    Layout.fillWidth: frame.copyStatus === ""
                    visible: text !== ""
                    text: frame.note
                    elide: Text.ElideRight
                    opacity: 0.75
                }
                Label {
                    objectName: frame.part + "CopyStatus"
                    Layout.fillWidth: true
                    Layout.leftMargin: frame.note === "" ? Services.ui.du(1) : 0
                    visible: text !== ""
                    text: frame.copyStatus
                    elide: Text.ElideRight
                    font.bold: true
                }
            }
        }
    }
}

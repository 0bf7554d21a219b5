// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// A trash, delete or restore under way (shown after a moment) with its
// progress and Cancel, then what came of it, or of an undo, until closed.
ToolBar {
    id: bar
    objectName: "stepBar"

    required property FileSteps steps
    readonly property bool running: steps.doing !== ""
    // A quick step does not flash a bar.
    property bool late: false
    property string dismissed: ""

    visible: (running && late) || (!running && steps.notice !== "" && steps.notice !== dismissed)

    onRunningChanged: {
        late = false
        if (running)
            lateTimer.restart()
        dismissed = ""
    }
    // Made while a step already runs: it shows after the same moment.
    Component.onCompleted: if (running) lateTimer.restart()
    Timer {
        id: lateTimer
        interval: 400
        onTriggered: bar.late = true
    }

    RowLayout {
        anchors.fill: parent
        spacing: Services.ui.du(1)

        ProgressBar {
            objectName: "stepProgress"
            Layout.leftMargin: Services.ui.du(1)
            Layout.preferredWidth: Math.min(Services.ui.du(16), bar.width / 4)
            visible: bar.running
            indeterminate: bar.steps.total <= 0
            from: 0
            to: Math.max(1, bar.steps.total)
            value: bar.steps.done
        }
        Label {
            objectName: "stepLine"
            Layout.fillWidth: true
            Layout.leftMargin: bar.running ? 0 : Services.ui.du(1)
            elide: Text.ElideRight
            text: bar.running ? bar.steps.doing : bar.steps.notice
            Accessible.role: Accessible.AlertMessage
        }
        FlatToolButton {
            objectName: "stepCancel"
            visible: bar.running
            text: qsTranslate("Files", "Cancel")
            onClicked: bar.steps.operations.cancel(bar.steps.request)
        }
        FlatToolButton {
            objectName: "stepClose"
            visible: !bar.running
            text: "\u2715"
            focusPolicy: Qt.NoFocus
            Accessible.name: qsTranslate("Files", "Dismiss")
            onClicked: bar.dismissed = bar.steps.notice
        }
    }
}

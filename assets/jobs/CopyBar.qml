// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// A copy's progress (bytes done, total, rate) with Cancel, then its result.
ToolBar {
    id: bar
    required property Copier copier
    readonly property bool running: copier !== null && copier.running
    readonly property double done: running ? copier.job.done : 0
    readonly property double total: running ? copier.job.total : 0
    readonly property double rate: running ? copier.job.rate : 0
    // The mount the copy waits for, "" while it goes on.
    readonly property string waitingFor: running ? copier.job.waitingFor : ""

    RowLayout {
        anchors.fill: parent
        spacing: Services.ui.du(1)

        ProgressBar {
            objectName: "copyProgress"
            Layout.leftMargin: Services.ui.du(1)
            Layout.preferredWidth: Math.min(Services.ui.du(16), bar.width / 4)
            visible: bar.running
            from: 0
            to: Math.max(1, bar.total)
            value: bar.done
            indeterminate: bar.running && (bar.waitingFor !== "" || !bar.copier.job.totalKnown)
        }
        Label {
            objectName: "copyLine"
            Layout.fillWidth: true
            Layout.leftMargin: bar.running ? 0 : Services.ui.du(1)
            elide: Text.ElideRight
            font.bold: !bar.running
            text: !bar.running ? (bar.copier ? bar.copier.result : "")
                  : bar.waitingFor !== ""
                    ? qsTr("Waiting for %1, which does not answer.").arg(bar.waitingFor)
                  : !bar.copier.job.totalKnown
                    ? qsTr("Starting the copy")
                  : qsTranslate("Viewers", "%1 of %2, %3/s")
                    .arg(SceneTools.formatSize(bar.done))
                    .arg(SceneTools.formatSize(bar.total))
                    .arg(SceneTools.formatSize(bar.rate))
        }
        Button {
            objectName: "copyShow"
            visible: !bar.running && bar.copier !== null && bar.copier.destination !== ""
            text: qsTranslate("Viewers", "Show")
            flat: true
            Accessible.name: qsTranslate("Viewers", "Show the copy")
            onClicked: bar.copier.showCopy()
        }
        CommandButton {
            objectName: "copyCancel"
            visible: bar.running
            command: bar.copier.cancelCommand
            compact: bar.width < Services.ui.du(40)
        }
    }
}

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
        }
        Label {
            objectName: "copyLine"
            Layout.fillWidth: true
            Layout.leftMargin: bar.running ? 0 : Services.ui.du(1)
            elide: Text.ElideRight
            font.bold: !bar.running
            text: bar.running
                  ? qsTranslate("Viewers", "%1 of %2, %3/s")
                    .arg(SceneTools.formatSize(bar.done))
                    .arg(SceneTools.formatSize(bar.total))
                    .arg(SceneTools.formatSize(bar.rate))
                  : (bar.copier ? bar.copier.result : "")
        }
        CommandButton {
            objectName: "copyCancel"
            visible: bar.running
            command: bar.copier.cancelCommand
            compact: bar.width < Services.ui.du(40)
        }
    }
}

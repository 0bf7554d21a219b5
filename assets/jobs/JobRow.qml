// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// One job of the queue: what it does, bytes and entries done of the total,
// the rate and the time left, Cancel; its question while it asks; what it
// did once it is over, with the way to its destination.
Pane {
    id: row

    required property int jobId
    required property int state
    required property string title
    required property string current
    required property bool flushing
    required property double bytesDone
    required property double bytesTotal
    required property int itemsDone
    required property int itemsTotal
    required property bool counted
    required property double rate
    required property double secondsLeft
    required property var question
    required property string outcome
    required property string destination
    required property bool apart
    required property int handled

    // The folder a finished job put its entries in is to be shown.
    signal showRequested(string folder)

    readonly property bool over: state === Job.Done || state === Job.Cancelled || state === Job.Failed
    readonly property bool asking: state === Job.Asking && question !== undefined
                                   && question.type !== undefined
    // A job over in a moment is never shown running: no flicker for a
    // quick rename.
    property bool due: false
    readonly property bool shown: !apart && (due || asking || (over && outcome !== ""))

    function timeText(seconds) {
        if (seconds < 0)
            return ""
        if (seconds < 60)
            return qsTranslate("Jobs", "%n s left", "", Math.max(1, Math.round(seconds)))
        if (seconds < 3600)
            return qsTranslate("Jobs", "%n min left", "", Math.round(seconds / 60))
        return qsTranslate("Jobs", "%n h left", "", Math.round(seconds / 3600))
    }

    visible: shown
    height: shown ? implicitHeight : 0
    padding: Services.ui.du(0.8)
    Accessible.role: Accessible.ListItem
    Accessible.name: over ? outcome : title

    Timer {
        interval: 400
        running: !row.over
        onTriggered: row.due = true
    }

    ColumnLayout {
        width: parent.width
        spacing: Services.ui.du(0.4)

        RowLayout {
            Layout.fillWidth: true
            spacing: Services.ui.du(1)
            Label {
                objectName: "jobTitle"
                Layout.fillWidth: true
                text: row.over ? row.outcome : row.title
                font.bold: row.over
                elide: Text.ElideMiddle
                wrapMode: row.over ? Text.Wrap : Text.NoWrap
            }
            Button {
                objectName: "jobShow"
                // Nothing to see where nothing was put, as after a cancel at once.
                visible: row.over && row.handled > 0 && row.destination !== ""
                text: qsTranslate("Jobs", "Show")
                focusPolicy: Qt.NoFocus
                onClicked: row.showRequested(row.destination)
            }
            Button {
                objectName: "jobCancel"
                visible: !row.over
                enabled: row.state !== Job.Cancelling
                text: qsTranslate("Jobs", "Cancel")
                focusPolicy: Qt.NoFocus
                onClicked: JobQueue.cancel(row.jobId)
            }
            FlatToolButton {
                objectName: "jobDismiss"
                visible: row.over
                text: "\u2715"
                focusPolicy: Qt.NoFocus
                Accessible.name: qsTranslate("Jobs", "Dismiss")
                onClicked: JobQueue.dismiss(row.jobId)
            }
        }
        ProgressBar {
            objectName: "jobProgress"
            Layout.fillWidth: true
            visible: !row.over
            // Bytes where there are any to copy, else entries; moving while
            // the totals are still being counted.
            indeterminate: row.bytesTotal <= 0 && row.itemsTotal <= 0
            from: 0
            to: row.bytesTotal > 0 ? row.bytesTotal : Math.max(1, row.itemsTotal)
            value: row.bytesTotal > 0 ? row.bytesDone : row.itemsDone
        }
        Label {
            objectName: "jobCurrent"
            Layout.fillWidth: true
            visible: !row.over && !row.flushing && row.current !== ""
            elide: Text.ElideMiddle
            text: PathTools.shownPath(row.current)
        }
        Label {
            objectName: "jobDetail"
            Layout.fillWidth: true
            visible: !row.over
            elide: Text.ElideMiddle
            opacity: 0.75
            text: {
                const parts = []
                if (row.bytesTotal > 0)
                    parts.push(qsTranslate("Jobs", "%1 of %2").arg(SceneTools.formatSize(row.bytesDone))
                               .arg(SceneTools.formatSize(row.bytesTotal)))
                parts.push(qsTranslate("Jobs", "%1 of %n entries", "", row.itemsTotal).arg(row.itemsDone))
                // No byte moves while the disk catches up, which on a slow
                // stick can take a while.
                if (row.flushing)
                    return parts.concat(qsTranslate("Jobs", "writing to disk\u2026")).join(" \u00B7 ")
                if (row.rate > 0 && row.bytesTotal > 0)
                    parts.push(qsTranslate("Jobs", "%1/s").arg(SceneTools.formatSize(row.rate)))
                const left = row.timeText(row.secondsLeft)
                if (left !== "")
                    parts.push(left)
                if (!row.counted)
                    parts.push(qsTranslate("Jobs", "counting\u2026"))
                return parts.join(" \u00B7 ")
            }
        }
        JobQuestion {
            Layout.fillWidth: true
            visible: row.asking
            jobId: row.jobId
            question: row.asking ? row.question : ({})
        }
    }
}

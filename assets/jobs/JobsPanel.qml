// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The jobs of the whole program under the views: each running one with its
// progress, question and Cancel, each finished one with what it did until
// it is dismissed. Empty, it takes no room.
Pane {
    id: panel
    objectName: "jobsPanel"

    // The folder a finished job went to is to be shown.
    signal showRequested(string folder)

    // Shown by the queue's count, never by the rows' heights: a row hidden
    // with the panel has no height, which would keep the panel hidden.
    visible: JobQueue.panelCount > 0
    padding: 0
    implicitHeight: visible ? Math.min(rows.height, Services.ui.du(30)) : 0
    Accessible.role: Accessible.List
    Accessible.name: qsTranslate("Jobs", "Jobs")

    // Few jobs at a time: every row is made, so each one shows at once.
    Flickable {
        anchors.fill: parent
        clip: true
        contentHeight: rows.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        Column {
            id: rows
            width: parent.width
            Repeater {
                objectName: "jobList"
                model: JobQueue
                JobRow {
                    width: rows.width
                    onShowRequested: (folder) => panel.showRequested(folder)
                }
            }
        }
    }
}

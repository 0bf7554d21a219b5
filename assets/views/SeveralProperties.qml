// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Several entries at once: how many, and how much they hold, counted off
// the UI thread with the figures running as the count goes on. Hard links
// count once; links are not followed.
ViewerPage {
    id: page
    objectName: "severalProperties"
    part: "several"
    canCopy: false

    required property var paths

    title: qsTranslate("Files", "%n entries", "", paths.length)
    note: counter.running ? qsTranslate("Files", "Counting…") : ""

    readonly property var rows: [
        ["entries", qsTranslate("Files", "Chosen"), qsTranslate("Files", "%n entries", "", counter.entries)],
        ["inside", qsTranslate("Files", "Inside"), qsTranslate("Files", "%n files", "", counter.files) + ", "
                                         + qsTranslate("Files", "%n folders", "", counter.folders)],
        ["size", qsTranslate("Files", "Size"), qsTranslate("Files", "%1 (%2 bytes)").arg(SceneTools.formatSize(counter.bytes))
                                      .arg(Number(counter.bytes).toLocaleString(Qt.locale(), "f", 0))],
        ["disk", qsTranslate("Files", "On disk"), SceneTools.formatSize(counter.diskBytes)],
        ["unreadable", qsTranslate("Files", "Unreadable"), counter.unreadable > 0
            ? qsTranslate("Files", "%n entries could not be read; the totals are at least these", "", counter.unreadable) : ""],
    ].filter(row => row[2] !== "")

    Component.onCompleted: counter.count(paths)
    StackView.onActivated: forceActiveFocus()
    StackView.onRemoved: counter.cancel()

    EntryCounter { id: counter }

    ColumnLayout {
        x: Services.ui.du(1.5)
        y: Services.ui.du(1.5)
        width: page.width - 2 * x
        spacing: Services.ui.du(0.8)
        Repeater {
            model: page.rows
            RowLayout {
                id: row
                required property var modelData
                Layout.fillWidth: true
                spacing: Services.ui.du(1.5)
                Label {
                    Layout.preferredWidth: Math.min(implicitWidth, Services.ui.du(14))
                    text: row.modelData[1]
                    font.bold: true
                }
                Label {
                    objectName: "several_" + row.modelData[0]
                    Layout.fillWidth: true
                    text: row.modelData[2]
                    wrapMode: Text.Wrap
                }
            }
        }
    }
}

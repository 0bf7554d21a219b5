// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// The column names above the listing; a click sorts by that column, a
// second click turns the order round. Dragging the edge after a column
// widens or narrows it; a double click on the edge fits it to its words.
Pane {
    id: heading
    objectName: "entryHeader"
    required property EntryList list
    // "name", "size", "date" or "type", and the direction in force.
    property string sortBy: "name"
    property bool ascending: true

    signal sortRequested(string key)

    // Wide enough for the column's title and the widest of its rows in
    // view, each drawn whole.
    function fit(key, column) {
        const widest = Math.ceil(Math.max(column.implicitWidth, list.widestText(key)))
        // A fit ends a drag still under way: its width would otherwise stand.
        list.resizing = ""
        list.columnResized(key, Math.max(Services.ui.du(4), widest))
    }

    padding: 0
    // The edges beside the row of names: the Pane would no longer take
    // its size from the row alone.
    contentWidth: columns.implicitWidth
    contentHeight: columns.implicitHeight
    leftPadding: list.nameInset
    rightPadding: list.rowPadding
    clip: true

    RowLayout {
        id: columns
        anchors.fill: parent
        spacing: heading.list.columnGap
        HeaderButton {
            id: nameColumn
            key: "name"; text: qsTranslate("Browser", "Name")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            Layout.fillWidth: heading.list.compact
            Layout.minimumWidth: heading.list.compact ? 0 : heading.list.nameWidth
            Layout.maximumWidth: heading.list.compact ? Infinity : heading.list.nameWidth
        }
        HeaderButton {
            id: sizeColumn
            key: "size"; text: qsTranslate("Browser", "Size")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.minimumWidth: heading.list.sizeWidth
            Layout.maximumWidth: heading.list.sizeWidth
        }
        HeaderButton {
            id: dateColumn
            key: "date"; text: qsTranslate("Browser", "Modified")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.minimumWidth: heading.list.dateWidth
            Layout.maximumWidth: heading.list.dateWidth
        }
        HeaderButton {
            id: typeColumn
            key: "type"; text: qsTranslate("Browser", "Type")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.minimumWidth: heading.list.typeWidth
            Layout.maximumWidth: heading.list.typeWidth
        }
        Item { visible: !heading.list.compact; Layout.fillWidth: true }
    }

    // One edge after each column; narrow, the columns are not shown.
    Repeater {
        model: heading.list.compact ? [] : [nameColumn, sizeColumn, dateColumn, typeColumn]
        ColumnEdge {
            id: grip
            required property HeaderButton modelData
            column: grip.modelData
            list: heading.list
            x: grip.column.x + grip.column.width + heading.list.columnGap / 2 - grip.width / 2
            height: heading.availableHeight
            onFitRequested: heading.fit(grip.column.key, grip.column)
        }
    }
}

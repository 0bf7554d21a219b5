// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The column names above the listing; a click sorts by that column, a
// second click turns the order round.
Pane {
    id: heading
    objectName: "entryHeader"
    required property EntryList list
    // "name", "size", "date" or "type", and the direction in force.
    property string sortBy: "name"
    property bool ascending: true

    signal sortRequested(string key)

    padding: 0
    leftPadding: Services.ui.du(3.4)
    rightPadding: Services.ui.du(1.2)

    RowLayout {
        anchors.fill: parent
        spacing: Services.ui.du(1)
        HeaderButton {
            key: "name"; text: qsTranslate("Browser", "Name")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            Layout.fillWidth: true
        }
        HeaderButton {
            key: "size"; text: qsTranslate("Browser", "Size")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.preferredWidth: heading.list.sizeWidth
        }
        HeaderButton {
            key: "date"; text: qsTranslate("Browser", "Modified")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.preferredWidth: heading.list.dateWidth
        }
        HeaderButton {
            key: "type"; text: qsTranslate("Browser", "Type")
            chosen: heading.sortBy === key; ascending: heading.ascending
            onClicked: heading.sortRequested(key)
            visible: !heading.list.compact
            Layout.preferredWidth: heading.list.typeWidth
        }
    }
}

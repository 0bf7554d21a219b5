// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls

// The field that narrows the listing to names holding the typed text,
// with how many of the entries it lets through.
ToolBar {
    id: bar
    objectName: "filterBar"
    property string text: ""
    property int shown: 0
    property int total: 0
    // Widened to every folder below the one shown.
    property bool below: false
    // The search below also reads text files, and crosses into other file systems.
    property bool contents: false
    property bool crossFileSystems: false
    // The field, made with the switches when the bar first shows; untyped,
    // so that their file and the controls in it are not read before.
    property var field: null

    // Escape, Enter or Down: the list is to have the keyboard again.
    signal done()

    function start() {
        visible = true
        if (!field)
            Qt.createComponent(Qt.resolvedUrl("FilterRow.qml")).createObject(bar.contentItem, { bar: bar })
        field.forceActiveFocus()
        field.selectAll()
    }
    // Enter searches below first, then hands over to the results.
    function widenOrDone() {
        if (!below && text !== "")
            below = true
        else
            done()
    }
    function clear() {
        text = ""
        below = false
        visible = false
    }

    visible: false
}

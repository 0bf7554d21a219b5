// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The filter bar's field, count and search switches, made when the bar
// first shows.
RowLayout {
    id: row
    // The bar the row sits in.
    required property FilterBar bar

    anchors.fill: parent
    spacing: Services.ui.du(0.6)
    Component.onCompleted: row.bar.field = nameField
    Label {
        text: Commands.filter.text
    }
    TextField {
        id: nameField
        objectName: "filterField"
        Layout.fillWidth: true
        text: row.bar.text
        onTextChanged: row.bar.text = text
        placeholderText: qsTranslate("Browser", "Part of a name")
        Accessible.name: Commands.filter.text
        Accessible.description: Commands.filter.tip
        Keys.onEscapePressed: {
            row.bar.clear()
            row.bar.done()
        }
        Keys.onReturnPressed: row.bar.widenOrDone()
        Keys.onEnterPressed: row.bar.widenOrDone()
        Keys.onDownPressed: row.bar.done()
    }
    Label {
        objectName: "filterCount"
        visible: nameField.text !== "" && !row.bar.below
        text: qsTranslate("Browser", "%1 of %2").arg(row.bar.shown).arg(row.bar.total)
        Accessible.name: text
    }
    Switch {
        id: belowSwitch
        objectName: "searchBelowSwitch"
        checked: row.bar.below
        onToggled: row.bar.below = checked
        text: qsTranslate("Search", "Below this folder")
        focusPolicy: Qt.NoFocus
        Accessible.description: qsTranslate("Search", "Searches every folder below this one for the typed name; * and ? stand for any letters")
    }
    Switch {
        id: contentsSwitch
        objectName: "searchContentsSwitch"
        checked: row.bar.contents
        onToggled: row.bar.contents = checked
        visible: row.bar.below
        text: qsTranslate("Search", "In contents")
        focusPolicy: Qt.NoFocus
        Accessible.description: qsTranslate("Search", "Also finds text files that hold the typed words, up to 1 MiB each")
    }
    Switch {
        id: crossSwitch
        objectName: "searchCrossSwitch"
        checked: row.bar.crossFileSystems
        onToggled: row.bar.crossFileSystems = checked
        visible: row.bar.below
        text: qsTranslate("Search", "Other drives")
        focusPolicy: Qt.NoFocus
        Accessible.description: qsTranslate("Search", "Also searches the drives and file systems mounted below this folder")
    }
    FlatToolButton {
        text: "\u2715"
        focusPolicy: Qt.NoFocus
        Accessible.name: qsTranslate("Browser", "Clear the filter")
        ToolTip.visible: hovered
        ToolTip.text: Accessible.name
        onClicked: {
            row.bar.clear()
            row.bar.done()
        }
    }
}

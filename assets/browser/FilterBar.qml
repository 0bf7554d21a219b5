// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

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
    // The field, made with the switches when the bar first shows.
    property TextField field: null

    // Escape, Enter or Down: the list is to have the keyboard again.
    signal done()

    function start() {
        visible = true
        if (!field)
            rowComponent.createObject(bar.contentItem)
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

    Component {
        id: rowComponent
        RowLayout {
            anchors.fill: parent
            spacing: Services.ui.du(0.6)
            Component.onCompleted: bar.field = nameField
            Label {
                text: Commands.filter.text
            }
            TextField {
                id: nameField
                objectName: "filterField"
                Layout.fillWidth: true
                text: bar.text
                onTextChanged: bar.text = text
                placeholderText: qsTranslate("Browser", "Part of a name")
                Accessible.name: Commands.filter.text
                Accessible.description: Commands.filter.tip
                Keys.onEscapePressed: {
                    bar.clear()
                    bar.done()
                }
                Keys.onReturnPressed: bar.widenOrDone()
                Keys.onEnterPressed: bar.widenOrDone()
                Keys.onDownPressed: bar.done()
            }
            Label {
                objectName: "filterCount"
                visible: nameField.text !== "" && !bar.below
                text: qsTranslate("Browser", "%1 of %2").arg(bar.shown).arg(bar.total)
                Accessible.name: text
            }
            Switch {
                id: belowSwitch
                objectName: "searchBelowSwitch"
                checked: bar.below
                onToggled: bar.below = checked
                text: qsTranslate("Search", "Below this folder")
                focusPolicy: Qt.NoFocus
                Accessible.description: qsTranslate("Search", "Searches every folder below this one for the typed name; * and ? stand for any letters")
            }
            Switch {
                id: contentsSwitch
                objectName: "searchContentsSwitch"
                checked: bar.contents
                onToggled: bar.contents = checked
                visible: bar.below
                text: qsTranslate("Search", "In contents")
                focusPolicy: Qt.NoFocus
                Accessible.description: qsTranslate("Search", "Also finds text files that hold the typed words, up to 1 MiB each")
            }
            Switch {
                id: crossSwitch
                objectName: "searchCrossSwitch"
                checked: bar.crossFileSystems
                onToggled: bar.crossFileSystems = checked
                visible: bar.below
                text: qsTranslate("Search", "Other drives")
                focusPolicy: Qt.NoFocus
                Accessible.description: qsTranslate("Search", "Also searches the drives and file systems mounted below this folder")
            }
            ToolButton {
                text: "\u2715"
                focusPolicy: Qt.NoFocus
                Accessible.name: qsTranslate("Browser", "Clear the filter")
                ToolTip.visible: hovered
                ToolTip.text: Accessible.name
                onClicked: {
                    bar.clear()
                    bar.done()
                }
            }
        }
    }
}

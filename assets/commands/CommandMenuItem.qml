// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// A menu entry for a command, with its keys at the right; a choice among
// others shows a round mark, an on/off setting a check box.
MenuItem {
    id: item
    required property Command command
    // The command whose keys switch this choice, when it has none itself.
    property CommandInfo keysFrom: command.info
    property bool exclusive: false
    property bool setting: false
    // The choice or setting in force; shown, never toggled by the entry.
    property bool chosen: false

    text: command.text
    enabled: command.enabled
    onTriggered: command.trigger()
    // Home and End reach the first and the last entry that can be chosen.
    Keys.onPressed: (event) => {
        if ((event.key !== Qt.Key_Home && event.key !== Qt.Key_End) || !menu)
            return
        const first = event.key === Qt.Key_Home
        for (let step = 0; step < menu.count; ++step) {
            const index = first ? step : menu.count - 1 - step
            const entry = menu.itemAt(index)
            if (entry instanceof MenuItem && entry.enabled) {
                menu.currentIndex = index
                break
            }
        }
        event.accepted = true
    }
    indicator: null
    contentItem: RowLayout {
        spacing: Services.ui.du(1)
        RadioButton {
            visible: item.exclusive
            checked: item.chosen
            focusPolicy: Qt.NoFocus
            enabled: false
            padding: 0
        }
        CheckBox {
            visible: item.setting
            checked: item.chosen
            focusPolicy: Qt.NoFocus
            enabled: false
            padding: 0
        }
        Label {
            Layout.fillWidth: true
            text: item.text
            color: item.highlighted ? item.palette.highlightedText : item.palette.text
        }
        Label {
            visible: text !== ""
            text: item.keysFrom ? item.keysFrom.keyText : ""
            opacity: 0.7
            color: item.highlighted ? item.palette.highlightedText : item.palette.text
        }
    }
}

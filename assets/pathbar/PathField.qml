// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// The path bar as a field, with why the typed path led nowhere under it.
// Made the first time the person types a path.
ColumnLayout {
    id: column
    required property PathBar bar
    readonly property TextField field: field

    spacing: 0

    TextField {
        id: field
        objectName: "pathField"
        Layout.fillWidth: true
        selectByMouse: true
        inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
        Accessible.name: qsTranslate("PathBar", "Folder or file to go to")
        onTextEdited: { column.bar.message = ""; column.bar.suggest() }
        onActiveFocusChanged: if (!activeFocus && column.bar.editing
                                  && !(column.bar.completion && column.bar.completion.choosing)) {
            column.bar.editing = false
            column.bar.message = ""
            column.bar.closeSuggestions()
        }

        Keys.onPressed: (event) => {
            const bar = column.bar
            if (event.key === Qt.Key_Escape)
                bar.cancel()
            else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if (bar.chosen >= 0)
                    text = bar.offered[bar.chosen]
                bar.go()
            } else if (event.key === Qt.Key_Tab)
                bar.complete()
            else if (event.key === Qt.Key_Down && bar.completion && bar.completion.opened)
                bar.completion.currentIndex = Math.min(bar.chosen + 1, bar.completion.count - 1)
            else if (event.key === Qt.Key_Up && bar.completion && bar.completion.opened)
                bar.completion.currentIndex = Math.max(bar.chosen - 1, -1)
            else
                return
            event.accepted = true
        }
    }
    Label {
        objectName: "pathMessage"
        Layout.fillWidth: true
        visible: text !== ""
        text: column.bar.message
        elide: Text.ElideMiddle
        color: "#c0392b"
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
}

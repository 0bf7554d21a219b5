// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// One column name above the listing: bold with an arrow when the listing
// is sorted by it.
FlatToolButton {
    id: column
    required property string key
    property bool chosen: false
    property bool ascending: true

    objectName: "header_" + key
    focusPolicy: Qt.NoFocus
    font.bold: chosen
    contentItem: Label {
        text: column.text + (column.chosen ? (column.ascending ? " \u25B4" : " \u25BE") : "")
        font: column.font
        elide: Text.ElideRight
        horizontalAlignment: column.key === "size" ? Text.AlignRight : Text.AlignLeft
    }
    Accessible.name: text
    Accessible.description: qsTranslate("Browser", "Sorts by this column; again to reverse")
}

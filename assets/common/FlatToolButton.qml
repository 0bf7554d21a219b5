// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// A tool button drawn flat: nothing at rest, one plain panel when pointed
// at, pressed, on or focused. The style's own panel is seven items, and the
// bars and rows carry many of these buttons.
ToolButton {
    id: button

    background: Rectangle {
        readonly property bool pressed: button.down || button.checked || button.highlighted
        radius: Services.ui.du(0.3)
        visible: pressed || button.visualFocus || (button.enabled && button.hovered)
        color: pressed ? Qt.darker(button.palette.button, 1.12) : Qt.lighter(button.palette.button, 1.06)
        border.color: button.visualFocus ? button.palette.highlight : Qt.darker(button.palette.button, 1.3)
    }
}

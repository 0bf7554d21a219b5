// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// A tool button for a command: the theme's icon or a drawn glyph, the words
// unless space is short, and the keys in the tool tip.
FlatToolButton {
    id: button
    required property Command command
    // Only the icon, when the bar is narrow.
    property bool compact: false
    readonly property bool themed: SceneTools.hasThemeIcon(command.icon.name)

    // Bound by hand rather than through action, so that a click reaches the
    // command however it comes.
    text: command.text
    enabled: command.enabled
    onClicked: command.trigger()
    focusPolicy: Qt.NoFocus
    Accessible.name: command.text
    ToolTip.visible: hovered
    ToolTip.text: command.keyText === "" ? command.tip
                                         : qsTranslate("Browser", "%1 (%2)").arg(command.tip).arg(command.keyText)

    contentItem: RowLayout {
        spacing: Services.ui.du(0.4)
        IconImage {
            visible: button.themed
            name: button.themed ? button.command.icon.name : ""
            sourceSize.width: Services.ui.du(1.8)
            sourceSize.height: Services.ui.du(1.8)
            color: button.palette.buttonText
        }
        Label {
            visible: !button.themed && button.command.glyph !== ""
            text: button.command.glyph
            font.bold: true
            color: button.palette.buttonText
        }
        Label {
            visible: !button.compact || (!button.themed && button.command.glyph === "")
            text: button.text
            color: button.palette.buttonText
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
}

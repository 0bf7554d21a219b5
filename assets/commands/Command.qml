// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Templates as T
import Vantrel

// A command where it acts: its words, keys and icon come from its
// declaration in Commands; whether it applies and what it does are bound by
// the page that carries it out. Its keys reach it while it is enabled.
// The template itself: the style's Action adds nothing but a file to read.
T.Action {
    id: command
    required property CommandInfo info
    readonly property string tip: info.tip
    readonly property string keyText: info.keyText
    readonly property string glyph: info.glyph

    objectName: info.name + "Command"
    text: info.text
    icon.name: info.iconName

    readonly property Shortcut keyShortcut: Shortcut {
        sequences: command.info.local ? [] : command.info.keys
        enabled: command.enabled && !command.info.local && command.info.keys.length > 0
        onActivated: command.trigger()
    }
}

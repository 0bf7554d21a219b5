// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel

// What a command is called, the keys that reach it (portable form, the
// first one shown first) and its icon, from the theme or drawn as a glyph.
// Declared once, in Commands; a Command binds it where it acts.
QtObject {
    // Names the commands bound to it ("back": backCommand).
    required property string name
    required property string text
    // Keys the command's shortcut listens for.
    property var keys: []
    // Keys a page handles itself (Enter in the list); shown, not bound.
    property bool local: false
    // Said instead of the keys when they are not one sequence ("Typing").
    property string keyLabel: ""
    // What the command does, for tool tips and the About page.
    property string tip: text
    property string iconName: ""
    // Drawn when the icon theme has no icon of iconName.
    property string glyph: ""
    readonly property string keyText: keyLabel !== "" ? keyLabel : SceneTools.keyText(keys)
}

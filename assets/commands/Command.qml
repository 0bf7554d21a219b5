import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// One command: its words, the keys that reach it (portable form, the first
// one shown first) and its icon, from the theme or drawn as a glyph.
Action {
    // Keys the scene's shortcuts listen for.
    property var keys: []
    // Keys a page handles itself (Enter in the list); shown, not bound.
    property bool local: false
    // Said instead of the keys when they are not one sequence ("Typing").
    property string keyLabel: ""
    // What the command does, for tool tips and the About page.
    property string tip: text
    // Drawn when the icon theme has no icon of icon.name.
    property string glyph: ""
    readonly property string keyText: keyLabel !== "" ? keyLabel : SceneTools.keyText(keys)
}

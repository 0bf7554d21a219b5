// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// Cut, Copy and Paste of entries through the system clipboard, and
// choosing every entry. They act on the chosen entries, or on the current
// one when none is chosen, while the browser is on top.
QtObject {
    id: manage

    required property bool active
    required property EntrySelection selection
    // Where Paste puts the entries: the folder shown.
    required property string folder

    readonly property bool hasTargets: selection.count > 0 || selection.currentPath !== ""

    readonly property Command cut: Command {
        info: Commands.cut
        enabled: manage.active && manage.hasTargets
        onTriggered: FileClipboard.cut(manage.selection.targets())
    }
    readonly property Command copy: Command {
        info: Commands.copyEntries
        enabled: manage.active && manage.hasTargets
        onTriggered: FileClipboard.copy(manage.selection.targets())
    }
    readonly property Command paste: Command {
        info: Commands.paste
        // Says how many it will paste.
        text: FileClipboard.count > 0 ? qsTranslate("Browser", "Paste %n entries", "", FileClipboard.count)
                                      : info.text
        enabled: manage.active && FileClipboard.count > 0 && manage.folder !== ""
        onTriggered: FileClipboard.paste(manage.folder)
    }
    readonly property Command selectAll: Command {
        info: Commands.selectEntries
        enabled: manage.active
        onTriggered: manage.selection.selectAll()
    }
}

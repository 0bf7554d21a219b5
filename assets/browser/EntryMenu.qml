// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The context menu of one entry of the listing. Its commands act on the
// entry it was opened for, which they keep while they run.
Menu {
    id: menu

    required property EntryCommands commands
    required property ManageCommands manage
    required property FileSteps steps
    readonly property var entry: commands.menuEntry
    readonly property bool isFile: entry !== null && !entry.isDir

    // As wide as its widest entry, so that no language cuts one off.
    width: {
        let widest = 0
        for (let i = 0; i < count; ++i)
            widest = Math.max(widest, itemAt(i).implicitWidth)
        return Math.min(widest + leftPadding + rightPadding, parent ? parent.width : widest)
    }

    // The commands have run by now.
    onClosed: commands.menuEntry = null

    CommandMenuItem { objectName: "menuOpen"; command: menu.commands.open }
    CommandMenuItem {
        objectName: "showInFolderItem"
        command: menu.commands.showInFolder
        visible: menu.commands.menuFound
        height: visible ? implicitHeight : 0
    }
    CommandMenuItem {
        objectName: "menuOpenWith"
        command: menu.commands.openWith
        enabled: command.enabled && menu.isFile
    }
    CommandMenuItem {
        objectName: "menuViewText"
        command: menu.commands.viewText
        enabled: command.enabled && menu.isFile
    }
    CommandMenuItem {
        objectName: "menuViewHex"
        command: menu.commands.viewHex
        enabled: command.enabled && menu.isFile
    }
    CommandMenuItem {
        objectName: "menuCopy"
        command: menu.commands.copyEntry
        enabled: command.enabled && menu.isFile && !menu.commands.copier.running
    }
    MenuSeparator { }
    CommandMenuItem { objectName: "menuCut"; command: menu.manage.cut }
    CommandMenuItem { objectName: "menuCopyEntries"; command: menu.manage.copy }
    CommandMenuItem { objectName: "menuPaste"; command: menu.manage.paste }
    CommandMenuItem { objectName: "menuRename"; command: menu.steps.rename }
    CommandMenuItem { objectName: "menuTrash"; command: menu.steps.trashCommand }
    CommandMenuItem { objectName: "menuDelete"; command: menu.steps.deleteCommand }
    MenuSeparator { }
    CommandMenuItem { objectName: "menuProperties"; command: menu.commands.properties }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The browser's menu: going home and reloading, the sort key, folders first
// or among files, the direction, hidden entries, remembering the folder,
// and the About page.
Menu {
    id: menu
    objectName: "browserMenu"

    required property Navigation navigation
    required property FileSteps steps
    required property ChoiceCommands choices
    required property BrowserSettings kept
    required property Command filterCommand
    required property Command aboutCommand
    required property ManageCommands manage
    required property SeeCommands see

    // As wide as its widest entry, so that no language cuts one off.
    width: {
        let widest = 0
        for (let i = 0; i < count; ++i)
            widest = Math.max(widest, itemAt(i).implicitWidth)
        return widest + leftPadding + rightPadding
    }

    CommandMenuItem { command: menu.navigation.home }
    CommandMenuItem { command: menu.navigation.reload }
    CommandMenuItem { command: menu.filterCommand }
    CommandMenuItem { objectName: "terminalItem"; command: menu.see.openTerminal }
    MenuSeparator { }
    CommandMenuItem { command: menu.see.listView; exclusive: true; chosen: menu.kept.viewMode === "list" }
    CommandMenuItem { command: menu.see.gridView; exclusive: true; chosen: menu.kept.viewMode === "grid" }
    CommandMenuItem {
        objectName: "listThumbnailsItem"
        command: menu.see.listThumbnails
        setting: true
        chosen: menu.kept.listThumbnails
    }
    MenuSeparator { }
    CommandMenuItem { objectName: "undoItem"; command: menu.steps.undo }
    CommandMenuItem { objectName: "redoItem"; command: menu.steps.redo }
    CommandMenuItem { command: menu.steps.newFolder }
    MenuSeparator { }
    CommandMenuItem { command: menu.manage.cut }
    CommandMenuItem { command: menu.manage.copy }
    CommandMenuItem { objectName: "browserPaste"; command: menu.manage.paste }
    CommandMenuItem { command: menu.manage.selectAll }
    MenuSeparator { }
    CommandMenuItem { command: menu.choices.sortName; exclusive: true; chosen: menu.kept.sortBy === "name" }
    CommandMenuItem { command: menu.choices.sortSize; exclusive: true; chosen: menu.kept.sortBy === "size" }
    CommandMenuItem { command: menu.choices.sortDate; exclusive: true; chosen: menu.kept.sortBy === "date" }
    CommandMenuItem { command: menu.choices.sortType; exclusive: true; chosen: menu.kept.sortBy === "type" }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.choices.foldersFirst
        keysFrom: Commands.switchOrder
        exclusive: true
        chosen: menu.kept.kindFirst
    }
    CommandMenuItem {
        command: menu.choices.byName
        keysFrom: Commands.switchOrder
        exclusive: true
        chosen: !menu.kept.kindFirst
    }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.choices.ascending
        keysFrom: Commands.switchDirection
        exclusive: true
        chosen: menu.kept.ascending
    }
    CommandMenuItem {
        command: menu.choices.descending
        keysFrom: Commands.switchDirection
        exclusive: true
        chosen: !menu.kept.ascending
    }
    MenuSeparator { }
    CommandMenuItem {
        objectName: "showHiddenItem"
        command: menu.choices.showHidden
        setting: true
        chosen: menu.kept.showHidden
    }
    CommandMenuItem {
        command: menu.choices.hiddenLast
        setting: true
        chosen: menu.kept.hiddenLast
    }
    CommandMenuItem {
        objectName: "rememberFolderItem"
        command: menu.choices.rememberFolder
        setting: true
        chosen: menu.kept.rememberFolder
    }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.aboutCommand
    }
}

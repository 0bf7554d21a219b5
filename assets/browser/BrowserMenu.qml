import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The browser's menu: going home and reloading, the sort key, folders first
// or among files, the direction, hidden entries, remembering the folder,
// and the About page.
Menu {
    id: menu
    objectName: "browserMenu"

    required property Actions actions
    required property BrowserSettings kept

    // As wide as its widest entry, so that no language cuts one off.
    width: {
        let widest = 0
        for (let i = 0; i < count; ++i)
            widest = Math.max(widest, itemAt(i).implicitWidth)
        return widest + leftPadding + rightPadding
    }

    CommandMenuItem { command: menu.actions.home }
    CommandMenuItem { command: menu.actions.reload }
    CommandMenuItem { command: menu.actions.filter }
    MenuSeparator { }
    CommandMenuItem { command: menu.actions.sortName; exclusive: true; chosen: menu.kept.sortBy === "name" }
    CommandMenuItem { command: menu.actions.sortSize; exclusive: true; chosen: menu.kept.sortBy === "size" }
    CommandMenuItem { command: menu.actions.sortDate; exclusive: true; chosen: menu.kept.sortBy === "date" }
    CommandMenuItem { command: menu.actions.sortType; exclusive: true; chosen: menu.kept.sortBy === "type" }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.actions.foldersFirst
        keysFrom: menu.actions.switchOrder
        exclusive: true
        chosen: menu.kept.kindFirst
    }
    CommandMenuItem {
        command: menu.actions.byName
        keysFrom: menu.actions.switchOrder
        exclusive: true
        chosen: !menu.kept.kindFirst
    }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.actions.ascending
        keysFrom: menu.actions.switchDirection
        exclusive: true
        chosen: menu.kept.ascending
    }
    CommandMenuItem {
        command: menu.actions.descending
        keysFrom: menu.actions.switchDirection
        exclusive: true
        chosen: !menu.kept.ascending
    }
    MenuSeparator { }
    CommandMenuItem {
        objectName: "showHiddenItem"
        command: menu.actions.showHidden
        setting: true
        chosen: menu.kept.showHidden
    }
    CommandMenuItem {
        command: menu.actions.hiddenLast
        setting: true
        chosen: menu.kept.hiddenLast
    }
    CommandMenuItem {
        objectName: "rememberFolderItem"
        command: menu.actions.rememberFolder
        setting: true
        chosen: menu.kept.rememberFolder
    }
    MenuSeparator { }
    CommandMenuItem {
        command: menu.actions.about
    }
}

import QtQuick
import QtQuick.Controls

// The browser's menu: sort order and direction (each a choice of two),
// remembering the folder, and the About page.
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

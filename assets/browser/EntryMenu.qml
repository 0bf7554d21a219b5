import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The context menu of one entry of the listing. Its commands act on the
// entry it was opened for (the scene keeps it while they run).
Menu {
    id: menu

    required property Actions actions
    // As the browser describes an entry: fileName, completePath, isDir...
    property var entry: null

    // As wide as its widest entry, so that no language cuts one off.
    width: {
        let widest = 0
        for (let i = 0; i < count; ++i)
            widest = Math.max(widest, itemAt(i).implicitWidth)
        return Math.min(widest + leftPadding + rightPadding, parent ? parent.width : widest)
    }

    CommandMenuItem { objectName: "menuOpen"; command: menu.actions.open }
    CommandMenuItem {
        objectName: "menuOpenWith"
        command: menu.actions.openWith
        enabled: command.enabled && menu.entry !== null && !menu.entry.isDir
    }
    CommandMenuItem {
        objectName: "menuViewText"
        command: menu.actions.viewText
        enabled: command.enabled && menu.entry !== null && !menu.entry.isDir
    }
    CommandMenuItem {
        objectName: "menuViewHex"
        command: menu.actions.viewHex
        enabled: command.enabled && menu.entry !== null && !menu.entry.isDir
    }
    CommandMenuItem {
        objectName: "menuCopy"
        command: menu.actions.copyEntry
        enabled: command.enabled && menu.entry !== null && !menu.entry.isDir && !menu.actions.copying
    }
    MenuSeparator { }
    CommandMenuItem { objectName: "menuProperties"; command: menu.actions.properties }
}

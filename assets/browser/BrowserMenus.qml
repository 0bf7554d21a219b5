// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// The browser's ⋮ menu with the commands on the browser's own parts, and
// the menu of an entry. Neither menu shows in the first frame, so each is
// made when first asked for and kept from then on.
Item {
    id: menus

    required property Navigation navigation
    required property FileSteps steps
    required property ChoiceCommands choices
    required property BrowserSettings kept
    required property SeeCommands see
    required property ManageCommands manage
    required property EntryCommands commands
    required property bool active
    required property BrowserBar bar
    required property FilterBar filterBar
    // Made when first shown; named by address, so that their files, and
    // the menu types they use, are not read before that.
    property var menu: null
    property var entryMenu: null

    // A menu closed; entryMenuClosed after the entry's.
    signal menuClosed()
    signal entryMenuClosed()
    signal aboutRequested()

    // The commands on the browser's own parts.
    readonly property Command filterCommand: Command {
        info: Commands.filter; enabled: menus.active
        onTriggered: menus.filterBar.start()
    }
    readonly property Command editPathCommand: Command {
        info: Commands.editPath; enabled: menus.active
        onTriggered: menus.bar.editPath()
    }
    readonly property Command menuCommand: Command {
        info: Commands.menu; enabled: menus.active
        onTriggered: menus.showMenu(menus.bar.menuButton)
    }
    readonly property Command aboutCommand: Command {
        info: Commands.about; enabled: menus.active
        onTriggered: menus.aboutRequested()
    }

    // The ⋮ menu under button, its first entry chosen.
    function showMenu(button) {
        if (!menu) {
            menu = make("BrowserMenu.qml", {
                navigation: menus.navigation, steps: menus.steps, choices: menus.choices,
                kept: menus.kept, filterCommand: menus.filterCommand,
                aboutCommand: menus.aboutCommand, see: menus.see, manage: menus.manage
            })
            menu.closed.connect(menus.menuClosed)
        }
        menu.popup(button, 0, button.height)
        menu.currentIndex = 0
    }
    // The menu of an entry (FolderModel.get or SearchModel.get) at x, y in item.
    function showEntryMenu(entry, item, x, y) {
        if (!entryMenu) {
            entryMenu = make("EntryMenu.qml", {
                objectName: "entryMenu", commands: menus.commands, steps: menus.steps,
                manage: menus.manage
            })
            entryMenu.closed.connect(menus.entryMenuClosed)
        }
        commands.menuEntry = entry
        entryMenu.popup(item, x, y)
        entryMenu.currentIndex = 0
    }
    function make(file, properties) {
        return Qt.createComponent(Qt.resolvedUrl(file)).createObject(menus.parent, properties)
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
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
    property BrowserMenu menu: null
    property EntryMenu entryMenu: null

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
        if (!menu)
            menu = menuComponent.createObject(menus.parent)
        menu.popup(button, 0, button.height)
        menu.currentIndex = 0
    }
    // The menu of an entry (FolderModel.get or SearchModel.get) at x, y in item.
    function showEntryMenu(entry, item, x, y) {
        if (!entryMenu)
            entryMenu = entryMenuComponent.createObject(menus.parent)
        commands.menuEntry = entry
        entryMenu.popup(item, x, y)
        entryMenu.currentIndex = 0
    }

    Component {
        id: menuComponent
        BrowserMenu {
            navigation: menus.navigation
            steps: menus.steps
            choices: menus.choices
            kept: menus.kept
            filterCommand: menus.filterCommand
            aboutCommand: menus.aboutCommand
            see: menus.see
            manage: menus.manage
            onClosed: menus.menuClosed()
        }
    }
    Component {
        id: entryMenuComponent
        EntryMenu {
            objectName: "entryMenu"
            commands: menus.commands
            steps: menus.steps
            manage: menus.manage
            onClosed: menus.entryMenuClosed()
        }
    }
}

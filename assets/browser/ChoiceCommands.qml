// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel
import Vantrel.Scene

// The commands that change a choice the browser keeps: sort key, order,
// direction, hidden entries, remembering the folder. They apply while the
// browser is on top.
QtObject {
    id: choices
    required property bool active
    required property BrowserSettings kept

    readonly property Command showHidden: Command {
        info: Commands.showHidden; enabled: choices.active
        onTriggered: choices.kept.showHidden = !choices.kept.showHidden
    }
    readonly property Command hiddenLast: Command {
        info: Commands.hiddenLast; enabled: choices.active
        onTriggered: choices.kept.hiddenLast = !choices.kept.hiddenLast
    }
    readonly property Command sortName: Command {
        info: Commands.sortName; enabled: choices.active
        onTriggered: choices.kept.sortBy = "name"
    }
    readonly property Command sortSize: Command {
        info: Commands.sortSize; enabled: choices.active
        onTriggered: choices.kept.sortBy = "size"
    }
    readonly property Command sortDate: Command {
        info: Commands.sortDate; enabled: choices.active
        onTriggered: choices.kept.sortBy = "date"
    }
    readonly property Command sortType: Command {
        info: Commands.sortType; enabled: choices.active
        onTriggered: choices.kept.sortBy = "type"
    }
    readonly property Command switchOrder: Command {
        info: Commands.switchOrder; enabled: choices.active
        onTriggered: choices.kept.kindFirst = !choices.kept.kindFirst
    }
    readonly property Command switchDirection: Command {
        info: Commands.switchDirection; enabled: choices.active
        onTriggered: choices.kept.ascending = !choices.kept.ascending
    }
    readonly property Command foldersFirst: Command {
        info: Commands.foldersFirst; enabled: choices.active
        onTriggered: choices.kept.kindFirst = true
    }
    readonly property Command byName: Command {
        info: Commands.byName; enabled: choices.active
        onTriggered: choices.kept.kindFirst = false
    }
    readonly property Command ascending: Command {
        info: Commands.ascending; enabled: choices.active
        onTriggered: choices.kept.ascending = true
    }
    readonly property Command descending: Command {
        info: Commands.descending; enabled: choices.active
        onTriggered: choices.kept.ascending = false
    }
    readonly property Command rememberFolder: Command {
        info: Commands.rememberFolder; enabled: choices.active
        onTriggered: choices.kept.rememberFolder = !choices.kept.rememberFolder
    }
}

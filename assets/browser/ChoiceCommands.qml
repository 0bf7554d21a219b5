import QtQuick
import Vantrel.Scene

// The commands that change a choice the browser keeps: sort key, order,
// direction, hidden entries, remembering the folder.
Item {
    id: choices
    required property Actions actions
    required property BrowserSettings kept

    Connections { target: choices.actions.showHidden; function onTriggered() { choices.kept.showHidden = !choices.kept.showHidden } }
    Connections { target: choices.actions.hiddenLast; function onTriggered() { choices.kept.hiddenLast = !choices.kept.hiddenLast } }
    Connections { target: choices.actions.sortName; function onTriggered() { choices.kept.sortBy = "name" } }
    Connections { target: choices.actions.sortSize; function onTriggered() { choices.kept.sortBy = "size" } }
    Connections { target: choices.actions.sortDate; function onTriggered() { choices.kept.sortBy = "date" } }
    Connections { target: choices.actions.sortType; function onTriggered() { choices.kept.sortBy = "type" } }
    Connections { target: choices.actions.switchOrder; function onTriggered() { choices.kept.kindFirst = !choices.kept.kindFirst } }
    Connections { target: choices.actions.switchDirection; function onTriggered() { choices.kept.ascending = !choices.kept.ascending } }
    Connections { target: choices.actions.foldersFirst; function onTriggered() { choices.kept.kindFirst = true } }
    Connections { target: choices.actions.byName; function onTriggered() { choices.kept.kindFirst = false } }
    Connections { target: choices.actions.ascending; function onTriggered() { choices.kept.ascending = true } }
    Connections { target: choices.actions.descending; function onTriggered() { choices.kept.ascending = false } }
    Connections { target: choices.actions.rememberFolder; function onTriggered() { choices.kept.rememberFolder = !choices.kept.rememberFolder } }
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A part of the scene that the first frame does not show, made when it is
// first wanted, so that the window opens without it. It takes the room of
// what it made while that shows, none before or while it is hidden.
Item {
    id: later

    // What to make, once wanted first turns true.
    required property Component component
    property bool wanted: false
    // What was made: null till then.
    property Item item: null

    implicitWidth: later.item ? later.item.implicitWidth : 0
    implicitHeight: later.item && later.item.visible ? later.item.implicitHeight : 0

    function make() {
        if (!later.item)
            later.item = later.component.createObject(later)
        return later.item
    }

    onWantedChanged: if (later.wanted) later.make()
    Component.onCompleted: if (later.wanted) later.make()
}

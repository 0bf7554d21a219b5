// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A part of the scene that the first frame does not show, made when it is
// first wanted, so that the window opens without it. It takes the room of
// what it made while that shows, none before or while it is hidden.
Item {
    id: later

    // What to make, once wanted first turns true: a component, or the
    // address of a file, which is then not even read before (what it makes
    // is as wide as this item, and gets properties).
    property Component component: null
    property url source
    property var properties: ({})
    property bool wanted: false
    // What was made: null till then.
    property Item item: null

    // Just made, before anything shows it.
    signal made(var item)

    implicitWidth: later.item ? later.item.implicitWidth : 0
    implicitHeight: later.item && later.item.visible ? later.item.implicitHeight : 0

    function make() {
        if (later.item)
            return later.item
        if (later.component) {
            later.item = later.component.createObject(later)
        } else {
            const item = Qt.createComponent(later.source).createObject(later, later.properties) as Item
            if (!item)
                return null
            item.width = Qt.binding(() => later.width)
            later.item = item
        }
        later.made(later.item)
        return later.item
    }

    onWantedChanged: if (later.wanted) later.make()
    Component.onCompleted: if (later.wanted) later.make()
}

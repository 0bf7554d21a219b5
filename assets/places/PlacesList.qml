// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The places under their headings. Arrows, Home and End move, Enter or a click opens,
// Delete drops the bookmark chosen, Escape hands the keyboard back.
ListView {
    id: list
    objectName: "placesList"

    // The folder the browser shows, marked in bold.
    property string folder: ""
    // "//usr", "/usr" and "/usr/" are one folder.
    function samePlace(a, b) {
        const norm = (p) => p.replace(/^\/+/, "/").replace(/\/*$/, "/")
        return a !== "" && b !== "" && norm(a) === norm(b)
    }

    signal chosen(string path)
    signal removeRequested(string path)
    signal done()

    clip: true
    focus: true
    activeFocusOnTab: true
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Places")

    // The headings are drawn by the first place of each section: a view's
    // own section headers are reused with their old words after a reset.
    section.property: "section"
    function heading(section) {
        return section === "volumes" ? qsTr("Volumes")
             : section === "bookmarks" ? qsTr("Bookmarks") : qsTr("Places")
    }

    delegate: PlaceDelegate {
        readonly property PlacesList places: ListView.view as PlacesList
        here: places.samePlace(path, places.folder)
        heading: places.heading(section)
        onClicked: {
            places.currentIndex = index
            if (exists)
                places.chosen(path)
        }
        onRemoveRequested: places.removeRequested(path)
    }

    Keys.onPressed: (event) => {
        const row = currentItem as PlaceDelegate
        if (event.key === Qt.Key_Escape)
            done()
        else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && row && row.exists)
            chosen(row.path)
        else if (event.key === Qt.Key_Home || event.key === Qt.Key_End)
            currentIndex = count === 0 ? -1 : event.key === Qt.Key_Home ? 0 : count - 1
        else if (event.key === Qt.Key_Delete && row && row.section === "bookmarks")
            removeRequested(row.path)
        else
            return
        event.accepted = true
    }
    onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// The places beside the listing: standard folders, the root, volumes and the
// person's bookmarks, which it keeps in the settings.
FocusScope {
    id: pane
    objectName: "placesPane"

    // The folder the browser shows, marked in the list.
    property string folder: ""
    property alias places: places
    property alias list: list

    // A place was chosen: the browser is to open it.
    signal chosen(string path)
    // The keyboard goes back to the listing.
    signal done()

    function samePlace(a, b) {
        return list.samePlace(a, b)
    }

    function indexOf(path) {
        for (let i = 0; i < places.count; ++i) {
            if (samePlace(places.data(places.index(i, 0), Places.PathRole), path))
                return i
        }
        return -1
    }

    function addBookmark(path) {
        return places.addBookmark(path.replace(/^\/\//, "/"))
    }

    // Only strings from a list count; anything else in the file is dropped.
    function storedBookmarks() {
        const stored = Services.settings.value("bookmarks", [])
        return Array.isArray(stored) ? stored.filter(b => typeof b === "string" && b.startsWith("/")) : []
    }

    // The keyboard's row follows the open folder while the pane does not
    // have the keyboard itself.
    function follow() {
        if (!list.activeFocus)
            list.currentIndex = indexOf(folder)
    }

    property bool restored: false
    Component.onCompleted: {
        places.bookmarks = storedBookmarks()
        restored = true
        follow()
    }
    onFolderChanged: follow()

    Places {
        id: places
        onBookmarksChanged: if (pane.restored) Services.settings.setValue("bookmarks", bookmarks)
        // Volumes come and go: the mark stays on the open folder.
        onModelReset: pane.follow()
    }

    PlacesList {
        id: list
        anchors.fill: parent
        focus: true
        model: places
        folder: pane.folder
        onChosen: (path) => pane.chosen(path)
        onRemoveRequested: (path) => pane.places.removeBookmark(path)
        onDone: pane.done()
    }
}

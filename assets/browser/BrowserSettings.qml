// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel
import Vantrel.Scene

// The browser's choices kept in the settings between runs: sort key, order,
// direction, hidden entries, and whether to come back to the last folder.
QtObject {
    id: kept

    property bool kindFirst: setting("sortKindFirst", true)
    property bool ascending: setting("sortAscending", true)
    property bool rememberFolder: setting("rememberFolder", true)
    // "name", "size", "date" or "type".
    property string sortBy: {
        const stored = setting("sortBy", "name")
        return stored === "size" || stored === "date" || stored === "type" ? stored : "name"
    }
    property bool showHidden: setting("showHidden", false)
    // "list" or "grid".
    property string viewMode: setting("viewMode", "list") === "grid" ? "grid" : "list"
    property bool hiddenLast: setting("hiddenLast", false)
    // Change handlers also run while those are first set; only later
    // changes are the person's.
    property bool restored: false

    // A stored value of the wrong type (a hand-edited file) counts as unset.
    function setting(key, fallback) {
        const stored = Services.settings.value(key, fallback)
        return typeof stored === typeof fallback ? stored : fallback
    }

    // The folder remembered from the last run, "" for none.
    function lastFolder() {
        return rememberFolder ? setting("lastFolder", "") : ""
    }

    // The browser calls this whenever its folder changes.
    function folderShown(folder) {
        if (restored && rememberFolder)
            Services.settings.setValue("lastFolder", folder)
    }

    property string folder: ""
    onRememberFolderChanged: {
        if (!restored)
            return
        // Forgetting also drops the folder already stored.
        if (rememberFolder)
            Services.settings.setValue("lastFolder", folder)
        else
            Services.settings.remove("lastFolder")
        Services.settings.setValue("rememberFolder", rememberFolder)
    }
    onKindFirstChanged: if (restored) Services.settings.setValue("sortKindFirst", kindFirst)
    onAscendingChanged: if (restored) Services.settings.setValue("sortAscending", ascending)
    onSortByChanged: if (restored) Services.settings.setValue("sortBy", sortBy)
    onShowHiddenChanged: if (restored) Services.settings.setValue("showHidden", showHidden)
    onViewModeChanged: if (restored) Services.settings.setValue("viewMode", viewMode)
    onHiddenLastChanged: if (restored) Services.settings.setValue("hiddenLast", hiddenLast)
}

// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel.Scene

// The browser's choices kept in the settings between runs: sort key, order,
// direction, hidden entries, the view and its column widths, and whether
// to come back to the last folder.
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
    property bool listThumbnails: setting("listThumbnails", false)
    // The list's column widths in design units, so that they suit another
    // screen; a name width of 0 fills what the others leave.
    property real nameColumn: columnSetting("columnName", 0)
    property real sizeColumn: columnSetting("columnSize", 9)
    property real dateColumn: columnSetting("columnDate", 15)
    property real typeColumn: columnSetting("columnType", 12)
    // Change handlers also run while those are first set; only later
    // changes are the person's.
    property bool restored: false

    // A stored value of the wrong type (a hand-edited file) counts as unset.
    function setting(key, fallback) {
        const stored = Services.settings.value(key, fallback)
        return typeof stored === typeof fallback ? stored : fallback
    }

    function columnSetting(key, fallback) {
        const stored = setting(key, fallback)
        return stored >= 0 && stored < 1000 ? stored : fallback
    }
    // A column's new width, in pixels. Kept in hundredths of a unit, never
    // narrower than asked: the units give back whole pixels only, and a
    // fitted column one pixel short cuts its widest words again.
    function setColumn(key, pixels) {
        const wanted = Math.ceil(pixels - 0.001)
        let units = Math.ceil(wanted / Services.ui.du(100) * 10000) / 100
        for (let step = 0; step < 100 && Services.ui.du(units) < wanted; ++step)
            units = Math.round(units * 100 + 1) / 100
        if (key === "name") nameColumn = units
        else if (key === "size") sizeColumn = units
        else if (key === "date") dateColumn = units
        else if (key === "type") typeColumn = units
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
    onListThumbnailsChanged: if (restored) Services.settings.setValue("listThumbnails", listThumbnails)
    onNameColumnChanged: if (restored) Services.settings.setValue("columnName", nameColumn)
    onSizeColumnChanged: if (restored) Services.settings.setValue("columnSize", sizeColumn)
    onDateColumnChanged: if (restored) Services.settings.setValue("columnDate", dateColumn)
    onTypeColumnChanged: if (restored) Services.settings.setValue("columnType", typeColumn)
}

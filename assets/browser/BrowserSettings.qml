import QtQml
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
    property bool hiddenLast: setting("hiddenLast", false)
    // Change handlers also run while those are first set; only later
    // changes are the person's.
    property bool restored: false

    // A stored value of the wrong type (a hand-edited file) counts as unset.
    function setting(key, fallback) {
        const stored = _settings.value(key, fallback)
        return typeof stored === typeof fallback ? stored : fallback
    }

    // The folder remembered from the last run, "" for none.
    function lastFolder() {
        return rememberFolder ? setting("lastFolder", "") : ""
    }

    // The browser calls this whenever its folder changes.
    function folderShown(folder) {
        if (restored && rememberFolder)
            _settings.setValue("lastFolder", folder)
    }

    property string folder: ""
    onRememberFolderChanged: {
        if (!restored)
            return
        // Forgetting also drops the folder already stored.
        if (rememberFolder)
            _settings.setValue("lastFolder", folder)
        else
            _settings.remove("lastFolder")
        _settings.setValue("rememberFolder", rememberFolder)
    }
    onKindFirstChanged: if (restored) _settings.setValue("sortKindFirst", kindFirst)
    onAscendingChanged: if (restored) _settings.setValue("sortAscending", ascending)
    onSortByChanged: if (restored) _settings.setValue("sortBy", sortBy)
    onShowHiddenChanged: if (restored) _settings.setValue("showHidden", showHidden)
    onHiddenLastChanged: if (restored) _settings.setValue("hiddenLast", hiddenLast)
}

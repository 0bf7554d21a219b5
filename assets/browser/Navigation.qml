// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// Where the browser is and how it got there: the folder listed, the entry
// chosen in it, the way Back and Forward, and the commands that move along
// it, which apply while the browser is on top.
QtObject {
    id: navigation

    required property bool active
    required property BrowserSettings kept
    // Names the filter lets through.
    property string filterText: ""

    readonly property FolderModel model: FolderModel {
        sortKey: ({ name: FolderModel.Name, size: FolderModel.Size, date: FolderModel.Date,
                    type: FolderModel.Type })[navigation.kept.sortBy]
        ascending: navigation.kept.ascending
        foldersFirst: navigation.kept.kindFirst
        showHidden: navigation.kept.showHidden
        hiddenLast: navigation.kept.hiddenLast
        filterText: navigation.filterText
    }
    readonly property EntrySelection selection: EntrySelection { model: navigation.model }
    readonly property History history: History { }
    readonly property string folder: model.folder
    readonly property bool atRoot: folder === "/" || folder === "//"
    // Why the start folder is not the remembered one; "" when it is.
    property string notice: ""
    // A folder was opened: a start folder found later must not replace it.
    property bool started: false

    // A folder is about to be opened: the filter goes first.
    signal leaving()

    readonly property Command back: Command {
        info: Commands.back
        enabled: navigation.active && navigation.history.canBack
        onTriggered: navigation.goBack()
    }
    readonly property Command forward: Command {
        info: Commands.forward
        enabled: navigation.active && navigation.history.canForward
        onTriggered: navigation.goForward()
    }
    readonly property Command up: Command {
        info: Commands.up
        enabled: navigation.active && !navigation.atRoot && navigation.folder !== ""
        onTriggered: navigation.goUp()
    }
    readonly property Command home: Command {
        info: Commands.home
        enabled: navigation.active
        onTriggered: navigation.open(PathTools.home(), true, "")
    }
    readonly property Command reload: Command {
        info: Commands.reload
        enabled: navigation.active
        onTriggered: navigation.model.reload()
    }

    // Lists a folder with the entry at selectPath chosen, else the first;
    // remember keeps the folder being left for Back.
    function open(path, remember, selectPath) {
        const leavingFolder = folder
        leaving()
        // The folder on show again: its rows are there already; read anew.
        if (samePlace(path, leavingFolder) && !model.running) {
            selection.selectPath(selectPath || "")
            model.folder = path
            model.reload()
        } else {
            model.folder = path
            selection.selectPath(selectPath || "")
        }
        // Whatever still reads the published current path sees this one.
        if (Services.vantrel)
            Services.vantrel.currentPath = path.replace(/^\/\//, "/")
        if (remember && leavingFolder !== "" && leavingFolder !== path)
            history.visit(leavingFolder)
        started = true
    }

    // The same folder reads "//usr/" in the root's listing and "/usr" when
    // typed; compare them in one form.
    function samePlace(a, b) {
        const norm = (p) => p.replace(/^\/+/, "/").replace(/\/*$/, "/")
        return norm(a) === norm(b)
    }

    function goUp() {
        if (!atRoot)
            open(PathTools.parentOf(folder), true, folder)
    }
    function goBack() {
        if (history.canBack)
            open(history.back(folder), false, folder)
    }
    function goForward() {
        if (history.canForward)
            open(history.ahead(folder), false, "")
    }

    // Where the browser starts: the remembered folder, or the nearest
    // readable one above it, found off the UI thread.
    readonly property Connections startFolder: Connections {
        target: PathTools
        function onStartFolderFound(found, reason) {
            if (navigation.started)
                return // the person went somewhere already
            // A relative folder was never a place: found is home then.
            const kept = navigation.kept.lastFolder()
            const remembered = PathTools.shownPath(kept)
            navigation.open(reason === "" && kept.startsWith("/") ? kept : found, false, "")
            if (reason === "missing")
                navigation.notice = qsTranslate("Browser", "%1 no longer exists; showing the nearest folder above it.").arg(remembered)
            else if (reason === "unreadable")
                navigation.notice = qsTranslate("Browser", "%1 cannot be read; showing the nearest folder above it.").arg(remembered)
        }
    }
    // A folder or file named on the command line comes before the remembered one.
    readonly property Connections commandLineStart: Connections {
        target: CommandLine
        function onStartFound(found, select, reason) {
            if (navigation.started)
                return
            navigation.open(found, false, select)
            if (reason === "missing")
                navigation.notice = qsTranslate("Browser", "%1 does not exist; showing the nearest folder above it.").arg(PathTools.shownPath(CommandLine.path))
            else if (reason === "unreadable")
                navigation.notice = qsTranslate("Browser", "%1 cannot be read; showing the nearest folder above it.").arg(PathTools.shownPath(CommandLine.path))
        }
    }
    Component.onCompleted: {
        if (CommandLine.path !== "")
            CommandLine.findStart()
        else
            PathTools.findStartFolder(kept.lastFolder())
    }
}

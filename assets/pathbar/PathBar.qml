// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The folder's path as buttons, one per folder from the root down, cut at
// the left when too long. Ctrl+L or a click beside them turns it into a
// field: folder names complete (Tab, or a list chosen with Up/Down), "~" is
// home, Enter goes there, Escape leaves it as it was.
Item {
    id: bar
    objectName: "pathBar"

    required property string folder
    property bool editing: false
    // Why the typed path led nowhere, shown under the field.
    property string message: ""
    readonly property string shownPath: folder === "//" ? "/" : folder
    // The TextField, once made (edit() makes it); untyped, so that the
    // style's field is not read before.
    property var field: null
    // The folders that complete the typed path, and the list under the
    // field that offers them, made when first there is one to offer.
    property var offered: []
    // Made from its file with the first suggestions; untyped, so that
    // neither it nor the popup it is is read before.
    property var completion: null
    readonly property int chosen: completion ? completion.currentIndex : -1

    // Asks the browser to open folder and select the entry select in it.
    signal openRequested(string folder, string select)
    // The keyboard goes back to the listing.
    signal done()

    implicitHeight: editing ? editor.implicitHeight
                            : Math.max(segments.implicitHeight, field ? field.implicitHeight : 0)
    Layout.fillWidth: true
    Accessible.name: qsTr("Path: %1").arg(PathTools.shownPath(shownPath))

    function edit() {
        editor.make()
        if (!editing) {
            field.text = shownPath
            message = ""
            resolving = false
            tabPending = false
            suggestedFor = ""
            editing = true
        }
        field.forceActiveFocus()
        field.selectAll()
    }

    function cancel() {
        editing = false
        resolving = false
        message = ""
        closeSuggestions()
        done()
    }

    // Where the typed text leads, asked off the UI thread (the path may be
    // on a mount that does not answer); a path that does not exist stays typed.
    property bool resolving: false
    function go() {
        resolving = true
        PathTools.requestResolve(field.text, shownPath)
    }
    function arrive(where) {
        resolving = false
        if (!editing)
            return
        if (where.kind === PathTargets.Missing) {
            message = qsTr("No such folder: %1").arg(PathTools.shownPath(where.folder))
            return
        }
        editing = false
        message = ""
        closeSuggestions()
        if (where.kind !== PathTargets.Empty)
            openRequested(where.folder, where.kind === PathTargets.File ? where.select : "")
        done()
    }

    // Completions are read off the UI thread; completed() brings them.
    function suggest() {
        PathTools.requestComplete(field.text, shownPath, 40)
    }
    // The text the suggestions shown are for; Tab pressed before they came
    // completes once they do.
    property string suggestedFor: ""
    property bool tabPending: false
    readonly property bool settled: !resolving && (!editing || (field !== null && suggestedFor === field.text))
    function offer(suggestions) {
        suggestedFor = field.text
        offered = suggestions
        const shown = suggestions.length > 0 && field.activeFocus && editing
        if (shown && !completion)
            makeCompletion()
        if (completion) {
            completion.currentIndex = -1
            if (shown)
                completion.open()
            else
                completion.close()
        }
        if (tabPending) {
            tabPending = false
            complete()
        }
    }

    function makeCompletion() {
        const made = Qt.createComponent(Qt.resolvedUrl("PathCompletion.qml")).createObject(bar)
        made.y = Qt.binding(() => field.height)
        made.width = Qt.binding(() => field.width)
        made.suggestions = Qt.binding(() => bar.offered)
        made.picked.connect((text) => {
            field.text = text
            field.forceActiveFocus()
            bar.suggest()
        })
        completion = made
    }

    // Tab: the chosen suggestion, else the part all suggestions share.
    function closeSuggestions() {
        if (completion)
            completion.close()
    }
    function complete() {
        if (suggestedFor !== field.text && chosen < 0) {
            tabPending = true
            return
        }
        const all = offered
        if (chosen >= 0) {
            field.text = all[chosen]
        } else if (all.length > 0) {
            let common = all[0]
            for (const s of all)
                while (!s.startsWith(common))
                    common = common.slice(0, -1)
            if (common.length > field.text.length
                    && common.toLowerCase().startsWith(field.text.toLowerCase()))
                field.text = common
        }
        suggest()
    }

    Segments {
        id: segments
        anchors.fill: parent
        visible: !bar.editing
        path: bar.shownPath
        onChosen: (path) => bar.openRequested(path, "")
        onEmptyClicked: bar.edit()
    }

    // The field is made the first time a path is typed: most starts
    // never type one, and the field is the only one the first frame would read.
    MadeLater {
        id: editor
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: bar.editing
        source: Qt.resolvedUrl("PathField.qml")
        properties: ({ bar: bar })
        onMade: (made) => bar.field = made.field
    }

    Connections {
        target: PathTools
        function onCompleted(typed, base, completions) {
            if (bar.editing && typed === bar.field.text && base === bar.shownPath)
                bar.offer(completions)
        }
        function onResolved(typed, base, where) {
            if (bar.resolving && typed === bar.field.text && base === bar.shownPath)
                bar.arrive(where)
        }
    }
}

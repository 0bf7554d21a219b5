// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtTest
import Vantrel

// The places pane and the path bar, in the scene and the small tree of
// tst_scene.qml (folders alpha, beta, Bravo; files able.txt, one.txt,
// two.txt; alpha holds deeper and a1.txt).
Item {
    id: window
    width: 1000
    height: 600

    TestCase {
        id: testCase
        name: "Places"
        when: windowShown

        property Item scene: null
        readonly property Item stack: scene ? findChild(scene, "stack") : null
        readonly property Item browser: stack ? stack.get(0) : null
        readonly property Item list: browser ? browser.list : null
        // Made in the frames after the first: found once there.
        property Item pane: null
        property Item places: null
        readonly property Item bar: scene ? findChild(scene, "pathBar") : null
        // Made with the first Ctrl+L.
        readonly property Item field: bar ? bar.field : null

        function norm(path) { return path.replace(/\/+$/, "") }
        function here(relative) { return norm(relative === "" ? testTree : testTree + "/" + relative) }
        function selectedName() {
            return browser.entries.get(list.currentIndex).fileName
        }

        // The scene as it starts with these settings, showing folder of the tree.
        function start(settings, folder, width) {
            for (const key in settings)
                _settings.setValue(key, settings[key])
            const component = Qt.createComponent(Qt.resolvedUrl("../../assets/main.qml"))
            verify(component.status === Component.Ready, component.errorString())
            scene = createTemporaryObject(component, window, { width: width || window.width, height: window.height })
            browser.open(here(folder || ""), false, "")
            scene.forceActiveFocus()
            waitForRendering(scene, 300)
            tryVerify(() => list.activeFocus)
            pane = null
            tryVerify(() => (pane = findChild(scene, "placesPane")) && pane.restored, 5000, "the places are made")
            places = findChild(scene, "placesList")
            // Every row, which the pane makes over the frames it is made in.
            const laidOut = () => places.count > 0 && [...Array(places.count).keys()].every(i => places.itemAtIndex(i))
            tryVerify(laidOut, 5000, "the places are laid out")
        }

        function cleanup() {
            _settings.remove("bookmarks")
            _settings.remove("placesShown")
        }

        // The bookmark rows shown: {name, exists, row}.
        function bookmarkRows() {
            const rows = []
            for (let i = 0; i < places.count; ++i) {
                places.positionViewAtIndex(i, ListView.Contain)
                const row = places.itemAtIndex(i)
                if (row && row.section === "bookmarks")
                    rows.push({ name: row.name, exists: row.exists, row: row, index: i })
            }
            return rows
        }
        function bookmarkRow(name) {
            const found = bookmarkRows().find(r => r.name === name)
            verify(found, "bookmark " + name)
            return found
        }
        function typeText(text) {
            for (const c of text)
                keyClick(c)
        }

        // stored: the settings' bookmarks at start (relative to the tree, or
        // a value of the wrong kind); steps: "open NAME", "remove NAME" (the
        // button), "delete NAME" (the key) or keys.
        function test_bookmarks_data() {
            return [
                { tag: "Ctrl+D adds the folder", stored: null, steps: ["open alpha", "Ctrl+D"], kept: ["alpha"] },
                { tag: "a second Ctrl+D adds nothing", stored: null, steps: ["open alpha", "Ctrl+D", "Ctrl+D"], kept: ["alpha"] },
                { tag: "bookmarks in order", stored: null, steps: ["open beta", "Ctrl+D", "open alpha", "Ctrl+D"], kept: ["beta", "alpha"] },
                { tag: "restored at start", stored: ["beta", "alpha"], steps: [], kept: ["beta", "alpha"] },
                { tag: "removed with the button", stored: ["beta", "alpha"], steps: ["remove beta"], kept: ["alpha"] },
                { tag: "removed with Delete", stored: ["beta", "alpha"], steps: ["delete alpha"], kept: ["beta"] },
                { tag: "a gone one stays until removed", stored: ["gone", "beta"], steps: [], kept: ["gone", "beta"], gone: ["gone"] },
                { tag: "a gone one removed", stored: ["gone", "beta"], steps: ["remove gone"], kept: ["beta"] },
                { tag: "not a list", stored: "alpha", steps: [], kept: [] },
                { tag: "only paths count", stored: [3, "alpha", { a: 1 }], steps: [], kept: ["alpha"] },
            ]
        }
        function test_bookmarks(data) {
            const stored = Array.isArray(data.stored)
                ? data.stored.map(b => typeof b === "string" ? here(b) + "/" : b) : data.stored
            start(data.stored === null ? {} : { bookmarks: stored })
            for (const step of data.steps) {
                const [verb, name] = step.split(" ")
                if (verb === "open")
                    browser.open(here(name), true, "")
                else if (verb === "remove") {
                    // Shown while pointed at.
                    const row = bookmarkRow(name).row
                    const remove = findChild(row, "removeBookmark")
                    mouseMove(row, row.width / 2, row.height / 2)
                    tryVerify(() => remove.visible)
                    mouseClick(remove)
                }
                else if (verb === "delete") {
                    places.forceActiveFocus()
                    places.currentIndex = bookmarkRow(name).index
                    keyClick(Qt.Key_Delete)
                } else
                    keySequence(step)
            }
            const expected = data.kept.map(b => here(b) + "/")
            // Shown, and kept in the settings as a list of folders.
            compare(bookmarkRows().map(r => r.name), data.kept)
            if (data.steps.length > 0)
                compare(_settings.value("bookmarks", []), expected)
            for (const r of bookmarkRows()) {
                const gone = (data.gone || []).includes(r.name)
                compare(r.exists, !gone, r.name)
                compare(r.row.opacity < 1, gone, r.name + " greyed")
                const remove = findChild(r.row, "removeBookmark")
                if (gone) {
                    verify(remove.visible)
                    compare(remove.text, qsTranslate("PlaceDelegate", "Remove"))
                }
            }
        }

        // The headings the pane shows, top to bottom, as "text:section of
        // the place right under it".
        function headings() {
            const found = []
            const walk = (item) => {
                for (let i = 0; i < item.children.length; ++i) {
                    const child = item.children[i]
                    if (child.objectName === "placeHeading" && child.visible)
                        found.push(child)
                    walk(child)
                }
            }
            places.positionViewAtBeginning()
            walk(places.contentItem)
            const shown = found.map(h => {
                const below = h.mapToItem(places.contentItem, h.width / 2, h.height + 1)
                const row = places.itemAt(below.x, below.y)
                return { y: below.y, text: h.text + ":" + (row ? row.section : "none") }
            })
            return shown.sort((a, b) => a.y - b.y).map(h => h.text)
        }
        // A place's tip says where it is as the path bar writes it.
        function test_tip_data() {
            return [
                { tag: "a bookmark", stored: ["alpha"], name: "alpha" },
                { tag: "a gone one", stored: ["gone"], name: "gone", gone: true },
            ]
        }
        function test_tip(data) {
            start({ bookmarks: data.stored.map(b => here(b) + "/") })
            const tip = bookmarkRow(data.name).row.ToolTip.text
            compare(tip, data.gone ? qsTranslate("PlaceDelegate", "%1 no longer exists").arg(here(data.name)) : here(data.name))
        }

        function test_headings_data() {
            return [
                { tag: "no bookmark", stored: [], steps: [], sections: ["places"] },
                { tag: "one added", stored: [], steps: ["add alpha"], sections: ["places", "bookmarks"] },
                { tag: "two added", stored: [], steps: ["add alpha", "add beta"], sections: ["places", "bookmarks"] },
                { tag: "one of two removed", stored: ["alpha", "beta"], steps: ["remove beta"], sections: ["places", "bookmarks"] },
                { tag: "the last removed", stored: ["alpha"], steps: ["remove alpha"], sections: ["places"] },
                { tag: "removed and added", stored: ["alpha"], steps: ["remove alpha", "add beta"], sections: ["places", "bookmarks"] },
            ]
        }
        function test_headings(data) {
            start({ bookmarks: data.stored.map(b => here(b) + "/") })
            for (const step of data.steps) {
                const [verb, name] = step.split(" ")
                if (verb === "add")
                    verify(pane.addBookmark(here(name)))
                else
                    verify(pane.places.removeBookmark(here(name) + "/"))
                waitForRendering(scene, 100)
            }
            const words = { places: qsTranslate("PlacesList", "Places"),
                            volumes: qsTranslate("PlacesList", "Volumes"),
                            bookmarks: qsTranslate("PlacesList", "Bookmarks") }
            // Each heading names the section under it; volumes come and go
            // with the machine, the others are fixed. Bookmarks are looked
            // at on a worker and shown again when the look answers.
            const expected = data.sections.map(s => words[s] + ":" + s)
            const right = () => {
                const shown = headings()
                return shown.every(h => h.startsWith(words[h.split(":")[1]] + ":"))
                    && JSON.stringify(shown.filter(h => !h.endsWith(":volumes"))) === JSON.stringify(expected)
            }
            tryVerify(right, 3000, headings().join(" | "))
            wait(200)
            verify(right(), headings().join(" | "))
        }

        // The shared documents place shows once a copy has made its folder,
        // in the same run.
        function test_sharedDocuments() {
            start({})
            const copier = findChild(scene, "copier")
            const shared = testTree.replace(/tree$/, "shared-" + Date.now()) + "/Vantrel/"
            copier.job.destinationFolder = shared
            pane.places.sharedFolder = shared
            const name = qsTranslate("Places", "Shared documents")
            const shown = () => {
                for (let i = 0; i < places.count; ++i) {
                    places.positionViewAtIndex(i, ListView.Contain)
                    const row = places.itemAtIndex(i)
                    if (row && row.name === name && row.path === shared)
                        return true
                }
                return false
            }
            wait(200)
            verify(!shown(), "shown before its folder is there")
            verify(copier.copy(testTree + "/one.txt"))
            tryVerify(shown, 5000)
        }

        // In a narrow window the path gives way by whole folders, from the
        // root down; the open folder always shows whole.
        function test_narrowPath_data() {
            return [
                { tag: "wide", width: 1000, from: "alpha/deeper" },
                { tag: "narrow", width: 420, from: "alpha/deeper" },
                { tag: "very narrow", width: 300, from: "alpha/deeper" },
            ]
        }
        function test_narrowPath(data) {
            start({ placesShown: false }, data.from, data.width)
            const segments = findChild(bar, "pathSegments")
            const parts = PathTools.segments(browser.folder)
            const ellipsis = findChild(segments, "pathEllipsis")
            tryVerify(() => {
                const last = findChild(segments, "segment" + (parts.length - 1))
                return last && last.visible && last.width > 0
            })
            waitForRendering(scene, 100)
            let hidden = 0
            for (let i = 0; i < parts.length; ++i) {
                const button = findChild(segments, "segment" + i)
                compare(button.text, parts[i].name)
                // Shown means whole: no name runs past either edge.
                const at = button.mapToItem(segments, 0, 0)
                const seen = button.visible && at.x < segments.width && at.x + button.width > 0
                if (!seen) {
                    ++hidden
                    verify(i < parts.length - 1, "the open folder is hidden")
                    continue
                }
                verify(at.x >= -0.5 && at.x + button.width <= segments.width + 0.5,
                       parts[i].name + " is cut at " + at.x + " + " + button.width + " of " + segments.width)
            }
            compare(ellipsis.visible, hidden > 0)
            if (data.width >= 1000)
                compare(hidden, 0)
            else
                verify(hidden > 0, "the narrow window holds the whole path")
        }

        // Keys and clicks on the pane; where the browser ends up, where the
        // keyboard is, and whether the pane shows.
        function test_pane_data() {
            return [
                { tag: "F9 hides", keys: ["F9"], shown: false, kept: false },
                { tag: "F9 twice shows again", keys: ["F9", "F9"], shown: true, kept: true },
                { tag: "kept hidden at start", stored: false, keys: [], shown: false },
                { tag: "a junk setting shows", stored: "no", keys: [], shown: true },
                { tag: "a click opens and gives back the keyboard", click: "beta", folder: "beta", shown: true },
                { tag: "a gone bookmark does not open", click: "gone", folder: "", shown: true },
                { tag: "Ctrl+F6, arrows and Enter", keys: ["Ctrl+F6", "End", "Up", "Return"], folder: "beta", shown: true },
                { tag: "Escape gives back the keyboard", keys: ["Ctrl+F6", "Down", "Escape"], folder: "", shown: true },
                { tag: "narrow: F9 opens a drawer", width: 400, keys: ["F9"], drawer: true, shown: false },
                { tag: "narrow: a click in the drawer opens", width: 400, keys: ["F9"], click: "beta", folder: "beta", shown: false },
                { tag: "narrow: Escape closes the drawer", width: 400, keys: ["F9", "Escape"], shown: false },
            ]
        }
        function test_pane(data) {
            const settings = { bookmarks: [here("beta") + "/", here("gone") + "/"] }
            if (data.stored !== undefined)
                settings.placesShown = data.stored
            start(settings, "", data.width)
            // The drawer is made for a narrow window only.
            const drawer = findChild(scene, "placesDrawer")
            compare(drawer !== null, !!data.width)
            for (const key of data.keys || []) {
                keySequence(key)
                if (key === "F9" && data.width)
                    tryVerify(() => drawer.opened && places.activeFocus)
            }
            if (data.click) {
                const row = bookmarkRow(data.click).row
                mouseClick(row)
            }
            if (drawer)
                tryCompare(drawer, "opened", data.drawer || false)
            compare(norm(browser.folder), here(data.folder || ""))
            compare(pane.visible && !data.width, data.shown)
            if (data.kept !== undefined)
                compare(_settings.value("placesShown"), data.kept)
            if (!data.drawer)
                tryVerify(() => list.activeFocus)
            else
                verify(places.activeFocus)
            // The open folder is the place marked.
            if (data.folder === "beta" && !data.width)
                compare(places.currentIndex, bookmarkRow("beta").index)
        }

        // Typed into the path field after Ctrl+L (or a click beside the
        // path), then Enter unless keys say otherwise.
        function test_pathBar_data() {
            return [
                { tag: "a folder", typed: "alpha", folder: "alpha" },
                { tag: "a folder with a slash", typed: "alpha/deeper/", folder: "alpha/deeper" },
                { tag: "a file selects it", typed: "two.txt", folder: "", selected: "two.txt" },
                { tag: "a file further down", typed: "alpha/a1.txt", folder: "alpha", selected: "a1.txt" },
                { tag: "an absolute path", typed: "ABS/beta", folder: "beta" },
                { tag: "dot dot", typed: "alpha/../Bravo", folder: "Bravo" },
                { tag: "missing keeps the listing", typed: "nothing/here", folder: "", missing: "nothing/here" },
                { tag: "a missing file's folder", typed: "alpha/x.txt", folder: "", missing: "alpha/x.txt" },
                { tag: "~ is home", typed: "~", home: true },
                { tag: "~/ is home", typed: "~/", home: true },
                { tag: "Backspace edits the text", typed: "alphx", keys: ["Backspace", "a", "Return"], folder: "alpha" },
                { tag: "Escape leaves all as it was", typed: "alpha", keys: ["Escape"], folder: "" },
                { tag: "Tab completes", typed: "al", keys: ["Tab"], text: "alpha/", editing: true },
                { tag: "Tab twice goes down", typed: "al", keys: ["Tab", "d", "Tab"], text: "alpha/deeper/", editing: true },
                { tag: "Tab with two choices keeps the text", typed: "b", keys: ["Tab"], text: "b", suggestions: 2, editing: true },
                { tag: "Down chooses a suggestion", typed: "b", keys: ["Down", "Down", "Return"], folder: "Bravo" },
                { tag: "a click beside the path", typed: "beta", click: true, folder: "beta" },
            ]
        }
        function test_pathBar(data) {
            start({})
            // The field, made with the first edit, leaves the listing where it was.
            const listTop = list.mapToItem(null, 0, 0).y
            if (data.click) {
                const segments = findChild(bar, "pathSegments")
                if (segments.cut)
                    skip("the path fills the bar")
                mouseClick(segments, segments.width - 2, segments.height / 2)
            } else {
                keySequence("Ctrl+L")
            }
            tryVerify(() => field.activeFocus)
            compare(list.mapToItem(null, 0, 0).y, listTop)
            compare(norm(field.text), here(""))
            compare(field.selectedText, field.text)
            typeText(data.typed.replace("ABS", testTree))
            // Completion and resolution answer from a worker, as a person
            // typing at a person's pace would see them.
            for (const key of data.keys || ["Return"]) {
                tryVerify(() => bar.settled, 5000)
                keySequence(key)
            }
            tryVerify(() => bar.settled, 5000)
            compare(bar.editing, !!(data.editing || data.missing))
            if (data.text !== undefined)
                compare(field.text, data.text)
            if (data.suggestions !== undefined) {
                // The list is made when first there is something to offer.
                const completion = findChild(bar, "pathCompletion")
                compare(completion ? completion.count : 0, data.suggestions)
            }
            if (data.home)
                compare(norm(browser.folder), norm(PathTools.home()))
            else if (data.folder !== undefined)
                compare(norm(browser.folder), here(data.folder))
            // The folder's rows arrive from a worker; the file is chosen then.
            if (data.selected)
                tryVerify(() => !browser.entries.running && selectedName() === data.selected,
                          5000, selectedName())
            const message = findChild(bar, "pathMessage")
            compare(message.visible, !!data.missing)
            if (data.missing) {
                verify(message.text.endsWith(here(data.missing)), message.text)
                verify(browser.entries.count > 0, "the listing stays")
                verify(field.activeFocus)
            } else if (!data.editing) {
                tryVerify(() => list.activeFocus)
            }
        }

        // A click on a part of the path opens that folder; Alt+Home goes home.
        function test_segments_data() {
            return [
                { tag: "the parent", from: "alpha/deeper", click: "alpha", folder: "alpha" },
                { tag: "the tree", from: "alpha/deeper", click: "tree", folder: "" },
                { tag: "the root", from: "alpha", click: "/", root: true },
                { tag: "Alt+Home", from: "alpha", keys: "Alt+Home", home: true },
            ]
        }
        function test_segments(data) {
            start({}, data.from)
            if (data.keys) {
                keySequence(data.keys)
            } else {
                let button = null
                for (let i = 0; !button; ++i) {
                    const candidate = findChild(bar, "segment" + i)
                    verify(candidate, data.click)
                    if (candidate.text === data.click)
                        button = candidate
                }
                mouseClick(button)
            }
            if (data.home)
                compare(norm(browser.folder), norm(PathTools.home()))
            else if (data.root)
                verify(browser.atRoot)
            else
                compare(norm(browser.folder), here(data.folder))
            // The way back leads where it started.
            keySequence("Alt+Left")
            compare(norm(browser.folder), here(data.from))
        }
    }
}

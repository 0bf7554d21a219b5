// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtTest

// The scene as a person meets it: focus, clicks, history, sort order and
// type-ahead, in a small tree (folders alpha, beta, Bravo; files able.txt,
// one.txt, two.txt; alpha holds the folder deeper and a1.txt).
Item {
    id: window
    width: 640
    height: 480

    TestCase {
        id: testCase
        name: "Scene"
        when: windowShown

        property Item scene: null
        readonly property Item stack: scene ? findChild(scene, "stack") : null
        readonly property Item browser: stack ? stack.get(0) : null
        readonly property Item list: browser ? browser.list : null
        // The browser's command of that name (Commands), where it is bound.
        function command(name) { return findChild(browser, name + "Command") }

        function norm(path) { return path.replace(/\/+$/, "") }
        function here(relative) { return norm(testTree + "/" + relative) }
        function names() {
            const shown = []
            for (let i = 0; i < browser.entries.count; ++i)
                shown.push(browser.entries.get(i).fileName)
            return shown
        }
        // The listing is read on a worker: wait for it to arrive.
        function listed() {
            tryVerify(() => !browser.entries.running && browser.entries.folder !== "")
        }
        function choose(name) {
            listed()
            const index = names().indexOf(name)
            verify(index >= 0, name)
            list.currentIndex = index
            keyClick(Qt.Key_Return)
        }

        function init() {
            const component = Qt.createComponent(Qt.resolvedUrl("../../assets/main.qml"))
            verify(component.status === Component.Ready, component.errorString())
            scene = createTemporaryObject(component, window, { width: window.width, height: window.height })
            browser.kindFirst = true
            browser.ascending = true
            browser.open(testTree, false, "")
            listed()
            scene.forceActiveFocus() // as the application does when it shows the scene
            // Laid out, so that rows lie where they show; an offscreen scene that
            // has drawn already draws nothing new, so do not wait long for it.
            waitForRendering(scene, 300)
        }

        function test_focus_data() {
            return [
                { tag: "at start", open: "" },
                { tag: "after the text view", open: "one.txt" },
                { tag: "after About", open: "about" },
                { tag: "after the menu", open: "menu" },
            ]
        }
        function test_focus(data) {
            tryVerify(() => list.activeFocus)
            if (data.open === "")
                return
            if (data.open === "menu") {
                const menu = findChild(scene, "browserMenu")
                keySequence("F10")
                tryVerify(() => menu.opened && !list.activeFocus)
                keyClick(Qt.Key_Escape)
                tryVerify(() => !menu.visible)
            } else {
                if (data.open === "about")
                    command("about").trigger()
                else
                    choose(data.open)
                tryCompare(stack, "depth", 2)
                tryVerify(() => !stack.busy && !list.activeFocus)
                keyClick(Qt.Key_Escape)
                tryCompare(stack, "depth", 1)
            }
            tryVerify(() => list.activeFocus)
        }

        // A double click on alpha must not also open deeper, the row that
        // lies under the pointer once alpha is shown.
        function test_clicks_data() {
            return [
                { tag: "click selects", double: false, row: 1, folder: "", current: 1 },
                { tag: "double click opens a folder once", double: true, row: 0, folder: "alpha", current: 0 },
                { tag: "double click opens a file once", double: true, row: 3, folder: "", current: 3 },
            ]
        }
        function test_clicks(data) {
            const row = list.itemAtIndex(data.row)
            verify(row)
            if (data.double)
                mouseDoubleClickSequence(row)
            else
                mouseClick(row)
            wait(Qt.styleHints.mouseDoubleClickInterval)
            compare(norm(browser.folder), here(data.folder))
            compare(list.currentIndex, data.current)
            compare(stack.depth, data.double && data.folder === "" ? 2 : 1)
        }

        // Steps: a name opens that entry with Enter; otherwise the keys of a command.
        function test_history_data() {
            return [
                { tag: "back", steps: ["alpha", "Alt+Left"], folder: "", back: false, forward: true },
                { tag: "forward again", steps: ["alpha", "Alt+Left", "Alt+Right"], folder: "alpha", back: true, forward: false },
                { tag: "up, then back", steps: ["alpha", "deeper", "Alt+Up", "Alt+Left"], folder: "alpha/deeper", back: true, forward: true },
                { tag: "opening drops forward", steps: ["alpha", "Alt+Left", "beta"], folder: "beta", back: true, forward: false },
                { tag: "backspace goes up", steps: ["alpha", "deeper", "Backspace"], folder: "alpha", back: true, forward: false },
                { tag: "nothing to go back to", steps: ["Alt+Left"], folder: "", back: false, forward: false },
            ]
        }
        function test_history(data) {
            for (const step of data.steps) {
                if (step.match(/^[a-z]+$/))
                    choose(step)
                else
                    keySequence(step)
            }
            listed()
            compare(norm(browser.folder), here(data.folder))
            // The window's title names the folder.
            compare(scene.title, norm(browser.folder).split("/").pop())
            compare(command("back").enabled, data.back)
            compare(command("forward").enabled, data.forward)
        }

        function test_sort_data() {
            const kindFirst = ["alpha", "beta", "Bravo", "able.txt", "one.txt", "two.txt"]
            const byName = ["able.txt", "alpha", "beta", "Bravo", "one.txt", "two.txt"]
            return [
                { tag: "folders first", steps: ["foldersFirst", "ascending"], names: kindFirst },
                { tag: "descending", steps: ["descending"], names: ["Bravo", "beta", "alpha", "two.txt", "one.txt", "able.txt"] },
                { tag: "by name", steps: ["byName"], names: byName },
                { tag: "by name, descending", steps: ["byName", "descending"], names: byName.slice().reverse() },
                { tag: "Ctrl+K switches", steps: ["Ctrl+K"], names: byName },
                { tag: "Ctrl+K twice", steps: ["Ctrl+K", "Ctrl+K"], names: kindFirst },
                { tag: "Ctrl+R reverses", steps: ["byName", "Ctrl+R"], names: byName.slice().reverse() },
            ]
        }
        function test_sort(data) {
            for (const step of data.steps) {
                if (step.startsWith("Ctrl"))
                    keySequence(step)
                else
                    command(step).trigger()
            }
            compare(names(), data.names)
        }

        // Keys on the chosen entry: which page comes up, and the folder stays.
        function test_entryKeys_data() {
            return [
                { tag: "Shift+Enter asks before running a program", folder: "alpha/deeper", name: "run.sh",
                  key: "Shift+Return", page: "openPage", title: "run.sh" },
                { tag: "Enter shows a script's text", folder: "alpha/deeper", name: "run.sh",
                  key: "Return", page: "textView", title: "run.sh" },
                { tag: "Alt+Enter shows a folder's properties only", folder: "", name: "alpha",
                  key: "Alt+Return", page: "propertiesPage", title: "alpha" },
                { tag: "Alt+Enter on a file", folder: "", name: "one.txt",
                  key: "Alt+Return", page: "propertiesPage", title: "one.txt" },
            ]
        }
        function test_entryKeys(data) {
            browser.open(here(data.folder), false, "")
            listed()
            tryVerify(() => list.activeFocus)
            list.currentIndex = names().indexOf(data.name)
            keySequence(data.key)
            tryVerify(() => stack.depth === 2 && stack.currentItem.objectName === data.page, 5000,
                      stack.currentItem ? stack.currentItem.objectName : "")
            compare(stack.currentItem.title, data.title)
            compare(norm(browser.folder), here(data.folder))
            if (data.page === "openPage") {
                tryCompare(stack.currentItem, "stage", "confirm", 5000)
                verify(findChild(stack.currentItem, "openMessage").text !== "")
            }
        }

        // The filter, the About page and the entry menu by keyboard.
        function test_keyboard_data() {
            return [
                { tag: "/ opens the filter and types nothing", steps: ["/"], filter: true, typed: "" },
                { tag: "Down then Escape clears the filter", steps: ["Ctrl+F", "o", "Down", "Escape"],
                  filter: false, typed: "", shown: 6 },
                { tag: "Escape in the filter clears it", steps: ["Ctrl+F", "o", "Escape"], filter: false, shown: 6 },
                { tag: "the filter keeps its rows after Down", steps: ["Ctrl+F", "o", "Down"], filter: true, shown: 3 },
            ]
        }
        function test_keyboard(data) {
            tryVerify(() => list.activeFocus)
            for (const step of data.steps)
                keySequence(step)
            const bar = findChild(browser, "filterBar")
            compare(bar.visible, data.filter)
            if (data.typed !== undefined)
                compare(list.typeAhead.typed, data.typed)
            if (data.shown !== undefined)
                tryCompare(browser.entries, "count", data.shown)
        }

        // With the filter bar shown, the chosen last entry stays whole in
        // sight, clear of the bar, and so does it after scrolling to the end.
        function test_lastRow_data() {
            return [
                { tag: "list", keys: "Ctrl+1", view: "entryList" },
                { tag: "grid", keys: "Ctrl+2", view: "entryGrid" },
            ]
        }
        function test_lastRow(data) {
            scene.height = 260 // fewer rows than the folder holds
            keySequence(data.keys)
            const view = findChild(browser, data.view)
            tryVerify(() => view.visible && view.activeFocus)
            const bar = findChild(browser, "filterBar")
            const within = (item, outer) => {
                const at = item.mapToItem(outer, 0, 0)
                return at.y >= -0.5 && at.y + item.height <= outer.height + 0.5
            }
            const clearOfBar = (item) => {
                const at = item.mapToItem(bar, 0, 0)
                return at.y + item.height <= 0.5 || at.y >= bar.height - 0.5
            }
            verify(view.contentHeight > view.height, "the rows do not fit")
            keyClick(Qt.Key_End)
            keySequence("Ctrl+F")
            tryVerify(() => bar.visible && bar.height > 0)
            waitForRendering(scene, 300)
            for (const step of ["shown", "scrolled"]) {
                if (step === "scrolled")
                    view.positionViewAtEnd()
                const last = view.itemAtIndex(view.count - 1)
                verify(last, step)
                compare(view.currentIndex, view.count - 1)
                verify(within(last, view), step + ": cut by the view's edge")
                verify(within(view, scene), step + ": the view goes past the window")
                verify(clearOfBar(last), step + ": under the filter bar")
            }
            keySequence("Escape")
            keySequence("Ctrl+1")
        }

        function test_aboutScrolls() {
            browser.showAbout()
            tryVerify(() => stack.currentItem && stack.currentItem.objectName === "aboutPage")
            const flick = findChild(stack.currentItem, "aboutFlick")
            tryVerify(() => stack.currentItem.activeFocus)
            if (flick.contentHeight <= flick.height)
                skip("the About page fits the window")
            keyClick(Qt.Key_End)
            tryVerify(() => flick.contentY > 0)
            const end = flick.contentY
            keyClick(Qt.Key_Up)
            verify(flick.contentY < end)
            keyClick(Qt.Key_Home)
            compare(flick.contentY, 0)
        }

        function test_menuEnd() {
            tryVerify(() => list.activeFocus)
            list.currentIndex = names().indexOf("one.txt")
            keyClick(Qt.Key_Menu)
            const menu = findChild(browser, "entryMenu")
            tryVerify(() => menu.opened)
            keyClick(Qt.Key_End)
            compare(menu.itemAt(menu.currentIndex).objectName, "menuProperties")
            keyClick(Qt.Key_Home)
            compare(menu.itemAt(menu.currentIndex).objectName, "menuOpen")
            keyClick(Qt.Key_Escape)
        }

        function test_typeAhead_data() {
            return [
                { tag: "first letter", typed: ["b"], name: "beta" },
                { tag: "more letters", typed: ["b", "r"], name: "Bravo" },
                { tag: "case ignored", typed: ["O"], name: "one.txt" },
                { tag: "no match stays", typed: ["z"], name: "alpha" },
                { tag: "a pause starts afresh", typed: ["b", "", "t"], name: "two.txt" },
                { tag: "same letter moves on", typed: ["b", "", "b"], name: "Bravo" },
            ]
        }
        function test_typeAhead(data) {
            tryVerify(() => list.activeFocus)
            for (const key of data.typed) {
                if (key === "")
                    wait(1000)
                else
                    keyClick(key)
            }
            compare(names()[list.currentIndex], data.name)
        }
    }
}

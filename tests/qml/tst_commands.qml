import QtQuick
import QtTest
import Vantrel.Scene

// Every key of every command reaches that command, and only while the
// command applies.
TestCase {
    id: testCase
    name: "Actions"
    when: windowShown

    Component {
        id: actionsComponent
        Actions { canBack: true; canForward: true; canUp: true; canZoom: true; canFind: true; canStep: true }
    }
    SignalSpy { id: spy; signalName: "triggered" }

    // One row per key, read from the commands themselves.
    function test_keys_data() {
        const actions = actionsComponent.createObject(null)
        const rows = []
        actions.all.forEach((command, index) => {
            if (!command.local)
                command.keys.forEach(key => rows.push({ tag: command.text + " " + key, index: index, key: key }))
        })
        actions.destroy()
        verify(rows.length >= 14, "every command with keys is listed")
        return rows
    }
    function test_keys(data) {
        const actions = createTemporaryObject(actionsComponent, testCase)
        const command = actions.all[data.index]
        actions.browsing = true
        if (!command.enabled)
            actions.browsing = false
        verify(command.enabled)
        spy.target = command
        spy.clear()
        keySequence(data.key)
        compare(spy.count, 1)
        // The page that does not own the command never hears its keys.
        actions.browsing = !actions.browsing
        verify(!command.enabled)
        keySequence(data.key)
        compare(spy.count, 1)
    }
}

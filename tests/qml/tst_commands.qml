// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtTest
import Vantrel
import Vantrel.Scene

// Every key of every declared command reaches a command bound to it, and
// only while that command applies.
TestCase {
    id: testCase
    name: "Commands"
    width: 200
    height: 100
    when: windowShown

    Component {
        id: commandComponent
        Command { }
    }
    SignalSpy { id: spy; signalName: "triggered" }
    ServicesFromContext { }

    // One row per key, read from the declarations themselves.
    function test_keys_data() {
        const rows = []
        for (let index = 0; index < Commands.all.length; ++index) {
            const info = Commands.all[index]
            if (!info.local)
                info.keys.forEach(key => rows.push({ tag: info.text + " " + key, index: index, key: key }))
        }
        verify(rows.length >= 14, "every command with keys is listed")
        return rows
    }
    function test_keys(data) {
        const command = createTemporaryObject(commandComponent, testCase,
                                              { info: Commands.all[data.index] })
        verify(command.enabled)
        spy.target = command
        spy.clear()
        keySequence(data.key)
        compare(spy.count, 1)
        // A page that does not carry the command out now never hears its keys.
        command.enabled = false
        keySequence(data.key)
        compare(spy.count, 1)
    }

    Component {
        id: buttonComponent
        FlatToolButton { text: "Go"; width: 120; height: 40 }
    }

    // A tool button is bare at rest and draws its panel while pressed.
    function test_flatPanel() {
        // In the window itself: the test case is an item never shown.
        const button = createTemporaryObject(buttonComponent, testCase.Window.contentItem)
        const edge = () => grabImage(button).pixel(2, button.height / 2)
        const rest = edge()
        mousePress(button, button.width / 2, button.height / 2)
        tryVerify(() => button.down)
        waitForRendering(button)
        verify(!Qt.colorEqual(edge(), rest), "a panel is drawn under the pressed button")
        mouseRelease(button, button.width / 2, button.height / 2)
        waitForRendering(button)
        verify(Qt.colorEqual(edge(), rest))
    }
}

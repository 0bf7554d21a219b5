// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtTest
import Vantrel.Scene

// The busy mark shows only once work has gone on for 200 ms, and goes as
// soon as the work ends.
TestCase {
    id: testCase
    name: "BusyMark"

    Component {
        id: markComponent
        BusyMark { }
    }

    function test_shows_data() {
        return [
            { tag: "quick work", held: 20, shows: false },
            { tag: "long work", held: 600, shows: true },
        ]
    }
    function test_shows(data) {
        const mark = createTemporaryObject(markComponent, testCase)
        mark.busy = true
        verify(!mark.running)
        wait(data.held)
        compare(mark.running, data.shows)
        mark.busy = false
        verify(!mark.running)
        wait(300)
        verify(!mark.running)
    }
}

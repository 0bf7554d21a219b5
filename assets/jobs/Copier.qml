// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// Copy to Documents for the whole scene: one copy at a time, off the UI
// thread, and the last result in words.
Item {
    id: copier

    readonly property alias job: job
    readonly property bool running: job.running
    // The file of the copy running or last finished.
    property string path: ""
    // The last result in a person's words; "" while none.
    property string result: ""
    property bool ok: false
    // Where the last copy that succeeded went; "" when none.
    property string destination: ""
    // The person asked to see the copy: the scene opens folder with select chosen.
    signal showRequested(string folder, string select)
    function showCopy() {
        if (destination !== "")
            showRequested(PathTools.parentOf(destination), destination)
    }

    // Once per finished copy, for the page that asked for it.
    signal finished(string path, bool ok, string result)

    // Words for the reasons the job names.
    function describe(ok, reason, text) {
        if (ok)
            // Named as the places name the folder: it is the shared one.
            return qsTranslate("TextView", "Copied to %1.").arg(qsTranslate("Places", "Shared documents"))
        switch (reason) {
        case "exists": return qsTranslate("TextView", "Could not copy: a file of that name is already in Documents.")
        case "permission": return qsTranslate("TextView", "Could not copy: no permission.")
        case "diskFull": return qsTranslate("TextView", "Could not copy: the disk is full.")
        case "vanished": return qsTranslate("TextView", "Could not copy: this file no longer exists.")
        case "notRegular": return qsTranslate("TextView", "Could not copy: this is not a regular file.")
        case "linkedFolder": return qsTranslate("TextView", "Could not copy: Documents is a link, not a folder.")
        case "cancelled": return qsTranslate("TextView", "The copy was cancelled; nothing was left behind.")
        case "changed": return qsTranslate("TextView", "Could not copy: the file changed while it was copied.")
        }
        return text !== "" ? qsTranslate("TextView", "Could not copy: %1").arg(text)
                           : qsTranslate("TextView", "Could not copy to Documents.")
    }

    // False when another copy is still running.
    function copy(source) {
        if (job.running)
            return false
        path = source
        result = ""
        destination = ""
        return job.start(source)
    }

    function cancel() {
        job.cancel()
    }

    readonly property Command cancelCommand: Command {
        info: Commands.cancelCopy
        enabled: copier.running
        onTriggered: copier.cancel()
    }

    CopyJob {
        id: job
        onFinished: (ok, reason, text, destination) => {
            copier.ok = ok
            copier.destination = ok ? destination : ""
            copier.result = copier.describe(ok, reason, text)
            copier.finished(copier.path, ok, copier.result)
        }
    }
}

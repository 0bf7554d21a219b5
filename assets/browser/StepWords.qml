// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel

// What the step bar says once a trash, delete, restore or empty trash is
// over: one entry by its name, more counted, then what failed.
QtObject {
    // one: the shown name when a single entry was done, else "".
    function notice(kind, one, results) {
        const made = results.filter(r => r.ok).length
        let said = ""
        if (kind === FileOperations.Trash)
            said = one !== "" ? qsTranslate("Files", "“%1” moved to the trash").arg(one)
                              : qsTranslate("Files", "%n entries moved to the trash", "", made)
        else if (kind === FileOperations.Delete)
            said = one !== "" ? qsTranslate("Files", "“%1” deleted").arg(one)
                              : qsTranslate("Files", "%n entries deleted", "", made)
        else if (kind === FileOperations.Restore)
            said = one !== "" ? qsTranslate("Files", "“%1” restored").arg(one)
                              : qsTranslate("Files", "%n entries restored", "", made)
        else if (kind === FileOperations.EmptyTrash && made === results.length)
            said = qsTranslate("Files", "The trash is empty")
        return [made > 0 || kind === FileOperations.EmptyTrash ? said : "", failures(results)]
               .filter(s => s !== "").join(" ")
    }
    // What failed, one sentence each; the first few, then how many more.
    function failures(results) {
        const failed = results.filter(r => !r.ok && r.errorName !== "Cancelled")
        const lines = failed.slice(0, 3).map(r => r.message)
        if (failed.length > 3)
            lines.push(qsTranslate("Files", "%n more could not be done", "", failed.length - 3))
        return lines.join(" ")
    }
}

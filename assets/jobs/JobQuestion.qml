// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// What a job asks: a name already taken at the destination (both entries'
// sizes and dates shown) or an entry that failed and why, with the answers
// it takes and "apply to all".
ColumnLayout {
    id: asked

    required property int jobId
    required property var question

    readonly property bool conflict: question.type === "conflict"
    readonly property string name: (question.source || "").replace(/\/+$/, "").replace(/^.*\//, "")
    readonly property EntryText words: EntryText { }

    function describe(size, isDir, modified) {
        const when = modified > 0 ? words.dateText(new Date(modified)) : ""
        return words.join([isDir ? qsTranslate("Jobs", "folder") : SceneTools.formatSize(size), when], ", ")
    }
    function choiceText(choice) {
        switch (choice) {
        case Job.Replace: return qsTranslate("Jobs", "Replace")
        case Job.KeepBoth: return qsTranslate("Jobs", "Keep both")
        case Job.Skip: return qsTranslate("Jobs", "Skip")
        case Job.Retry: return qsTranslate("Jobs", "Retry")
        }
        return qsTranslate("Jobs", "Cancel")
    }

    spacing: Services.ui.du(0.4)

    Label {
        objectName: "jobQuestion"
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        font.bold: true
        Accessible.role: Accessible.AlertMessage
        text: asked.conflict
              ? qsTranslate("Jobs", "“%1” is already there.").arg(asked.name)
              : qsTranslate("Jobs", "“%1” could not be done: %2").arg(asked.name).arg(asked.question.reasonText || "")
    }
    Label {
        objectName: "jobQuestionDetail"
        Layout.fillWidth: true
        visible: asked.conflict
        wrapMode: Text.Wrap
        text: visible ? qsTranslate("Jobs", "There: %1. New: %2.")
                        .arg(asked.describe(asked.question.destinationSize, asked.question.destinationIsDir,
                                            asked.question.destinationModified))
                        .arg(asked.describe(asked.question.sourceSize, asked.question.sourceIsDir,
                                            asked.question.sourceModified))
                      : ""
    }
    Flow {
        Layout.fillWidth: true
        spacing: Services.ui.du(0.6)
        Repeater {
            model: asked.question.choices || []
            Button {
                required property int modelData
                objectName: "jobAnswer" + modelData
                text: asked.choiceText(modelData)
                highlighted: modelData === (asked.question.choices || [])[0]
                focusPolicy: Qt.NoFocus
                onClicked: JobQueue.answer(asked.jobId, modelData, forAll.checked)
            }
        }
        CheckBox {
            id: forAll
            objectName: "jobForAll"
            text: qsTranslate("Jobs", "Apply to all")
            focusPolicy: Qt.NoFocus
        }
    }
}

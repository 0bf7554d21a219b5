// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// How many entries are chosen and how much their files hold:
// "3 selected (4.2 MB)". Folders count as entries; their content is not
// added up.
Label {
    id: status
    objectName: "selectionStatus"

    required property EntrySelection selection
    // The status line's figures, which put the words together.
    required property FolderStatus figures

    visible: selection.count > 0
    text: figures.selectionText(selection.count, selection.selectedBytes)
    elide: Text.ElideRight
    padding: Services.ui.du(0.6)
    leftPadding: Services.ui.du(1)
    Accessible.role: Accessible.StatusBar
    Accessible.name: text
}

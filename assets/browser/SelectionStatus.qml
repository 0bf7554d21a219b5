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

    visible: selection.count > 0
    text: selection.selectedBytes > 0
          ? qsTranslate("Browser", "%n selected (%1)", "", selection.count)
            .arg(SceneTools.formatSize(selection.selectedBytes))
          : qsTranslate("Browser", "%n selected", "", selection.count)
    elide: Text.ElideRight
    padding: Services.ui.du(0.6)
    leftPadding: Services.ui.du(1)
    Accessible.role: Accessible.StatusBar
}

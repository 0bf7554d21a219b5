// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Tells once what the settings store could not do: read its file (kept aside
// under another name) or save a change.
ToolBar {
    id: bar
    objectName: "noticeBar"

    property string dismissed: ""
    readonly property string notice: {
        if (SettingsNotices.writeFailure !== "")
            return qsTr("Your settings could not be saved: %1").arg(SettingsNotices.writeFailure)
        if (SettingsNotices.keptAsidePath !== "")
            return qsTr("Your settings file could not be read; it was kept as %1 and the settings start afresh.")
                   .arg(SettingsNotices.keptAsidePath)
        if (SettingsNotices.unreadableReason !== "")
            return qsTr("Your settings file could not be read (%1); it will be kept aside before anything is saved.")
                   .arg(SettingsNotices.unreadableReason)
        return ""
    }

    visible: notice !== "" && notice !== dismissed

    RowLayout {
        anchors.fill: parent
        Label {
            objectName: "noticeText"
            Layout.fillWidth: true
            Layout.leftMargin: Services.ui.du(1)
            text: bar.notice
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
        }
        FlatToolButton {
            objectName: "noticeClose"
            text: "\u2715"
            focusPolicy: Qt.NoFocus
            Accessible.name: qsTr("Dismiss")
            onClicked: bar.dismissed = bar.notice
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// What the application is, with one of its app images and the keys it knows.
ViewerPage {
    id: about
    objectName: "aboutPage"
    part: "about"
    canCopy: false
    title: qsTr("About")

    property string appImage: Services.myApps.getRandomAppImage()

    // A draw can repeat the image on show; a few more draws usually differ.
    function drawAnother() {
        let next = Services.myApps.getRandomAppImage()
        for (let i = 0; i < 4 && next !== "" && next === appImage; ++i)
            next = Services.myApps.getRandomAppImage()
        appImage = next
    }

    StackView.onActivated: forceActiveFocus()
    // The page scrolls by keyboard as a text does.
    Keys.onPressed: (event) => {
        const most = Math.max(0, flick.contentHeight - flick.height)
        const steps = { [Qt.Key_Down]: _ui.du(4), [Qt.Key_Up]: -_ui.du(4),
                        [Qt.Key_PageDown]: flick.height * 0.9, [Qt.Key_PageUp]: -flick.height * 0.9,
                        [Qt.Key_Home]: -flick.contentHeight, [Qt.Key_End]: flick.contentHeight }
        const step = steps[event.key]
        if (step === undefined || event.modifiers !== Qt.NoModifier)
            return
        flick.contentY = Math.max(0, Math.min(most, flick.contentY + step))
        event.accepted = true
    }

    Flickable {
        id: flick
        objectName: "aboutFlick"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * column.y
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }

        ColumnLayout {
            id: column
            x: Services.ui.du(2)
            y: Services.ui.du(2)
            width: flick.width - 2 * x
            spacing: Services.ui.du(1.2)

            Image {
                id: image
                objectName: "appImage"
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: Services.ui.du(12)
                Layout.preferredHeight: Services.ui.du(12)
                visible: about.appImage !== ""
                // Given as text: the blanks a name may hold become %20 in
                // the url, and the asset lookup decodes them again.
                source: about.appImage
                sourceSize.width: Services.ui.du(12)
                sourceSize.height: Services.ui.du(12)
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
            Button {
                objectName: "showAnother"
                Layout.alignment: Qt.AlignHCenter
                visible: about.appImage !== ""
                text: qsTr("Show another")
                onClicked: about.drawAnother()
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: Qt.application.name
                font.bold: true
                font.pixelSize: Services.ui.du(2.4)
            }
            Label {
                objectName: "aboutVersion"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Version %1").arg(Qt.application.version)
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("A file browser that lists every folder it may read, hidden and system entries included, shows files as text, as a hex dump or as pictures, and hands the rest to the desktop's applications.")
            }
            Label {
                objectName: "aboutLicence"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).")
            }
            Label {
                Layout.topMargin: Services.ui.du(1)
                text: qsTr("Keyboard")
                font.bold: true
            }
            Repeater {
                model: Commands.all
                RowLayout {
                    id: keyRow
                    required property CommandInfo modelData
                    Layout.fillWidth: true
                    spacing: Services.ui.du(2)
                    Label {
                        Layout.preferredWidth: Math.min(Services.ui.du(18), column.width / 3)
                        Layout.alignment: Qt.AlignTop
                        text: keyRow.modelData.keyText
                        font.bold: true
                        wrapMode: Text.WordWrap
                    }
                    Label {
                        Layout.fillWidth: true
                        text: keyRow.modelData.tip
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }
    }
}

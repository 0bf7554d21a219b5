import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel

// One row of the listing: icon, name (cut in the middle when long), a mark
// when it cannot be read, and a file's size.
ItemDelegate {
    id: row
    required property int index
    required property string fileName
    required property string completePath
    required property bool isDir
    required property bool isReadable
    readonly property bool isLink: FileSystem.isSymLink(completePath)
    readonly property color ink: highlighted ? palette.highlightedText : palette.text

    width: ListView.view.width
    height: _ui.du(4)
    highlighted: ListView.isCurrentItem
    focusPolicy: Qt.NoFocus

    contentItem: RowLayout {
        spacing: _ui.du(1)
        EntryIcon {
            Layout.preferredWidth: _ui.du(2.4)
            Layout.preferredHeight: _ui.du(2.4)
            kind: row.isDir ? "folder" : "file"
            link: row.isLink
            accent: row.highlighted ? row.palette.highlightedText : row.palette.highlight
            ink: row.ink
            opacity: row.isReadable ? 1 : 0.45
        }
        Label {
            Layout.fillWidth: true
            text: row.fileName
            elide: Text.ElideMiddle
            color: row.ink
            opacity: row.isReadable ? 1 : 0.6
        }
        Label {
            visible: !row.isReadable
            text: qsTranslate("Browser", "no access")
            font.italic: true
            color: row.ink
            opacity: 0.7
        }
        Label {
            visible: text !== ""
            text: row.isDir ? "" : SceneTools.formatSize(FileSystem.fileSize(row.completePath))
            color: row.ink
            opacity: 0.7
        }
    }
}

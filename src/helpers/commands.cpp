// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "scenetools.h"

#include <QCoreApplication>
#include <QEvent>
#include <iterator>

namespace {

// Each command: name, words, tip (none: the words), keys, theme icon,
// drawn glyph, whether a page handles its keys itself, what is said
// instead of the keys, whether only the menu offers it. The first ones in
// the order the About page lists them.
// clang-format off
const CommandInfo::Declaration declarations[] = {
    {"rename", {"Files", QT_TRANSLATE_NOOP("Files", "Rename")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Edits the chosen entry's name in place; Enter renames, Escape keeps it")},
     {"F2"}, "edit-rename", nullptr, false, {}, false},
    {"newFolder", {"Files", QT_TRANSLATE_NOOP("Files", "New folder")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Makes a folder in the open folder")},
     {"Ctrl+Shift+N"}, "folder-new", nullptr, false, {}, false},
    {"trash", {"Files", QT_TRANSLATE_NOOP("Files", "Move to trash")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Moves the chosen entries to the trash, from where they can be restored")},
     {"Delete"}, "user-trash", nullptr, false, {}, false},
    {"deletePermanently", {"Files", QT_TRANSLATE_NOOP("Files", "Delete permanently")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Deletes the chosen entries for good, after asking")},
     {"Shift+Delete"}, "edit-delete", nullptr, false, {}, false},
    {"restore", {"Files", QT_TRANSLATE_NOOP("Files", "Restore")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Puts the chosen entries of the trash back where they were")},
     {"Ctrl+Return"}, "edit-undo", nullptr, false, {}, false},
    {"emptyTrash", {"Files", QT_TRANSLATE_NOOP("Files", "Empty trash")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Deletes everything in the trash for good, after asking")},
     {}, "trash-empty", nullptr, false, {}, false},
    {"undo", {"Files", QT_TRANSLATE_NOOP("Files", "Undo")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Takes back your last rename, new folder, trash or restore")},
     {"Ctrl+Z"}, "edit-undo", "\u21B6", false, {}, false},
    {"redo", {"Files", QT_TRANSLATE_NOOP("Files", "Redo")},
     {"Files", QT_TRANSLATE_NOOP("Files", "Makes again the step Undo took back")},
     {"Ctrl+Shift+Z"}, "edit-redo", "\u21B7", false, {}, false},
    {"open", {"Browser", QT_TRANSLATE_NOOP("Browser", "Open")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Opens the chosen folder or file")},
     {"Return"}, nullptr, nullptr, true, {}, false},
    {"entryMenu", {"Browser", QT_TRANSLATE_NOOP("Browser", "Entry menu")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Opens the menu of the chosen entry")},
     {"Menu", "Shift+F10"}, nullptr, nullptr, true, {}, false},
    {"openWith", {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Open with the default application")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Hands the chosen file to the desktop's application for its type")},
     {"Shift+Return"}, "document-open", nullptr, false, {}, false},
    {"viewText", {"Viewers", QT_TRANSLATE_NOOP("Viewers", "View as text")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Shows the chosen file as text, whatever it holds")},
     {"Ctrl+T"}, nullptr, nullptr, false, {}, false},
    {"viewHex", {"Viewers", QT_TRANSLATE_NOOP("Viewers", "View as hex")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Shows the chosen file's bytes in hexadecimal")},
     {"Ctrl+Shift+H"}, nullptr, nullptr, false, {}, false},
    {"properties", {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Properties")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Shows size, times, owner, permissions and type of the chosen entry")},
     {"Alt+Return"}, "document-properties", nullptr, false, {}, false},
    {"cut", {"Browser", QT_TRANSLATE_NOOP("Browser", "Cut")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Puts the chosen entries on the clipboard, to be moved where they are pasted")},
     {"Ctrl+X"}, "edit-cut", "\u2702", false, {}, false},
    {"copyEntries", {"Browser", QT_TRANSLATE_NOOP("Browser", "Copy")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Puts the chosen entries on the clipboard, to be copied where they are pasted")},
     {"Ctrl+C"}, "edit-copy", "\u2750", false, {}, false},
    {"paste", {"Browser", QT_TRANSLATE_NOOP("Browser", "Paste")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Copies or moves the entries on the clipboard into the folder shown")},
     {"Ctrl+V"}, "edit-paste", "\u2398", false, {}, false},
    {"selectEntries", {"Browser", QT_TRANSLATE_NOOP("Browser", "Select all")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Chooses every entry shown; Escape chooses none, Ctrl+click and Shift+click choose more")},
     {"Ctrl+A"}, nullptr, nullptr, false, {}, false},
    {"copyEntry", {"TextView", QT_TRANSLATE_NOOP("TextView", "Copy to Documents")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Copies the chosen file to Documents")},
     {"Ctrl+S"}, "edit-copy", "\u2750", false, {}, false},
    {"showInFolder", {"Search", QT_TRANSLATE_NOOP("Search", "Show in its folder")},
     {"Search", QT_TRANSLATE_NOOP("Search", "Opens the folder that holds the found entry, with the entry chosen")},
     {"Ctrl+Return"}, "folder-open", nullptr, true, {}, false},
    {"up", {"Browser", QT_TRANSLATE_NOOP("Browser", "Up")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Goes up to the parent folder")},
     {"Alt+Up", "Backspace"}, "go-up", "\u2191", false, {}, false},
    {"back", {"Browser", QT_TRANSLATE_NOOP("Browser", "Back")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Goes back to the previous folder")},
     {"Alt+Left"}, "go-previous", "\u2190", false, {}, false},
    {"forward", {"Browser", QT_TRANSLATE_NOOP("Browser", "Forward")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Goes forward again to the folder left with Back")},
     {"Alt+Right"}, "go-next", "\u2192", false, {}, false},
    {"home", {"Browser", QT_TRANSLATE_NOOP("Browser", "Home")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Goes to your home folder")},
     {"Alt+Home"}, "go-home", "\u2302", false, {}, false},
    {"editPath", {"Browser", QT_TRANSLATE_NOOP("Browser", "Type a path")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Turns the path into a field to type a folder or file in")},
     {"Ctrl+L"}, nullptr, nullptr, false, {}, false},
    {"reload", {"Browser", QT_TRANSLATE_NOOP("Browser", "Reload")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Reads the folder again")},
     {"F5"}, "view-refresh", "\u21BB", false, {}, false},
    {"typeAhead", {"Browser", QT_TRANSLATE_NOOP("Browser", "Jump to a name")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Jumps to the next name that starts with the typed letters")},
     {}, nullptr, nullptr, true, {"Browser", QT_TRANSLATE_NOOP("Browser", "Typing")}, false},
    {"filter", {"Browser", QT_TRANSLATE_NOOP("Browser", "Filter")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows only the names that hold the typed text; Escape clears it")},
     {"Ctrl+F", "/"}, "edit-find", "\u2315", false, {}, false},
    {"showHidden", {"Browser", QT_TRANSLATE_NOOP("Browser", "Show hidden entries")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows or hides the entries whose names begin with a dot")},
     {"Ctrl+H"}, nullptr, nullptr, false, {}, false},
    {"sortName", {"Browser", QT_TRANSLATE_NOOP("Browser", "Sort by name")},
     {},
     {"Ctrl+Alt+1"}, nullptr, nullptr, false, {}, false},
    {"sortSize", {"Browser", QT_TRANSLATE_NOOP("Browser", "Sort by size")},
     {},
     {"Ctrl+Alt+2"}, nullptr, nullptr, false, {}, false},
    {"sortDate", {"Browser", QT_TRANSLATE_NOOP("Browser", "Sort by date")},
     {},
     {"Ctrl+Alt+3"}, nullptr, nullptr, false, {}, false},
    {"sortType", {"Browser", QT_TRANSLATE_NOOP("Browser", "Sort by type")},
     {},
     {"Ctrl+Alt+4"}, nullptr, nullptr, false, {}, false},
    {"listView", {"Browser", QT_TRANSLATE_NOOP("Browser", "List view")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows the entries as a list with their size, date and type")},
     {"Ctrl+1"}, "view-list-details", "\u2630", false, {}, false},
    {"gridView", {"Browser", QT_TRANSLATE_NOOP("Browser", "Grid view")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows the entries as icons, pictures as thumbnails")},
     {"Ctrl+2"}, "view-list-icons", "\u25a6", false, {}, false},
    {"terminal", {"Browser", QT_TRANSLATE_NOOP("Browser", "Open a terminal here")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Opens the desktop's terminal in the folder shown")},
     {"Shift+F4"}, "utilities-terminal", ">_", false, {}, false},
    {"places", {"Browser", QT_TRANSLATE_NOOP("Browser", "Show places")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows or hides the places: home, standard folders, volumes, bookmarks")},
     {"F9"}, "sidebar-show", "\u2630", false, {}, false},
    {"focusPlaces", {"Browser", QT_TRANSLATE_NOOP("Browser", "Go to places")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Moves the keyboard to the places; Escape comes back to the list")},
     {"Ctrl+F6"}, nullptr, nullptr, false, {}, false},
    {"bookmark", {"Browser", QT_TRANSLATE_NOOP("Browser", "Bookmark this folder")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Adds the open folder to the bookmarks in the places")},
     {"Ctrl+D"}, "bookmark-new", "\u2605", false, {}, false},
    {"switchOrder", {"Browser", QT_TRANSLATE_NOOP("Browser", "Switch order")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Switches between folders first and folders among files")},
     {"Ctrl+K"}, nullptr, nullptr, false, {}, false},
    {"switchDirection", {"Browser", QT_TRANSLATE_NOOP("Browser", "Reverse order")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Reverses the order")},
     {"Ctrl+R"}, nullptr, nullptr, false, {}, false},
    {"menu", {"Browser", QT_TRANSLATE_NOOP("Browser", "Menu")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Opens the menu: sort order, hidden entries, remembering the folder, about")},
     {"F10"}, "open-menu", "\u22EE", false, {}, false},
    {"copy", {"TextView", QT_TRANSLATE_NOOP("TextView", "Copy to Documents")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Copies the open file to Documents")},
     {"Ctrl+S"}, "edit-copy", "\u2750", false, {}, false},
    {"cancelCopy", {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Cancel")},
     {"Viewers", QT_TRANSLATE_NOOP("Viewers", "Stops the copy to Documents; nothing of it is left")},
     {}, "process-stop", "\u00d7", false, {}, false},
    {"find", {"TextView", QT_TRANSLATE_NOOP("TextView", "Find")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Finds words in the text")},
     {"Ctrl+F"}, "edit-find", "\u2315", false, {}, false},
    {"findNext", {"TextView", QT_TRANSLATE_NOOP("TextView", "Find next")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Goes to the next place the words are found")},
     {"F3"}, "go-down-search", "\u2193", false, {}, false},
    {"findPrevious", {"TextView", QT_TRANSLATE_NOOP("TextView", "Find previous")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Goes to the previous place the words are found")},
     {"Shift+F3"}, "go-up-search", "\u2191", false, {}, false},
    {"wrap", {"TextView", QT_TRANSLATE_NOOP("TextView", "Wrap lines")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Breaks long lines at the window's edge, or not")},
     {"Alt+W"}, "format-text-direction-ltr", "\u21b5", false, {}, false},
    {"selectAll", {"TextView", QT_TRANSLATE_NOOP("TextView", "Select all")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Selects the whole text; Shift with the arrows selects part of it")},
     {"Ctrl+A"}, nullptr, nullptr, true, {}, false},
    {"copyText", {"TextView", QT_TRANSLATE_NOOP("TextView", "Copy")},
     {"TextView", QT_TRANSLATE_NOOP("TextView", "Copies the selected text to the clipboard")},
     {"Ctrl+C"}, nullptr, nullptr, true, {}, false},
    {"zoomIn", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Zoom in")},
     {},
     {"+", "="}, "zoom-in", "+", false, {}, false},
    {"zoomOut", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Zoom out")},
     {},
     {"-"}, "zoom-out", "\u2212", false, {}, false},
    {"actualSize", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Actual size")},
     {"ImageView", QT_TRANSLATE_NOOP("ImageView", "One image pixel per screen pixel")},
     {"1"}, "zoom-original", "1:1", false, {}, false},
    {"fit", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Fit")},
     {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Fit the image to the window")},
     {"0"}, "zoom-fit-best", "\u2922", false, {}, false},
    {"fill", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Zoom to window")},
     {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Fills the window, also enlarging a small picture")},
     {"W"}, "zoom-fit-width", "\u2194", false, {}, false},
    {"previousPicture", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Previous picture")},
     {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Shows the previous picture of the folder")},
     {"Left", "PgUp"}, "go-previous-view", "\u25c0", false, {}, false},
    {"nextPicture", {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Next picture")},
     {"ImageView", QT_TRANSLATE_NOOP("ImageView", "Shows the next picture of the folder")},
     {"Right", "PgDown"}, "go-next-view", "\u25b6", false, {}, false},
    {"close", {"Browser", QT_TRANSLATE_NOOP("Browser", "Back")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Closes this page")},
     {"Esc", "Backspace", "Alt+Left"}, "go-previous", "\u2190", false, {}, false},
    {"hiddenLast", {"Browser", QT_TRANSLATE_NOOP("Browser", "List hidden last")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"listThumbnails", {"Browser", QT_TRANSLATE_NOOP("Browser", "Thumbnails in the list")},
     {"Browser", QT_TRANSLATE_NOOP("Browser", "Shows pictures in the list as small thumbnails instead of icons")},
     {}, nullptr, nullptr, false, {}, true},
    {"foldersFirst", {"Browser", QT_TRANSLATE_NOOP("Browser", "Folders first")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"byName", {"Browser", QT_TRANSLATE_NOOP("Browser", "Folders among files")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"ascending", {"Browser", QT_TRANSLATE_NOOP("Browser", "Ascending")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"descending", {"Browser", QT_TRANSLATE_NOOP("Browser", "Descending")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"rememberFolder", {"Browser", QT_TRANSLATE_NOOP("Browser", "Remember last folder")},
     {},
     {}, nullptr, nullptr, false, {}, true},
    {"about", {"Browser", QT_TRANSLATE_NOOP("Browser", "About")},
     {},
     {}, nullptr, nullptr, false, {}, true},
};
// clang-format on

QString translated(const CommandInfo::Words &words)
{
    return QCoreApplication::translate(words.context, words.source);
}

QStringList keyList(const CommandInfo::Declaration &declaration)
{
    QStringList keys;
    for (const char *key : declaration.keys) {
        if (key)
            keys << QString::fromLatin1(key);
    }
    return keys;
}

} // namespace

CommandInfo::CommandInfo(const Declaration &declaration, QObject *parent)
    : QObject(parent), m_declaration(declaration), m_keys(keyList(declaration))
{
}

QString CommandInfo::text() const
{
    return translated(m_declaration.text);
}

QString CommandInfo::tip() const
{
    return m_declaration.tip.source ? translated(m_declaration.tip) : text();
}

QString CommandInfo::keyLabel() const
{
    return m_declaration.keyLabel.source ? translated(m_declaration.keyLabel) : QString();
}

QString CommandInfo::keyText() const
{
    return m_declaration.keyLabel.source ? keyLabel() : SceneTools::sequencesText(m_keys);
}

Commands::Commands(QObject *parent) : QObject(parent)
{
    // Every declaration is bound to a property.
    Q_ASSERT(m_declared.size() == int(std::size(declarations)));
    QCoreApplication::instance()->installEventFilter(this);
}

CommandInfo *Commands::declared(const char *name)
{
    for (const CommandInfo::Declaration &declaration : declarations) {
        if (qstrcmp(declaration.name, name) != 0)
            continue;
        auto *info = new CommandInfo(declaration, this);
        m_declared << info;
        if (!declaration.menuOnly)
            m_all << info;
        return info;
    }
    qFatal("No command is declared as %s", name);
}

QQmlListProperty<CommandInfo> Commands::all()
{
    return {this, &m_all,
            [](QQmlListProperty<CommandInfo> *list) {
                return static_cast<QList<CommandInfo *> *>(list->data)->size();
            },
            [](QQmlListProperty<CommandInfo> *list, qsizetype index) {
                return static_cast<QList<CommandInfo *> *>(list->data)->at(index);
            }};
}

bool Commands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
        for (CommandInfo *info : std::as_const(m_declared))
            Q_EMIT info->retranslated();
    }
    return QObject::eventFilter(watched, event);
}

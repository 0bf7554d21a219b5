// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the scene, declared once: its words, keys and icon.
// Where a command acts, a Command binds its declaration to whether it
// applies and what it does; buttons, menu entries, tool tips and the About
// page read the words and keys from here. Declared in C++ because the
// window's first frame needs them: sixty QML objects cost it far more.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmllist.h>
#include <QtQml/qqmlregistration.h>
#include <array>

class CommandInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Commands are declared once, in Commands.")
    // Names the commands bound to it ("back": backCommand).
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY retranslated)
    // Keys the command's shortcut listens for (portable form, the first
    // one shown first).
    Q_PROPERTY(QStringList keys READ keys CONSTANT)
    // Keys a page handles itself (Enter in the list); shown, not bound.
    Q_PROPERTY(bool local READ local CONSTANT)
    // Said instead of the keys when they are not one sequence ("Typing").
    Q_PROPERTY(QString keyLabel READ keyLabel NOTIFY retranslated)
    // What the command does, for tool tips and the About page.
    Q_PROPERTY(QString tip READ tip NOTIFY retranslated)
    Q_PROPERTY(QString iconName READ iconName CONSTANT)
    // Drawn when the icon theme has no icon of iconName.
    Q_PROPERTY(QString glyph READ glyph CONSTANT)
    Q_PROPERTY(QString keyText READ keyText NOTIFY retranslated)

public:
    // Words to translate: their context and their source text.
    struct Words
    {
        const char *context = nullptr;
        const char *source = nullptr;
    };
    struct Declaration
    {
        const char *name;
        Words text;
        Words tip; // none: the text
        std::array<const char *, 3> keys;
        const char *iconName = nullptr;
        const char *glyph = nullptr;
        bool local = false;
        Words keyLabel;
        // A choice of the menu only, not listed on the About page.
        bool menuOnly = false;
    };

    CommandInfo(const Declaration &declaration, QObject *parent);

    QString name() const { return QString::fromLatin1(m_declaration.name); }
    QString text() const;
    QStringList keys() const { return m_keys; }
    bool local() const { return m_declaration.local; }
    QString keyLabel() const;
    QString tip() const;
    QString iconName() const { return QString::fromLatin1(m_declaration.iconName); }
    QString glyph() const { return QString::fromUtf8(m_declaration.glyph); }
    QString keyText() const;
    bool menuOnly() const { return m_declaration.menuOnly; }

Q_SIGNALS:
    // The application's language changed: the words read anew.
    void retranslated();

private:
    const Declaration &m_declaration;
    const QStringList m_keys;
};

class Commands : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(CommandInfo *rename MEMBER m_rename CONSTANT)
    Q_PROPERTY(CommandInfo *newFolder MEMBER m_newFolder CONSTANT)
    Q_PROPERTY(CommandInfo *trash MEMBER m_trash CONSTANT)
    Q_PROPERTY(CommandInfo *deletePermanently MEMBER m_deletePermanently CONSTANT)
    Q_PROPERTY(CommandInfo *restore MEMBER m_restore CONSTANT)
    Q_PROPERTY(CommandInfo *emptyTrash MEMBER m_emptyTrash CONSTANT)
    Q_PROPERTY(CommandInfo *undo MEMBER m_undo CONSTANT)
    Q_PROPERTY(CommandInfo *redo MEMBER m_redo CONSTANT)
    Q_PROPERTY(CommandInfo *open MEMBER m_open CONSTANT)
    Q_PROPERTY(CommandInfo *entryMenu MEMBER m_entryMenu CONSTANT)
    Q_PROPERTY(CommandInfo *openWith MEMBER m_openWith CONSTANT)
    Q_PROPERTY(CommandInfo *viewText MEMBER m_viewText CONSTANT)
    Q_PROPERTY(CommandInfo *viewHex MEMBER m_viewHex CONSTANT)
    Q_PROPERTY(CommandInfo *properties MEMBER m_properties CONSTANT)
    Q_PROPERTY(CommandInfo *cut MEMBER m_cut CONSTANT)
    Q_PROPERTY(CommandInfo *copyEntries MEMBER m_copyEntries CONSTANT)
    Q_PROPERTY(CommandInfo *paste MEMBER m_paste CONSTANT)
    Q_PROPERTY(CommandInfo *selectEntries MEMBER m_selectEntries CONSTANT)
    Q_PROPERTY(CommandInfo *copyEntry MEMBER m_copyEntry CONSTANT)
    Q_PROPERTY(CommandInfo *showInFolder MEMBER m_showInFolder CONSTANT)
    Q_PROPERTY(CommandInfo *up MEMBER m_up CONSTANT)
    Q_PROPERTY(CommandInfo *back MEMBER m_back CONSTANT)
    Q_PROPERTY(CommandInfo *forward MEMBER m_forward CONSTANT)
    Q_PROPERTY(CommandInfo *home MEMBER m_home CONSTANT)
    Q_PROPERTY(CommandInfo *editPath MEMBER m_editPath CONSTANT)
    Q_PROPERTY(CommandInfo *reload MEMBER m_reload CONSTANT)
    Q_PROPERTY(CommandInfo *typeAhead MEMBER m_typeAhead CONSTANT)
    Q_PROPERTY(CommandInfo *filter MEMBER m_filter CONSTANT)
    Q_PROPERTY(CommandInfo *showHidden MEMBER m_showHidden CONSTANT)
    Q_PROPERTY(CommandInfo *sortName MEMBER m_sortName CONSTANT)
    Q_PROPERTY(CommandInfo *sortSize MEMBER m_sortSize CONSTANT)
    Q_PROPERTY(CommandInfo *sortDate MEMBER m_sortDate CONSTANT)
    Q_PROPERTY(CommandInfo *sortType MEMBER m_sortType CONSTANT)
    Q_PROPERTY(CommandInfo *listView MEMBER m_listView CONSTANT)
    Q_PROPERTY(CommandInfo *gridView MEMBER m_gridView CONSTANT)
    Q_PROPERTY(CommandInfo *terminal MEMBER m_terminal CONSTANT)
    Q_PROPERTY(CommandInfo *places MEMBER m_places CONSTANT)
    Q_PROPERTY(CommandInfo *focusPlaces MEMBER m_focusPlaces CONSTANT)
    Q_PROPERTY(CommandInfo *bookmark MEMBER m_bookmark CONSTANT)
    Q_PROPERTY(CommandInfo *switchOrder MEMBER m_switchOrder CONSTANT)
    Q_PROPERTY(CommandInfo *switchDirection MEMBER m_switchDirection CONSTANT)
    Q_PROPERTY(CommandInfo *menu MEMBER m_menu CONSTANT)
    Q_PROPERTY(CommandInfo *copy MEMBER m_copy CONSTANT)
    Q_PROPERTY(CommandInfo *cancelCopy MEMBER m_cancelCopy CONSTANT)
    Q_PROPERTY(CommandInfo *find MEMBER m_find CONSTANT)
    Q_PROPERTY(CommandInfo *findNext MEMBER m_findNext CONSTANT)
    Q_PROPERTY(CommandInfo *findPrevious MEMBER m_findPrevious CONSTANT)
    Q_PROPERTY(CommandInfo *wrap MEMBER m_wrap CONSTANT)
    Q_PROPERTY(CommandInfo *selectAll MEMBER m_selectAll CONSTANT)
    Q_PROPERTY(CommandInfo *copyText MEMBER m_copyText CONSTANT)
    Q_PROPERTY(CommandInfo *zoomIn MEMBER m_zoomIn CONSTANT)
    Q_PROPERTY(CommandInfo *zoomOut MEMBER m_zoomOut CONSTANT)
    Q_PROPERTY(CommandInfo *actualSize MEMBER m_actualSize CONSTANT)
    Q_PROPERTY(CommandInfo *fit MEMBER m_fit CONSTANT)
    Q_PROPERTY(CommandInfo *fill MEMBER m_fill CONSTANT)
    Q_PROPERTY(CommandInfo *previousPicture MEMBER m_previousPicture CONSTANT)
    Q_PROPERTY(CommandInfo *nextPicture MEMBER m_nextPicture CONSTANT)
    Q_PROPERTY(CommandInfo *close MEMBER m_close CONSTANT)
    Q_PROPERTY(CommandInfo *hiddenLast MEMBER m_hiddenLast CONSTANT)
    Q_PROPERTY(CommandInfo *listThumbnails MEMBER m_listThumbnails CONSTANT)
    Q_PROPERTY(CommandInfo *foldersFirst MEMBER m_foldersFirst CONSTANT)
    Q_PROPERTY(CommandInfo *byName MEMBER m_byName CONSTANT)
    Q_PROPERTY(CommandInfo *ascending MEMBER m_ascending CONSTANT)
    Q_PROPERTY(CommandInfo *descending MEMBER m_descending CONSTANT)
    Q_PROPERTY(CommandInfo *rememberFolder MEMBER m_rememberFolder CONSTANT)
    Q_PROPERTY(CommandInfo *about MEMBER m_about CONSTANT)
    // In the order the About page lists them.
    Q_PROPERTY(QQmlListProperty<CommandInfo> all READ all CONSTANT)

public:
    explicit Commands(QObject *parent = nullptr);

    QQmlListProperty<CommandInfo> all();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CommandInfo *declared(const char *name);

    QList<CommandInfo *> m_all;
    QList<CommandInfo *> m_declared;
    CommandInfo *m_rename = declared("rename");
    CommandInfo *m_newFolder = declared("newFolder");
    CommandInfo *m_trash = declared("trash");
    CommandInfo *m_deletePermanently = declared("deletePermanently");
    CommandInfo *m_restore = declared("restore");
    CommandInfo *m_emptyTrash = declared("emptyTrash");
    CommandInfo *m_undo = declared("undo");
    CommandInfo *m_redo = declared("redo");
    CommandInfo *m_open = declared("open");
    CommandInfo *m_entryMenu = declared("entryMenu");
    CommandInfo *m_openWith = declared("openWith");
    CommandInfo *m_viewText = declared("viewText");
    CommandInfo *m_viewHex = declared("viewHex");
    CommandInfo *m_properties = declared("properties");
    CommandInfo *m_cut = declared("cut");
    CommandInfo *m_copyEntries = declared("copyEntries");
    CommandInfo *m_paste = declared("paste");
    CommandInfo *m_selectEntries = declared("selectEntries");
    CommandInfo *m_copyEntry = declared("copyEntry");
    CommandInfo *m_showInFolder = declared("showInFolder");
    CommandInfo *m_up = declared("up");
    CommandInfo *m_back = declared("back");
    CommandInfo *m_forward = declared("forward");
    CommandInfo *m_home = declared("home");
    CommandInfo *m_editPath = declared("editPath");
    CommandInfo *m_reload = declared("reload");
    CommandInfo *m_typeAhead = declared("typeAhead");
    CommandInfo *m_filter = declared("filter");
    CommandInfo *m_showHidden = declared("showHidden");
    CommandInfo *m_sortName = declared("sortName");
    CommandInfo *m_sortSize = declared("sortSize");
    CommandInfo *m_sortDate = declared("sortDate");
    CommandInfo *m_sortType = declared("sortType");
    CommandInfo *m_listView = declared("listView");
    CommandInfo *m_gridView = declared("gridView");
    CommandInfo *m_terminal = declared("terminal");
    CommandInfo *m_places = declared("places");
    CommandInfo *m_focusPlaces = declared("focusPlaces");
    CommandInfo *m_bookmark = declared("bookmark");
    CommandInfo *m_switchOrder = declared("switchOrder");
    CommandInfo *m_switchDirection = declared("switchDirection");
    CommandInfo *m_menu = declared("menu");
    CommandInfo *m_copy = declared("copy");
    CommandInfo *m_cancelCopy = declared("cancelCopy");
    CommandInfo *m_find = declared("find");
    CommandInfo *m_findNext = declared("findNext");
    CommandInfo *m_findPrevious = declared("findPrevious");
    CommandInfo *m_wrap = declared("wrap");
    CommandInfo *m_selectAll = declared("selectAll");
    CommandInfo *m_copyText = declared("copyText");
    CommandInfo *m_zoomIn = declared("zoomIn");
    CommandInfo *m_zoomOut = declared("zoomOut");
    CommandInfo *m_actualSize = declared("actualSize");
    CommandInfo *m_fit = declared("fit");
    CommandInfo *m_fill = declared("fill");
    CommandInfo *m_previousPicture = declared("previousPicture");
    CommandInfo *m_nextPicture = declared("nextPicture");
    CommandInfo *m_close = declared("close");
    CommandInfo *m_hiddenLast = declared("hiddenLast");
    CommandInfo *m_listThumbnails = declared("listThumbnails");
    CommandInfo *m_foldersFirst = declared("foldersFirst");
    CommandInfo *m_byName = declared("byName");
    CommandInfo *m_ascending = declared("ascending");
    CommandInfo *m_descending = declared("descending");
    CommandInfo *m_rememberFolder = declared("rememberFolder");
    CommandInfo *m_about = declared("about");
};

#pragma once
// The main window's menu tree as designed: every entry in design order with its level, the
// caption of the current language, its shortcut and whether the design hides it.
#include <QString>
#include <QStringList>

#include <span>

namespace MenuTable {

struct Entry {
    const char* name;      // the entry's object name, e.g. "mnuFileSaveAs"
    int level;             // 1: a menu of the bar; 2: an entry of the menu above it
    QString (*caption)();  // the caption in the current language; nullptr for a separator
    const char* shortcut;  // portable key sequence text, "" for none
    bool designHidden;     // never shown
    bool checked;          // a check entry, checked at load
};

std::span<const Entry> Entries();

// The entries that loading hides, in the order it hides them.
QStringList HiddenAtLoad();

// A caption as shown outside a menu (tooltips, tree nodes): the access key marker removed,
// together with the brackets of a "(&X)" suffix; "&&" stands for "&".
QString WithoutAccessKey(const QString& caption);

}  // namespace MenuTable

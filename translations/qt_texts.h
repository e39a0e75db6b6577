// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of Qt itself that the game shows, in Qt's own contexts and words:
// the template from which `update_translations` makes and keeps each
// language's translations/qt_extra_<language>.ts, every new text unfinished
// until it is translated. Read by lupdate only; never compiled. Where the
// system has Qt's own translation of a language (qtbase_<language>.qm) the
// game loads that too, and these come first.

//: The direction the language is written in: "LTR" for left to right, "RTL"
//: for right to left (Urdu). Every screen of the game is mirrored under "RTL".
QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION")

// The buttons of message boxes and questions.
QT_TRANSLATE_NOOP("QPlatformTheme", "OK")
QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")
QT_TRANSLATE_NOOP("QPlatformTheme", "&No")
QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")
QT_TRANSLATE_NOOP("QPlatformTheme", "Open")
QT_TRANSLATE_NOOP("QPlatformTheme", "Close")
// The button of a message box that holds details ("Please fill in...").
QT_TRANSLATE_NOOP("QMessageBox", "Show Details...")
QT_TRANSLATE_NOOP("QMessageBox", "Hide Details...")

// Key names in the tooltips of commands ("Play (Ctrl+P, F5)").
QT_TRANSLATE_NOOP("QShortcut", "Ctrl")
QT_TRANSLATE_NOOP("QShortcut", "Shift")
QT_TRANSLATE_NOOP("QShortcut", "Alt")
QT_TRANSLATE_NOOP("QShortcut", "Meta")
QT_TRANSLATE_NOOP("QShortcut", "Return")
QT_TRANSLATE_NOOP("QShortcut", "Enter")
QT_TRANSLATE_NOOP("QShortcut", "Esc")
QT_TRANSLATE_NOOP("QShortcut", "Space")

// The Load dialog.
QT_TRANSLATE_NOOP("QFileDialog", "Look in:")
QT_TRANSLATE_NOOP("QFileDialog", "File &name:")
QT_TRANSLATE_NOOP("QFileDialog", "Files of type:")
QT_TRANSLATE_NOOP("QFileDialog", "&Open")
QT_TRANSLATE_NOOP("QFileDialog", "Cancel")
QT_TRANSLATE_NOOP("QFileDialog", "Back")
QT_TRANSLATE_NOOP("QFileDialog", "Go back")
QT_TRANSLATE_NOOP("QFileDialog", "Forward")
QT_TRANSLATE_NOOP("QFileDialog", "Go forward")
QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory")
QT_TRANSLATE_NOOP("QFileDialog", "Go to the parent directory")
QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder")
QT_TRANSLATE_NOOP("QFileDialog", "Create a New Folder")
QT_TRANSLATE_NOOP("QFileDialog", "List View")
QT_TRANSLATE_NOOP("QFileDialog", "Change to list view mode")
QT_TRANSLATE_NOOP("QFileDialog", "Detail View")
QT_TRANSLATE_NOOP("QFileDialog", "Change to detail view mode")
QT_TRANSLATE_NOOP("QFileDialog", "Sidebar")
QT_TRANSLATE_NOOP("QFileDialog", "List of places and bookmarks")
QT_TRANSLATE_NOOP("QFileDialog", "Files")
QT_TRANSLATE_NOOP("QFileDialog", "Recent Places")
QT_TRANSLATE_NOOP("QFileDialog", "&Rename")
QT_TRANSLATE_NOOP("QFileDialog", "&Delete")
QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files")
QT_TRANSLATE_NOOP("QFileDialog", "&New Folder")
QT_TRANSLATE_NOOP("QFileDialog", "Directory:")
QT_TRANSLATE_NOOP("QFileDialog", "Open")
QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)")
QT_TRANSLATE_NOOP("QFileDialog", "My Computer")
QT_TRANSLATE_NOOP("QFileDialog", "Computer")

// The Load dialog's column headings.
QT_TRANSLATE_NOOP("QFileSystemModel", "Name")
QT_TRANSLATE_NOOP("QFileSystemModel", "Size")
QT_TRANSLATE_NOOP("QFileSystemModel", "Type")
QT_TRANSLATE_NOOP("QFileSystemModel", "Kind")
QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified")
QT_TRANSLATE_NOOP("QFileSystemModel", "My Computer")
QT_TRANSLATE_NOOP("QFileSystemModel", "Computer")

// The Load dialog's kinds of file.
QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive")
QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "File")
QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "%1 File")
QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder")
QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Directory")

// The right-click menu of the player screen's text fields.
QT_TRANSLATE_NOOP("QLineEdit", "&Undo")
QT_TRANSLATE_NOOP("QLineEdit", "&Redo")
QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")
QT_TRANSLATE_NOOP("QLineEdit", "&Copy")
QT_TRANSLATE_NOOP("QLineEdit", "&Paste")
QT_TRANSLATE_NOOP("QLineEdit", "Delete")
QT_TRANSLATE_NOOP("QLineEdit", "Select All")

// The right-click menu of the scroll bars.
QT_TRANSLATE_NOOP("QScrollBar", "Scroll here")
QT_TRANSLATE_NOOP("QScrollBar", "Left edge")
QT_TRANSLATE_NOOP("QScrollBar", "Top")
QT_TRANSLATE_NOOP("QScrollBar", "Right edge")
QT_TRANSLATE_NOOP("QScrollBar", "Bottom")
QT_TRANSLATE_NOOP("QScrollBar", "Page left")
QT_TRANSLATE_NOOP("QScrollBar", "Page up")
QT_TRANSLATE_NOOP("QScrollBar", "Page right")
QT_TRANSLATE_NOOP("QScrollBar", "Page down")
QT_TRANSLATE_NOOP("QScrollBar", "Scroll left")
QT_TRANSLATE_NOOP("QScrollBar", "Scroll up")
QT_TRANSLATE_NOOP("QScrollBar", "Scroll right")
QT_TRANSLATE_NOOP("QScrollBar", "Scroll down")

// The History window's tab bar, when its tabs do not fit.
QT_TRANSLATE_NOOP("QTabBar", "Scroll Left")
QT_TRANSLATE_NOOP("QTabBar", "Scroll Right")

// --help.
QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1")
QT_TRANSLATE_NOOP("QCommandLineParser", "[options]")
QT_TRANSLATE_NOOP("QCommandLineParser", "Options:")
QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options.")
QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")
QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information.")

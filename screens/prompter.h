// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Every message box, question and file dialog of the game goes through this
// interface, so the screens can be driven by scripted answers in tests. Each
// is owned by the window that asks, never by none: it stays above that window,
// and when it closes that window has the keyboard again.
class Prompter {
  public:
    // The answers of a Yes/No question.
    enum class Answer { yes, no };

    virtual ~Prompter() = default;

    // An information notice with a single OK button, titled "Bailcrest".
    virtual void notice(QWidget* owner, const QString& text) = 0;
    // A notice whose details (what exactly is wrong) show below its text, for
    // a message whose words say only what kind of thing is wrong. A prompter
    // that shows no details shows the notice alone.
    virtual void noticeWithDetails(QWidget* owner, const QString& text, const QString& details) {
        (void)details;
        notice(owner, text);
    }

    // A Yes/No question without an icon, titled "Bailcrest". True means Yes.
    // Enter gives the answer byDefault; Escape always answers No, so that a
    // question whose Yes cannot be undone is never answered Yes by a key
    // pressed without reading it.
    virtual bool question(QWidget* owner, const QString& text, Answer byDefault) = 0;

    // A file-open dialog. Returns the chosen file's full path, or an empty
    // text when the player cancels.
    virtual QString chooseFileToOpen(QWidget* owner, const QString& title, const QString& folder,
                                     const QString& filter) = 0;

    // Load's list of the careers saved in the folder, with Browse… for the
    // file dialog above (its title and filter) to reach a save elsewhere,
    // and those of a Saves folder the game can no longer write to, if any,
    // marked so. Returns the chosen save's full path, or an empty text when
    // the player cancels.
    virtual QString chooseCareerToLoad(QWidget* owner, const QString& title, const QString& folder,
                                       const QString& filter, const QString& readOnlyFolder) = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "screens/platform.h"
#include "screens/prompter.h"
#include "screens/url_opener.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"

// A prompter that records every message and answers questions from a script.
// A question with no scripted answer fails the test, and so does a message
// without a window that owns it.
class ScriptedPrompter final : public Prompter {
  public:
    QStringList notices;
    QStringList questions;
    // The answer Enter would have given, question by question.
    std::vector<Answer> questionDefaults;
    std::deque<bool> answers;
    std::deque<QString> chosenFiles;
    QStringList dialogs;  // "title|folder|filter" of every file dialog shown

    void notice(QWidget* owner, const QString& text) override;
    // Recorded as a notice, its details in noticeDetails.
    void noticeWithDetails(QWidget* owner, const QString& text, const QString& details) override;
    // The details of every notice shown with them, in order.
    QStringList noticeDetails;
    bool question(QWidget* owner, const QString& text, Answer byDefault) override;
    QString chooseFileToOpen(QWidget* owner, const QString& title, const QString& folder,
                             const QString& filter) override;
    // Answered as the file dialog is, from chosenFiles: a test picks the
    // career by its path. The list itself is tested on its own.
    QString chooseCareerToLoad(QWidget* owner, const QString& title, const QString& folder,
                               const QString& filter, const QString&) override {
        return chooseFileToOpen(owner, title, folder, filter);
    }
    // The window that owned each message, in the order shown.
    std::vector<QWidget*> owners;
    // Every message in the order shown, notices and questions together.
    QStringList messages;
};

// Records every address handed to it; with `fails` set, it tells the caller
// that no browser took the address, as on a machine without one.
class RecordingOpener final : public UrlOpener {
  public:
    QStringList opened;
    bool fails = false;
    bool open(const QString& url) override {
        opened << url;
        return !fails;
    }
};

// Everything a screen needs, scripted.
struct ScriptedPlatform {
    ScriptedPrompter prompter;
    ScriptedRandom random;
    RecordingOpener opener;
    QString folder;
    Platform platform{prompter, random, opener, folder};

    explicit ScriptedPlatform(QString programFolder = QString()) : folder(programFolder) {
        platform.programFolder = folder;
    }
};

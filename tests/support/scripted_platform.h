#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "screens/platform.h"
#include "screens/prompter.h"
#include "screens/url_opener.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"

// A prompter that records every message and answers questions from a script.
// A question with no scripted answer fails the test.
class ScriptedPrompter final : public Prompter {
  public:
    QStringList notices;
    QStringList questions;
    std::deque<bool> answers;
    std::deque<QString> chosenFiles;
    QStringList dialogs;  // "title|folder|filter" of every file dialog shown

    void notice(const QString& text) override {
        notices << text;
        messages << text;
    }
    bool question(const QString& text) override;
    QString chooseFileToOpen(const QString& title, const QString& folder,
                             const QString& filter) override;
    // Every message in the order shown, notices and questions together.
    QStringList messages;
};

class RecordingOpener final : public UrlOpener {
  public:
    QStringList opened;
    void open(const QString& url) override { opened << url; }
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

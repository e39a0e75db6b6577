// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "saves/saved_careers.h"
#include "screens/career_picker.h"

namespace {

// Asked for at every box, so that it follows the language in use.
QString applicationTitle() {
    //: The title of every message box: the game's name, which stays
    //: "Bailcrest" in every language.
    return QCoreApplication::translate("MessagePrompter", "Bailcrest");
}

// Qt's own file dialog opens with columns too narrow for a file's size and
// type ("670…tes"). Once the folder is read its columns take the width their
// contents need, and the dialog grows, as far as the screen allows, until they
// all show.
// A style that writes a box's label in the box's own direction. Qt's
// styles write it in the application's, so that a left-to-right path box in
// a right-to-left game would still move a path's leading "/" to its end.
class OwnDirectionLabels : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        painter->save();
        painter->setLayoutDirection(option->direction);
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->restore();
    }
};

void fitColumns(QFileDialog& dialog, QTreeView& files) {
    QHeaderView& header = *files.header();
    int needed = 0;
    for (int column = 0; column < header.count(); ++column) {
        if (header.isSectionHidden(column)) continue;
        files.resizeColumnToContents(column);
        needed += header.sectionSize(column);
    }
    const int shortBy = needed - files.viewport()->width();
    if (shortBy <= 0) return;
    int widest = dialog.width() + shortBy;
    if (const QScreen* screen = dialog.screen()) {
        widest = std::min(widest, screen->availableGeometry().width());
    }
    dialog.resize(std::max(widest, dialog.width()), dialog.height());
}

QString unshownSavesText(int count) {
    //: Below the Load dialog's files: %Ln is how many save files of the
    //: folder it cannot show, as their names are not text.
    return QCoreApplication::translate("MessagePrompter",
                                       "%Ln save file(s) in this folder cannot be shown here: the "
                                       "name is not text this system can spell back. Rename it to "
                                       "load it.",
                                       nullptr, count);
}

// Qt's dialog lists names as text, so a save whose name the system spells in
// bytes that are no text is not among its files: a line below them says so
// for each folder the player looks in, however he went there.
void tellUnshownSaves(QFileDialog& dialog, QFileSystemModel& folderModel) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* unshown = new QLabel(&dialog);
    unshown->setObjectName(QStringLiteral("unshownSaves"));
    unshown->setWordWrap(true);
    unshown->setTextFormat(Qt::PlainText);
    grid->addWidget(unshown, grid->rowCount(), 0, 1, grid->columnCount());
    const auto tell = [unshown](const QString& folder) {
        const qsizetype count = unspeltSaveFiles(folder);
        unshown->setText(count == 0 ? QString() : unshownSavesText(static_cast<int>(count)));
        unshown->setVisible(count != 0);
    };
    QObject::connect(&folderModel, &QFileSystemModel::rootPathChanged, unshown, tell);
    tell(folderModel.rootPath());
}

// Once a message is answered, the window that asked has the keyboard again,
// even under a window manager that activates no window while one closes.
void giveKeyboardBack(QWidget* owner) {
    if (owner && owner->isVisible()) owner->window()->activateWindow();
}

// A message box breaks its lines at blanks only: a file name as long as the
// folder allows would run past its edge, cut off. Such a run is given
// places to break, invisible, after each folder and every few letters.
QString breakableText(const QString& text) {
    constexpr qsizetype longestUnbroken = 40;
    const QChar breakHere(0x200B);
    QString result;
    result.reserve(text.size() + text.size() / longestUnbroken);
    qsizetype unbroken = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            unbroken = 0;
        } else if (unbroken >= longestUnbroken) {
            result += breakHere;
            unbroken = 0;
        }
        result += c;
        if (c.isSpace()) continue;
        ++unbroken;
        if ((c == QLatin1Char('/') || c == QLatin1Char('\\')) && unbroken > 1) {
            result += breakHere;
            unbroken = 0;
        }
    }
    return result;
}

}  // namespace

std::unique_ptr<QMessageBox> noticeBox(QWidget* owner, const QString& text) {
    return std::make_unique<QMessageBox>(QMessageBox::Information, applicationTitle(),
                                         breakableText(text), QMessageBox::Ok, owner);
}

std::unique_ptr<QMessageBox> questionBox(QWidget* owner, const QString& text,
                                         Prompter::Answer byDefault) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, applicationTitle(), breakableText(text),
                                      QMessageBox::Yes | QMessageBox::No, owner);
    box->setDefaultButton(byDefault == Prompter::Answer::yes ? QMessageBox::Yes : QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

void MessagePrompter::notice(QWidget* owner, const QString& text) {
    const auto box = noticeBox(owner, text);
    box->exec();
    giveKeyboardBack(owner);
}

void MessagePrompter::noticeWithDetails(QWidget* owner, const QString& text,
                                        const QString& details) {
    const auto box = noticeBox(owner, text);
    box->setDetailedText(details);
    box->exec();
    giveKeyboardBack(owner);
}

bool MessagePrompter::question(QWidget* owner, const QString& text, Answer byDefault) {
    const auto box = questionBox(owner, text, byDefault);
    const bool yes = box->exec() == QMessageBox::Yes;
    giveKeyboardBack(owner);
    return yes;
}

QString MessagePrompter::chooseFileToOpen(QWidget* owner, const QString& title,
                                          const QString& folder, const QString& filter) {
    QFileDialog dialog(owner, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setViewMode(QFileDialog::Detail);
    // A path, a file's name and a file pattern read left to right in any
    // language: in a right-to-left box the leading "/" of "/home/..." would
    // stand at its end. Its patterns cannot be isolated in the text, which
    // the dialog reads them from.
    auto* ownDirection = new OwnDirectionLabels;
    ownDirection->setParent(&dialog);
    for (const char* pathBox : {"lookInCombo", "fileNameEdit", "fileTypeCombo"}) {
        if (auto* box = dialog.findChild<QWidget*>(QLatin1String(pathBox))) {
            box->setLayoutDirection(Qt::LeftToRight);
            if (qobject_cast<QComboBox*>(box)) box->setStyle(ownDirection);
        }
    }
    // The desktop's own dialog, where it provides one, has no such view and
    // sizes itself.
    auto* files = dialog.findChild<QTreeView*>();
    auto* folderModel = dialog.findChild<QFileSystemModel*>();
    if (files && folderModel) {
        const QFontMetrics metrics(dialog.font());
        dialog.resize(std::max(dialog.width(), metrics.averageCharWidth() * 110),
                      std::max(dialog.height(), metrics.height() * 28));
        QObject::connect(folderModel, &QFileSystemModel::directoryLoaded, files, [&dialog, files] {
            // The view takes the new rows in once control is back in the
            // event loop.
            QTimer::singleShot(0, files, [&dialog, files] { fitColumns(dialog, *files); });
        });
        tellUnshownSaves(dialog, *folderModel);
    }
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString MessagePrompter::chooseCareerToLoad(QWidget* owner, const QString& title,
                                            const QString& folder, const QString& filter,
                                            const QString& readOnlyFolder) {
    CareerPicker picker(folder, title, filter, *this, owner, readOnlyFolder);
    const bool chosen = picker.exec() == QDialog::Accepted;
    giveKeyboardBack(owner);
    return chosen ? picker.chosenPath() : QString();
}

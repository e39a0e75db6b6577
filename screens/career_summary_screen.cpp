// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/career_summary_screen.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "game/shown_numbers.h"
#include "screens/career_card.h"
#include "screens/command_button.h"
#include "screens/command_row.h"
#include "screens/look.h"
#include "screens/prompter.h"

CareerSummaryScreen::CareerSummaryScreen(const CareerSummary& summary, const QString& savePath,
                                         bool beingSaved, Prompter& prompter, QWidget* owner)
    : QDialog(owner), savePath_(savePath), beingSaved_(beingSaved), prompter_(prompter) {
    setObjectName(QStringLiteral("careerSummary"));
    look::setUpResizableWindow(this, tr("Bailcrest: Career Summary"), 9000, 6600);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("summaryHeading"));
    heading->setFont(look::font(true, 11 + 4 + look::textSizeStep()));
    heading->setWordWrap(true);
    heading->setTextFormat(Qt::PlainText);
    look::setTextColour(heading, look::green);
    //: Heading of the window shown when a career ends; %1 is the player's name.
    heading->setText(tr("The career of %1 is over.").arg(summary.player));
    layout->addWidget(heading);

    card_ = new CareerCard(this);
    card_->showSummary(summary);
    // Told with the window's title as it opens: the heading and the card.
    //: What a screen reader tells as the career summary opens: %1 the heading
    //: ("The career of Ravi is over."), %2 the card's figures.
    setAccessibleDescription(tr("%1 %2").arg(heading->text(), card_->spokenFigures()));
    layout->addWidget(card_);
    layout->addStretch(1);

    auto* commands = new QHBoxLayout;
    //: Saves the career card as a picture (PNG) beside the save.
    savePicture_ = addCommand(commands, QStringLiteral("savePicture"), tr("Save Picture"),
                              {QKeySequence(Qt::CTRL | Qt::Key_S)});
    //: Opens the career's History window.
    history_ = addCommand(commands, QStringLiteral("history"), tr("History"),
                          {QKeySequence(Qt::CTRL | Qt::Key_Y)});
    commands->addStretch(1);
    //: Closes the summary; the game then asks whether to play again.
    continue_ = addCommand(commands, QStringLiteral("continue"), tr("Continue"),
                           {QKeySequence(Qt::Key_Escape)});
    layout->addLayout(commands);
    savePicture_->setEnabled(!savePath_.isEmpty());

    // Wide enough for the card's figures the most to a row, where the
    // screen has the room (a narrower window shows them in more rows), and
    // as tall as the card needs at that width.
    const QMargins margins = layout->contentsMargins();
    int wide = std::max(width(), card_->widestWidth() + margins.left() + margins.right());
    if (const QScreen* on = screen()) wide = std::min(wide, on->availableGeometry().width());
    resize(wide, std::max(height(), heightForWidth(wide)));

    connect(savePicture_, &QAbstractButton::clicked, this, &CareerSummaryScreen::savePicture);
    connect(history_, &QAbstractButton::clicked, this, &CareerSummaryScreen::historyRequested);
    connect(continue_, &QAbstractButton::clicked, this, &QDialog::accept);
    // Return goes on, as it would from the question that follows.
    continue_->setFocus();
}

void CareerSummaryScreen::savePicture() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    card_->picture().save(&buffer, "PNG");
    const CardPictureWriting writing = writeCardPicture(savePath_, beingSaved_, bytes, written_);
    const QString shown = shownPath(writing.path);
    if (writing.failure) {
        //: %1 is a file, %2 the reason it could not be written.
        prompter_.notice(this,
                         tr("The picture %1 could not be saved: %2.").arg(shown, *writing.failure));
        return;
    }
    written_ = writing.written;
    if (!writing.keptAs.isEmpty()) {
        //: %1 is the picture saved, %2 the file the picture found there is kept as.
        prompter_.notice(this, tr("The career card is saved as %1. The picture that was there "
                                  "is kept as %2.")
                                   .arg(shown, shownPath(writing.keptAs)));
    } else if (!beingSaved_) {
        prompter_.notice(this, tr("This career has no save file of its own here, so its card is "
                                  "saved under a name of its own, as %1.")
                                   .arg(shown));
    } else {
        prompter_.notice(this, tr("The career card is saved as %1.").arg(shown));
    }
}

QRect CareerSummaryScreen::commandsOnDesktop() const {
    QRect commands;
    for (const CommandButton* command : {savePicture_, history_, continue_})
        commands |= QRect(command->mapToGlobal(QPoint(0, 0)), command->size());
    return commands;
}

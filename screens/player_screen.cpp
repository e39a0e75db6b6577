// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/player_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "game/ratings.h"
#include "game/shown_numbers.h"
#include "screens/command_button.h"
#include "screens/focus_marked.h"
#include "screens/look.h"
#include "screens/prompter.h"
#include "screens/scroll_bar.h"
#include "screens/spoken_notice.h"
#include "screens/titled_frame.h"

namespace {

constexpr int maxTextLength = 16;

// Inside each frame: a caption column, then the input column.
constexpr int captionLeft = 240;
constexpr int captionWidth = 1335;
constexpr int inputLeft = 1680;
constexpr int firstRow = 330;
constexpr int rowStep = 360;
constexpr int displayLeft = 6720;
constexpr int displayWidth = 615;

int rowTop(int row) {
    return firstRow + row * rowStep;
}

TitledFrame* frame(QWidget* parent, const QString& name, const QString& title, int top,
                   int height) {
    auto* f = new TitledFrame(title, parent);
    f->setObjectName(QStringLiteral("Frame_") + name);
    look::place(f, look::rect(120, top, 7575, height));
    return f;
}

}  // namespace

PlayerScreen::PlayerScreen(Prompter& prompter) : prompter_(prompter) {
    setObjectName(QStringLiteral("Profile"));
    look::setUpWindow(this, tr("Bailcrest: Player Properties"), 7815, 5295);
    skillNotice_ = new SpokenNotice(this);

    buildDetails();
    buildSkills();
    buildAutoSave();
    buildCommands();

    // Keyboard order: the four texts, the three sliders, the check box, then
    // the commands as they stand from left to right.
    QWidget* order[] = {texts_[0],       texts_[1],       texts_[2],        texts_[3],
                        sliders_[0],     sliders_[1],     sliders_[2],      autoSave_,
                        commands_[Exit], commands_[Load], commands_[Start], hallOfFame_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    texts_[0]->setFocus();
}

void PlayerScreen::buildDetails() {
    TitledFrame* details =
        frame(this, QStringLiteral("PLAYER_DETAILS"), tr("PLAYER DETAILS"), 120, 1800);
    const QString captions[4] = {tr("Name:"), tr("City:"), tr("State:"), tr("Country:")};
    for (int i = 0; i < 4; ++i) {
        const QString& captionText = captions[i];
        look::caption(details, QStringLiteral("Label3_%1").arg(i), captionText, look::silver,
                      look::rect(captionLeft, rowTop(i), captionWidth, 300));
        auto* text = new QLineEdit(details);
        text->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        look::place(text, look::rect(inputLeft, rowTop(i), 3240, 300));
        text->setMaxLength(maxTextLength);
        text->setFont(look::font(false));
        // A thin silver edge shows where a navy field lies on the navy frame;
        // it turns light yellow while the field has the keyboard focus.
        text->setStyleSheet(look::fieldStyle(look::lightYellow, 2, true));
        text->setAccessibleName(look::accessibleCaption(captionText));
        texts_[i] = text;
    }
}

void PlayerScreen::buildSkills() {
    TitledFrame* skills =
        frame(this, QStringLiteral("INITIAL_SKILLS"), tr("INITIAL SKILLS"), 2040, 1800);
    const QString captions[3] = {tr("Batting:"), tr("Bowling:"), tr("Fielding:")};
    for (int i = 0; i < 3; ++i) {
        const QString& captionText = captions[i];
        look::caption(skills, QStringLiteral("Label4_%1").arg(i), captionText, look::silver,
                      look::rect(captionLeft, rowTop(i), captionWidth, 255));
        auto* slider = new ScrollBar(Qt::Horizontal, skills);
        slider->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        look::place(slider, look::rect(inputLeft, rowTop(i), 4920, 255));
        slider->setRange(0, 100);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setPageKeyStep(10);
        // A dragged thumb counts once it is let go.
        slider->setTracking(false);
        slider->setAccessibleName(look::accessibleCaption(captionText));
        connect(slider, &QScrollBar::valueChanged, this, [this, i] { sliderChanged(i); });
        sliders_[i] = slider;

        displays_[i] =
            look::value(skills, QStringLiteral("Label2_%1").arg(i), captionText, look::lightYellow,
                        look::rect(displayLeft, rowTop(i), displayWidth, 255), Qt::AlignRight);
    }
    const QString overallCaption = tr("Player Overall Skills:");
    look::caption(skills, QStringLiteral("Label6"), overallCaption, look::silver,
                  look::rect(captionLeft, rowTop(3) + 60, 3000, 255));
    overall_ =
        look::value(skills, QStringLiteral("Label5"), overallCaption, look::green,
                    look::rect(displayLeft, rowTop(3) + 60, displayWidth, 255), Qt::AlignRight);
    showSkills();
}

void PlayerScreen::buildAutoSave() {
    TitledFrame* box = frame(this, QStringLiteral("AUTO_SAVE"), tr("AUTO SAVE"), 3960, 720);
    autoSave_ = new FocusMarked<QCheckBox>(
        tr("Check this box to automatically save the game after every match."), box);
    autoSave_->setObjectName(QStringLiteral("Check1"));
    look::place(autoSave_, look::rect(captionLeft, firstRow, 7215, 255));
    autoSave_->setFont(look::font(true));
    // The box itself is white with a black tick; its text is silver on navy.
    QPalette palette = autoSave_->palette();
    palette.setColor(QPalette::WindowText, look::silver);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, look::black);
    autoSave_->setPalette(palette);
    // A translation may run longer than the frame is wide: the box then shows
    // as much of the sentence as fits, and the whole as its tooltip and
    // screen-reader name.
    const QString sentence = autoSave_->text();
    const QFontMetrics metrics(autoSave_->font());
    const int beside = autoSave_->sizeHint().width() - metrics.horizontalAdvance(sentence);
    const int room = autoSave_->width() - beside;
    if (metrics.horizontalAdvance(sentence) > room) {
        autoSave_->setText(metrics.elidedText(sentence, Qt::ElideRight, room));
        autoSave_->setToolTip(sentence);
        autoSave_->setAccessibleName(sentence);
    }
}

void PlayerScreen::buildCommands() {
    const struct {
        Command command;
        QString caption;
        int left;
    } row[commandCount] = {
        {Exit, tr("Exit"), 2025}, {Load, tr("Load"), 3360}, {Start, tr("Start"), 4695}};
    for (const auto& entry : row) {
        auto* button = new CommandButton(entry.caption, this);
        button->setObjectName(QStringLiteral("Label1_%1").arg(entry.command));
        look::place(button, look::rect(entry.left, 4800, 1095, 375));
        commands_[entry.command] = button;
    }
    connect(commands_[Start], &QAbstractButton::clicked, this, &PlayerScreen::start);
    connect(commands_[Exit], &QAbstractButton::clicked, this, &QWidget::close);
    connect(commands_[Load], &QAbstractButton::clicked, this, &PlayerScreen::loadRequested);

    // Beyond the row of the three, at its right: the best careers so far.
    //: Opens the hall of fame, the best careers ever played.
    hallOfFame_ = new CommandButton(tr("Hall of Fame"), this);
    hallOfFame_->setObjectName(QStringLiteral("hallOfFame"));
    look::place(hallOfFame_, look::rect(6030, 4800, 1545, 375));
    hallOfFame_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F)});
    connect(hallOfFame_, &QAbstractButton::clicked, this, &PlayerScreen::hallOfFameRequested);
}

PlayerDetails PlayerScreen::details() const {
    return {texts_[0]->text(), texts_[1]->text(), texts_[2]->text(),
            texts_[3]->text(), skills_,           autoSave_->isChecked()};
}

void PlayerScreen::showDetails(const PlayerDetails& details) {
    texts_[0]->setText(details.name);
    texts_[1]->setText(details.city);
    texts_[2]->setText(details.state);
    texts_[3]->setText(details.country);
    skills_ = details.skills;
    showSkills();
    autoSave_->setChecked(details.autoSave);
}

void PlayerScreen::sliderChanged(int index) {
    const auto value = static_cast<std::int16_t>(sliders_.at(index)->value());
    std::int16_t* const skills[3] = {&skills_.batting, &skills_.bowling, &skills_.fielding};
    *skills[index] = value;
    showSkills();
    if (!sliders_.at(index)->hasFocus()) return;
    // A screen reader says the bar's new value alone ("0"); the skill it is
    // and the overall skill it makes are told with it.
    //: What a screen reader says as a starting-skill bar moves: %1 the skill
    //: ("Batting"), %2 its value, %3 "Player Overall Skills", %4 that value.
    skillNotice_->say(tr("%1: %2; %3: %4")
                          .arg(sliders_.at(index)->accessibleName(), shownNumber(value),
                               look::accessibleCaption(tr("Player Overall Skills:")),
                               shownNumber(overallSkill(skills_))));
}

void PlayerScreen::showSkills() {
    look::setValueText(displays_[0], shownNumber(skills_.batting));
    look::setValueText(displays_[1], shownNumber(skills_.bowling));
    look::setValueText(displays_[2], shownNumber(skills_.fielding));
    look::setValueText(overall_, shownNumber(overallSkill(skills_)));
}

void PlayerScreen::start() {
    //: Told under "Please fill in the player details properly." when the
    //: field is empty.
    const QString empty[4] = {tr("The name is empty."), tr("The city is empty."),
                              tr("The state is empty."), tr("The country is empty.")};
    for (int i = 0; i < 4; ++i) {
        if (!texts_[i]->text().isEmpty()) continue;
        // The keyboard waits in the field to fill in, once the notice that
        // names it is read.
        texts_[i]->setFocus(Qt::OtherFocusReason);
        prompter_.noticeWithDetails(this, tr("Please fill in the player details properly."),
                                    empty[i]);
        texts_[i]->setFocus(Qt::OtherFocusReason);
        return;
    }
    emit startRequested();
}

void PlayerScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

void PlayerScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit backRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/play_on_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "screens/command_button.h"
#include "screens/command_row.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/titled_frame.h"

namespace {

// The gear and body figures a run may watch, under the main screen's own
// captions, the colour that ends them left out.
struct Watched {
    Shortfall::Figure figure;
    const char* caption;
};
constexpr Watched watched[] = {
    {Shortfall::bat, QT_TRANSLATE_NOOP("MainScreen", "Bat:")},
    {Shortfall::gloves, QT_TRANSLATE_NOOP("MainScreen", "Gloves:")},
    {Shortfall::pads, QT_TRANSLATE_NOOP("MainScreen", "Pads:")},
    {Shortfall::others, QT_TRANSLATE_NOOP("MainScreen", "Others:")},
    {Shortfall::fitness, QT_TRANSLATE_NOOP("MainScreen", "Fitness:")},
    {Shortfall::health, QT_TRANSLATE_NOOP("MainScreen", "Health:")},
    {Shortfall::stamina, QT_TRANSLATE_NOOP("MainScreen", "Stamina:")},
};

QString figureName(const char* caption) {
    QString name = MainScreen::tr(caption).trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

QCheckBox* choice(const QString& text, bool checked, const QString& objectName, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName);
    box->setChecked(checked);
    box->setFont(look::font(true));
    look::setTextColour(box, look::silver);
    return box;
}

// A caption of the dialog, in the silver of the game's captions.
QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(look::font(true));
    look::setTextColour(label, look::silver);
    return label;
}

// A field in the look of the game's values: light yellow on navy, in a thin
// silver edge that turns light yellow while it has the keyboard.
void lookOfAValue(QWidget* field) {
    field->setFont(look::font(true));
    const QString edge = QStringLiteral(
        "%1 { background: rgb(0, 0, 64); color: rgb(255, 255, 128); "
        "border: 1px solid rgb(192, 192, 192); padding: 1px 4px; }"
        " %1:focus { border-color: rgb(255, 255, 128); }"
        " %1:disabled { color: rgb(150, 150, 170); border-color: rgb(96, 96, 160); }");
    field->setStyleSheet(edge.arg(QString::fromLatin1(field->metaObject()->className())));
}

}  // namespace

PlayOnDialog::PlayOnDialog(const PlayOnRules& chosen, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("playOn"));
    //: The title of the dialog that plays many matches in a run.
    setWindowTitle(tr("Bailcrest: Play On"));
    setModal(true);
    look::darken(this);
    setAutoFillBackground(true);
    setFont(look::font(false));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    auto* matchesRow = new QHBoxLayout;
    matches_ = new QSpinBox(this);
    matches_->setObjectName(QStringLiteral("matches"));
    matches_->setRange(1, mostMatchesPlayedOn);
    matches_->setGroupSeparatorShown(true);
    matches_->setValue(std::clamp(chosen.matches, 1, mostMatchesPlayedOn));
    lookOfAValue(matches_);
    //: How many matches Play on plays, from 1 to 1,000.
    auto* matchesCaption = captionLabel(tr("&Matches to play:"), this);
    matchesCaption->setBuddy(matches_);
    // Room for the caption as written, its access key's "&" and all.
    matchesCaption->setMinimumWidth(
        matchesCaption->fontMetrics().horizontalAdvance(matchesCaption->text()) + 4);
    matchesRow->addWidget(matchesCaption);
    matchesRow->addWidget(matches_, 1);
    layout->addLayout(matchesRow);

    //: The choices of where a run of matches stops before it has played them all.
    auto* stops = new TitledFrame(tr("Stop early"), this);
    stops->setObjectName(QStringLiteral("stops"));
    auto* stopsLayout = new QVBoxLayout(stops);
    // Below the title that stands over the frame's top line.
    stopsLayout->setContentsMargins(10, stops->fontMetrics().height() + 4, 10, 8);
    beforeDrop_ = choice(tr("&Before a drop, when a figure on the main screen is marked"),
                         chosen.beforeDrop, QStringLiteral("beforeDrop"), stops);
    atPromotion_ =
        choice(tr("At a &promotion"), chosen.atPromotion, QStringLiteral("atPromotion"), stops);
    atWorldCup_ = choice(tr("At &World Cup selection"), chosen.atWorldCup,
                         QStringLiteral("atWorldCup"), stops);
    atAward_ = choice(tr("At an &award"), chosen.atAward, QStringLiteral("atAward"), stops);
    for (QCheckBox* box : {beforeDrop_, atPromotion_, atWorldCup_, atAward_})
        stopsLayout->addWidget(box);

    auto* floorRow = new QHBoxLayout;
    //: Followed by a list of gear and body items and a value: "When Stamina falls to 20".
    atFloor_ =
        choice(tr("When"), chosen.conditionFloor.has_value(), QStringLiteral("atFloor"), stops);
    floorFigure_ = new QComboBox(stops);
    floorFigure_->setObjectName(QStringLiteral("floorFigure"));
    floorFigure_->setFont(look::font(true));
    look::darken(floorFigure_);
    for (const Watched& figure : watched)
        floorFigure_->addItem(figureName(figure.caption), static_cast<int>(figure.figure));
    //: The accessible name of the list of gear and body items a run watches.
    floorFigure_->setAccessibleName(tr("Condition to watch"));
    //: Between the gear or body item and the value it falls to: "When Stamina falls to 20".
    auto* fallsTo = captionLabel(tr("falls to"), stops);
    floorValue_ = new QSpinBox(stops);
    floorValue_->setObjectName(QStringLiteral("floorValue"));
    floorValue_->setRange(0, 100);
    lookOfAValue(floorValue_);
    //: The accessible name of the value at which a run stops for the item watched.
    floorValue_->setAccessibleName(tr("Value to stop at"));
    fallsTo->setBuddy(floorValue_);
    const ConditionFloor floor = chosen.conditionFloor.value_or(ConditionFloor{});
    floorFigure_->setCurrentIndex(
        std::max(0, floorFigure_->findData(static_cast<int>(floor.figure))));
    floorValue_->setValue(floor.value);
    floorRow->addWidget(atFloor_);
    floorRow->addWidget(floorFigure_);
    floorRow->addWidget(fallsTo);
    floorRow->addWidget(floorValue_);
    floorRow->addStretch(1);
    stopsLayout->addLayout(floorRow);
    //: Said below the choices: with none of them chosen, the run stops only at a question.
    auto* never = new QLabel(tr("With none chosen, Play on stops only at a question or at the "
                                "end of the career."),
                             stops);
    never->setWordWrap(true);
    never->setFont(look::font(false));
    look::setTextColour(never, look::lightGrey);
    stopsLayout->addWidget(never);
    const auto followFloor = [this] {
        floorFigure_->setEnabled(atFloor_->isChecked());
        floorValue_->setEnabled(atFloor_->isChecked());
    };
    connect(atFloor_, &QCheckBox::toggled, this, followFloor);
    followFloor();
    layout->addWidget(stops);

    // Cancel at the left and the command at the right, as on the game's
    // other screens.
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* cancel = addCommand(commands, QStringLiteral("cancel"), tr("&Cancel"), {});
    commands->addSpacing(look::px(480));
    //: The button that starts the run of matches.
    start_ = addCommand(commands, QStringLiteral("start"), tr("&Play On"), {});
    commands->addStretch(1);
    connect(start_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    layout->addLayout(commands);
    matches_->setFocus();
    matches_->selectAll();
}

void PlayOnDialog::keyPressEvent(QKeyEvent* event) {
    // Enter starts the run wherever the focus stands but on Cancel, which
    // takes its own key.
    if ((event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        start_->animateClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

PlayOnRules PlayOnDialog::rules() const {
    PlayOnRules rules;
    rules.matches = matches_->value();
    rules.beforeDrop = beforeDrop_->isChecked();
    rules.atPromotion = atPromotion_->isChecked();
    rules.atWorldCup = atWorldCup_->isChecked();
    rules.atAward = atAward_->isChecked();
    if (atFloor_->isChecked()) {
        rules.conditionFloor =
            ConditionFloor{static_cast<Shortfall::Figure>(floorFigure_->currentData().toInt()),
                           floorValue_->value()};
    }
    return rules;
}

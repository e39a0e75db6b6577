#include "core/main_screen.h"

#include <QCloseEvent>
#include <QLabel>

#include "core/career_host.h"
#include "core/selection_check.h"
#include "manage/purchase_centres.h"
#include "manage/purchase_screen.h"
#include "manage/sponsors_screen.h"
#include "match/match_screen.h"
#include "records/about_screen.h"
#include "records/records_screen.h"
#include "ui/command_button.h"
#include "ui/look.h"
#include "ui/platform.h"
#include "ui/prompter.h"
#include "ui/titled_frame.h"

namespace {

constexpr int rowStep = 270;
constexpr int firstRow = 300;
constexpr int rowHeight = 255;

int rowTop(int row) {
    return firstRow + row * rowStep;
}

TitledFrame* frame(QWidget* parent, const QString& objectName, const QString& title, int left,
                   int top, int width, int height) {
    auto* f = new TitledFrame(title, parent);
    f->setObjectName(objectName);
    f->setGeometry(look::rect(left, top, width, height));
    return f;
}

QColor barColour(BarColour colour) {
    return colour == BarColour::green ? look::green : look::red;
}

QList<QKeySequence> quitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    if (!keys.contains(ctrlQ)) keys << ctrlQ;
    return keys;
}

void fill(QWidget* bar, const QColor& colour) {
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
}

}  // namespace

MainScreen::MainScreen(Platform& platform, CareerHost& host, const PlayerDetails& details)
    : platform_(platform), host_(host) {
    setObjectName(QStringLiteral("Main"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    look::setUpWindow(this, QStringLiteral("Bailcrest v1.0"), 9015, 5295);

    buildProfile();
    buildLevelStats();
    buildFinance();
    buildConditions();
    buildMenu();

    for (int i = 0; i < fieldCount; ++i) {
        if (labels_[i]) look::setValueText(labels_[i], career_.record.text(static_cast<Field>(i)));
    }
    career_.record.setChangeListener([this](Field field) { showField(field); });

    startCareer(career_, details, platform_.random);
    records_ = new RecordsScreen(career_.book, this);
}

MainScreen::~MainScreen() {
    career_.record.setChangeListener(nullptr);
}

QLabel* MainScreen::addField(QWidget* frame, Field field, const QString& captionText, int left,
                             int top, int captionWidth, int valueWidth) {
    const QString name = QStringLiteral("caption_%1").arg(static_cast<int>(field));
    look::caption(frame, name, captionText, look::silver,
                  look::rect(left, top, captionWidth, rowHeight));
    QLabel* label = look::value(frame, QString(), captionText, look::lightYellow,
                                look::rect(left + captionWidth, top, valueWidth, rowHeight));
    labels_[static_cast<int>(field)] = label;
    return label;
}

QWidget* MainScreen::addBar(QWidget* frame, const QString& objectName, int left, int top) {
    auto* bar = new QWidget(frame);
    bar->setObjectName(objectName);
    bar->setAutoFillBackground(true);
    bar->setGeometry(look::rect(left, top, CareerRecord::fullBarTwips, rowHeight));
    fill(bar, look::blue);
    return bar;
}

void MainScreen::buildProfile() {
    auto* profile = frame(this, QStringLiteral("Frame_PROFILE"), QStringLiteral("PROFILE"), 120,
                          120, 3615, 1935);
    const struct {
        Field field;
        const char* caption;
        const char* objectName;
    } rows[] = {{Field::player, "Player:", "player"},
                {Field::team, "Team:", "team"},
                {Field::role, "Category:", "role"},
                {Field::sponsor, "Sponsor:", "sponsor"}};
    for (int i = 0; i < 4; ++i) {
        addField(profile, rows[i].field, QString::fromLatin1(rows[i].caption), 120, rowTop(i), 1095,
                 2280)
            ->setObjectName(QString::fromLatin1(rows[i].objectName));
    }
    addField(profile, Label2(0), QStringLiteral("Batting:"), 120, rowTop(4), 1095, 480)
        ->setObjectName(QStringLiteral("Label2_0"));
    addField(profile, Label2(1), QStringLiteral("Bowling:"), 1920, rowTop(4), 1095, 480)
        ->setObjectName(QStringLiteral("Label2_1"));
    addField(profile, Label2(2), QStringLiteral("Fielding:"), 120, rowTop(5), 1095, 480)
        ->setObjectName(QStringLiteral("Label2_2"));
    QLabel* skill =
        addField(profile, Field::skill, QStringLiteral("Overall:"), 1920, rowTop(5), 1095, 480);
    skill->setObjectName(QStringLiteral("skill"));
    look::setTextColour(skill, look::green);
}

void MainScreen::buildLevelStats() {
    auto* stats = frame(this, QStringLiteral("Frame_LEVEL_STATS"), QStringLiteral("LEVEL STATS"),
                        120, 2160, 3615, 3015);
    const struct {
        Field field;
        const char* caption;
        const char* objectName;
    } rows[] = {{Field::matches, "Matches Played:", "matches"},
                {Field::runs, "Runs Scored:", "runs"},
                {Field::wickets, "Wickets Taken:", "wickets"},
                {Field::catches, "Catches Held:", "catches"},
                {Field::highestscore, "Highest Score:", "highestscore"},
                {Field::bataverage, "Batting Average:", "bataverage"},
                {Field::fifty, "50s:", "fifty"},
                {Field::hundred, "100s:", "hundred"},
                {Field::mostwickets, "Most Wickets:", "mostwickets"},
                {Field::fivewickets, "5 Wickets:", "fivewickets"}};
    for (int i = 0; i < 10; ++i) {
        addField(stats, rows[i].field, QString::fromLatin1(rows[i].caption), 120, rowTop(i), 2280,
                 1095)
            ->setObjectName(QString::fromLatin1(rows[i].objectName));
    }
}

void MainScreen::buildFinance() {
    auto* finance = frame(this, QStringLiteral("Frame_FINANCE"), QStringLiteral("FINANCE"), 3840,
                          120, 3615, 1455);
    const struct {
        Field field;
        const char* caption;
        const char* objectName;
    } rows[] = {{Field::matchfee, "Match Fee (Rs):", "matchfee"},
                {Field::sponsorship, "Sponsorship (Rs):", "sponsorship"},
                {Field::otherincome, "Other Incomes (Rs):", "otherincome"},
                {Field::bankbalance, "Bank Balance (Rs):", "bankbalance"}};
    for (int i = 0; i < 4; ++i) {
        addField(finance, rows[i].field, QString::fromLatin1(rows[i].caption), 120, rowTop(i), 2160,
                 1215)
            ->setObjectName(QString::fromLatin1(rows[i].objectName));
    }
    look::setTextColour(fieldLabel(Field::bankbalance), look::green);
}

void MainScreen::buildConditions() {
    auto* accessories = frame(this, QStringLiteral("Frame_ACCESSORIES"),
                              QStringLiteral("ACCESSORIES"), 3840, 1680, 3615, 1815);
    auto* health = frame(this, QStringLiteral("Frame_HEALTH"), QStringLiteral("HEALTH"), 3840, 3600,
                         3615, 1575);
    const char* captions[7] = {
        "Bat:", "Gloves:", "Pads:", "Others:", "Fitness:", "Health:", "Stamina:"};
    for (int i = 0; i < 7; ++i) {
        QWidget* parent = i < 4 ? accessories : health;
        const int row = i < 4 ? i : i - 4;
        QLabel* label = addField(parent, Label23(i), QString::fromLatin1(captions[i]), 120,
                                 rowTop(row), 960, 525);
        label->setObjectName(QStringLiteral("Label23_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        conditionBars_[i] = addBar(parent, QStringLiteral("Shape3_%1").arg(i), 1740, rowTop(row));
    }
    QLabel* overallAccessories =
        addField(accessories, Field::Label24, QStringLiteral("Overall:"), 120, rowTop(4), 960, 525);
    overallAccessories->setObjectName(QStringLiteral("Label24"));
    overallAccessories->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    accessoriesBar_ = addBar(accessories, QStringLiteral("Shape4"), 1740, rowTop(4));
    QLabel* overallHealth =
        addField(health, Field::Label25, QStringLiteral("Overall:"), 120, rowTop(3), 960, 525);
    overallHealth->setObjectName(QStringLiteral("Label25"));
    overallHealth->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    healthBar_ = addBar(health, QStringLiteral("Shape5"), 1740, rowTop(3));
    for (QWidget* bar : {accessoriesBar_, healthBar_}) fill(bar, look::green);
    look::setTextColour(overallAccessories, look::green);
    look::setTextColour(overallHealth, look::green);
}

void MainScreen::buildMenu() {
    auto* menu = frame(this, QStringLiteral("Frame_menu"), QString(), 7560, 120, 1335, 5055);
    // Each command's keys: Play also on F5, Exit on the desktop's Quit key,
    // the store on G for gear (S would suggest Save), sponsors on O for offers.
    const struct {
        const char* caption;
        int top;
        QList<QKeySequence> keys;
    } entries[commandCount] = {{"About", 795, {Qt::Key_F1}},
                               {"Exit", 315, quitKeys()},
                               {"Sponsors", 1755, {Qt::CTRL | Qt::Key_O}},
                               {"Store", 2715, {Qt::CTRL | Qt::Key_G}},
                               {"Training", 2235, {Qt::CTRL | Qt::Key_T}},
                               {"Play", 4635, {Qt::Key_F5, Qt::CTRL | Qt::Key_P}},
                               {"Records", 4155, {Qt::CTRL | Qt::Key_R}},
                               {"Health", 3195, {Qt::CTRL | Qt::Key_H}}};
    // Tab order follows the column from top to bottom.
    const Command columnOrder[commandCount] = {Exit,  About,  Sponsors, Training,
                                               Store, Health, Records,  Play};
    for (int i = 0; i < commandCount; ++i) {
        auto* button = new CommandButton(QString::fromLatin1(entries[i].caption), menu);
        button->setObjectName(QStringLiteral("Label1_%1").arg(i));
        button->setGeometry(look::rect(120, entries[i].top, 1095, 375));
        button->setShortcuts(entries[i].keys);
        commands_[i] = button;
        connect(button, &QAbstractButton::clicked, this,
                [this, i] { runCommand(static_cast<Command>(i)); });
    }
    for (int i = 1; i < commandCount; ++i) {
        setTabOrder(commands_[columnOrder[i - 1]], commands_[columnOrder[i]]);
    }
}

void MainScreen::showField(Field field) {
    CareerRecord& record = career_.record;
    if (QLabel* label = labels_.at(static_cast<int>(field))) {
        // A doubled ampersand is how a sponsor's caption keeps a literal "&".
        QString text = record.text(field);
        if (field == Field::sponsor) text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        look::setValueText(label, text);
    }
    if (field >= Field::Label23_0 && field <= Field::Label23_6) {
        const int index = static_cast<int>(field) - static_cast<int>(Field::Label23_0);
        QWidget* bar = conditionBars_.at(index);
        bar->resize(look::px(record.conditionBarTwips(index)), bar->height());
    } else if (field == Field::Label24 || field == Field::Label25) {
        const bool accessories = field == Field::Label24;
        QWidget* bar = accessories ? accessoriesBar_ : healthBar_;
        const int twips = accessories ? record.accessoriesBarTwips() : record.healthBarTwips();
        const QColor colour =
            barColour(accessories ? record.accessoriesColour() : record.healthColour());
        bar->resize(look::px(twips), bar->height());
        fill(bar, colour);
        look::setTextColour(labels_.at(static_cast<int>(field)), colour);
    }
}

void MainScreen::runCommand(Command command) {
    switch (command) {
        case About:
            showCredits();
            break;
        case Exit:
            close();
            break;
        case Sponsors:
            showSponsors();
            break;
        case Store:
            showStore();
            break;
        case Training:
            showTraining();
            break;
        case Play:
            play();
            break;
        case Records:
            records_->exec();
            break;
        case Health:
            showHealth();
            break;
        case commandCount:
            break;
    }
}

void MainScreen::showCredits() {
    ::About credits(platform_.opener, this);
    credits.setStatus(QStringLiteral("1"));
    credits.exec();
}

void MainScreen::showSponsors() {
    SponsorsScreen(career().record, this).exec();
}

void MainScreen::showStore() {
    PurchaseScreen(purchase_centres::store(), career().record, platform().prompter, this).exec();
}

void MainScreen::showTraining() {
    PurchaseScreen(purchase_centres::training(), career().record, platform().prompter, this).exec();
}

void MainScreen::showHealth() {
    PurchaseScreen(purchase_centres::health(), career().record, platform().prompter, this).exec();
}

void MainScreen::play() {
    CheckData(career_, platform_.prompter, platform_.random, *this);
}

void MainScreen::playMatch() {
    MatchScreen match(career_, platform_, this);
    match.exec();
}

void MainScreen::endCareer() {
    career_.working.Answer =
        platform_.prompter.question(QStringLiteral("Do you want to play again?"));
    careerOver_ = true;
    records_->close();
    hide();
    if (career_.working.Answer) {
        host_.playAgain();
    } else {
        host_.endProgram();
    }
}

void MainScreen::closeEvent(QCloseEvent* event) {
    records_->close();
    event->accept();
    if (!careerOver_) host_.endProgram();
}

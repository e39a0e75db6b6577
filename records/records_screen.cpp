#include "records/records_screen.h"

#include <QLabel>

#include "ui/command_button.h"
#include "ui/look.h"
#include "ui/titled_frame.h"

namespace {

constexpr std::array<int, RecordBook::columnCount> columnLefts{2280, 3720, 5160, 6600};
constexpr std::array<int, RecordBook::rowCount> rowTops{1200, 1440, 1680, 1920, 2280,
                                                        2520, 2760, 3000, 3360, 3600};
const std::array<QString, RecordBook::columnCount> columnHeadings{
    QStringLiteral("Club"), QStringLiteral("City"), QStringLiteral("State"),
    QStringLiteral("Country")};

}  // namespace

const std::array<QString, RecordBook::rowCount>& RecordsScreen::rowCaptions() {
    static const std::array<QString, RecordBook::rowCount> captions{
        QStringLiteral("Matches Played:"),
        QStringLiteral("Runs Scored:"),
        QStringLiteral("Wickets Taken:"),
        QStringLiteral("Catches Held:"),
        QStringLiteral("Highest Score:"),
        QStringLiteral("Batting Average:"),
        QStringLiteral("50s:"),
        QStringLiteral("100s:"),
        QStringLiteral("Most Wickets:"),
        QStringLiteral("5 Wickets:")};
    return captions;
}

RecordsScreen::RecordsScreen(RecordBook& book, QWidget* owner) : QDialog(owner), book_(book) {
    setObjectName(QStringLiteral("Records"));
    look::setUpWindow(this, QStringLiteral("Bailcrest: Record Book"), 7935, 4545);
    setModal(true);

    name_ = look::value(this, QStringLiteral("Label2_0"), QStringLiteral("Player"), look::red,
                        look::rect(120, 120, 7695, 255), Qt::AlignHCenter);
    look::caption(this, QStringLiteral("Label2_12"), QStringLiteral("CAREER RECORDS AND STATS"),
                  look::green, look::rect(120, 480, 7695, 255))
        ->setAlignment(Qt::AlignCenter);
    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(look::rect(120, 720, 7695, 3255));

    look::caption(this, QStringLiteral("Label3"), QStringLiteral("Level/Team:"), look::silver,
                  look::rect(240, 840, 1935, 255));
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        look::caption(this, QStringLiteral("Label14_%1").arg(column), columnHeadings[column],
                      look::silver, look::rect(columnLefts[column], 840, 1095, 255));
    }
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        look::caption(this, QStringLiteral("Label3_%1").arg(row), rowCaptions()[row], look::silver,
                      look::rect(240, rowTops[row], 1935, 255));
        for (int column = 0; column < RecordBook::columnCount; ++column) {
            const QString description = look::accessibleCaption(rowCaptions()[row]) +
                                        QStringLiteral(", ") + columnHeadings[column];
            cells_[row][column] = look::value(
                this, QStringLiteral("Label%1_%2").arg(row + 4).arg(column), description,
                look::lightYellow, look::rect(columnLefts[column], rowTops[row], 1095, 255));
        }
    }

    ok_ = new CommandButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    ok_->setGeometry(look::rect(3420, 4080, 1095, 375));
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::hide);

    for (int column = 0; column < RecordBook::columnCount; ++column) showColumn(column);
    book_.setChangeListener([this](int column) { showColumn(column); });
}

RecordsScreen::~RecordsScreen() {
    book_.setChangeListener(nullptr);
}

void RecordsScreen::showColumn(int column) {
    look::setValueText(name_, book_.playerName());
    if (column < 0) return;
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        look::setValueText(cells_[row][column], book_.cell(row, column));
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/career_picker.h"

#include <QDir>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "game/level.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "screens/command_button.h"
#include "screens/command_row.h"
#include "screens/look.h"
#include "screens/prompter.h"
#include "screens/row_table.h"
#include "screens/shown_name.h"

namespace {

// Sorts by the model's sort role, with the files that are no career after
// every career whichever way the list is sorted.
class CareersFirst : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const bool leftCareer = left.flags() & Qt::ItemIsSelectable;
        const bool rightCareer = right.flags() & Qt::ItemIsSelectable;
        if (leftCareer != rightCareer)
            return sortOrder() == Qt::AscendingOrder ? leftCareer : rightCareer;
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

}  // namespace

SavedCareersModel::SavedCareersModel(std::vector<SavedCareer> careers, QObject* parent)
    : QAbstractTableModel(parent), careers_(std::move(careers)) {}

int SavedCareersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(careers_.size());
}

int SavedCareersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QString SavedCareersModel::statusText(const SavedCareer& saved) const {
    if (saved.kind == SavedCareer::Kind::notACareer) return saved.reason;
    if (saved.kind == SavedCareer::Kind::setAside) {
        //: A career's save kept aside when another career took its file.
        if (saved.ended) return tr("Set aside, ended");
        //: A career's save kept aside when another career took its
        //: file, of a career that ended and was loaded and played on.
        return saved.playedOnAfterItsEnd ? tr("Set aside, played on after its end")
                                         : tr("Set aside");
    }
    //: Whether a saved career has ended or can be played on.
    if (saved.ended) return tr("Ended");
    //: A career that ended, then was loaded again and played on.
    return saved.playedOnAfterItsEnd ? tr("Played on after its end") : tr("Playing");
}

QString SavedCareersModel::text(const SavedCareer& saved, int column) const {
    const bool isCareer = saved.kind != SavedCareer::Kind::notACareer;
    const Career& c = saved.career;
    switch (column) {
        case player:
            return isCareer ? c.player : QString();
        case level:
            return isCareer ? levelName(c.level) : QString();
        case team:
            return isCareer ? teamName(c.team) : QString();
        case matches:
            return isCareer ? shownNumber(saved.summary.matches) : QString();
        case runs:
            return isCareer ? shownNumber(saved.summary.runs) : QString();
        case wickets:
            return isCareer ? shownNumber(saved.summary.wickets) : QString();
        case bankBalance:
            return isCareer ? shownMoney(c.bankBalance) : QString();
        case status: {
            const QString standing = statusText(saved);
            //: A career listed from a Saves folder the game cannot write to.
            return saved.inReadOnlyFolder ? tr("%1, read-only").arg(standing) : standing;
        }
        case lastPlayed:
            return isCareer ? QLocale().toString(saved.lastPlayed, QLocale::ShortFormat)
                            : QString();
        case file:
            return shownPath(saved.fileName);
        default:
            return QString();
    }
}

QVariant SavedCareersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const SavedCareer& saved = career(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return text(saved, column);
        case Qt::ToolTipRole:
            if (saved.kind == SavedCareer::Kind::notACareer) {
                //: Why a file in the Saves folder cannot be loaded: %1 is the file's
                //: name, %2 the reason.
                return tr("%1 is not a career the game can load: %2")
                    .arg(shownPath(saved.fileName), saved.reason);
            }
            return {};
        case Qt::TextAlignmentRole:
            if (column >= matches && column <= bankBalance)
                return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case sortRole: {
            const bool isCareer = saved.kind != SavedCareer::Kind::notACareer;
            const Career& c = saved.career;
            switch (column) {
                case level:
                    return isCareer ? levelIndex(c.level) : -1;
                case matches:
                    return isCareer ? saved.summary.matches : -1;
                case runs:
                    return isCareer ? saved.summary.runs : qint64(-1);
                case wickets:
                    return isCareer ? saved.summary.wickets : qint64(-1);
                case bankBalance:
                    return isCareer ? c.bankBalance : -1e300;
                case lastPlayed:
                    return saved.lastPlayed;
                default:
                    return text(saved, column).toLower();
            }
        }
        default:
            return {};
    }
}

QVariant SavedCareersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case player:
            return tr("Player");
        case level:
            return tr("Level");
        case team:
            return tr("Team");
        case matches:
            return tr("Matches");
        case runs:
            return tr("Runs");
        case wickets:
            return tr("Wickets");
        case bankBalance:
            return tr("Bank balance (Rs.)");
        case status:
            return tr("Status");
        case lastPlayed:
            return tr("Last played");
        case file:
            return tr("File");
        default:
            return {};
    }
}

Qt::ItemFlags SavedCareersModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || career(index.row()).kind == SavedCareer::Kind::notACareer)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

CareerPicker::CareerPicker(const QString& folder, const QString& title, const QString& filter,
                           Prompter& prompter, QWidget* owner, const QString& readOnlyFolder)
    : QDialog(owner), folder_(folder), title_(title), filter_(filter), prompter_(prompter) {
    setObjectName(QStringLiteral("careerPicker"));
    look::setUpResizableWindow(this, title, 12000, 6000);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* findRow = new QHBoxLayout;
    //: Above the Load list: what the player types narrows the list.
    auto* findCaption = new QLabel(tr("&Find:"), this);
    findCaption->setFont(look::font(true));
    look::setTextColour(findCaption, look::silver);
    filterField_ = new QLineEdit(this);
    filterField_->setObjectName(QStringLiteral("careerFilter"));
    filterField_->setFont(look::font(false));
    look::darken(filterField_);
    QPalette findPalette = filterField_->palette();
    findPalette.setColor(QPalette::PlaceholderText, QColor(150, 150, 170));
    filterField_->setPalette(findPalette);
    filterField_->setClearButtonEnabled(true);
    filterField_->setAccessibleName(look::accessibleCaption(findCaption->text()));
    //: In the Load list's find field, before anything is typed.
    filterField_->setPlaceholderText(tr("Name, team, level or file"));
    findCaption->setBuddy(filterField_);
    // Room for the caption as written, access-key mark and all, in any language.
    findCaption->setMinimumWidth(
        QFontMetrics(findCaption->font()).horizontalAdvance(findCaption->text()));
    findRow->addWidget(findCaption);
    findRow->addWidget(filterField_, 1);
    layout->addLayout(findRow);

    std::vector<SavedCareer> careers = listSavedCareers(folder);
    if (!readOnlyFolder.isEmpty()) {
        for (SavedCareer& saved : listSavedCareers(readOnlyFolder)) {
            saved.inReadOnlyFolder = true;
            careers.push_back(std::move(saved));
        }
    }
    const bool none = careers.empty();
    model_ = new SavedCareersModel(std::move(careers), this);
    proxy_ = new CareersFirst(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(SavedCareersModel::sortRole);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("savedCareers"));
    table_->setModel(proxy_);
    //: The Load list's table, as a screen reader names it.
    setUpRowTable(table_, tr("Saved careers"));
    for (const int column :
         {SavedCareersModel::player, SavedCareersModel::team, SavedCareersModel::file}) {
        showNamesInColumn(table_, column);
    }
    table_->setSortingEnabled(true);
    // The career played last comes first.
    table_->sortByColumn(SavedCareersModel::lastPlayed, Qt::DescendingOrder);
    fitColumnsToContents(table_);
    layout->addWidget(table_, 1);

    auto* where = new QLabel(this);
    where->setObjectName(QStringLiteral("savesFolder"));
    where->setFont(look::font(false));
    where->setWordWrap(true);
    where->setTextFormat(Qt::PlainText);
    look::setTextColour(where, look::silver);
    const QString shownFolder = shownPath(folder);
    QString whereText =
        none ? tr("No career is saved in %1 yet. Browse… finds a save elsewhere.").arg(shownFolder)
             //: %1 is the folder the Load list shows.
             : tr("Careers saved in %1.").arg(shownFolder);
    if (!readOnlyFolder.isEmpty()) {
        //: %1 is a Saves folder the game cannot write to, %2 where new saves go.
        whereText += QLatin1Char(' ') + tr("The careers of %1 are listed too, marked read-only: "
                                           "the game cannot write there, so new saves go to %2.")
                                            .arg(shownPath(readOnlyFolder), shownFolder);
    }
    where->setText(whereText);
    layout->addWidget(where);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    //: Opens the file dialog to load a save from another folder.
    browse_ = addCommand(commands, QStringLiteral("browse"), tr("Browse…"),
                         {QKeySequence(Qt::CTRL | Qt::Key_B)});
    //: Loads the career chosen in the list.
    open_ = addCommand(commands, QStringLiteral("open"), tr("Open"),
                       {QKeySequence(Qt::CTRL | Qt::Key_O)});
    auto* cancel = addCommand(commands, QStringLiteral("cancel"), tr("Cancel"),
                              {QKeySequence(Qt::Key_Escape)});
    layout->addLayout(commands);

    connect(browse_, &QAbstractButton::clicked, this, &CareerPicker::browse);
    connect(open_, &QAbstractButton::clicked, this, &CareerPicker::openCurrent);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(table_, &QAbstractItemView::doubleClicked, this, &CareerPicker::openCurrent);
    connect(filterField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setFilterFixedString(text);
        selectFirstCareer();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CareerPicker::showChoice);
    filterField_->installEventFilter(this);
    table_->installEventFilter(this);

    setTabOrder(filterField_, table_);
    setTabOrder(table_, browse_);
    setTabOrder(browse_, open_);
    setTabOrder(open_, cancel);
    selectFirstCareer();
    filterField_->setFocus();
}

void CareerPicker::selectFirstCareer() {
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        const QModelIndex index = proxy_->index(row, 0);
        if (index.flags() & Qt::ItemIsSelectable) {
            table_->setCurrentIndex(index);
            table_->scrollTo(index);
            return;
        }
    }
    table_->setCurrentIndex({});
    showChoice();
}

void CareerPicker::showChoice() {
    const QModelIndex current = table_->currentIndex();
    open_->setEnabled(current.isValid() && (current.flags() & Qt::ItemIsSelectable));
}

void CareerPicker::openCurrent() {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid() || !(current.flags() & Qt::ItemIsSelectable)) return;
    chosen_ = model_->career(proxy_->mapToSource(current).row()).path;
    accept();
}

void CareerPicker::browse() {
    const QString path =
        prompter_.chooseFileToOpen(this, title_, QDir::toNativeSeparators(folder_), filter_);
    if (path.isEmpty()) return;
    chosen_ = path;
    accept();
}

bool CareerPicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && key->modifiers() == Qt::NoModifier) {
        openCurrent();
        return true;
    }
    if (watched == filterField_) {
        // The list moves under the keys while the player types.
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown: {
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(table_, &copy);
                return true;
            }
            default:
                break;
        }
    } else if (watched == table_) {
        // Typing in the list goes on in the find field.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            filterField_->setFocus();
            filterField_->insert(text);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

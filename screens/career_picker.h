// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <vector>

#include "saves/saved_careers.h"

class QLineEdit;
class QSortFilterProxyModel;
class QTableView;
class CommandButton;
class Prompter;

// The saved careers of a folder as table rows: who, where, how far, and when
// last played. Files that hold no career are rows too, greyed, that cannot be
// chosen; their reason stands in the status column.
class SavedCareersModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        player,
        level,
        team,
        matches,
        runs,
        wickets,
        bankBalance,
        status,
        lastPlayed,
        file,
        columns
    };
    // The role the table sorts by: numbers as numbers, dates as dates.
    static constexpr int sortRole = Qt::UserRole + 1;

    explicit SavedCareersModel(std::vector<SavedCareer> careers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const SavedCareer& career(int row) const { return careers_.at(static_cast<std::size_t>(row)); }

  private:
    QString text(const SavedCareer& career, int column) const;
    // A career's standing: ended, set aside, played on, or why it is no career.
    QString statusText(const SavedCareer& career) const;
    std::vector<SavedCareer> careers_;
};

// Load: every career in the Saves folder, sortable by any column, narrowed
// by what the player types, opened with Enter or a double click. Browse…
// opens the file dialog for a save elsewhere.
class CareerPicker : public QDialog {
    Q_OBJECT
  public:
    // The careers of the read-only folder, if one is given, are listed too,
    // marked so, with the reason new saves go to the folder.
    CareerPicker(const QString& folder, const QString& title, const QString& filter,
                 Prompter& prompter, QWidget* owner, const QString& readOnlyFolder = QString());

    // The save chosen, once the dialog is accepted.
    const QString& chosenPath() const { return chosen_; }

    QTableView* table() const { return table_; }
    QLineEdit* filterField() const { return filterField_; }
    CommandButton* openCommand() const { return open_; }
    CommandButton* browseCommand() const { return browse_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openCurrent();
    void browse();
    void selectFirstCareer();
    void showChoice();

    QString folder_;
    QString title_;
    QString filter_;
    Prompter& prompter_;
    QString chosen_;
    SavedCareersModel* model_ = nullptr;
    QSortFilterProxyModel* proxy_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* filterField_ = nullptr;
    CommandButton* open_ = nullptr;
    CommandButton* browse_ = nullptr;
};

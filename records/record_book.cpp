#include "records/record_book.h"

RecordBook::RecordBook() : playerName_(QStringLiteral("Player Name")) {
    for (Column& column : cells_) column.fill(QStringLiteral("0"));
}

void RecordBook::setPlayerName(const QString& name) {
    playerName_ = name;
    if (listener_) listener_(-1);
}

void RecordBook::setCell(int row, int column, const QString& text) {
    cells_.at(column).at(row) = text;
    if (listener_) listener_(column);
}

void RecordBook::setColumn(int column, Column texts) {
    cells_.at(column) = std::move(texts);
    if (listener_) listener_(column);
}

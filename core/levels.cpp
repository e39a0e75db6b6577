#include "core/levels.h"

namespace levels {

std::optional<int> column(const QString& word) {
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        if (words[i] == word) return i;
    }
    return std::nullopt;
}

int number(const QString& word) {
    return column(word).value_or(club) + 1;
}

int selectionThreshold(int column) {
    static constexpr std::array<int, 4> thresholds{0, 10, 15, 25};
    return thresholds.at(column);
}

QString arrivalFee(int column) {
    static const std::array<QString, 4> fees{QStringLiteral("3000"), QStringLiteral("5000"),
                                             QStringLiteral("7000"), QStringLiteral("10000")};
    return fees.at(column);
}

}  // namespace levels

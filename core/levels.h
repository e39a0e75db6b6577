#pragma once

#include <QString>
#include <array>
#include <optional>

// The four levels of play. A level's column is its place in the record book
// (0 Club to 3 National); its number, column + 1, multiplies prices and offers.
namespace levels {

inline const std::array<QString, 4> words{QStringLiteral("Club"), QStringLiteral("City"),
                                          QStringLiteral("State"), QStringLiteral("National")};

constexpr int club = 0;
constexpr int city = 1;
constexpr int state = 2;
constexpr int national = 3;

// Exact, case-sensitive comparison; nothing for a word that is not a level.
std::optional<int> column(const QString& word);

// The level number (1 to 4); 1 for a word that is not a level.
int number(const QString& word);

// Minimum overall skill and fielding to be selected at the level.
int selectionThreshold(int column);

// Match fee on arriving at the level, by promotion or by a drop.
QString arrivalFee(int column);

inline const QString worldCupFee = QStringLiteral("12000");

}  // namespace levels

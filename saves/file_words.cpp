// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_words.h"

#include <array>

namespace {

const std::array<QString, levelCount> levelWords{QStringLiteral("Club"), QStringLiteral("City"),
                                                 QStringLiteral("State"),
                                                 QStringLiteral("National")};

}  // namespace

QString levelWord(Level level) {
    return levelWords.at(levelIndex(level));
}

std::optional<Level> levelFromWord(const QString& word) {
    for (const Level level : allLevels) {
        if (levelWords[levelIndex(level)] == word) return level;
    }
    return std::nullopt;
}

QString categoryWord(Category category) {
    switch (category) {
        case Category::allRounder:
            return QStringLiteral("All Rounder");
        case Category::batsman:
            return QStringLiteral("Batsman");
        case Category::bowler:
            return QStringLiteral("Bowler");
    }
    return QString();
}

QString sponsorInFile(const QString& name) {
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString sponsorFromFile(const QString& written) {
    return QString(written).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

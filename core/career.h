#pragma once

#include <QString>
#include <array>

#include "core/career_record.h"
#include "records/record_book.h"

// Values the main screen keeps beside the record for one career; not saved.
struct WorkingValues {
    static inline const std::array<QString, 5> ClubNames{
        QStringLiteral("Five Star"), QStringLiteral("Rising Sun"), QStringLiteral("Shining Moon"),
        QStringLiteral("Happy Valley"), QStringLiteral("Country Side")};

    QString ClubTeam;
    QString CityTeam;
    QString StateTeam;
    QString NationTeam;
    int WorldCup = 0;
    QString SelectionLevel;
    bool Answer = false;
};

// One career in memory: the record, its record book and the working values.
// The main screen owns it for as long as the career lasts.
struct Career {
    CareerRecord record;
    RecordBook book;
    WorkingValues working;
};

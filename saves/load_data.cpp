#include "saves/load_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/career.h"
#include "core/levels.h"
#include "core/numbers.h"
#include "ui/prompter.h"

SaveFileReading readSaveFile(const QString& path) {
    QFile file(path);
    const auto unreadable = [&file] {
        return SaveFileReading{
            {}, QStringLiteral("This save file could not be read: %1.").arg(file.errorString())};
    };
    if (!file.open(QIODevice::ReadOnly)) return unreadable();
    const QByteArray bytes = file.read(maxSaveFileBytes);
    if (file.error() != QFileDevice::NoError) return unreadable();
    return decodeSaveFile(bytes, file.atEnd());
}

PlayerDetails detailsFromSave(const SaveFile& file) {
    PlayerDetails details;
    details.name = file.line(saveLine::player);
    details.city = file.line(saveLine::cityTeam);
    details.state = file.line(saveLine::stateTeam);
    details.country = file.line(saveLine::nationTeam);
    details.batting = numbers::toInt16(file.line(saveLine::skills));
    details.bowling = numbers::toInt16(file.line(saveLine::skills + 1));
    details.fielding = numbers::toInt16(file.line(saveLine::skills + 2));
    details.autoSave = numbers::toInt16(file.line(saveLine::autoSave));
    return details;
}

void applySave(const SaveFile& file, Career& career, const QString& fileNameWithoutFolder) {
    CareerRecord& record = career.record;
    for (int i = 0; i < 3; ++i) record.set(skills(i), file.line(saveLine::startingSkills + i));
    record.set(teams(0), file.line(saveLine::clubTeam));
    record.set(Field::team, file.line(saveLine::team));
    record.set(Field::role, file.line(saveLine::role));
    record.set(Field::sponsor, file.line(saveLine::sponsor));
    record.set(Field::matchfee, file.line(saveLine::matchfee));
    record.set(Field::sponsorship, file.line(saveLine::sponsorship));
    record.set(Field::otherincome, file.line(saveLine::otherincome));
    record.set(Field::bankbalance, file.line(saveLine::bankbalance));
    for (int k = 0; k < 7; ++k) record.set(Label23(k), file.line(saveLine::conditions + k));
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        RecordBook::Column texts;
        for (int row = 0; row < RecordBook::rowCount; ++row) {
            texts.at(row) = file.line(saveLine::recordBook(column, row));
        }
        career.book.setColumn(column, texts);
    }
    record.set(Field::level, file.line(saveLine::level));
    if (const auto column = levels::column(record.text(Field::level))) {
        for (int row = 0; row < RecordBook::rowCount; ++row) {
            record.set(levelStatistics.at(row), career.book.cell(row, *column));
        }
    }
    record.set(Field::filename, fileNameWithoutFolder);
}

bool LoadData(Prompter& prompter, const QString& savesFolder, const LoadHooks& hooks) {
    const QString path = prompter.chooseFileToOpen(
        loadDialogTitle, QDir::toNativeSeparators(savesFolder), loadDialogFilter);
    const QFileInfo chosen(path);
    if (path.isEmpty() || !chosen.isFile()) return false;

    const SaveFileReading reading = readSaveFile(path);
    if (!reading.file) {
        prompter.notice(reading.error);
        return false;
    }
    const SaveFile& file = *reading.file;
    const PlayerDetails details = detailsFromSave(file);
    hooks.showOnPlayerScreen(details);
    applySave(file, hooks.startMainScreen(details), chosen.fileName());
    return true;
}

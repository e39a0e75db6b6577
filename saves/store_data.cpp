#include "saves/store_data.h"

#include <QDir>
#include <QSaveFile>

#include "core/career.h"
#include "match/match_context.h"
#include "saves/saves_folder.h"
#include "ui/platform.h"
#include "ui/prompter.h"

SaveFile saveFileOf(const MatchContext& context, const Career& career) {
    const CareerRecord& record = career.record;
    SaveFile file;
    const auto put = [&file](int number, const QString& text) { file.setLine(number, text); };
    put(saveLine::header, saveFileHeader);
    put(saveLine::player, record.text(Field::player));
    put(saveLine::cityTeam, context.teamNames[1]);
    put(saveLine::stateTeam, context.teamNames[2]);
    put(saveLine::nationTeam, context.teamNames[3]);
    const int skills[3] = {context.batting, context.bowling, context.fielding};
    for (int i = 0; i < 3; ++i) {
        put(saveLine::skills + i, QString::number(skills[i]));
        put(saveLine::startingSkills + i, record.text(::skills(i)));
    }
    put(saveLine::autoSave, record.text(Field::save));
    put(saveLine::clubTeam, context.teamNames[0]);
    put(saveLine::team, record.text(Field::team));
    put(saveLine::role, record.text(Field::role));
    put(saveLine::sponsor, record.text(Field::sponsor));
    put(saveLine::matchfee, record.text(Field::matchfee));
    put(saveLine::sponsorship, record.text(Field::sponsorship));
    put(saveLine::otherincome, record.text(Field::otherincome));
    put(saveLine::bankbalance, record.text(Field::bankbalance));
    for (int i = 0; i < 7; ++i) put(saveLine::conditions + i, record.text(Label23(i)));
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        for (int row = 0; row < RecordBook::rowCount; ++row) {
            put(saveLine::recordBook(column, row), career.book.cell(row, column));
        }
    }
    put(saveLine::level, record.text(Field::level));
    return file;
}

std::optional<QString> writeSaveFile(const QString& folder, const QString& fileName,
                                     const SaveFile& file) {
    if (const auto problem = saveFileProblem(file)) return *problem;
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String("..") ||
        fileName.contains(QLatin1Char('/'))) {
        return QStringLiteral("\"%1\" cannot be the name of a file").arg(fileName);
    }
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("the folder %1 could not be created")
            .arg(QDir::toNativeSeparators(folder));
    }
    // Unbuffered, with every write checked: Qt's commit() does not notice a
    // buffered write that fails while it closes the file, and would put a
    // cut-off file in place of the earlier one. A short write is repeated so
    // that the system names the reason. Unless committed, the temporary file
    // is removed.
    QSaveFile out(folder + QLatin1Char('/') + fileName);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return out.errorString();
    const QByteArray bytes = encodeSaveFile(file);
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    if (!out.commit()) return out.errorString();
    return std::nullopt;
}

void saveCareer(const QString& folder, const MatchContext& context, const Career& career,
                Prompter& prompter) {
    const auto error = writeSaveFile(folder, context.fileName, saveFileOf(context, career));
    if (!error) return;
    prompter.notice(
        QStringLiteral("Your career could not be saved as %1: %2. The earlier save "
                       "file, if there is one, is unchanged.")
            .arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + context.fileName), *error));
}

void storeData(const MatchContext& context, const Career& career, const Platform& platform) {
    if (context.autoSave != 1) return;
    saveCareer(savesFolder(platform.programFolder), context, career, platform.prompter);
}

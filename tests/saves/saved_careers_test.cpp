// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/saved_careers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/hall_of_fame.h"
#include "saves/career_file.h"
#include "saves/hall_of_fame_file.h"
#include "saves/save_file_io.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class SavedCareers : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString saves = root.path() + QStringLiteral("/Saves");
    Career career = midCareer();

    void save(const QString& name, const Career& c) {
        ASSERT_EQ(writeSaveFile(saves, name, saveFileOf(c, true)), std::nullopt);
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(saves + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const SavedCareer& named(const std::vector<SavedCareer>& list, const char* name) {
        for (const SavedCareer& c : list) {
            if (c.fileName == QLatin1String(name)) return c;
        }
        ADD_FAILURE() << name << " not listed";
        static const SavedCareer none;
        return none;
    }
};

TEST_F(SavedCareers, EachKindOfFileIsListedAsWhatItIsAndOnlySavesAreRead) {
    save(QStringLiteral("mid_auto.bsg"), career);
    Career older = career;
    older.player = QStringLiteral("Old Timer");
    save(QStringLiteral("mid_auto.old-20261208-142406.bsg"), older);
    write(QStringLiteral("notes.bsg"), "shopping list\n");
    // A save whose match fee is no number.
    SaveFile damaged = saveFileOf(career, true);
    damaged.setLine(saveLine::matchfee, QStringLiteral("abc"));
    write(QStringLiteral("damaged.bsg"), encodeSaveFile(damaged));
    write(QStringLiteral("other.txt"), "not listed at all");
    ASSERT_TRUE(QDir(saves).mkdir(QStringLiteral("folder.bsg")));
#ifdef Q_OS_UNIX
    // A link to a good save elsewhere, and a pipe no program writes to: a
    // pipe opened for reading would keep the list waiting.
    QTemporaryDir elsewhere;
    ASSERT_EQ(writeSaveFile(elsewhere.path(), QStringLiteral("far.bsg"), saveFileOf(career, true)),
              std::nullopt);
    ASSERT_EQ(
        ::symlink(QFile::encodeName(elsewhere.path() + QStringLiteral("/far.bsg")).constData(),
                  QFile::encodeName(saves + QStringLiteral("/link.bsg")).constData()),
        0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(saves + QStringLiteral("/pipe.bsg")).constData(), 0600),
              0);
#endif

    const std::vector<SavedCareer> list = listSavedCareers(saves);
    QStringList names;
    for (const SavedCareer& c : list) names << c.fileName;
    EXPECT_FALSE(names.contains(QStringLiteral("other.txt")));

    const SavedCareer& own = named(list, "mid_auto.bsg");
    EXPECT_EQ(own.kind, SavedCareer::Kind::career);
    EXPECT_EQ(own.career.player, career.player);
    EXPECT_EQ(own.career.level, career.level);
    EXPECT_EQ(own.career.team, career.team);
    EXPECT_EQ(careerMatches(own.career), careerMatches(career));
    EXPECT_EQ(own.career.statistics().runs, career.statistics().runs);
    EXPECT_EQ(own.career.statistics().wickets, career.statistics().wickets);
    EXPECT_EQ(own.career.bankBalance, career.bankBalance);
    EXPECT_TRUE(own.lastPlayed.isValid());
    EXPECT_FALSE(own.ended);

    const SavedCareer& aside = named(list, "mid_auto.old-20261208-142406.bsg");
    EXPECT_EQ(aside.kind, SavedCareer::Kind::setAside);
    EXPECT_EQ(aside.career.player, QStringLiteral("Old Timer"));

    for (const char* name : {"notes.bsg", "damaged.bsg", "folder.bsg"}) {
        SCOPED_TRACE(name);
        const SavedCareer& other = named(list, name);
        EXPECT_EQ(other.kind, SavedCareer::Kind::notACareer);
        EXPECT_FALSE(other.reason.isEmpty());
    }
#ifdef Q_OS_UNIX
    const SavedCareer& link = named(list, "link.bsg");
    EXPECT_EQ(link.kind, SavedCareer::Kind::notACareer);
    EXPECT_TRUE(link.reason.contains(QStringLiteral("link"))) << link.reason.toStdString();
    EXPECT_EQ(link.career.player, Career().player);
    const SavedCareer& pipe = named(list, "pipe.bsg");
    EXPECT_EQ(pipe.kind, SavedCareer::Kind::notACareer);
    EXPECT_TRUE(pipe.reason.contains(QStringLiteral("ordinary"))) << pipe.reason.toStdString();
#endif
}

TEST_F(SavedCareers, ASaveTheHallOfFameRemembersAsEndedIsMarkedEndedUntilItIsPlayedOn) {
    save(QStringLiteral("mid_auto.bsg"), career);
    FameEntry ended;
    ended.player = career.player;
    ended.saveFile = QStringLiteral("mid_auto.bsg");
    ended.matches = careerMatches(career);
    ended.ended = true;
    ended.endedAfter = ended.matches;
    ASSERT_EQ(rememberInHallOfFame(hallOfFamePath(saves), {ended}).failure, std::nullopt);
    EXPECT_TRUE(listSavedCareers(saves).at(0).ended);

    // Set aside when a new career took its file's name, it is still the
    // career that ended, and no second one in the hall of fame.
    ASSERT_TRUE(QFile::rename(saves + QStringLiteral("/mid_auto.bsg"),
                              saves + QStringLiteral("/mid_auto.old-20261208-142406.bsg")));
    EXPECT_TRUE(listSavedCareers(saves).at(0).ended);
    const HallOfFameUpdate update = rememberSavedCareers(saves);
    EXPECT_EQ(update.entries, std::vector<FameEntry>{ended});

    // Loaded and played on, the file holds another match: a career again,
    // which the list says was played on after its end, and the hall of fame
    // takes on in the ended career's entry.
    Career playedOn = career;
    playedOn.statistics().matches += 1;
    save(QStringLiteral("mid_auto.bsg"), playedOn);
    const std::vector<SavedCareer> list = listSavedCareers(saves);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(0).fileName, QStringLiteral("mid_auto.bsg"));
    EXPECT_FALSE(list.at(0).ended);
    EXPECT_TRUE(list.at(0).playedOnAfterItsEnd);
    // The set-aside copy still is the save it ended with.
    EXPECT_TRUE(list.at(1).ended);
    EXPECT_FALSE(list.at(1).playedOnAfterItsEnd);
    const HallOfFameUpdate taken = rememberSavedCareers(saves);
    ASSERT_EQ(taken.entries.size(), 1u);
    EXPECT_FALSE(taken.entries[0].ended);
    EXPECT_EQ(taken.entries[0].matches, ended.matches + 1);
    EXPECT_EQ(taken.entries[0].endedAfter, ended.matches);
}

TEST(SetAsideSaveNames, NameTheSaveTheyWereKeptFromAndNoOtherNameDoes) {
    EXPECT_EQ(setAsideFrom(QStringLiteral("raj_auto.old-20260412-183005.bsg")),
              QStringLiteral("raj_auto.bsg"));
    EXPECT_EQ(setAsideFrom(QStringLiteral("raj_auto.old-20260412-183005-2.bsg")),
              QStringLiteral("raj_auto.bsg"));
    EXPECT_EQ(setAsideFrom(QStringLiteral("raj_auto.bsg")), std::nullopt);
    EXPECT_EQ(setAsideFrom(QStringLiteral("old-20260412.bsg")), std::nullopt);
    EXPECT_EQ(setAsideFrom(QStringLiteral(".old-20260412-183005.bsg")), std::nullopt);
}

#ifdef Q_OS_UNIX
// A save whose name is not UTF-8 (copied from an old disk, say) is listed,
// its name as the system gives it with the bytes that are no text shown,
// and greyed with the reason: a name the game cannot spell back is never
// opened, nor written beside. Both builds of the file layer list it.
TEST_F(SavedCareers, ASaveWhoseNameIsNotTextIsListedAndNotOpened) {
    save(QStringLiteral("mid_auto.bsg"), career);
    const QByteArray name = QFile::encodeName(saves) + "/ravi\xe9_auto.bsg";
    ASSERT_EQ(::link(QFile::encodeName(saves + QStringLiteral("/mid_auto.bsg")).constData(),
                     name.constData()),
              0);
    const std::vector<SavedCareer> list = listSavedCareers(saves);
    ASSERT_EQ(list.size(), 2u);
    const SavedCareer& odd = list[0].fileName.startsWith(QStringLiteral("mid")) ? list[1] : list[0];
    EXPECT_EQ(odd.kind, SavedCareer::Kind::notACareer);
    EXPECT_TRUE(odd.fileName.contains(QChar::ReplacementCharacter)) << odd.fileName.toStdString();
    EXPECT_TRUE(odd.fileName.endsWith(QStringLiteral("_auto.bsg")));
    EXPECT_TRUE(odd.reason.contains(QStringLiteral("rename"))) << odd.reason.toStdString();
    // The file dialog, which lists names as text, is told of it.
    EXPECT_EQ(unspeltSaveFiles(saves), 1);
    // Qt cannot name it to remove it with the folder.
    ::unlink(name.constData());
}
#endif

}  // namespace

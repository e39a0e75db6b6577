// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own message boxes and file dialog, driven offscreen as a
// player meets them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include "app/desktop_url_opener.h"
#include "app/message_prompter.h"
#include "support/qt_printers.h"

namespace {

// Runs `ask` and hands the modal window it opens, once that is up and
// `ready` holds for it, to `answer`, which must close it.
template <class Window>
void whenShown(const std::function<void()>& ask, const std::function<bool(Window&)>& ready,
               const std::function<void(Window&)>& answer) {
    bool answered = false;
    QElapsedTimer waited;
    waited.start();
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) return;
        if (!answered) {
            if (!ready(*window) && waited.elapsed() < 5000) return;
            answered = true;
            answer(*window);
        } else if (waited.elapsed() > 10000) {
            // Left open, it would keep the test waiting for ever.
            ADD_FAILURE() << "the window stayed open";
            static_cast<QDialog*>(window)->done(QDialog::Rejected);
        }
    });
    watch.start();
    ask();
    EXPECT_TRUE(answered);
}

// A file name as long as a folder allows, in a notice or a question, breaks
// within the box rather than running past its edge, and reads as written.
TEST(MessagePrompter, ALongFileNameBreaksWithinTheBox) {
    const QString path =
        QStringLiteral("/home/player/Saves/") + QString(251, u'a') + QStringLiteral(".bsg.lock");
    const QString text = QStringLiteral("The lock %1 could not be made.").arg(path);
    std::unique_ptr<QMessageBox> boxes[] = {noticeBox(nullptr, text),
                                            questionBox(nullptr, text, Prompter::Answer::no)};
    for (const auto& box : boxes) {
        box->show();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), text);
        const QRect laidOut = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                                Qt::TextWordWrap, label->text());
        EXPECT_LE(laidOut.width(), label->width());
        EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
    }
}

TEST(MessagePrompter, EnterGivesTheQuestionsDefaultAndEscapeAlwaysAnswersNo) {
    const QString text = QStringLiteral(
        "A bookie offers you Rs. 50000 if you play badly. Accept "
        "the offer?");
    const struct {
        Prompter::Answer byDefault;
        Qt::Key key;
        bool answer;
    } cases[] = {{Prompter::Answer::no, Qt::Key_Return, false},
                 {Prompter::Answer::no, Qt::Key_Enter, false},
                 {Prompter::Answer::no, Qt::Key_Escape, false},
                 {Prompter::Answer::yes, Qt::Key_Return, true},
                 {Prompter::Answer::yes, Qt::Key_Escape, false}};
    MessagePrompter prompter;
    // The window that asks owns the question, so it stays above it.
    QWidget asking;
    asking.show();
    for (const auto& c : cases) {
        const bool defaultIsYes = c.byDefault == Prompter::Answer::yes;
        SCOPED_TRACE(testing::Message()
                     << "default " << (defaultIsYes ? "Yes" : "No") << ", key " << c.key);
        bool answer = !c.answer;
        whenShown<QMessageBox>([&] { answer = prompter.question(&asking, text, c.byDefault); },
                               [](QMessageBox& box) { return box.focusWidget() != nullptr; },
                               [&](QMessageBox& box) {
                                   EXPECT_EQ(box.text(), text);
                                   EXPECT_EQ(box.parentWidget(), &asking);
                                   EXPECT_EQ(box.windowTitle(), QStringLiteral("Bailcrest"));
                                   EXPECT_EQ(box.standardButtons(),
                                             QMessageBox::Yes | QMessageBox::No);
                                   const QMessageBox::StandardButton expected =
                                       defaultIsYes ? QMessageBox::Yes : QMessageBox::No;
                                   EXPECT_EQ(box.standardButton(box.defaultButton()), expected);
                                   // The key goes where a player's would: to the button that
                                   // has the focus.
                                   EXPECT_EQ(box.focusWidget(), box.button(expected));
                                   QTest::keyClick(box.focusWidget(), c.key);
                               });
        EXPECT_EQ(answer, c.answer);
    }
}

// Files with long names, sizes in bytes and kilobytes, and their dates: Qt's
// dialog opens with columns too narrow for them.
class LoadDialog : public ::testing::Test {
  protected:
    LoadDialog() {
        const struct {
            const char* name;
            int bytes;
        } files[] = {{"rames_auto.bsg", 670}, {"anil kumar sharma_auto.bsg", 2010}};
        for (const auto& f : files) {
            QFile file(saves.filePath(QString::fromLatin1(f.name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(f.bytes, 'x'));
        }
    }

    static bool columnsRead(QFileDialog& dialog) {
        auto* files = dialog.findChild<QTreeView*>();
        if (!files || files->model()->rowCount(files->rootIndex()) < 2) return false;
        return columnsFit(*files);
    }

    // Every column at least as wide as its widest entry, and every column in
    // view at once.
    static bool columnsFit(QTreeView& files) {
        const QHeaderView& header = *files.header();
        int total = 0;
        for (int column = 0; column < header.count(); ++column) {
            if (header.isSectionHidden(column)) continue;
            const QAbstractItemView& view = files;
            if (header.sectionSize(column) < view.sizeHintForColumn(column)) return false;
            total += header.sectionSize(column);
        }
        return total <= files.viewport()->width();
    }

    QTemporaryDir folder;
    QDir saves{folder.path()};
    MessagePrompter prompter;
};

TEST_F(LoadDialog, ShowsTheSavesInDetailWithEveryColumnReadableAndReturnsTheChoice) {
    const QString chosenPath = saves.filePath(QStringLiteral("rames_auto.bsg"));
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        QString chosen = QStringLiteral("<not returned>");
        whenShown<QFileDialog>(
            [&] {
                chosen = prompter.chooseFileToOpen(nullptr, QStringLiteral("Bailcrest: Load Game"),
                                                   QDir::toNativeSeparators(saves.path()),
                                                   QStringLiteral("Bailcrest Saves (*.bsg)"));
            },
            columnsRead,
            [&](QFileDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bailcrest: Load Game"));
                EXPECT_EQ(dialog.viewMode(), QFileDialog::Detail);
                EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
                EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
                EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), saves.canonicalPath());
                auto* files = dialog.findChild<QTreeView*>();
                ASSERT_NE(files, nullptr);
                EXPECT_TRUE(files->isVisible());
                EXPECT_TRUE(columnsFit(*files));
                if (accept) {
                    // As a player does: the file's name typed, then Return.
                    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    ASSERT_NE(name, nullptr);
                    name->clear();
                    QTest::keyClicks(name, QStringLiteral("rames_auto.bsg"));
                    QTest::keyClick(name, Qt::Key_Return);
                } else {
                    dialog.reject();
                }
            });
        EXPECT_EQ(chosen, accept ? chosenPath : QString());
    }
}

// The boxes that show a path and the file patterns read left to right in a
// right-to-left game too: drawn as in a left-to-right one.
TEST_F(LoadDialog, ThePathAndPatternBoxesReadLeftToRightInEveryLanguage) {
    QImage drawn[2][2];
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QApplication::setLayoutDirection(direction);
        whenShown<QFileDialog>(
            [&] {
                prompter.chooseFileToOpen(nullptr, QStringLiteral("Bailcrest: Load Game"),
                                          QDir::toNativeSeparators(saves.path()),
                                          QStringLiteral("Bailcrest Saves (*.bsg)"));
            },
            columnsRead,
            [&](QFileDialog& dialog) {
                const char* boxes[] = {"lookInCombo", "fileTypeCombo"};
                for (int box = 0; box < 2; ++box) {
                    auto* shown = dialog.findChild<QComboBox*>(QLatin1String(boxes[box]));
                    ASSERT_NE(shown, nullptr);
                    shown->setFixedWidth(400);
                    drawn[direction == Qt::RightToLeft][box] = shown->grab().toImage();
                }
                dialog.reject();
            });
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(drawn[1][0], drawn[0][0]);
    EXPECT_EQ(drawn[1][1], drawn[0][1]);
}

#ifdef Q_OS_UNIX
// A save whose name the system spells in bytes that are no text is not among
// the dialog's files, which it lists as text: a line below them says so in
// the folder that holds it, and is gone in one that holds none.
TEST_F(LoadDialog, SaysWhenTheFolderHoldsASaveItCannotShow) {
    const QByteArray unspelt = QFile::encodeName(saves.path()) + "/ravi\xe9_auto.bsg";
    const int made = ::open(unspelt.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(made, 0);
    ::close(made);
    const QTemporaryDir elsewhere;
    whenShown<QFileDialog>(
        [&] {
            prompter.chooseFileToOpen(nullptr, QStringLiteral("Bailcrest: Load Game"),
                                      QDir::toNativeSeparators(saves.path()),
                                      QStringLiteral("Bailcrest Saves (*.bsg)"));
        },
        columnsRead,
        [&](QFileDialog& dialog) {
            auto* unshown = dialog.findChild<QLabel*>(QStringLiteral("unshownSaves"));
            ASSERT_NE(unshown, nullptr);
            EXPECT_TRUE(unshown->isVisible());
            EXPECT_TRUE(unshown->text().startsWith(QLatin1Char('1')))
                << unshown->text().toStdString();
            EXPECT_TRUE(unshown->text().contains(QStringLiteral("cannot be shown")));
            // As a player goes to another folder: its path pasted, then
            // Return (typed a letter at a time, the completer would take
            // the keys).
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(elsewhere.path());
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return QDir(dialog.directory()).canonicalPath() ==
                           QDir(elsewhere.path()).canonicalPath() &&
                       !unshown->isVisible();
            })) << dialog.directory().path().toStdString();
            dialog.reject();
        });
    // Qt cannot name it to remove it with the folder.
    ::unlink(unspelt.constData());
}
#endif

// Offscreen there is no browser: the opener says the page was not opened, so
// that the screen can tell the player.
TEST(DesktopUrlOpener, APageNoBrowserTakesIsReported) {
    DesktopUrlOpener opener;
    EXPECT_FALSE(opener.open(QStringLiteral("https://www.example.com/")));
}

}  // namespace

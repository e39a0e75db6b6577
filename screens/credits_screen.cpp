// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/credits_screen.h"

#include <QKeyEvent>
#include <QLabel>

#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/picture_button.h"
#include "screens/pictures.h"
#include "screens/prompter.h"
#include "screens/titled_frame.h"
#include "screens/url_opener.h"

const std::array<QString, 2> CreditsScreen::bannerAddresses{
    QStringLiteral("https://www.example.com/"), QStringLiteral("https://www.example.org/")};

namespace {

QLabel* text(QWidget* parent, const char* objectName, const QString& content, const QColor& colour,
             QRect geometry) {
    return look::caption(parent, QString::fromLatin1(objectName), content, colour, geometry);
}

}  // namespace

CreditsScreen::CreditsScreen(Mode mode, UrlOpener& opener, Prompter& prompter, QWidget* owner)
    : QDialog(owner), mode_(mode), opener_(opener), prompter_(prompter) {
    setObjectName(QStringLiteral("About"));
    look::setUpWindow(this, tr("Bailcrest: Credits"), 7815, 5265);
    // The program starts on this window: what only its painting needs, the
    // fonts settled, the captions measured and the crest decoded, waits
    // until it is shown.
    look::holdCaptionFitting(this);

    crest_ = new QLabel(this);
    crest_->setObjectName(QStringLiteral("Image1_2"));
    look::place(crest_, look::rect(-120, 0, 2400, 1500));
    crest_->setAccessibleName(tr("Bailcrest crest"));

    QLabel* title =
        text(this, "Label2_7", tr("BAILCREST"), look::darkRed, look::rect(2640, 0, 5055, 615));
    title->setFont(look::font(true, 32));
    look::fitCaption(title);
    look::align(title, Qt::AlignRight | Qt::AlignVCenter);
    look::align(
        text(this, "Label2_8", tr("VERSION 1.0"), look::green, look::rect(6480, 600, 1215, 255)),
        Qt::AlignRight | Qt::AlignVCenter);
    // "PROGRAMMED BY:" takes one pixel more than its place in the design;
    // the credit beside it gives it up, its text staying where it was.
    text(this, "Label2_12", tr("PROGRAMMED BY:"), look::green, look::rect(4320, 960, 1695, 255));
    // The credits stand a little apart from their captions, which may fill
    // their width.
    QLabel* team = text(this, "Label2_4", tr("Bailcrest team"), look::silver,
                        look::rect(6015, 960, 1680, 255));
    team->setIndent(3);
    look::fitCaption(team);
    text(this, "Label2_1", tr("WEBSITE:"), look::green, look::rect(4320, 1200, 960, 255));
    QLabel* website = text(this, "Label2_6", QStringLiteral("www.bailcrest.example"), look::silver,
                           look::rect(5280, 1200, 2415, 255));
    website->setIndent(4);
    // The address reads the same in every language: it keeps the design's
    // size where a translation draws its own text larger.
    website->setFont(look::font(true, 11 - look::textSizeStep()));
    look::fitCaption(website);

    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    look::place(outline, look::rect(120, 1560, 7575, 3135));
    text(this, "Label2_2", tr("PLEASE READ CAREFULLY:"), look::green,
         look::rect(240, 1680, 3735, 255));
    const QString notice =
        tr("Bailcrest costs you nothing because our advertisers pay for it. Please take a moment "
           "to visit them: a click on a banner below opens the advertiser's web page in your "
           "browser, and your career stays exactly where you left it. Every visit helps to keep "
           "Bailcrest free for everyone. Thank you!");
    QLabel* paragraph =
        text(this, "Label2_3", notice, look::lightGrey, look::rect(240, 1920, 7335, 2055));
    paragraph->setWordWrap(true);
    look::fitCaption(paragraph);
    look::align(paragraph, Qt::AlignLeft | Qt::AlignTop);

    const char* pictures[2] = {"banner_left.png", "banner_right.png"};
    const int lefts[2] = {240, 4035};
    for (int i = 0; i < 2; ++i) {
        auto* banner = new PictureButton(QString::fromLatin1(pictures[i]), this);
        banner->setObjectName(QStringLiteral("Image1_%1").arg(i));
        look::place(banner, look::rect(lefts[i], 3645, 3510, 900));
        banner->setAccessibleName(tr("Advertiser banner, %1").arg(bannerAddresses[i]));
        banner->setAccessibleDescription(tr("Opens the advertiser's web page"));
        banner->setToolTip(bannerAddresses[i]);
        connect(banner, &QAbstractButton::clicked, this, [this, i] { openBanner(i); });
        banners_[i] = banner;
    }

    continue_ = new CommandButton(tr("Continue"), this);
    continue_->setObjectName(QStringLiteral("Label1_0"));
    look::place(continue_, look::rect(3120, 4800, 1575, 375));
    connect(continue_, &QAbstractButton::clicked, this, &CreditsScreen::continueOn);
    continue_->setFocus();
}

void CreditsScreen::setVisible(bool visible) {
    // Showing maps the window at once; its first paint comes from the event
    // loop, after this.
    QDialog::setVisible(visible);
    if (visible) completeForFirstPaint();
}

void CreditsScreen::completeForFirstPaint() {
    look::settleFonts(this);
    look::fitHeldCaptions(this);
    if (crest_->pixmap().isNull())
        crest_->setPixmap(gamePicture(QStringLiteral("crest.png"), devicePixelRatio()));
}

void CreditsScreen::keyPressEvent(QKeyEvent* event) {
    // Escape closes the credits opened from the menu. At start-up closing
    // them would end the program, so there only Continue (or the close box)
    // leads on.
    if (event->matches(QKeySequence::Cancel) && mode_ == atStartUp) return;
    QDialog::keyPressEvent(event);
}

void CreditsScreen::openBanner(int index) {
    // The page opens on its own; the game carries on untouched. Where no
    // browser takes it, the player is given the address to type in himself.
    const QString& address = bannerAddresses.at(index);
    if (opener_.open(address)) return;
    // The address stands on a line of its own, where a message box does not
    // break it after "https://".
    prompter_.notice(this, tr("The advertiser's page could not be opened. You can type its address "
                              "into a web browser:\n\n%1")
                               .arg(address));
}

void CreditsScreen::continueOn() {
    if (mode_ == atStartUp) emit continuedAtStartUp();
    accept();
}

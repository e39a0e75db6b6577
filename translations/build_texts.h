// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the build writes into pictures and files rather than the game showing
// them: the credits' banners, drawn in each language from its translation,
// and the desktop entry and software centres' listing, written with each
// language's lines. Read by lupdate only; never compiled.

//: The line under "Example Sports" on the credits' left banner, an
//: advertisement for cricket gear. Drawn in 10-point type on a banner 215
//: pixels wide: keep it as short as English.
QT_TRANSLATE_NOOP("Banners", "Bats, pads and gloves for every level")
//: The line under "Example Travel" on the credits' right banner, an
//: advertisement for travel to matches. Drawn in 10-point type on a banner 215
//: pixels wide: keep it as short as English.
QT_TRANSLATE_NOOP("Banners", "Follow your team to every ground")

//: What the game is, as the desktop's menu lists it beside "Bailcrest".
QT_TRANSLATE_NOOP("DesktopEntry", "Cricket Career Game")
//: The desktop menu's tooltip of the game.
QT_TRANSLATE_NOOP("DesktopEntry", "Manage the career of a cricketer from club cricket to the World Cup")
//: Words a desktop's search finds the game by, each followed by ";". Keep
//: "cricket;" in English as well as in the language.
QT_TRANSLATE_NOOP("DesktopEntry", "cricket;career;sports;")
//: The one line a software centre shows under the game's name.
QT_TRANSLATE_NOOP("AppStream", "Take a cricketer from club cricket to the World Cup")
//: A line of the game's description in software centres, among what a player
//: does between matches.
QT_TRANSLATE_NOOP("AppStream", "play in English, Hindi, Urdu or Bengali: the game speaks the desktop's language")
//: Software centres' caption of a picture of the main screen.
QT_TRANSLATE_NOOP("AppStream", "The main screen: a career's skills, statistics, money, gear and health")
//: Software centres' caption of a picture of the match screen.
QT_TRANSLATE_NOOP("AppStream", "A match: the runs, wickets and catches drawn from the player's skills")
//: Software centres' caption of a picture of the History window.
QT_TRANSLATE_NOOP("AppStream", "The History window: charts, seasons, milestones and every match")
//: Software centres' caption of a picture of the hall of fame.
QT_TRANSLATE_NOOP("AppStream", "The hall of fame of the best careers")

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
//: The game's description in software centres: its first paragraph.
QT_TRANSLATE_NOOP("AppStream", "Bailcrest is a single-player cricket-career game. You create a cricketer, with a name, a home city, state and country and three starting skills, and guide the career one match at a time, from a club team through the city and state sides to the national team and the World Cup.")
//: The game's description in software centres: its second paragraph.
QT_TRANSLATE_NOOP("AppStream", "Each match draws your runs, wickets and catches from your batting, bowling and fielding, and from the condition of your gear and of your body. Raise your skills far enough and you are promoted; let them, your fitness or your bat run down and you are dropped a level, and a club player who is dropped ends his career. Now and then a bookie offers money to play badly: take it, and an enquiry may end the career on the spot.")
//: The game's description in software centres: the line before the list of
//: what a player does between matches.
QT_TRANSLATE_NOOP("AppStream", "Between matches you manage the career:")
//: The game's description in software centres: an item of the list of what a
//: player does between matches, without a full stop, as the others.
QT_TRANSLATE_NOOP("AppStream", "spend your match fees and sponsorship on training, on a new bat, gloves and pads, and on fitness, health and stamina")
//: The game's description in software centres: an item of the list of what a
//: player does between matches, without a full stop, as the others.
QT_TRANSLATE_NOOP("AppStream", "choose a sponsor among the offers your skill has earned")
//: The game's description in software centres: an item of the list of what a
//: player does between matches, without a full stop, as the others.
QT_TRANSLATE_NOOP("AppStream", "keep a record book of matches, runs, wickets, catches, averages and best figures for every level")
//: The game's description in software centres: an item of the list of what a
//: player does between matches, without a full stop, as the others.
QT_TRANSLATE_NOOP("AppStream", "save the career automatically after every match and load it again later")
//: The game's description in software centres: an item of the list of what a
//: player does between matches, without a full stop, as the others.
QT_TRANSLATE_NOOP("AppStream", "play in English, Hindi, Urdu, Bengali or Tamil: the game speaks the desktop's language")
//: Software centres' caption of a picture of the main screen.
QT_TRANSLATE_NOOP("AppStream", "The main screen: a career's skills, statistics, money, gear and health")
//: Software centres' caption of a picture of the match screen.
QT_TRANSLATE_NOOP("AppStream", "A match: the runs, wickets and catches drawn from the player's skills")
//: Software centres' caption of a picture of the History window.
QT_TRANSLATE_NOOP("AppStream", "The History window: charts, seasons, milestones and every match")
//: Software centres' caption of a picture of the hall of fame.
QT_TRANSLATE_NOOP("AppStream", "The hall of fame of the best careers")

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>AppStream</name>
    <message>
        <source>Take a cricketer from club cricket to the World Cup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>Bats, pads and gloves for every level</source>
        <extracomment>The line under &quot;Example Sports&quot; on the credits&apos; left banner, an advertisement for cricket gear. Drawn in 10-point type on a banner 215 pixels wide: keep it as short as English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow your team to every ground</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>All Rounder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>Five Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rising Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Happy Valley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandButton</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command&apos;s tooltip: %1 is the command&apos;s name (&quot;Play&quot;), %2 its keyboard shortcuts (&quot;Ctrl+P, F5&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two keyboard shortcuts of one command.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreditsScreen</name>
    <message>
        <source>Bailcrest: Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest crest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BAILCREST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAMMED BY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEBSITE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLEASE READ CAREFULLY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest costs you nothing because our advertisers pay for it. Please take a moment to visit them: a click on a banner below opens the advertiser&apos;s web page in your browser, and your career stays exactly where you left it. Every visit helps to keep Bailcrest free for everyone. Thank you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertiser banner, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the advertiser&apos;s web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The advertiser&apos;s page could not be opened. You can type its address into a web browser:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cricket Career Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage the career of a cricketer from club cricket to the World Cup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cricket;career;sports;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gear and health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in matches %2 to %3: mean %4, lowest %5, highest %6</source>
        <extracomment>A block of a long career&apos;s chart: %1 the line&apos;s name, %2 and %3 the first and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 before match %2</source>
        <extracomment>A marker of a chart: %1 what it marks, %2 the match.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in match %2: %3</source>
        <extracomment>A point of a chart: %1 the line&apos;s name, %2 the match, %3 the value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, lowest to highest</source>
        <extracomment>The shaded band around a line of a long career&apos;s chart.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting average of the level</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Runs in each match, %n kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %n kept; wickets in all %1, the most %2 in match %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Batting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promotion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Cup selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %n kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Rs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %n kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest item of gear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest of fitness, health and stamina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection floor: any item at 0 keeps the player out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %n kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No match kept yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match kept yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryScreen</name>
    <message>
        <source>Runs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Award (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match fee (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsorship (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall gear:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest: Career History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the window up or down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the window sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAREER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST MATCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each stay at one level, in order, then the career&apos;s totals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best bowling</source>
        <extracomment>The most wickets taken in one match.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five-wicket matches</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moments of the career worth telling, with the match of each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every match of the career, one a row; a column heading, or the sort choice above, sorts by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the matches by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the matches by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest first</source>
        <extracomment>Sorting order: smallest value first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest first</source>
        <extracomment>Sorting order: largest value first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Cup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches in the career:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Career</source>
        <extracomment>The last row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST MATCH: NONE KEPT YET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST MATCH: %1, %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Award (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match fee (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsorship (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other income (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events since the match before</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Promoted to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected for the World Cup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training Rs. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health care Rs. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Took the bookie&apos;s Rs. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file belongs to another career and was not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>History kept from match %1: the matches before it were played without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: first fifty, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: first hundred, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: first five-wicket match, %2 wickets.</source>
        <extracomment>%1 the match number, %2 the wickets taken (five or more).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: %2 career runs.</source>
        <extracomment>%1 the match number, %2 a round thousand of runs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: %2 career wickets.</source>
        <extracomment>%1 the match number, %2 a round hundred of wickets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before match %1: promoted to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before match %1: selected for the World Cup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before match %1: took %2 as sponsor.</source>
        <extracomment>%1 the match number, %2 the sponsor&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before match %1: took the bookie&apos;s Rs. %2.</source>
        <extracomment>%1 the match number, %2 the amount in rupees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Club</source>
        <extracomment>A level of play, as the record book heads its column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>0</source>
        <extracomment>How many pixels larger than the design&apos;s sizes the text of this language is drawn, as a number: 0 for the Latin alphabet; Devanagari reads as well as English a pixel larger.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>...</source>
        <extracomment>Shown beside &quot;Sponsor:&quot; while the player has no sponsor.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall:</source>
        <extracomment>The overall skill, worked out from batting, bowling and fielding.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL STATS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FINANCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Fee (Rs):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsorship (Rs):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Incomes (Rs):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Balance (Rs):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACCESSORIES</source>
        <extracomment>Heading of the player&apos;s cricket gear (bat, gloves, pads, others).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEALTH</source>
        <extracomment>Heading of the player&apos;s body: fitness, health and stamina.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others:</source>
        <extracomment>The other pieces of cricket gear, besides bat, gloves and pads.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Main menu command: opens the credits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main menu command: ends the game at once, without saving.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sponsors</source>
        <extracomment>Main menu command: opens the sponsorship offers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>Main menu command: opens the cricket gear store (a shop, not &quot;save&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>Main menu command: opens the training centre, where skills are bought.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Main menu command (a verb): plays the next match.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Main menu command: opens the record book of every level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Main menu command: opens the health care centre (fitness, health, stamina).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchScreen</name>
    <message>
        <source>Bailcrest: Match Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MATCH STATISTICS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, and the History window still shows every match of this game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessagePrompter</name>
    <message>
        <source>Bailcrest</source>
        <extracomment>The title of every message box: the game&apos;s name, which stays &quot;Bailcrest&quot; in every language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>en</source>
        <extracomment>The language of this translation, as the pictures with words (the credits&apos; banners) are named by: the language&apos;s code, &quot;hi&quot; for Hindi.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>You are selected in the %1 team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are selected for the World Cup in the %1 team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not good enough at this level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re found guilty of match fixing in an enquiry. Your career is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bookie offers you Rs. %1 if you play badly. Accept the offer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are awarded Rs.%1 based on your performance.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerScreen</name>
    <message>
        <source>Bailcrest: Player Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAYER DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INITIAL SKILLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Overall Skills:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to automatically save the game after every match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in the player details properly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PurchaseScreen</name>
    <message>
        <source>%1 units</source>
        <extracomment>A screen reader&apos;s name for the box of units chosen; %1 is the row&apos;s name (&quot;Batting&quot;, &quot;Bat&quot;, &quot;Fitness&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest: Training Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest: Cricket Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRICKET GEAR STORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest: Health Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEALTH CARE CENTRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says a rate-card figure is: %1 is the row (&quot;Batting&quot;), %2 the column (&quot;Rate (Rs.)&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance before purchase (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance after purchase (Rs.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy the units.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsScreen</name>
    <message>
        <source>Bailcrest: Record Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAREER RECORDS AND STATS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveClaim</name>
    <message numerus="yes">
        <source>The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <extracomment>%1 is a file, %2 a player&apos;s name, %3 a level (Club, City, State, National).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game. This copy plays it without saving, so that nothing the other copy saves is lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is a link to another file, and the game writes only files of its own in its Saves folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>city team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>batting skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bowling skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fielding skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting batting skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting bowling skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting fielding skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto-save flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>club team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sponsor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>match fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sponsorship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other incomes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bat condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gloves condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pads condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other accessories condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stamina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches played</source>
        <extracomment>A line of the save file&apos;s record book; %1 is the level&apos;s name (Club, City, State or National), as the record book heads its column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 runs scored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wickets taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 catches held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 highest score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 batting average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 50s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 100s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 most wickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 5 wickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) is empty, but must hold a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is outside the range %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) is not the header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be Club, City, State or National</source>
        <extracomment>Club, City, State and National are the words the save file holds whatever the language: keep them in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This save file is damaged and was not loaded: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid Bailcrest Saves file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This save file is too large to be loaded: a save file holds at most %1 KiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would take %1 bytes, but a save file holds at most %2 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2) holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends after line %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This save file could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenNavigator</name>
    <message>
        <source>Bailcrest: Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bailcrest Saves (%1)</source>
        <extracomment>The Load dialog&apos;s file type. %1 is the file pattern, which Qt reads back from between the parentheses: keep it there, at the end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message>
        <source>Bailcrest: Sponsorship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPONSORSHIP OFFERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers (Rs.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and Home all of them; Down or Page Down takes them away, Page Down ten at a time, and End all of them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

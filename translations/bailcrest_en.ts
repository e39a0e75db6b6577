<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>HallOfFameScreen</name>
    <message numerus="yes">
        <source>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</source>
        <translation>
            <numerusform>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln career that could be read from it.</numerusform>
            <numerusform>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln career(s) in the hall of fame. %1, first: %2.</source>
        <extracomment>What a screen reader tells as the hall of fame opens: %Ln the careers it holds, %1 the list it opens on (&quot;Most Runs&quot;), %2 that list&apos;s first career.</extracomment>
        <translation>
            <numerusform>%Ln career in the hall of fame. %1, first: %2.</numerusform>
            <numerusform>%Ln careers in the hall of fame. %1, first: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message numerus="yes">
        <source>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</numerusform>
            <numerusform>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</numerusform>
            <numerusform>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</numerusform>
            <numerusform>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %Ln.</source>
        <translation>
            <numerusform>Promotions marked: %Ln.</numerusform>
            <numerusform>Promotions marked: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %Ln.</source>
        <translation>
            <numerusform>Drops marked: %Ln.</numerusform>
            <numerusform>Drops marked: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</numerusform>
            <numerusform>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</numerusform>
            <numerusform>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %Ln.</source>
        <translation>
            <numerusform>Rows of the history file skipped as another career&apos;s: %Ln.</numerusform>
            <numerusform>Rows of the history file skipped as another career&apos;s: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %Ln.</source>
        <translation>
            <numerusform>Rows of the history file skipped as unreadable: %Ln.</numerusform>
            <numerusform>Rows of the history file skipped as unreadable: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another thousand career runs %Ln times</source>
        <translation>
            <numerusform>Another thousand career runs %Ln time</numerusform>
            <numerusform>Another thousand career runs %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another hundred career wickets %Ln times</source>
        <translation>
            <numerusform>Another hundred career wickets %Ln time</numerusform>
            <numerusform>Another hundred career wickets %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>Promoted %Ln time</numerusform>
            <numerusform>Promoted %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>Dropped %Ln time</numerusform>
            <numerusform>Dropped %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected for the World Cup %Ln times</source>
        <translation>
            <numerusform>Selected for the World Cup %Ln time</numerusform>
            <numerusform>Selected for the World Cup %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sponsor changed %Ln times</source>
        <translation>
            <numerusform>Sponsor changed %Ln time</numerusform>
            <numerusform>Sponsor changed %Ln times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took the bookie&apos;s money %Ln times</source>
        <translation>
            <numerusform>Took the bookie&apos;s money %Ln time</numerusform>
            <numerusform>Took the bookie&apos;s money %Ln times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessagePrompter</name>
    <message numerus="yes">
        <source>%Ln save file(s) in this folder cannot be shown here: the name is not text this system can spell back. Rename it to load it.</source>
        <extracomment>Below the Load dialog&apos;s files: %Ln is how many save files of the folder it cannot show, as their names are not text.</extracomment>
        <translation>
            <numerusform>%Ln save file in this folder cannot be shown here: its name is not text this system can spell back. Rename it to load it.</numerusform>
            <numerusform>%Ln save files in this folder cannot be shown here: their names are not text this system can spell back. Rename them to load them.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayOnNewsScreen</name>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</source>
        <extracomment>The summary of a run of matches; %4 is the level played at (Club, City, ...).</extracomment>
        <translation>
            <numerusform>%Ln match: %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</numerusform>
            <numerusform>%Ln matches: %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</source>
        <extracomment>The summary of a run of matches that moved the player from level %4 to level %5.</extracomment>
        <translation>
            <numerusform>%Ln match: %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</numerusform>
            <numerusform>%Ln matches: %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PurchaseScreen</name>
    <message numerus="yes">
        <source>%Ln unit(s); %1: %2</source>
        <extracomment>What a screen reader says as a units bar moves: %Ln the units chosen, %1 the caption &quot;Balance after purchase (Rs.)&quot;, %2 that balance.</extracomment>
        <translation>
            <numerusform>%Ln unit; %1: %2</numerusform>
            <numerusform>%Ln units; %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.</source>
        <extracomment>What a screen reader hears of a rate-card row as the screen opens: %1 the row (&quot;Batting&quot;), %Ln the units offered, %2 the rate and %3 the amount, both in rupees.</extracomment>
        <translation>
            <numerusform>%1: %Ln unit at %2 (Rs.) each, %3 (Rs.) in all.</numerusform>
            <numerusform>%1: %Ln units at %2 (Rs.) each, %3 (Rs.) in all.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveClaim</name>
    <message numerus="yes">
        <source>The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <extracomment>%1 is a file, %2 a player&apos;s name, %3 a level (Club, City, State, National).</extracomment>
        <translation>
            <numerusform>The file %1 holds the career of %2, at %3 level after %Ln match. Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</numerusform>
            <numerusform>The file %1 holds the career of %2, at %3 level after %Ln matches. Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message numerus="yes">
        <source>%Ln sponsor(s) make you an offer: %1.</source>
        <translation>
            <numerusform>%Ln sponsor makes you an offer: %1.</numerusform>
            <numerusform>%Ln sponsors make you an offer: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>

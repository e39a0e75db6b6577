<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>CareerCard</name>
    <message>
        <source>%1 for %2 (%3), match %4</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), match 12&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 the match.</extracomment>
        <translation>%2 (%3) के लिए %1, मैच %4</translation>
    </message>
    <message>
        <source>%1 for %2 (%3), matches %4 to %5</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), matches 12 to 80&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 and %5 the first and last match.</extracomment>
        <translation>%2 (%3) के लिए %1, मैच %4 से %5</translation>
    </message>
    <message>
        <source>Dropped from club cricket.</source>
        <translation>क्लब क्रिकेट से बाहर कर दिया गया।</translation>
    </message>
    <message>
        <source>Caught by the enquiry into the bookie&apos;s money.</source>
        <translation>सट्टेबाज़ के पैसे की जाँच में पकड़ा गया।</translation>
    </message>
    <message>
        <source>Still playing.</source>
        <extracomment>How the career ended: it has not, the player plays on.</extracomment>
        <translation>अभी खेल रहा है।</translation>
    </message>
    <message>
        <source>CAREER</source>
        <extracomment>Heading of the card that sums up a whole career.</extracomment>
        <translation>करियर</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>खिलाड़ी:</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>सबसे ऊँचा स्तर:</translation>
    </message>
    <message>
        <source>Levels reached:</source>
        <translation>पहुँचे स्तर:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>मैच:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>रन:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>विकेट:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>कैच:</translation>
    </message>
    <message>
        <source>Highest score:</source>
        <translation>सर्वाधिक स्कोर:</translation>
    </message>
    <message>
        <source>Best bowling:</source>
        <extracomment>The most wickets the player took in one match.</extracomment>
        <translation>सर्वश्रेष्ठ गेंदबाज़ी:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>अर्धशतक:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>शतक:</translation>
    </message>
    <message>
        <source>5 wickets:</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>पाँच विकेट:</translation>
    </message>
    <message>
        <source>Peak overall skill:</source>
        <extracomment>The highest overall skill the player ever had.</extracomment>
        <translation>सर्वोच्च कुल कौशल:</translation>
    </message>
    <message>
        <source>Money earned (Rs.):</source>
        <extracomment>Match fees, sponsorship and awards earned over the career, in rupees.</extracomment>
        <translation>कमाई (रु.):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>बैंक बैलेंस (रु.):</translation>
    </message>
    <message>
        <source>Most runs in a stay:</source>
        <extracomment>A stay: the matches played at one level, from arriving there to leaving.</extracomment>
        <translation>एक दौर में सबसे ज़्यादा रन:</translation>
    </message>
    <message>
        <source>Best stay (runs a match):</source>
        <translation>सबसे अच्छा दौर (रन प्रति मैच):</translation>
    </message>
    <message>
        <source>Longest stay (matches):</source>
        <translation>सबसे लंबा दौर (मैच):</translation>
    </message>
    <message>
        <source>How it ended:</source>
        <extracomment>How the career came to its end.</extracomment>
        <translation>अंत कैसे हुआ:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>टीम</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>मैच</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>रन</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>विकेट</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>कैच</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>कमाई (रु.)</translation>
    </message>
    <message>
        <source>Levels and teams</source>
        <extracomment>The table of the career&apos;s figures at each level and with each team.</extracomment>
        <translation>स्तर और टीमें</translation>
    </message>
    <message>
        <source>None yet</source>
        <extracomment>Shown for a stay when the career has no history to find it in.</extracomment>
        <translation>अभी कोई नहीं</translation>
    </message>
    <message>
        <source>Stays, teams and money earned count from match %1, where the history begins.</source>
        <translation>दौर, टीमें और कमाई मैच %1 से गिनी गई हैं, जहाँ से इतिहास शुरू होता है।</translation>
    </message>
    <message>
        <source>All teams</source>
        <extracomment>In the career card&apos;s table: a level&apos;s figures with every team there.</extracomment>
        <translation>सभी टीमें</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>All Rounder</source>
        <translation>ऑलराउंडर</translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation>बल्लेबाज़</translation>
    </message>
    <message>
        <source>Bowler</source>
        <translation>गेंदबाज़</translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>Five Star</source>
        <translation>फ़ाइव स्टार</translation>
    </message>
    <message>
        <source>Rising Sun</source>
        <translation>उगता सूरज</translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation>चमकता चाँद</translation>
    </message>
    <message>
        <source>Happy Valley</source>
        <translation>हैप्पी वैली</translation>
    </message>
    <message>
        <source>Country Side</source>
        <translation>कंट्री साइड</translation>
    </message>
</context>
<context>
    <name>CommandButton</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command&apos;s tooltip: %1 is the command&apos;s name (&quot;Play&quot;), %2 its keyboard shortcuts (&quot;Ctrl+P, F5&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two keyboard shortcuts of one command.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CreditsScreen</name>
    <message>
        <source>Bailcrest: Credits</source>
        <translation>Bailcrest: परिचय</translation>
    </message>
    <message>
        <source>Bailcrest crest</source>
        <translation>Bailcrest का प्रतीक-चिह्न</translation>
    </message>
    <message>
        <source>BAILCREST</source>
        <translation>BAILCREST</translation>
    </message>
    <message>
        <source>VERSION 1.0</source>
        <translation>संस्करण 1.0</translation>
    </message>
    <message>
        <source>PROGRAMMED BY:</source>
        <translation>प्रोग्रामर:</translation>
    </message>
    <message>
        <source>Bailcrest team</source>
        <translation>Bailcrest टीम</translation>
    </message>
    <message>
        <source>WEBSITE:</source>
        <translation>वेबसाइट:</translation>
    </message>
    <message>
        <source>PLEASE READ CAREFULLY:</source>
        <translation>कृपया ध्यान से पढ़ें:</translation>
    </message>
    <message>
        <source>Bailcrest costs you nothing because our advertisers pay for it. Please take a moment to visit them: a click on a banner below opens the advertiser&apos;s web page in your browser, and your career stays exactly where you left it. Every visit helps to keep Bailcrest free for everyone. Thank you!</source>
        <translation>Bailcrest आपके लिए मुफ़्त है, क्योंकि इसका ख़र्च हमारे विज्ञापनदाता उठाते हैं। कृपया एक पल निकालकर उनसे मिलें: नीचे किसी बैनर पर क्लिक करते ही विज्ञापनदाता का वेब पेज आपके ब्राउज़र में खुल जाएगा, और आपका करियर ठीक वहीं रहेगा जहाँ आपने छोड़ा था। आपकी हर विज़िट Bailcrest को सबके लिए मुफ़्त बनाए रखने में मदद करती है। धन्यवाद!</translation>
    </message>
    <message>
        <source>Advertiser banner, %1</source>
        <translation>विज्ञापन बैनर, %1</translation>
    </message>
    <message>
        <source>Opens the advertiser&apos;s web page</source>
        <translation>विज्ञापनदाता का वेब पेज खोलता है</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>आगे बढ़ें</translation>
    </message>
    <message>
        <source>The advertiser&apos;s page could not be opened. You can type its address into a web browser:

%1</source>
        <translation>विज्ञापनदाता का पेज नहीं खुल सका। आप इसका पता किसी वेब ब्राउज़र में टाइप कर सकते हैं:

%1</translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>Runs</source>
        <translation>रन</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>कौशल</translation>
    </message>
    <message>
        <source>Bank balance</source>
        <translation>बैंक बैलेंस</translation>
    </message>
    <message>
        <source>Gear and health</source>
        <translation>सामान और सेहत</translation>
    </message>
    <message>
        <source>No match kept yet</source>
        <translation>अभी तक कोई मैच दर्ज नहीं</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>मैच</translation>
    </message>
    <message>
        <source>Batting average of the level</source>
        <translation>स्तर का बल्लेबाज़ी औसत</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>बल्लेबाज़ी</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>गेंदबाज़ी</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>क्षेत्ररक्षण</translation>
    </message>
    <message>
        <source>Promotion</source>
        <translation>तरक़्क़ी</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>बाहर</translation>
    </message>
    <message>
        <source>World Cup selection</source>
        <translation>विश्व कप में चयन</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>कौशल</translation>
    </message>
    <message>
        <source>Rs.</source>
        <translation>रु.</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>कुल सामान</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>कुल सेहत</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>हालत</translation>
    </message>
    <message>
        <source>No match kept yet.</source>
        <translation>अभी तक कोई मैच दर्ज नहीं।</translation>
    </message>
    <message>
        <source>%1 in match %2: %3</source>
        <extracomment>A point of a chart: %1 the line&apos;s name, %2 the match, %3 the value.</extracomment>
        <translation>मैच %2 में %1: %3</translation>
    </message>
    <message>
        <source>%1, lowest to highest</source>
        <extracomment>The shaded band around a line of a long career&apos;s chart.</extracomment>
        <translation>%1, न्यूनतम से अधिकतम</translation>
    </message>
    <message>
        <source>%1 before match %2</source>
        <extracomment>A marker of a chart: %1 what it marks, %2 the match.</extracomment>
        <translation>मैच %2 से पहले %1</translation>
    </message>
    <message>
        <source>%1 in matches %2 to %3: mean %4, lowest %5, highest %6</source>
        <extracomment>A block of a long career&apos;s chart: %1 the line&apos;s name, %2 and %3 the first and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.</extracomment>
        <translation>मैच %2 से %3 तक %1: औसत %4, न्यूनतम %5, अधिकतम %6</translation>
    </message>
    <message numerus="yes">
        <source>Runs in each match, %n kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>हर मैच के रन, %n मैच दर्ज; सबसे अधिक %1 मैच %2 में; आख़िरी मैच के बाद स्तर का बल्लेबाज़ी औसत %3।</numerusform>
            <numerusform>हर मैच के रन, %n मैच दर्ज; सबसे अधिक %1 मैच %2 में; आख़िरी मैच के बाद स्तर का बल्लेबाज़ी औसत %3।</numerusform>
        </translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>विकेट</translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %n kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>हर मैच के विकेट, %n मैच दर्ज; कुल विकेट %1, सबसे अधिक %2 मैच %3 में।</numerusform>
            <numerusform>हर मैच के विकेट, %n मैच दर्ज; कुल विकेट %1, सबसे अधिक %2 मैच %3 में।</numerusform>
        </translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation>कुल कौशल</translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation>स्तर की चयन सीमा</translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation>पदोन्नति: कुल कौशल %1</translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation>पदोन्नति: बल्लेबाज़ी या गेंदबाज़ी %1</translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %n kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>हर मैच के बाद बल्लेबाज़ी, गेंदबाज़ी, क्षेत्ररक्षण और कुल कौशल, %n मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और कुल %4, जबकि पदोन्नति कुल %5 या बल्लेबाज़ी अथवा गेंदबाज़ी %6 पर होती है।</numerusform>
            <numerusform>हर मैच के बाद बल्लेबाज़ी, गेंदबाज़ी, क्षेत्ररक्षण और कुल कौशल, %n मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और कुल %4, जबकि पदोन्नति कुल %5 या बल्लेबाज़ी अथवा गेंदबाज़ी %6 पर होती है।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %n.</source>
        <translation>
            <numerusform>चिह्नित पदोन्नतियाँ: %n।</numerusform>
            <numerusform>चिह्नित पदोन्नतियाँ: %n।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %n.</source>
        <translation>
            <numerusform>चिह्नित बाहर होने: %n।</numerusform>
            <numerusform>चिह्नित बाहर होने: %n।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %n kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>हर मैच के बाद बैंक बैलेंस, %n मैच दर्ज: आख़िरी मैच के बाद रु. %1, सबसे अधिक रु. %2।</numerusform>
            <numerusform>हर मैच के बाद बैंक बैलेंस, %n मैच दर्ज: आख़िरी मैच के बाद रु. %1, सबसे अधिक रु. %2।</numerusform>
        </translation>
    </message>
    <message>
        <source>Lowest item of gear</source>
        <translation>किट की सबसे कमज़ोर चीज़</translation>
    </message>
    <message>
        <source>Lowest of fitness, health and stamina</source>
        <translation>फ़िटनेस, स्वास्थ्य और स्टैमिना में सबसे कम</translation>
    </message>
    <message>
        <source>Selection floor: any item at 0 keeps the player out</source>
        <translation>चयन की न्यूनतम सीमा: कोई भी चीज़ 0 पर हो तो खिलाड़ी बाहर</translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %n kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>हर मैच के बाद कुल किट और स्वास्थ्य, किट की सबसे कमज़ोर चीज़ और फ़िटनेस, स्वास्थ्य व स्टैमिना में सबसे कम, %n मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और %4। किट की कोई चीज़, फ़िटनेस, स्वास्थ्य या स्टैमिना 0 पर हो तो खिलाड़ी टीम से बाहर रहता है।</numerusform>
            <numerusform>हर मैच के बाद कुल किट और स्वास्थ्य, किट की सबसे कमज़ोर चीज़ और फ़िटनेस, स्वास्थ्य व स्टैमिना में सबसे कम, %n मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और %4। किट की कोई चीज़, फ़िटनेस, स्वास्थ्य या स्टैमिना 0 पर हो तो खिलाड़ी टीम से बाहर रहता है।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryScreen</name>
    <message>
        <source>Bailcrest: Career History</source>
        <translation>Bailcrest: करियर का इतिहास</translation>
    </message>
    <message>
        <source>CAREER</source>
        <translation>करियर</translation>
    </message>
    <message>
        <source>LAST MATCH</source>
        <translation>आख़िरी मैच</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>चार्ट</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>मैच</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>खिलाड़ी:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>स्तर:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>टीम:</translation>
    </message>
    <message>
        <source>World Cup:</source>
        <translation>विश्व कप:</translation>
    </message>
    <message>
        <source>Matches in the career:</source>
        <translation>करियर में मैच:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>रन:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>विकेट:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>कैच:</translation>
    </message>
    <message>
        <source>Award (Rs.):</source>
        <translation>पुरस्कार (रु.):</translation>
    </message>
    <message>
        <source>Match fee (Rs.):</source>
        <translation>मैच फ़ीस (रु.):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.):</source>
        <translation>प्रायोजन (रु.):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>बैंक बैलेंस (रु.):</translation>
    </message>
    <message>
        <source>Overall gear:</source>
        <translation>कुल सामान:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>बल्लेबाज़ी:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>गेंदबाज़ी:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>क्षेत्ररक्षण:</translation>
    </message>
    <message>
        <source>Overall health:</source>
        <translation>कुल सेहत:</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>बल्ला:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>दस्ताने:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>पैड:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>अन्य:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>फ़िटनेस:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>सेहत:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>दमखम:</translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation>पिछले मैच के बाद से:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>चयनित</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>चयन नहीं</translation>
    </message>
    <message>
        <source>LAST MATCH: NONE KEPT YET</source>
        <translation>आख़िरी मैच: अभी तक कोई दर्ज नहीं</translation>
    </message>
    <message>
        <source>LAST MATCH: %1, %2 (%3)</source>
        <translation>आख़िरी मैच: %1, %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>कुछ नहीं</translation>
    </message>
    <message>
        <source>Scroll the window up or down</source>
        <translation>विंडो ऊपर या नीचे खिसकाएँ</translation>
    </message>
    <message>
        <source>Scroll the window sideways</source>
        <translation>विंडो दाएँ-बाएँ खिसकाएँ</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>सीज़न</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>टीम</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>रन</translation>
    </message>
    <message>
        <source>Highest score</source>
        <translation>सर्वाधिक स्कोर</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>बल्लेबाज़ी औसत</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>अर्धशतक</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>शतक</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>विकेट</translation>
    </message>
    <message>
        <source>Best bowling</source>
        <extracomment>The most wickets taken in one match.</extracomment>
        <translation>सर्वश्रेष्ठ गेंदबाज़ी</translation>
    </message>
    <message>
        <source>Five-wicket matches</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>पाँच विकेट वाले मैच</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>कैच</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>कमाई (रु.)</translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>उपलब्धियाँ</translation>
    </message>
    <message>
        <source>The moments of the career worth telling, with the match of each.</source>
        <translation>करियर के यादगार पल, हर एक के मैच के साथ।</translation>
    </message>
    <message>
        <source>Every match of the career, one a row; a column heading, or the sort choice above, sorts by it.</source>
        <translation>करियर का हर मैच, एक पंक्ति में एक; कॉलम का शीर्षक या ऊपर का क्रम-चुनाव उसी के अनुसार क्रम बदलता है।</translation>
    </message>
    <message>
        <source>Sort the matches by:</source>
        <translation>मैचों का क्रम:</translation>
    </message>
    <message>
        <source>Sort the matches by</source>
        <translation>मैचों का क्रम</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>क्रम</translation>
    </message>
    <message>
        <source>Lowest first</source>
        <extracomment>Sorting order: smallest value first.</extracomment>
        <translation>सबसे कम पहले</translation>
    </message>
    <message>
        <source>Highest first</source>
        <extracomment>Sorting order: largest value first.</extracomment>
        <translation>सबसे अधिक पहले</translation>
    </message>
    <message>
        <source>Career</source>
        <extracomment>The first row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation>करियर</translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation>अभी कोई उपलब्धि नहीं।</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation>चार्ट नहीं दिखाए जा सकते, क्योंकि खेल का एक हिस्सा मौजूद नहीं है। सीज़न, उपलब्धियाँ और मैचों की तालिका पूरा करियर बताती हैं।</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as the part of the game that draws them belongs to another version of it. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts was installed with another version of the game.</extracomment>
        <translation>चार्ट नहीं दिखाए जा सकते, क्योंकि उन्हें बनाने वाला खेल का हिस्सा खेल के किसी दूसरे संस्करण का है। सीज़न, उपलब्धियाँ और मैचों की तालिका पूरा करियर बताती हैं।</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>दिखाएँ:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>दिखाएँ</translation>
    </message>
    <message>
        <source>Every milestone</source>
        <extracomment>Which milestones the list shows: all of them.</extracomment>
        <translation>सभी उपलब्धियाँ</translation>
    </message>
    <message>
        <source>Runs and wickets</source>
        <translation>रन और विकेट</translation>
    </message>
    <message>
        <source>Level changes</source>
        <translation>स्तर में बदलाव</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>प्रायोजक</translation>
    </message>
    <message>
        <source>The bookie</source>
        <extracomment>Milestones of taking the bookie&apos;s money.</extracomment>
        <translation>सट्टेबाज़</translation>
    </message>
    <message>
        <source>Group repeats</source>
        <translation>दोहराव एक साथ</translation>
    </message>
    <message>
        <source>The career&apos;s totals, then each level with its totals and its stays.</source>
        <translation>पूरे करियर का योग, फिर हर स्तर अपने योग और अपने दौरों के साथ।</translation>
    </message>
    <message>
        <source>Matches %1 to %2</source>
        <extracomment>A stay at one level in the seasons table: the first and last match of it.</extracomment>
        <translation>मैच %1 से %2</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Match</source>
        <translation>मैच</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>टीम</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>रन</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>विकेट</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>कैच</translation>
    </message>
    <message>
        <source>Award (Rs.)</source>
        <translation>पुरस्कार (रु.)</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>बल्लेबाज़ी</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>गेंदबाज़ी</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>क्षेत्ररक्षण</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>बल्ला</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>दस्ताने</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>पैड</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>अन्य</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>फ़िटनेस</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>सेहत</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>दमखम</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>कुल सामान</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>कुल सेहत</translation>
    </message>
    <message>
        <source>Match fee (Rs.)</source>
        <translation>मैच फ़ीस (रु.)</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.)</source>
        <translation>प्रायोजन (रु.)</translation>
    </message>
    <message>
        <source>Other income (Rs.)</source>
        <translation>अन्य आय (रु.)</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>बैंक बैलेंस (रु.)</translation>
    </message>
    <message>
        <source>Events since the match before</source>
        <translation>पिछले मैच के बाद की घटनाएँ</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Promoted to %1 (%2)</source>
        <translation>%1 (%2) में तरक़्क़ी</translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation>%1 (%2) में वापस भेजा गया</translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation>%1 (%2) में भेजा गया</translation>
    </message>
    <message>
        <source>Selected for the World Cup</source>
        <translation>विश्व कप के लिए चयन</translation>
    </message>
    <message>
        <source>Sponsor %1</source>
        <translation>प्रायोजक %1</translation>
    </message>
    <message>
        <source>Training Rs. %1</source>
        <translation>अभ्यास रु. %1</translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation>सामान रु. %1</translation>
    </message>
    <message>
        <source>Health care Rs. %1</source>
        <translation>स्वास्थ्य सेवा रु. %1</translation>
    </message>
    <message>
        <source>Took the bookie&apos;s Rs. %1</source>
        <translation>सट्टेबाज़ से रु. %1 लिए</translation>
    </message>
    <message>
        <source>%1 (%2%3)</source>
        <translation>%1 (%2%3)</translation>
    </message>
    <message>
        <source>The history file could not be read.</source>
        <translation>इतिहास की फ़ाइल पढ़ी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>The history file belongs to another career and was not used.</source>
        <translation>इतिहास की फ़ाइल किसी दूसरे करियर की है, इसलिए इस्तेमाल नहीं की गई।</translation>
    </message>
    <message>
        <source>History kept from match %1: the matches before it were played without one.</source>
        <translation>इतिहास मैच %1 से दर्ज है: उससे पहले के मैच बिना इतिहास के खेले गए थे।</translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %n.</source>
        <translation>
            <numerusform>इतिहास फ़ाइल की पंक्तियाँ जो किसी दूसरे करियर की होने से छोड़ी गईं: %n।</numerusform>
            <numerusform>इतिहास फ़ाइल की पंक्तियाँ जो किसी दूसरे करियर की होने से छोड़ी गईं: %n।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %n.</source>
        <translation>
            <numerusform>इतिहास फ़ाइल की पंक्तियाँ जो पढ़ी न जा सकने से छोड़ी गईं: %n।</numerusform>
            <numerusform>इतिहास फ़ाइल की पंक्तियाँ जो पढ़ी न जा सकने से छोड़ी गईं: %n।</numerusform>
        </translation>
    </message>
    <message>
        <source>Match %1: first fifty, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>मैच %1: पहला अर्धशतक, %2 रन।</translation>
    </message>
    <message>
        <source>Match %1: first hundred, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>मैच %1: पहला शतक, %2 रन।</translation>
    </message>
    <message>
        <source>Match %1: first five-wicket match, %2 wickets.</source>
        <extracomment>%1 the match number, %2 the wickets taken (five or more).</extracomment>
        <translation>मैच %1: पहली बार पाँच विकेट, %2 विकेट।</translation>
    </message>
    <message>
        <source>Match %1: %2 career runs.</source>
        <extracomment>%1 the match number, %2 a round thousand of runs.</extracomment>
        <translation>मैच %1: करियर में %2 रन।</translation>
    </message>
    <message>
        <source>Match %1: %2 career wickets.</source>
        <extracomment>%1 the match number, %2 a round hundred of wickets.</extracomment>
        <translation>मैच %1: करियर में %2 विकेट।</translation>
    </message>
    <message>
        <source>Before match %1: promoted to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>मैच %1 से पहले: %2 स्तर पर पदोन्नति (%3)।</translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>मैच %1 से पहले: %2 स्तर पर वापस (%3)।</translation>
    </message>
    <message>
        <source>Before match %1: selected for the World Cup.</source>
        <translation>मैच %1 से पहले: विश्व कप के लिए चयन।</translation>
    </message>
    <message>
        <source>Before match %1: took %2 as sponsor.</source>
        <extracomment>%1 the match number, %2 the sponsor&apos;s name.</extracomment>
        <translation>मैच %1 से पहले: %2 को प्रायोजक चुना।</translation>
    </message>
    <message>
        <source>Before match %1: took the bookie&apos;s Rs. %2.</source>
        <extracomment>%1 the match number, %2 the amount in rupees.</extracomment>
        <translation>मैच %1 से पहले: सट्टेबाज़ से रु. %2 लिए।</translation>
    </message>
    <message numerus="yes">
        <source>Another thousand career runs %Ln times</source>
        <translation>
            <numerusform>करियर में और हज़ार रन, %Ln बार</numerusform>
            <numerusform>करियर में और हज़ार रन, %Ln बार</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another hundred career wickets %Ln times</source>
        <translation>
            <numerusform>करियर में और सौ विकेट, %Ln बार</numerusform>
            <numerusform>करियर में और सौ विकेट, %Ln बार</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>%Ln बार तरक़्क़ी</numerusform>
            <numerusform>%Ln बार तरक़्क़ी</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>%Ln बार वापस भेजा गया</numerusform>
            <numerusform>%Ln बार वापस भेजा गया</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected for the World Cup %Ln times</source>
        <translation>
            <numerusform>%Ln बार विश्व कप के लिए चयन</numerusform>
            <numerusform>%Ln बार विश्व कप के लिए चयन</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sponsor changed %Ln times</source>
        <translation>
            <numerusform>प्रायोजक %Ln बार बदला</numerusform>
            <numerusform>प्रायोजक %Ln बार बदला</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took the bookie&apos;s money %Ln times</source>
        <translation>
            <numerusform>सट्टेबाज़ से %Ln बार पैसे लिए</numerusform>
            <numerusform>सट्टेबाज़ से %Ln बार पैसे लिए</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Club</source>
        <extracomment>A level of play, as the record book heads its column.</extracomment>
        <translation>क्लब</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>National</source>
        <translation>राष्ट्रीय</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>0</source>
        <extracomment>How many pixels larger than the design&apos;s sizes the text of this language is drawn, as a number: 0 for the Latin alphabet; Devanagari reads as well as English a pixel larger.</extracomment>
        <translation>1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Bailcrest v1.0</source>
        <translation>Bailcrest v1.0</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>प्रोफ़ाइल</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>खिलाड़ी:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>टीम:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>श्रेणी:</translation>
    </message>
    <message>
        <source>Sponsor:</source>
        <translation>प्रायोजक:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>बल्लेबाज़ी:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>गेंदबाज़ी:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>क्षेत्ररक्षण:</translation>
    </message>
    <message>
        <source>Overall:</source>
        <extracomment>The overall skill, worked out from batting, bowling and fielding.</extracomment>
        <translation>कुल:</translation>
    </message>
    <message>
        <source>LEVEL STATS</source>
        <translation>स्तर के आँकड़े</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>खेले गए मैच:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>बनाए गए रन:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>लिए गए विकेट:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>पकड़े गए कैच:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>सर्वाधिक स्कोर:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>बल्लेबाज़ी औसत:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>अर्धशतक:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>शतक:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>सर्वाधिक विकेट:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>पाँच विकेट:</translation>
    </message>
    <message>
        <source>FINANCE</source>
        <translation>वित्त</translation>
    </message>
    <message>
        <source>Match Fee (Rs):</source>
        <translation>मैच फ़ीस (रु.):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs):</source>
        <translation>प्रायोजन (रु.):</translation>
    </message>
    <message>
        <source>Other Incomes (Rs):</source>
        <translation>अन्य आय (रु.):</translation>
    </message>
    <message>
        <source>Bank Balance (Rs):</source>
        <translation>बैंक बैलेंस (रु.):</translation>
    </message>
    <message>
        <source>ACCESSORIES</source>
        <extracomment>Heading of the player&apos;s cricket gear (bat, gloves, pads, others).</extracomment>
        <translation>किट</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <extracomment>Heading of the player&apos;s body: fitness, health and stamina.</extracomment>
        <translation>सेहत</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>बल्ला:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>दस्ताने:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>पैड:</translation>
    </message>
    <message>
        <source>Others:</source>
        <extracomment>The other pieces of cricket gear, besides bat, gloves and pads.</extracomment>
        <translation>अन्य:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>फ़िटनेस:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>सेहत:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>दमखम:</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Main menu command: opens the credits.</extracomment>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main menu command: ends the game at once, without saving.</extracomment>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <extracomment>Main menu command: opens the sponsorship offers.</extracomment>
        <translation>प्रायोजक</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>Main menu command: opens the cricket gear store (a shop, not &quot;save&quot;).</extracomment>
        <translation>दुकान</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>Main menu command: opens the training centre, where skills are bought.</extracomment>
        <translation>अभ्यास</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Main menu command (a verb): plays the next match.</extracomment>
        <translation>खेलें</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Main menu command: opens the record book of every level.</extracomment>
        <translation>रिकॉर्ड</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Main menu command: opens the health care centre (fitness, health, stamina).</extracomment>
        <translation>सेहत</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation>इतिहास</translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in %1.</source>
        <translation>गेम के पास वाले फ़ोल्डर में सेव नहीं रखे जा सकते, इसलिए आपका करियर %1 में सेव किया जाता है।</translation>
    </message>
    <message>
        <source>...</source>
        <extracomment>Shown beside &quot;Sponsor:&quot; while the player has no sponsor.</extracomment>
        <translation>...</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The level the player plays at now: Club, City, State or National.</extracomment>
        <translation>स्तर:</translation>
    </message>
</context>
<context>
    <name>MatchScreen</name>
    <message>
        <source>Bailcrest: Match Details</source>
        <translation>Bailcrest: मैच का ब्योरा</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>खिलाड़ी</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>टीम</translation>
    </message>
    <message>
        <source>MATCH STATISTICS</source>
        <translation>मैच के आँकड़े</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>बनाए गए रन:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>लिए गए विकेट:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>पकड़े गए कैच:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation>आपका करियर %1 के रूप में सेव नहीं हो सका: %2। पहले की सेव फ़ाइल, अगर कोई है, तो वैसी ही बनी हुई है।</translation>
    </message>
    <message>
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, and the History window still shows every match of this game.</source>
        <translation>आपके करियर का इतिहास %1 में नहीं रखा जा सका: %2। आपका करियर पहले की तरह सेव है, और इतिहास विंडो इस गेम का हर मैच अब भी दिखाती है।</translation>
    </message>
</context>
<context>
    <name>MessagePrompter</name>
    <message>
        <source>Bailcrest</source>
        <extracomment>The title of every message box: the game&apos;s name, which stays &quot;Bailcrest&quot; in every language.</extracomment>
        <translation>Bailcrest</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>en</source>
        <extracomment>The language of this translation, as the pictures with words (the credits&apos; banners) are named by: the language&apos;s code, &quot;hi&quot; for Hindi.</extracomment>
        <translation>hi</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>You are selected in the %1 team.</source>
        <translation>आपको %1 टीम में चुना गया है।</translation>
    </message>
    <message>
        <source>You are selected for the World Cup in the %1 team.</source>
        <translation>आपको विश्व कप के लिए %1 टीम में चुना गया है।</translation>
    </message>
    <message>
        <source>You are not good enough at this level.</source>
        <translation>आप इस स्तर के लायक़ अच्छा नहीं खेल रहे हैं।</translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation>ख़राब क्षेत्ररक्षण के कारण आपको नहीं चुना गया।</translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation>आपके पास क्रिकेट का ठीक-ठाक सामान नहीं है।</translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation>आप इस स्तर पर खेलने के लिए फ़िट नहीं हैं।</translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation>आपको %1 टीम से बाहर कर दिया गया है।</translation>
    </message>
    <message>
        <source>You&apos;re found guilty of match fixing in an enquiry. Your career is over.</source>
        <translation>जाँच में आप मैच फ़िक्सिंग के दोषी पाए गए हैं। आपका करियर ख़त्म हो गया है।</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>क्या आप फिर से खेलना चाहते हैं?</translation>
    </message>
    <message>
        <source>You are awarded Rs.%1 based on your performance.</source>
        <translation>आपके प्रदर्शन के आधार पर आपको रु. %1 का पुरस्कार दिया गया है।</translation>
    </message>
    <message>
        <source>A bookie offers you Rs. %1 if you play badly. Accept the offer?</source>
        <translation>एक सट्टेबाज़ ख़राब खेलने के बदले आपको रु. %1 की पेशकश कर रहा है। क्या आप पेशकश स्वीकार करते हैं?</translation>
    </message>
    <message>
        <source>Overall skill %1, %2 short of the %3 needed.</source>
        <translation>कुल कौशल %1, ज़रूरी %3 से %2 कम।</translation>
    </message>
    <message>
        <source>Fielding %1, %2 short of the %3 needed.</source>
        <translation>क्षेत्ररक्षण %1, ज़रूरी %3 से %2 कम।</translation>
    </message>
    <message>
        <source>Bat worn down to %1; each item of gear must be at least %2.</source>
        <translation>बल्ला घिसकर %1 रह गया; हर सामान कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Gloves worn down to %1; each item of gear must be at least %2.</source>
        <translation>दस्ताने घिसकर %1 रह गए; हर सामान कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Pads worn down to %1; each item of gear must be at least %2.</source>
        <translation>पैड घिसकर %1 रह गए; हर सामान कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Other gear worn down to %1; each item of gear must be at least %2.</source>
        <translation>अन्य सामान घिसकर %1 रह गया; हर सामान कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Fitness down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>फ़िटनेस घटकर %1 रह गई; फ़िटनेस, सेहत, दमखम हर एक कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Health down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>सेहत घटकर %1 रह गई; फ़िटनेस, सेहत, दमखम हर एक कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>Stamina down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>दमखम घटकर %1 रह गया; फ़िटनेस, सेहत, दमखम हर एक कम से कम %2 चाहिए।</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <extracomment>A notice of not being selected (%1), then the figure that failed (%2), on a line of its own where the message box has room for it.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>PlayerScreen</name>
    <message>
        <source>Bailcrest: Player Properties</source>
        <translation>Bailcrest: खिलाड़ी का ब्योरा</translation>
    </message>
    <message>
        <source>PLAYER DETAILS</source>
        <translation>खिलाड़ी का परिचय</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>शहर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>INITIAL SKILLS</source>
        <translation>शुरुआती कौशल</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>बल्लेबाज़ी:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>गेंदबाज़ी:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>क्षेत्ररक्षण:</translation>
    </message>
    <message>
        <source>Player Overall Skills:</source>
        <translation>खिलाड़ी का कुल कौशल:</translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation>अपने-आप सेव</translation>
    </message>
    <message>
        <source>Check this box to automatically save the game after every match.</source>
        <translation>हर मैच के बाद गेम अपने-आप सेव करने के लिए यह बॉक्स चुनें।</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>लोड करें</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Please fill in the player details properly.</source>
        <translation>कृपया खिलाड़ी का ब्योरा ठीक से भरें।</translation>
    </message>
</context>
<context>
    <name>PurchaseScreen</name>
    <message>
        <source>%1 units</source>
        <extracomment>A screen reader&apos;s name for the box of units chosen; %1 is the row&apos;s name (&quot;Batting&quot;, &quot;Bat&quot;, &quot;Fitness&quot;).</extracomment>
        <translation>%1 इकाइयाँ</translation>
    </message>
    <message>
        <source>Bailcrest: Training Centre</source>
        <translation>Bailcrest: अभ्यास केंद्र</translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation>अभ्यास केंद्र की दरें</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation>जितनी इकाइयाँ आप बढ़ाना चाहते हैं</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>उपलब्ध इकाइयाँ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ठीक है</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;रद्द करें</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>बल्लेबाज़ी:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>गेंदबाज़ी:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>क्षेत्ररक्षण:</translation>
    </message>
    <message>
        <source>Bailcrest: Cricket Store</source>
        <translation>Bailcrest: क्रिकेट की दुकान</translation>
    </message>
    <message>
        <source>CRICKET GEAR STORE</source>
        <translation>क्रिकेट सामान की दुकान</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation>जितनी इकाइयाँ आप ख़रीदना चाहते हैं</translation>
    </message>
    <message>
        <source>Required Units</source>
        <translation>ज़रूरी इकाइयाँ</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>बल्ला:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>दस्ताने:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>पैड:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>अन्य:</translation>
    </message>
    <message>
        <source>Bailcrest: Health Care</source>
        <translation>Bailcrest: स्वास्थ्य सेवा</translation>
    </message>
    <message>
        <source>HEALTH CARE CENTRE</source>
        <translation>स्वास्थ्य सेवा केंद्र</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>फ़िटनेस:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>सेहत:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>दमखम:</translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Rate (Rs.)</source>
        <translation>दर (रु.)</translation>
    </message>
    <message>
        <source>Amount (Rs.)</source>
        <translation>रक़म (रु.)</translation>
    </message>
    <message>
        <source>Balance before purchase (Rs.):</source>
        <translation>ख़रीद से पहले बैलेंस (रु.):</translation>
    </message>
    <message>
        <source>Balance after purchase (Rs.):</source>
        <translation>ख़रीद के बाद बैलेंस (रु.):</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy the units.</source>
        <translation>ये इकाइयाँ ख़रीदने के लिए आपके पास पर्याप्त पैसे नहीं हैं।</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says a rate-card figure is: %1 is the row (&quot;Batting&quot;), %2 the column (&quot;Rate (Rs.)&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>RecordsScreen</name>
    <message>
        <source>Bailcrest: Record Book</source>
        <translation>Bailcrest: रिकॉर्ड बुक</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>खिलाड़ी</translation>
    </message>
    <message>
        <source>CAREER RECORDS AND STATS</source>
        <translation>करियर के रिकॉर्ड और आँकड़े</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>क्लब</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>खेले गए मैच:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>बनाए गए रन:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>लिए गए विकेट:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>पकड़े गए कैच:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>सर्वाधिक स्कोर:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>बल्लेबाज़ी औसत:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>अर्धशतक:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>शतक:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>सर्वाधिक विकेट:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>पाँच विकेट:</translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation>स्तर/टीम:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>SaveClaim</name>
    <message numerus="yes">
        <source>The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <extracomment>%1 is a file, %2 a player&apos;s name, %3 a level (Club, City, State, National).</extracomment>
        <translation>
            <numerusform>फ़ाइल %1 में %2 का करियर है, %3 स्तर पर %Ln मैच के बाद। इस करियर को वहाँ सहेजने से वह बदल जाएगा।

क्या उसे बदलें? हाँ: वह करियर उसी फ़ोल्डर में अपने अलग नाम से सुरक्षित रख दिया जाएगा और यह करियर उसकी जगह सहेजा जाएगा। नहीं: वह जैसा है वैसा रहेगा; तब यह करियर इस खेल में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</numerusform>
            <numerusform>फ़ाइल %1 में %2 का करियर है, %3 स्तर पर %Ln मैचों के बाद। इस करियर को वहाँ सहेजने से वह बदल जाएगा।

क्या उसे बदलें? हाँ: वह करियर उसी फ़ोल्डर में अपने अलग नाम से सुरक्षित रख दिया जाएगा और यह करियर उसकी जगह सहेजा जाएगा। नहीं: वह जैसा है वैसा रहेगा; तब यह करियर इस खेल में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation>फ़ाइल %1 इस करियर की सेव फ़ाइल नहीं है। इस करियर को वहाँ सहेजने से वह बदल जाएगी।

क्या उसे बदलें? हाँ: वह फ़ाइल उसी फ़ोल्डर में अपने अलग नाम से सुरक्षित रख दी जाएगी और यह करियर उसकी जगह सहेजा जाएगा। नहीं: वह जैसी है वैसी रहेगी; तब यह करियर इस खेल में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game. This copy plays it without saving, so that nothing the other copy saves is lost.</source>
        <translation>%1 के रूप में सहेजा गया करियर खेल की एक दूसरी कॉपी में खुला है। यह कॉपी उसे बिना सहेजे खेलेगी, ताकि दूसरी कॉपी का सहेजा कुछ भी न खोए।</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>header</source>
        <translation>शीर्ष पंक्ति</translation>
    </message>
    <message>
        <source>player name</source>
        <translation>खिलाड़ी का नाम</translation>
    </message>
    <message>
        <source>city team</source>
        <translation>शहर की टीम</translation>
    </message>
    <message>
        <source>state team</source>
        <translation>राज्य की टीम</translation>
    </message>
    <message>
        <source>national team</source>
        <translation>राष्ट्रीय टीम</translation>
    </message>
    <message>
        <source>batting skill</source>
        <translation>बल्लेबाज़ी कौशल</translation>
    </message>
    <message>
        <source>bowling skill</source>
        <translation>गेंदबाज़ी कौशल</translation>
    </message>
    <message>
        <source>fielding skill</source>
        <translation>क्षेत्ररक्षण कौशल</translation>
    </message>
    <message>
        <source>starting batting skill</source>
        <translation>शुरुआती बल्लेबाज़ी कौशल</translation>
    </message>
    <message>
        <source>starting bowling skill</source>
        <translation>शुरुआती गेंदबाज़ी कौशल</translation>
    </message>
    <message>
        <source>starting fielding skill</source>
        <translation>शुरुआती क्षेत्ररक्षण कौशल</translation>
    </message>
    <message>
        <source>auto-save flag</source>
        <translation>अपने-आप सेव का निशान</translation>
    </message>
    <message>
        <source>club team</source>
        <translation>क्लब की टीम</translation>
    </message>
    <message>
        <source>current team</source>
        <translation>मौजूदा टीम</translation>
    </message>
    <message>
        <source>category</source>
        <translation>श्रेणी</translation>
    </message>
    <message>
        <source>sponsor</source>
        <translation>प्रायोजक</translation>
    </message>
    <message>
        <source>match fee</source>
        <translation>मैच फ़ीस</translation>
    </message>
    <message>
        <source>sponsorship</source>
        <translation>प्रायोजन</translation>
    </message>
    <message>
        <source>other incomes</source>
        <translation>अन्य आय</translation>
    </message>
    <message>
        <source>bank balance</source>
        <translation>बैंक बैलेंस</translation>
    </message>
    <message>
        <source>bat condition</source>
        <translation>बल्ले की हालत</translation>
    </message>
    <message>
        <source>gloves condition</source>
        <translation>दस्तानों की हालत</translation>
    </message>
    <message>
        <source>pads condition</source>
        <translation>पैड की हालत</translation>
    </message>
    <message>
        <source>other accessories condition</source>
        <translation>अन्य सामान की हालत</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>फ़िटनेस</translation>
    </message>
    <message>
        <source>health</source>
        <translation>सेहत</translation>
    </message>
    <message>
        <source>stamina</source>
        <translation>दमखम</translation>
    </message>
    <message>
        <source>%1 matches played</source>
        <extracomment>A line of the save file&apos;s record book; %1 is the level&apos;s name (Club, City, State or National), as the record book heads its column.</extracomment>
        <translation>%1 स्तर पर खेले गए मैच</translation>
    </message>
    <message>
        <source>%1 runs scored</source>
        <translation>%1 स्तर पर बनाए गए रन</translation>
    </message>
    <message>
        <source>%1 wickets taken</source>
        <translation>%1 स्तर पर लिए गए विकेट</translation>
    </message>
    <message>
        <source>%1 catches held</source>
        <translation>%1 स्तर पर पकड़े गए कैच</translation>
    </message>
    <message>
        <source>%1 highest score</source>
        <translation>%1 स्तर पर सर्वाधिक स्कोर</translation>
    </message>
    <message>
        <source>%1 batting average</source>
        <translation>%1 स्तर पर बल्लेबाज़ी औसत</translation>
    </message>
    <message>
        <source>%1 50s</source>
        <translation>%1 स्तर पर अर्धशतक</translation>
    </message>
    <message>
        <source>%1 100s</source>
        <translation>%1 स्तर पर शतक</translation>
    </message>
    <message>
        <source>%1 most wickets</source>
        <translation>%1 स्तर पर सर्वाधिक विकेट</translation>
    </message>
    <message>
        <source>%1 5 wickets</source>
        <translation>%1 स्तर पर पाँच विकेट</translation>
    </message>
    <message>
        <source>level</source>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>This save file is damaged and was not loaded: %1.</source>
        <translation>यह सेव फ़ाइल ख़राब है और लोड नहीं की गई: %1।</translation>
    </message>
    <message>
        <source>This is not a valid Bailcrest Saves file.</source>
        <translation>यह Bailcrest की मान्य सेव फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>This save file is too large to be loaded: a save file holds at most %1 KiB.</source>
        <translation>यह सेव फ़ाइल लोड करने के लिए बहुत बड़ी है: एक सेव फ़ाइल में अधिकतम %1 KiB होते हैं।</translation>
    </message>
    <message>
        <source>the file would take %1 bytes, but a save file holds at most %2 KiB</source>
        <translation>फ़ाइल %1 बाइट की होती, पर एक सेव फ़ाइल में अधिकतम %2 KiB होते हैं</translation>
    </message>
    <message>
        <source>it ends after line %1 of %2</source>
        <translation>यह %2 में से पंक्ति %1 के बाद ख़त्म हो जाती है</translation>
    </message>
    <message>
        <source>This save file could not be read: %1.</source>
        <translation>यह सेव फ़ाइल पढ़ी नहीं जा सकी: %1।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file</source>
        <translation>&quot;%1&quot; किसी फ़ाइल का नाम नहीं हो सकता</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>फ़ोल्डर %1 नहीं बनाया जा सका</translation>
    </message>
    <message>
        <source>line %1 (%2) is empty, but must hold a number</source>
        <translation>पंक्ति %1 (%2) ख़ाली है, जबकि उसमें कोई संख्या होनी चाहिए</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is not a number</source>
        <translation>पंक्ति %1 (%2) में %3 है, जो संख्या नहीं है</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is outside the range %4 to %5</source>
        <translation>पंक्ति %1 (%2) में %3 है, जो %4 से %5 की सीमा से बाहर है</translation>
    </message>
    <message>
        <source>line %1 (%2) is not the header</source>
        <translation>पंक्ति %1 (%2) सही शीर्ष पंक्ति नहीं है</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be 0 or 1</source>
        <translation>पंक्ति %1 (%2) में %3 है, जबकि इसे 0 या 1 होना चाहिए</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be Club, City, State or National</source>
        <extracomment>Club, City, State and National are the words the save file holds whatever the language: keep them in English.</extracomment>
        <translation>पंक्ति %1 (%2) में %3 है, जबकि इसे Club, City, State या National होना चाहिए</translation>
    </message>
    <message>
        <source>line %1 (%2) holds a line break</source>
        <translation>पंक्ति %1 (%2) में लाइन ब्रेक है</translation>
    </message>
    <message>
        <source>it is a link to another file, and the game writes only files of its own in its Saves folder</source>
        <translation>यह किसी दूसरी फ़ाइल का लिंक है, और खेल केवल अपने Saves फ़ोल्डर में अपनी ही फ़ाइलें लिखता है</translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation>यह साधारण फ़ाइल नहीं है, और खेल केवल साधारण फ़ाइलें लिखता है</translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation>यह खेल वहाँ करियर नहीं सहेजता</translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation>वहाँ दूसरी फ़ाइल है, जिसे खेल बिना पूछे नहीं बदलता</translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation>उसे अलग रखने के लिए कोई खाली नाम नहीं मिला</translation>
    </message>
</context>
<context>
    <name>ScreenNavigator</name>
    <message>
        <source>Bailcrest: Load Game</source>
        <translation>Bailcrest: गेम लोड करें</translation>
    </message>
    <message>
        <source>Bailcrest Saves (%1)</source>
        <extracomment>The Load dialog&apos;s file type. %1 is the file pattern, which Qt reads back from between the parentheses: keep it there, at the end.</extracomment>
        <translation>Bailcrest सेव फ़ाइलें (%1)</translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message>
        <source>Bailcrest: Sponsorship</source>
        <translation>Bailcrest: प्रायोजन</translation>
    </message>
    <message>
        <source>SPONSORSHIP OFFERS</source>
        <translation>प्रायोजन के प्रस्ताव</translation>
    </message>
    <message>
        <source>Offers (Rs.)</source>
        <translation>प्रस्ताव (रु.)</translation>
    </message>
    <message>
        <source>Offer of %1</source>
        <translation>%1 का प्रस्ताव</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and Home all of them; Down or Page Down takes them away, Page Down ten at a time, and End all of them.</source>
        <translation>Up या Page Up यूनिट जोड़ता है, Page Up एक बार में दस, और Home सारी; Down या Page Down यूनिट घटाता है, Page Down एक बार में दस, और End सारी।</translation>
    </message>
</context>
</TS>

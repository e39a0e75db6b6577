<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>AppStream</name>
    <message>
        <source>Take a cricketer from club cricket to the World Cup</source>
        <translation>एक क्रिकेटर को क्लब क्रिकेट से विश्व कप तक ले जाएँ</translation>
    </message>
    <message>
        <source>play in English, Hindi, Urdu, Bengali or Tamil: the game speaks the desktop&apos;s language</source>
        <translation>अंग्रेज़ी, हिंदी, उर्दू, बांग्ला या तमिल में खेलें: गेम डेस्कटॉप की भाषा बोलता है</translation>
    </message>
    <message>
        <source>The main screen: a career&apos;s skills, statistics, money, gear and health</source>
        <translation>मुख्य स्क्रीन: करियर के कौशल, आँकड़े, पैसा, किट और स्वास्थ्य</translation>
    </message>
    <message>
        <source>A match: the runs, wickets and catches drawn from the player&apos;s skills</source>
        <translation>एक मैच: खिलाड़ी के कौशल से तय हुए रन, विकेट और कैच</translation>
    </message>
    <message>
        <source>The History window: charts, seasons, milestones and every match</source>
        <translation>इतिहास विंडो: चार्ट, सीज़न, उपलब्धियाँ और हर मैच</translation>
    </message>
    <message>
        <source>The hall of fame of the best careers</source>
        <translation>सर्वश्रेष्ठ करियरों का कीर्ति स्तंभ</translation>
    </message>
    <message>
        <source>Bailcrest is a single-player cricket-career game. You create a cricketer, with a name, a home city, state and country and three starting skills, and guide the career one match at a time, from a club team through the city and state sides to the national team and the World Cup.</source>
        <translation>Bailcrest एक खिलाड़ी वाला क्रिकेट करियर गेम है। आप एक क्रिकेटर बनाते हैं, उसका नाम, शहर, राज्य और देश और तीन शुरुआती कौशल चुनते हैं, और एक-एक मैच खेलकर उसका करियर आगे बढ़ाते हैं: क्लब की टीम से शहर और राज्य की टीमों तक, फिर राष्ट्रीय टीम और विश्व कप तक।</translation>
    </message>
    <message>
        <source>Each match draws your runs, wickets and catches from your batting, bowling and fielding, and from the condition of your gear and of your body. Raise your skills far enough and you are promoted; let them, your fitness or your bat run down and you are dropped a level, and a club player who is dropped ends his career. Now and then a bookie offers money to play badly: take it, and an enquiry may end the career on the spot.</source>
        <translation>हर मैच में आपके रन, विकेट और कैच आपकी बल्लेबाज़ी, गेंदबाज़ी और क्षेत्ररक्षण से, और आपकी किट और शरीर की हालत से तय होते हैं। कौशल काफ़ी बढ़ाइए तो प्रमोशन मिलता है; कौशल, फ़िटनेस या बल्ला कमज़ोर पड़ा तो आप एक स्तर नीचे ड्रॉप कर दिए जाते हैं, और क्लब से ड्रॉप हुए खिलाड़ी का करियर वहीं ख़त्म हो जाता है। कभी-कभी कोई सट्टेबाज़ ख़राब खेलने के बदले पैसों की पेशकश करता है: ले ली, तो जाँच में करियर उसी पल ख़त्म हो सकता है।</translation>
    </message>
    <message>
        <source>Between matches you manage the career:</source>
        <translation>मैचों के बीच आप करियर सँभालते हैं:</translation>
    </message>
    <message>
        <source>spend your match fees and sponsorship on training, on a new bat, gloves and pads, and on fitness, health and stamina</source>
        <translation>मैच फ़ीस और प्रायोजन की कमाई प्रशिक्षण, नए बल्ले, दस्तानों और पैड, और फ़िटनेस, स्वास्थ्य और स्टैमिना पर ख़र्च करें</translation>
    </message>
    <message>
        <source>choose a sponsor among the offers your skill has earned</source>
        <translation>अपने कौशल से मिले प्रस्तावों में से एक प्रायोजक चुनें</translation>
    </message>
    <message>
        <source>keep a record book of matches, runs, wickets, catches, averages and best figures for every level</source>
        <translation>हर स्तर के मैच, रन, विकेट, कैच, औसत और सर्वश्रेष्ठ आँकड़ों की रिकॉर्ड बुक रखें</translation>
    </message>
    <message>
        <source>save the career automatically after every match and load it again later</source>
        <translation>हर मैच के बाद करियर अपने-आप सेव करें और बाद में फिर से लोड करें</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>Bats, pads and gloves for every level</source>
        <extracomment>The line under &quot;Example Sports&quot; on the credits&apos; left banner, an advertisement for cricket gear. Drawn in 10-point type on a banner 215 pixels wide: keep it as short as English.</extracomment>
        <translation>हर स्तर के लिए बल्ले, पैड और दस्ताने</translation>
    </message>
    <message>
        <source>Follow your team to every ground</source>
        <translation>अपनी टीम के साथ हर मैदान तक</translation>
    </message>
</context>
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
        <translation>क्लब क्रिकेट से ड्रॉप कर दिया गया।</translation>
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
        <translation>सर्वोच्च स्कोर:</translation>
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
        <translation>5 विकेट हॉल:</translation>
    </message>
    <message>
        <source>Peak overall skill:</source>
        <extracomment>The highest overall skill the player ever had.</extracomment>
        <translation>सर्वोच्च समग्र कौशल:</translation>
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
        <source>, </source>
        <extracomment>Between two levels the career reached: &quot;Club, City, State&quot;.</extracomment>
        <translation>, </translation>
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
    <message>
        <source>%1. Shows match %2, where the stay began, in the table of matches.</source>
        <extracomment>What pressing a stay on the career card does, for a screen reader. %1 names the stay (&quot;Longest stay (matches)&quot;), %2 is the stay&apos;s first match.</extracomment>
        <translation>%1। मैचों की तालिका में मैच %2 दिखाता है, जहाँ से यह दौर शुरू हुआ।</translation>
    </message>
    <message>
        <source>%1. Shows match %2 in the table of matches.</source>
        <extracomment>What pressing a high on the career card does, for a screen reader. %1 names the high (&quot;Highest score&quot;), %2 is the match it was made in.</extracomment>
        <translation>%1। मैचों की तालिका में मैच %2 दिखाता है।</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure of the career card as a screen reader tells it: %1 its caption (&quot;Runs&quot;), %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two figures of the career card as a screen reader tells them.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>CareerPicker</name>
    <message>
        <source>&amp;Find:</source>
        <extracomment>Above the Load list: what the player types narrows the list.</extracomment>
        <translation>खोजें (&amp;F):</translation>
    </message>
    <message>
        <source>Name, team, level or file</source>
        <extracomment>In the Load list&apos;s find field, before anything is typed.</extracomment>
        <translation>नाम, टीम, स्तर या फ़ाइल</translation>
    </message>
    <message>
        <source>Saved careers</source>
        <extracomment>The Load list&apos;s table, as a screen reader names it.</extracomment>
        <translation>सेव किए गए करियर</translation>
    </message>
    <message>
        <source>No career is saved in %1 yet. Browse… finds a save elsewhere.</source>
        <translation>%1 में अभी कोई करियर सेव नहीं किया गया है। ब्राउज़… से कहीं और रखी सेव फ़ाइल खोजी जा सकती है।</translation>
    </message>
    <message>
        <source>Careers saved in %1.</source>
        <extracomment>%1 is the folder the Load list shows.</extracomment>
        <translation>%1 में सेव किए गए करियर।</translation>
    </message>
    <message>
        <source>Browse…</source>
        <extracomment>Opens the file dialog to load a save from another folder.</extracomment>
        <translation>ब्राउज़…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Loads the career chosen in the list.</extracomment>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>The careers of %1 are listed too, marked read-only: the game cannot write there, so new saves go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1 के करियर भी सूची में हैं, केवल पढ़ने के लिए चिह्नित: गेम वहाँ लिख नहीं सकता, इसलिए नए सेव %2 में जाते हैं।</translation>
    </message>
</context>
<context>
    <name>CareerSummaryScreen</name>
    <message>
        <source>Bailcrest: Career Summary</source>
        <translation>Bailcrest: करियर का सार</translation>
    </message>
    <message>
        <source>The career of %1 is over.</source>
        <extracomment>Heading of the window shown when a career ends; %1 is the player&apos;s name.</extracomment>
        <translation>%1 का करियर समाप्त हो गया है।</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <extracomment>Saves the career card as a picture (PNG) beside the save.</extracomment>
        <translation>चित्र सेव करें</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Opens the career&apos;s History window.</extracomment>
        <translation>इतिहास</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Closes the summary; the game then asks whether to play again.</extracomment>
        <translation>आगे बढ़ें</translation>
    </message>
    <message>
        <source>The picture %1 could not be saved: %2.</source>
        <extracomment>%1 is a file, %2 the reason it could not be written.</extracomment>
        <translation>चित्र %1 सेव नहीं किया जा सका: %2।</translation>
    </message>
    <message>
        <source>The career card is saved as %1.</source>
        <translation>करियर कार्ड %1 के रूप में सेव किया गया है।</translation>
    </message>
    <message>
        <source>The career card is saved as %1. The picture that was there is kept as %2.</source>
        <extracomment>%1 is the picture saved, %2 the file the picture found there is kept as.</extracomment>
        <translation>करियर कार्ड %1 के रूप में सेव किया गया है। वहाँ पहले से जो चित्र था, वह %2 के रूप में रखा गया है।</translation>
    </message>
    <message>
        <source>This career has no save file of its own here, so its card is saved under a name of its own, as %1.</source>
        <translation>इस करियर की यहाँ अपनी कोई सेव फ़ाइल नहीं है, इसलिए उसका कार्ड एक अलग नाम से, %1 के रूप में, सेव किया गया है।</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>What a screen reader tells as the career summary opens: %1 the heading (&quot;The career of Ravi is over.&quot;), %2 the card&apos;s figures.</extracomment>
        <translation>%1 %2</translation>
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
        <translation>राइज़िंग सन</translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation>शाइनिंग मून</translation>
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
    <name>CommandLine</name>
    <message>
        <source>Bailcrest, a cricket-career game: take a cricketer from club cricket to the World Cup.</source>
        <translation>Bailcrest, एक क्रिकेट करियर गेम: एक क्रिकेटर को क्लब क्रिकेट से विश्व कप तक ले जाएँ।</translation>
    </message>
    <message>
        <source>Bailcrest takes no arguments: %1.</source>
        <extracomment>On the command line: %1 is what was typed after the program&apos;s name.</extracomment>
        <translation>Bailcrest कोई तर्क नहीं लेता: %1।</translation>
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
    <name>DesktopEntry</name>
    <message>
        <source>Cricket Career Game</source>
        <translation>क्रिकेट करियर गेम</translation>
    </message>
    <message>
        <source>Manage the career of a cricketer from club cricket to the World Cup</source>
        <translation>क्लब क्रिकेट से विश्व कप तक एक क्रिकेटर का करियर सँवारें</translation>
    </message>
    <message>
        <source>cricket;career;sports;</source>
        <translation>क्रिकेट;करियर;खेल;cricket;</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Bailcrest needs a desktop session (X11 or Wayland) to show its windows, and found none. Start it from a desktop; the messages below are Qt&apos;s.</source>
        <extracomment>On the command line, before Qt&apos;s own messages, when the game is started where no desktop can show its windows (a text console, a remote shell).</extracomment>
        <translation>Bailcrest को अपनी विंडो दिखाने के लिए डेस्कटॉप सत्र (X11 या Wayland) चाहिए, पर कोई नहीं मिला। इसे किसी डेस्कटॉप से शुरू करें; नीचे के संदेश Qt के हैं।</translation>
    </message>
</context>
<context>
    <name>HallOfFameScreen</name>
    <message>
        <source>Most &amp;Runs</source>
        <translation>सर्वाधिक रन (&amp;R)</translation>
    </message>
    <message>
        <source>Most &amp;Wickets</source>
        <translation>सर्वाधिक विकेट (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Highest Level</source>
        <extracomment>The careers that rose highest: Club, City, State, National.</extracomment>
        <translation>सबसे ऊँचा स्तर (&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;ongest Career</source>
        <extracomment>The careers of the most matches.</extracomment>
        <translation>सबसे लंबा करियर (&amp;O)</translation>
    </message>
    <message>
        <source>Ri&amp;chest</source>
        <extracomment>The careers with the most money in the bank.</extracomment>
        <translation>सबसे अमीर (&amp;C)</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>The place in a list of the best careers.</extracomment>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>खिलाड़ी</translation>
    </message>
    <message>
        <source>Highest level</source>
        <translation>सबसे ऊँचा स्तर</translation>
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
        <source>Bank balance (Rs.)</source>
        <translation>बैंक बैलेंस (रु.)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>आख़िरी बार खेला</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a career in the hall of fame has ended or is still played.</extracomment>
        <translation>समाप्त</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>जारी</translation>
    </message>
    <message>
        <source>Bailcrest: Hall of Fame</source>
        <translation>Bailcrest: कीर्ति स्तंभ</translation>
    </message>
    <message>
        <source>No career has been saved yet. Careers that save themselves after every match come in here.</source>
        <translation>अभी तक कोई करियर सेव नहीं किया गया है। जो करियर हर मैच के बाद ऑटो-सेव होते हैं, वे यहाँ आते हैं।</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>The hall of fame file was damaged, and no career could be read from it. It is kept as %1, and the hall of fame starts afresh.</source>
        <extracomment>%1 is the file the damaged hall of fame is kept as.</extracomment>
        <translation>कीर्ति स्तंभ की फ़ाइल ख़राब थी, और उसमें से कोई करियर पढ़ा नहीं जा सका। वह %1 के रूप में रखी गई है, और कीर्ति स्तंभ नए सिरे से शुरू होता है।</translation>
    </message>
    <message numerus="yes">
        <source>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</source>
        <translation>
            <numerusform>कीर्ति स्तंभ की फ़ाइल ख़राब थी। वह %1 के रूप में रखी गई है, और कीर्ति स्तंभ उसमें से पढ़े जा सके %Ln करियर के साथ आगे चलता है।</numerusform>
            <numerusform>कीर्ति स्तंभ की फ़ाइल ख़राब थी। वह %1 के रूप में रखी गई है, और कीर्ति स्तंभ उसमें से पढ़े जा सके %Ln करियर के साथ आगे चलता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>The hall of fame %1 could not be kept: %2.</source>
        <extracomment>%1 is the file, %2 the reason it could not be written.</extracomment>
        <translation>कीर्ति स्तंभ %1 सेव नहीं किया जा सका: %2।</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the hall of fame&apos;s first career as a screen reader tells it: %1 the column&apos;s heading (&quot;Runs&quot;), %2 the career&apos;s figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln career(s) in the hall of fame. %1, first: %2.</source>
        <extracomment>What a screen reader tells as the hall of fame opens: %Ln the careers it holds, %1 the list it opens on (&quot;Most Runs&quot;), %2 that list&apos;s first career.</extracomment>
        <translation>
            <numerusform>कीर्ति स्तंभ में %Ln करियर। %1, पहला: %2।</numerusform>
            <numerusform>कीर्ति स्तंभ में %Ln करियर। %1, पहला: %2।</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career of a Saves folder the game cannot write to: %1 is whether it has ended (&quot;Ended&quot;, &quot;Playing&quot;).</extracomment>
        <translation>%1, केवल पढ़ने के लिए</translation>
    </message>
    <message>
        <source>The hall of fame of %1 is shown too, its careers marked read-only: the game cannot write there, so new saves, and the careers they bring in here, go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1 का कीर्ति स्तंभ भी दिखाया गया है, उसके करियर केवल पढ़ने के लिए चिह्नित: गेम वहाँ लिख नहीं सकता, इसलिए नए सेव, और उनसे यहाँ आने वाले करियर, %2 में जाते हैं।</translation>
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
        <translation>किट और स्वास्थ्य</translation>
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
        <translation>प्रमोशन</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>ड्रॉप</translation>
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
        <translation>समग्र किट</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>समग्र स्वास्थ्य</translation>
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
        <source>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>हर मैच के रन, %Ln मैच दर्ज; सबसे अधिक %1 मैच %2 में; आख़िरी मैच के बाद स्तर का बल्लेबाज़ी औसत %3।</numerusform>
            <numerusform>हर मैच के रन, %Ln मैच दर्ज; सबसे अधिक %1 मैच %2 में; आख़िरी मैच के बाद स्तर का बल्लेबाज़ी औसत %3।</numerusform>
        </translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>विकेट</translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>हर मैच के विकेट, %Ln मैच दर्ज; कुल विकेट %1, सबसे अधिक %2 मैच %3 में।</numerusform>
            <numerusform>हर मैच के विकेट, %Ln मैच दर्ज; कुल विकेट %1, सबसे अधिक %2 मैच %3 में।</numerusform>
        </translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation>समग्र कौशल</translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation>स्तर की चयन सीमा</translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation>प्रमोशन: समग्र कौशल %1</translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation>प्रमोशन: बल्लेबाज़ी या गेंदबाज़ी %1</translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>हर मैच के बाद बल्लेबाज़ी, गेंदबाज़ी, क्षेत्ररक्षण और समग्र कौशल, %Ln मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और समग्र %4, जबकि प्रमोशन समग्र %5 या बल्लेबाज़ी अथवा गेंदबाज़ी %6 पर होता है।</numerusform>
            <numerusform>हर मैच के बाद बल्लेबाज़ी, गेंदबाज़ी, क्षेत्ररक्षण और समग्र कौशल, %Ln मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और समग्र %4, जबकि प्रमोशन समग्र %5 या बल्लेबाज़ी अथवा गेंदबाज़ी %6 पर होता है।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %Ln.</source>
        <translation>
            <numerusform>प्रमोशन: %Ln बार।</numerusform>
            <numerusform>प्रमोशन: %Ln बार।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %Ln.</source>
        <translation>
            <numerusform>ड्रॉप: %Ln बार।</numerusform>
            <numerusform>ड्रॉप: %Ln बार।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>हर मैच के बाद बैंक बैलेंस, %Ln मैच दर्ज: आख़िरी मैच के बाद रु. %1, सबसे अधिक रु. %2।</numerusform>
            <numerusform>हर मैच के बाद बैंक बैलेंस, %Ln मैच दर्ज: आख़िरी मैच के बाद रु. %1, सबसे अधिक रु. %2।</numerusform>
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
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>हर मैच के बाद समग्र किट और समग्र स्वास्थ्य, किट की सबसे कमज़ोर चीज़ और फ़िटनेस, स्वास्थ्य व स्टैमिना में सबसे कम, %Ln मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और %4। किट की कोई चीज़, फ़िटनेस, स्वास्थ्य या स्टैमिना 0 पर हो तो खिलाड़ी टीम से बाहर रहता है।</numerusform>
            <numerusform>हर मैच के बाद समग्र किट और समग्र स्वास्थ्य, किट की सबसे कमज़ोर चीज़ और फ़िटनेस, स्वास्थ्य व स्टैमिना में सबसे कम, %Ln मैच दर्ज; आख़िरी मैच के बाद %1, %2, %3 और %4। किट की कोई चीज़, फ़िटनेस, स्वास्थ्य या स्टैमिना 0 पर हो तो खिलाड़ी टीम से बाहर रहता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs scored in the matches kept.</source>
        <translation>दर्ज मैचों में कोई रन नहीं बना।</translation>
    </message>
    <message>
        <source>No runs scored yet.</source>
        <translation>अभी तक कोई रन नहीं बना।</translation>
    </message>
    <message>
        <source>No wickets taken in the matches kept.</source>
        <translation>दर्ज मैचों में कोई विकेट नहीं लिया गया।</translation>
    </message>
    <message>
        <source>No wickets taken yet.</source>
        <translation>अभी तक कोई विकेट नहीं लिया गया।</translation>
    </message>
    <message>
        <source>Match %1, %2</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match, %2 the level it was played at.</extracomment>
        <translation>मैच %1, %2</translation>
    </message>
    <message>
        <source>Match %1</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match.</extracomment>
        <translation>मैच %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure at a chart&apos;s cursor: %1 the line&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Joins what a chart&apos;s cursor tells a screen reader, one figure after another: &quot;Match 12, Club; Runs: 45&quot;.</extracomment>
        <translation>%1; %2</translation>
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
        <translation>समग्र किट:</translation>
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
        <translation>समग्र स्वास्थ्य:</translation>
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
        <translation>स्वास्थ्य:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>स्टैमिना:</translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation>पिछले मैच के बाद से:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>चुने गए</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>नहीं चुने गए</translation>
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
        <translation>सर्वोच्च स्कोर</translation>
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
        <translation>5 विकेट हॉल वाले मैच</translation>
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
        <extracomment>The tab that holds the card summing up the career while the History window is too short to show the card above the charts.
----------
The first row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation>करियर</translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation>अभी कोई उपलब्धि नहीं।</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation>चार्ट नहीं दिखाए जा सकते, क्योंकि गेम का एक हिस्सा मौजूद नहीं है। सीज़न, उपलब्धियाँ और मैचों की तालिका पूरा करियर बताती हैं।</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as the part of the game that draws them belongs to another version of it. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts was installed with another version of the game.</extracomment>
        <translation>चार्ट नहीं दिखाए जा सकते, क्योंकि गेम का जो हिस्सा उन्हें बनाता है, वह इसके किसी दूसरे संस्करण का है। सीज़न, उपलब्धियाँ और मैचों की तालिका पूरा करियर बताती हैं।</translation>
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
    <message>
        <source>Detach</source>
        <extracomment>Below the History pane of the main window: opens the history as a window of its own.</extracomment>
        <translation>अलग करें</translation>
    </message>
    <message>
        <source>Opens the career&apos;s history in a window of its own.</source>
        <translation>करियर का इतिहास उसकी अपनी विंडो में खोलता है।</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the seasons table as a screen reader hears it: %1 the column&apos;s heading, %2 the figure.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A row of the seasons table as a screen reader hears it: %1 the level or the stay, %2 its figures, each after its heading.</extracomment>
        <translation>%1: %2।</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
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
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>स्टैमिना</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>समग्र किट</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>समग्र स्वास्थ्य</translation>
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
        <translation>%1 स्तर पर प्रमोशन (%2)</translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation>%1 स्तर पर ड्रॉप (%2)</translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation>%1 स्तर पर भेजा गया (%2)</translation>
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
        <translation>प्रशिक्षण रु. %1</translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation>किट रु. %1</translation>
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
        <source>Rows of the history file skipped as another career&apos;s: %Ln.</source>
        <translation>
            <numerusform>इतिहास फ़ाइल की %Ln पंक्ति किसी दूसरे करियर की थी, इसलिए छोड़ दी गई।</numerusform>
            <numerusform>इतिहास फ़ाइल की %Ln पंक्तियाँ किसी दूसरे करियर की थीं, इसलिए छोड़ दी गईं।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %Ln.</source>
        <translation>
            <numerusform>इतिहास फ़ाइल की %Ln पंक्ति पढ़ी नहीं जा सकी, इसलिए छोड़ दी गई।</numerusform>
            <numerusform>इतिहास फ़ाइल की %Ln पंक्तियाँ पढ़ी नहीं जा सकीं, इसलिए छोड़ दी गईं।</numerusform>
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
        <translation>मैच %1: पहला 5 विकेट हॉल, %2 विकेट।</translation>
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
        <translation>मैच %1 से पहले: %2 स्तर पर प्रमोशन (%3)।</translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>मैच %1 से पहले: %2 स्तर पर ड्रॉप (%3)।</translation>
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
    <message>
        <source>The history file is larger than any career could fill and was not read.</source>
        <translation>इतिहास फ़ाइल किसी भी करियर से भर सकने से बड़ी है, इसलिए पढ़ी नहीं गई।</translation>
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
            <numerusform>करियर में विकेटों का एक और शतक, %Ln बार</numerusform>
            <numerusform>करियर में विकेटों का एक और शतक, %Ln बार</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>%Ln बार प्रमोशन</numerusform>
            <numerusform>%Ln बार प्रमोशन</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>%Ln बार ड्रॉप</numerusform>
            <numerusform>%Ln बार ड्रॉप</numerusform>
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
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a figure, %2 its change since the match before with its sign (&quot;45 (+5)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Club</source>
        <extracomment>A level of play.</extracomment>
        <translation>क्लब</translation>
    </message>
    <message>
        <source>City</source>
        <extracomment>A level of play.</extracomment>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A level of play.</extracomment>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>National</source>
        <extracomment>A level of play.</extracomment>
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
        <translation>समग्र:</translation>
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
        <translation>सर्वोच्च स्कोर:</translation>
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
        <translation>5 विकेट हॉल:</translation>
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
        <translation>स्वास्थ्य</translation>
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
        <translation>स्वास्थ्य:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>स्टैमिना:</translation>
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
        <translation>प्रशिक्षण</translation>
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
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation>इतिहास</translation>
    </message>
    <message>
        <source>...</source>
        <extracomment>Shown beside &quot;Sponsor:&quot; while the player has no sponsor.</extracomment>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Fame</source>
        <extracomment>Main menu command: opens the hall of fame, the best careers ever played. The button is narrow: a short word.</extracomment>
        <translation>कीर्ति</translation>
    </message>
    <message>
        <source>Not being saved</source>
        <extracomment>Shown on the main screen while the career&apos;s saves are off.</extracomment>
        <translation>सेव नहीं हो रहा</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The level the player plays at now: Club, City, State or National.</extracomment>
        <translation>स्तर:</translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in this folder:

%1</source>
        <translation>गेम के पास वाले फ़ोल्डर में सेव नहीं रखे जा सकते, इसलिए आपका करियर इस फ़ोल्डर में सेव किया जाता है:

%1</translation>
    </message>
    <message>
        <source>Play on…</source>
        <extracomment>Main menu command: plays many matches in a run, asking first how many.</extracomment>
        <translation>खेलते रहें…</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The accessible description of the line that follows a run of matches.</extracomment>
        <translation>खेलते रहें</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The command that stops a run of matches after the match being played.</extracomment>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Match %1 of %2</source>
        <extracomment>The line that follows a run of matches: &quot;Match 37 of 100&quot;.</extracomment>
        <translation>%2 में से मैच %1</translation>
    </message>
    <message>
        <source>This career was not being saved, so it does not enter the hall of fame.</source>
        <translation>यह करियर सेव नहीं हो रहा था, इसलिए यह कीर्ति स्तंभ में शामिल नहीं होता।</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>%1 up by %2 to %3.</source>
        <translation>%1 %2 बढ़कर %3।</translation>
    </message>
    <message>
        <source>%1 down by %2 to %3.</source>
        <translation>%1 %2 घटकर %3।</translation>
    </message>
    <message>
        <source>Overall accessories down to %1, running low.</source>
        <translation>समग्र किट घटकर %1, कम हो रही है।</translation>
    </message>
    <message>
        <source>Overall health down to %1, running low.</source>
        <translation>समग्र स्वास्थ्य घटकर %1, कम हो रहा है।</translation>
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
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, the History window still shows every match of this game, and the game tries again after your next match.</source>
        <translation>आपके करियर का इतिहास %1 में नहीं रखा जा सका: %2। आपका करियर पहले की तरह सेव है, इतिहास विंडो इस गेम का हर मैच अब भी दिखाती है, और गेम आपके अगले मैच के बाद फिर कोशिश करेगा।</translation>
    </message>
    <message>
        <source>Runs %1, wickets %2, catches %3</source>
        <extracomment>What a screen reader says of the match as its screen opens.</extracomment>
        <translation>रन %1, विकेट %2, कैच %3</translation>
    </message>
</context>
<context>
    <name>MessagePrompter</name>
    <message>
        <source>Bailcrest</source>
        <extracomment>The title of every message box: the game&apos;s name, which stays &quot;Bailcrest&quot; in every language.</extracomment>
        <translation>Bailcrest</translation>
    </message>
    <message numerus="yes">
        <source>%Ln save file(s) in this folder cannot be shown here: the name is not text this system can spell back. Rename it to load it.</source>
        <extracomment>Below the Load dialog&apos;s files: %Ln is how many save files of the folder it cannot show, as their names are not text.</extracomment>
        <translation>
            <numerusform>इस फ़ोल्डर की %Ln सेव फ़ाइल यहाँ नहीं दिखाई जा सकती: उसका नाम ऐसा पाठ नहीं है जिसे यह सिस्टम वापस लिख सके। लोड करने के लिए उसका नाम बदलें।</numerusform>
            <numerusform>इस फ़ोल्डर की %Ln सेव फ़ाइलें यहाँ नहीं दिखाई जा सकतीं: उनके नाम ऐसा पाठ नहीं हैं जिसे यह सिस्टम वापस लिख सके। लोड करने के लिए उनके नाम बदलें।</numerusform>
        </translation>
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
        <translation>आपका खेल इस स्तर के लायक़ नहीं है।</translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation>ख़राब क्षेत्ररक्षण के कारण आपको नहीं चुना गया।</translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation>आपके पास खेलने लायक़ क्रिकेट किट नहीं है।</translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation>आप इस स्तर पर खेलने के लिए फ़िट नहीं हैं।</translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation>आपको %1 टीम से ड्रॉप कर दिया गया है।</translation>
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
        <translation>समग्र कौशल %1, ज़रूरी %3 से %2 कम।</translation>
    </message>
    <message>
        <source>Fielding %1, %2 short of the %3 needed.</source>
        <translation>क्षेत्ररक्षण %1, ज़रूरी %3 से %2 कम।</translation>
    </message>
    <message>
        <source>Bat worn down to %1; each item of gear must be at least %2.</source>
        <translation>बल्ला घिसकर %1 रह गया; किट की हर चीज़ कम से कम %2 होनी चाहिए।</translation>
    </message>
    <message>
        <source>Gloves worn down to %1; each item of gear must be at least %2.</source>
        <translation>दस्ताने घिसकर %1 रह गए; किट की हर चीज़ कम से कम %2 होनी चाहिए।</translation>
    </message>
    <message>
        <source>Pads worn down to %1; each item of gear must be at least %2.</source>
        <translation>पैड घिसकर %1 रह गए; किट की हर चीज़ कम से कम %2 होनी चाहिए।</translation>
    </message>
    <message>
        <source>Other gear worn down to %1; each item of gear must be at least %2.</source>
        <translation>अन्य किट घिसकर %1 रह गई; किट की हर चीज़ कम से कम %2 होनी चाहिए।</translation>
    </message>
    <message>
        <source>Fitness down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>फ़िटनेस घटकर %1 रह गई; फ़िटनेस, स्वास्थ्य और स्टैमिना में से हर एक कम से कम %2 होना चाहिए।</translation>
    </message>
    <message>
        <source>Health down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>स्वास्थ्य घटकर %1 रह गया; फ़िटनेस, स्वास्थ्य और स्टैमिना में से हर एक कम से कम %2 होना चाहिए।</translation>
    </message>
    <message>
        <source>Stamina down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>स्टैमिना घटकर %1 रह गया; फ़िटनेस, स्वास्थ्य और स्टैमिना में से हर एक कम से कम %2 होना चाहिए।</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <extracomment>A notice of not being selected (%1), then the figure that failed (%2), on a line of its own where the message box has room for it.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Overall skill %1: below %2 you will not be selected.</source>
        <translation>समग्र कौशल %1: %2 से नीचे आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Fielding %1: below %2 you will not be selected.</source>
        <translation>क्षेत्ररक्षण %1: %2 से नीचे आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Bat %1: at %2 you will not be selected.</source>
        <translation>बल्ला %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Gloves %1: at %2 you will not be selected.</source>
        <translation>दस्ताने %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Pads %1: at %2 you will not be selected.</source>
        <translation>पैड %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Other gear %1: at %2 you will not be selected.</source>
        <translation>अन्य किट %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Fitness %1: at %2 you will not be selected.</source>
        <translation>फ़िटनेस %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Health %1: at %2 you will not be selected.</source>
        <translation>स्वास्थ्य %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
    <message>
        <source>Stamina %1: at %2 you will not be selected.</source>
        <translation>स्टैमिना %1: %2 पर आपका चयन नहीं होगा।</translation>
    </message>
</context>
<context>
    <name>PlayOnDialog</name>
    <message>
        <source>Bailcrest: Play On</source>
        <extracomment>The title of the dialog that plays many matches in a run.</extracomment>
        <translation>Bailcrest: खेलते रहें</translation>
    </message>
    <message>
        <source>&amp;Matches to play:</source>
        <extracomment>How many matches Play on plays, from 1 to 1,000.</extracomment>
        <translation>खेलने के मैच (&amp;M):</translation>
    </message>
    <message>
        <source>Stop early</source>
        <extracomment>The choices of where a run of matches stops before it has played them all.</extracomment>
        <translation>बीच में रुकें</translation>
    </message>
    <message>
        <source>&amp;Before a drop, when a figure on the main screen is marked</source>
        <translation>ड्रॉप से पहले, जब मुख्य स्क्रीन पर कोई आँकड़ा चिह्नित हो (&amp;B)</translation>
    </message>
    <message>
        <source>At a &amp;promotion</source>
        <translation>प्रमोशन पर (&amp;P)</translation>
    </message>
    <message>
        <source>At &amp;World Cup selection</source>
        <translation>विश्व कप चयन पर (&amp;W)</translation>
    </message>
    <message>
        <source>At an &amp;award</source>
        <translation>पुरस्कार पर (&amp;A)</translation>
    </message>
    <message>
        <source>When</source>
        <extracomment>Followed by a list of gear and body items and a value: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>जब</translation>
    </message>
    <message>
        <source>Condition to watch</source>
        <extracomment>The accessible name of the list of gear and body items a run watches.</extracomment>
        <translation>जिस हालत पर नज़र रखनी है</translation>
    </message>
    <message>
        <source>falls to</source>
        <extracomment>Between the gear or body item and the value it falls to: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>घटकर</translation>
    </message>
    <message>
        <source>Value to stop at</source>
        <extracomment>The accessible name of the value at which a run stops for the item watched.</extracomment>
        <translation>रुकने का मान</translation>
    </message>
    <message>
        <source>With none chosen, Play on stops only at a question or at the end of the career.</source>
        <extracomment>Said below the choices: with none of them chosen, the run stops only at a question.</extracomment>
        <translation>कुछ न चुनने पर “खेलते रहें” केवल किसी सवाल पर या करियर के अंत पर रुकता है।</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>The button that starts the run of matches.</extracomment>
        <translation>खेलते रहें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PlayOnNewsScreen</name>
    <message>
        <source>Match %1: %2</source>
        <extracomment>One line of the news of a run of matches: the match of the run (%1) and what happened (%2).</extracomment>
        <translation>मैच %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</source>
        <extracomment>The summary of a run of matches; %4 is the level played at (Club, City, ...).</extracomment>
        <translation>
            <numerusform>%Ln मैच: %1 रन, %2 विकेट, रु. %3 की कमाई, %4 स्तर पर।</numerusform>
            <numerusform>%Ln मैच: %1 रन, %2 विकेट, रु. %3 की कमाई, %4 स्तर पर।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</source>
        <extracomment>The summary of a run of matches that moved the player from level %4 to level %5.</extracomment>
        <translation>
            <numerusform>%Ln मैच: %1 रन, %2 विकेट, रु. %3 की कमाई, %4 स्तर से %5 स्तर तक।</numerusform>
            <numerusform>%Ln मैच: %1 रन, %2 विकेट, रु. %3 की कमाई, %4 स्तर से %5 स्तर तक।</numerusform>
        </translation>
    </message>
    <message>
        <source>Every match asked for was played.</source>
        <translation>कहे गए सभी मैच खेले गए।</translation>
    </message>
    <message>
        <source>Stopped before a drop. %1</source>
        <extracomment>%1 says which figure could drop the player: &quot;Stamina 2: at 0 you will not be selected.&quot;</extracomment>
        <translation>ड्रॉप से पहले रोका गया। %1</translation>
    </message>
    <message>
        <source>Stopped at a promotion.</source>
        <translation>प्रमोशन पर रोका गया।</translation>
    </message>
    <message>
        <source>Stopped at World Cup selection.</source>
        <translation>विश्व कप चयन पर रोका गया।</translation>
    </message>
    <message>
        <source>Stopped at an award.</source>
        <translation>पुरस्कार पर रोका गया।</translation>
    </message>
    <message>
        <source>Stopped: the condition watched fell to %1.</source>
        <translation>रोका गया: देखी जा रही हालत घटकर %1 हुई।</translation>
    </message>
    <message>
        <source>Stopped at the bookie&apos;s offer.</source>
        <translation>सट्टेबाज़ के प्रस्ताव पर रोका गया।</translation>
    </message>
    <message>
        <source>Stopped: the career is over.</source>
        <translation>रोका गया: करियर समाप्त हो गया।</translation>
    </message>
    <message>
        <source>Stopped by you.</source>
        <translation>आपने रोका।</translation>
    </message>
    <message>
        <source>Bailcrest: What Happened</source>
        <translation>Bailcrest: क्या हुआ</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>The accessible name of the list of what happened in a run of matches.</extracomment>
        <translation>क्या हुआ</translation>
    </message>
    <message>
        <source>Nothing else to tell.</source>
        <translation>और कुछ बताने को नहीं है।</translation>
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
        <translation>खिलाड़ी का ब्योरा</translation>
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
        <translation>खिलाड़ी का समग्र कौशल:</translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation>ऑटो-सेव</translation>
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
    <message>
        <source>Hall of Fame</source>
        <extracomment>Opens the hall of fame, the best careers ever played.</extracomment>
        <translation>कीर्ति स्तंभ</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <extracomment>Told under &quot;Please fill in the player details properly.&quot; when the field is empty.</extracomment>
        <translation>नाम खाली है।</translation>
    </message>
    <message>
        <source>The city is empty.</source>
        <translation>शहर खाली है।</translation>
    </message>
    <message>
        <source>The state is empty.</source>
        <translation>राज्य खाली है।</translation>
    </message>
    <message>
        <source>The country is empty.</source>
        <translation>देश खाली है।</translation>
    </message>
    <message>
        <source>%1: %2; %3: %4</source>
        <extracomment>What a screen reader says as a starting-skill bar moves: %1 the skill (&quot;Batting&quot;), %2 its value, %3 &quot;Player Overall Skills&quot;, %4 that value.</extracomment>
        <translation>%1: %2; %3: %4</translation>
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
        <translation>Bailcrest: प्रशिक्षण केंद्र</translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation>प्रशिक्षण केंद्र की दरें</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation>आप कितनी इकाइयाँ बढ़ाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>उपलब्ध इकाइयाँ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
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
        <translation>क्रिकेट किट की दुकान</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation>आप कितनी इकाइयाँ ख़रीदना चाहते हैं?</translation>
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
        <source>Fitness:</source>
        <translation>फ़िटनेस:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>स्वास्थ्य:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>स्टैमिना:</translation>
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
    <message>
        <source>The most units the balance pays for: %1.</source>
        <extracomment>Below the balance after purchase, when the units proposed at opening cost more than the balance.</extracomment>
        <translation>बैलेंस से अधिक से अधिक इतनी इकाइयों का भुगतान हो सकता है: %1।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln unit(s); %1: %2</source>
        <extracomment>What a screen reader says as a units bar moves: %Ln the units chosen, %1 the caption &quot;Balance after purchase (Rs.)&quot;, %2 that balance.</extracomment>
        <translation>
            <numerusform>%Ln इकाई; %1: %2</numerusform>
            <numerusform>%Ln इकाइयाँ; %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.</source>
        <extracomment>What a screen reader hears of a rate-card row as the screen opens: %1 the row (&quot;Batting&quot;), %Ln the units offered, %2 the rate and %3 the amount, both in rupees.</extracomment>
        <translation>
            <numerusform>%1: %Ln इकाई, हर एक की दर %2 (रु.), कुल %3 (रु.)।</numerusform>
            <numerusform>%1: %Ln इकाइयाँ, हर एक की दर %2 (रु.), कुल %3 (रु.)।</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A caption and its value, as a screen reader reads them together.</extracomment>
        <translation>%1: %2।</translation>
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
        <translation>सर्वोच्च स्कोर:</translation>
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
        <translation>5 विकेट हॉल:</translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation>स्तर/टीम:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the record book as a screen reader reads it: %1 its caption (&quot;Runs Scored&quot;), %2 the figure.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A level of the record book as a screen reader reads it: %1 the level&apos;s heading (&quot;Club&quot;), %2 its figures one after another.</extracomment>
        <translation>%1: %2।</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SaveClaim</name>
    <message numerus="yes">
        <source>The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <extracomment>%1 is a file, %2 a player&apos;s name, %3 a level (Club, City, State, National).</extracomment>
        <translation>
            <numerusform>फ़ाइल %1 में %2 का करियर है, %3 स्तर पर %Ln मैच के बाद। इस करियर को वहाँ सेव करने पर यह उसकी जगह ले लेगा।

क्या उसकी जगह सेव करें? हाँ: वह करियर उसी फ़ोल्डर में अपने अलग नाम से अलग रख दिया जाएगा और यह करियर उसकी जगह सेव होगा। नहीं: वह जैसा है वैसा रहेगा; तब यह करियर इस गेम में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</numerusform>
            <numerusform>फ़ाइल %1 में %2 का करियर है, %3 स्तर पर %Ln मैचों के बाद। इस करियर को वहाँ सेव करने पर यह उसकी जगह ले लेगा।

क्या उसकी जगह सेव करें? हाँ: वह करियर उसी फ़ोल्डर में अपने अलग नाम से अलग रख दिया जाएगा और यह करियर उसकी जगह सेव होगा। नहीं: वह जैसा है वैसा रहेगा; तब यह करियर इस गेम में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation>फ़ाइल %1 इस करियर की सेव फ़ाइल नहीं है। इस करियर को वहाँ सेव करने पर यह उसकी जगह ले लेगा।

क्या उसकी जगह सेव करें? हाँ: वह फ़ाइल उसी फ़ोल्डर में अपने अलग नाम से अलग रख दी जाएगी और यह करियर उसकी जगह सेव होगा। नहीं: वह जैसी है वैसी रहेगी; तब यह करियर इस गेम में ऑटो-सेव के बिना चलेगा, या आप किसी दूसरे नाम से फिर शुरू कर सकते हैं।</translation>
    </message>
    <message>
        <source>The career saved as %1 was last opened by the game on the computer %2, which may still be playing it: this folder cannot tell.

Take the career over on this computer? Yes saves it here from now on, and what the other computer saves after that is lost. No plays it here without saving.</source>
        <extracomment>%1 is a save file, %2 the name of another computer.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर पिछली बार कंप्यूटर %2 पर गेम में खोला गया था, जो शायद उसे अब भी खेल रहा है: यह फ़ोल्डर यह नहीं बता सकता।

क्या करियर इस कंप्यूटर पर ले लें? हाँ: अब से वह यहाँ सेव होगा, और उसके बाद दूसरा कंप्यूटर जो सेव करेगा वह खो जाएगा। नहीं: वह यहाँ बिना सेव किए खेला जाएगा।</translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game, which holds its lock %2. This copy plays it without saving, so that nothing the other copy saves is lost. To save it here, close the other copy and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर गेम की एक दूसरी कॉपी में खुला है, जिसके पास उसका लॉक %2 है। यह कॉपी उसे बिना सेव किए खेलेगी, ताकि दूसरी कॉपी का सेव किया हुआ कुछ भी न खोए। उसे यहाँ सेव करने के लिए दूसरी कॉपी बंद करें और करियर फिर से लोड करें।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: %2 is not an ordinary file, and the game never opens it. This copy plays the career without saving. To save it, remove or rename %2 and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर गेम की इस कॉपी के लिए लॉक नहीं किया जा सकता: %2 साधारण फ़ाइल नहीं है, और गेम उसे कभी नहीं खोलता। यह कॉपी करियर को बिना सेव किए खेलेगी। उसे सेव करने के लिए %2 को हटाएँ या उसका नाम बदलें और करियर फिर से लोड करें।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the lock %2 could not be made (%3). This copy plays the career without saving, so that it never overwrites what another copy saves. To save it, make room on the disk or let the folder be written to, and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 the system&apos;s reason.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर गेम की इस कॉपी के लिए लॉक नहीं किया जा सकता: लॉक %2 नहीं बनाया जा सका (%3)। यह कॉपी करियर को बिना सेव किए खेलेगी, ताकि वह किसी दूसरी कॉपी का सेव किया हुआ कभी न मिटाए। उसे सेव करने के लिए डिस्क पर जगह बनाएँ या फ़ोल्डर में लिखने दें, और करियर फिर से लोड करें।</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open in another copy of the game.</source>
        <translation>यह करियर सेव नहीं हो रहा: यह गेम की एक दूसरी कॉपी में खुला है।</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open on the computer %1.</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>यह करियर सेव नहीं हो रहा: यह कंप्यूटर %1 पर खुला है।</translation>
    </message>
    <message>
        <source>This career is not being saved: %1 is not an ordinary file.</source>
        <extracomment>%1 is the career&apos;s lock file.</extracomment>
        <translation>यह करियर सेव नहीं हो रहा: %1 साधारण फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock could not be made (%1).</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>यह करियर सेव नहीं हो रहा: उसका लॉक नहीं बनाया जा सका (%1)।</translation>
    </message>
    <message>
        <source>This career is not being saved: another file is kept where it would save.</source>
        <translation>यह करियर सेव नहीं हो रहा: जहाँ वह सेव होता, वहाँ एक दूसरी फ़ाइल रखी गई है।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the name of its lock %2 is longer than the folder allows. This copy plays the career without saving. To save it, give the save a shorter name and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर गेम की इस कॉपी के लिए लॉक नहीं किया जा सकता: उसके लॉक %2 का नाम फ़ोल्डर की अनुमति से लंबा है। यह कॉपी करियर को बिना सेव किए खेलेगी। उसे सेव करने के लिए सेव को छोटा नाम दें, और करियर फिर से लोड करें।</translation>
    </message>
    <message>
        <source>This career is not being saved: the name of its lock is too long.</source>
        <translation>यह करियर सेव नहीं हो रहा: उसके लॉक का नाम बहुत लंबा है।</translation>
    </message>
    <message>
        <source>The career saved as %1 is locked by %2, which names process %3 of this computer. That process is now the program %4, not this game: the number was most likely given to it after the game that locked the career had ended.

Take the career over? Yes saves it here from now on. No plays it here without saving; say No if %4 is a copy of this game under another name.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 a process number, %4 the name of the program that process runs.</extracomment>
        <translation>%1 के रूप में सेव किया गया करियर %2 से लॉक है, जो इस कंप्यूटर की प्रोसेस %3 का नाम लेता है। वह प्रोसेस प्रोग्राम %4 चला रही है, यह गेम नहीं: यह नंबर शायद करियर को लॉक करने वाले गेम के बंद होने के बाद उसे मिला।

क्या करियर ले लें? हाँ: अब से वह यहाँ सेव होगा। नहीं: वह यहाँ बिना सेव किए खेला जाएगा; अगर %4 किसी दूसरे नाम से इसी गेम की कॉपी है तो नहीं चुनें।</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock names a process of the program %1.</source>
        <extracomment>%1 is the name of a program that is not the game.</extracomment>
        <translation>यह करियर सेव नहीं हो रहा: उसका लॉक प्रोग्राम %1 की एक प्रोसेस का नाम लेता है।</translation>
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
        <translation>ऑटो-सेव का निशान</translation>
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
        <translation>किट की अन्य चीज़ों की हालत</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>फ़िटनेस</translation>
    </message>
    <message>
        <source>health</source>
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>stamina</source>
        <translation>स्टैमिना</translation>
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
        <translation>%1 स्तर पर सर्वोच्च स्कोर</translation>
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
        <translation>%1 स्तर पर 5 विकेट हॉल</translation>
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
        <translation>यह किसी दूसरी फ़ाइल का लिंक है, और गेम केवल अपने Saves फ़ोल्डर में अपनी ही फ़ाइलें लिखता है</translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation>यह साधारण फ़ाइल नहीं है, और गेम केवल साधारण फ़ाइलें लिखता है</translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation>यह गेम वहाँ करियर सेव नहीं करता</translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation>वहाँ दूसरी फ़ाइल है, जिसे गेम बिना पूछे नहीं बदलता</translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation>उसे अलग रखने के लिए कोई ख़ाली नाम नहीं मिला</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>यह किसी दूसरी फ़ाइल का लिंक है</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>यह साधारण फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>यह अब वहाँ नहीं है</translation>
    </message>
    <message>
        <source>%1; its history is left set aside as %2: %3</source>
        <translation>%1; उसका इतिहास %2 नाम से अलग रखा रह गया है: %3</translation>
    </message>
    <message>
        <source>no free name was found for it</source>
        <translation>उसके लिए कोई ख़ाली नाम नहीं मिला</translation>
    </message>
    <message>
        <source>its lock %1 could not be made: %2</source>
        <extracomment>%1 is a file, %2 the reason it could not be made.</extracomment>
        <translation>उसका लॉक %1 नहीं बनाया जा सका: %2</translation>
    </message>
    <message>
        <source>another copy of the game held its lock %1 for too long</source>
        <translation>गेम की एक दूसरी कॉपी ने उसका लॉक %1 बहुत देर तक रखा</translation>
    </message>
    <message>
        <source>another program kept changing it while it was written</source>
        <translation>लिखे जाते समय कोई दूसरा प्रोग्राम उसे बदलता रहा</translation>
    </message>
    <message>
        <source>its lock %1 is not an ordinary file</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>उसका लॉक %1 साधारण फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>its name is not text this system can spell back, so the game cannot open it safely; rename it to load it</source>
        <translation>उसका नाम ऐसा पाठ नहीं है जिसे यह सिस्टम वापस लिख सके, इसलिए गेम उसे सुरक्षित रूप से नहीं खोल सकता; लोड करने के लिए उसका नाम बदलें</translation>
    </message>
</context>
<context>
    <name>SaveNotices</name>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation>आपका करियर %1 के रूप में सेव नहीं हो सका: %2। पहले की सेव फ़ाइल, अगर कोई है, तो वैसी ही बनी हुई है।</translation>
    </message>
    <message>
        <source>The file %1 was not as this game last left it: another program changed it, or it holds what this career cannot use. It is kept unchanged as %2, and your career is saved in its place.</source>
        <extracomment>%1 is a file of the game&apos;s Saves folder, %2 the name it is kept under.</extracomment>
        <translation>फ़ाइल %1 वैसी नहीं थी जैसी इस गेम ने उसे पिछली बार छोड़ा था: किसी दूसरे प्रोग्राम ने उसे बदला, या उसमें वह है जो यह करियर काम में नहीं ले सकता। उसे बिना बदले %2 के रूप में रख दिया गया है, और आपका करियर उसकी जगह सेव किया गया है।</translation>
    </message>
</context>
<context>
    <name>SavedCareersModel</name>
    <message>
        <source>Set aside, ended</source>
        <extracomment>A career&apos;s save kept aside when another career took its file.</extracomment>
        <translation>अलग रखा गया, समाप्त</translation>
    </message>
    <message>
        <source>Set aside</source>
        <translation>अलग रखा गया</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a saved career has ended or can be played on.</extracomment>
        <translation>समाप्त</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>जारी</translation>
    </message>
    <message>
        <source>%1 is not a career the game can load: %2</source>
        <extracomment>Why a file in the Saves folder cannot be loaded: %1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>%1 ऐसा करियर नहीं है जिसे गेम लोड कर सके: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>खिलाड़ी</translation>
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
        <source>Bank balance (Rs.)</source>
        <translation>बैंक बैलेंस (रु.)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>आख़िरी बार खेला</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Set aside, played on after its end</source>
        <extracomment>A career&apos;s save kept aside when another career took its file, of a career that ended and was loaded and played on.</extracomment>
        <translation>अलग रखा गया, समाप्ति के बाद भी जारी</translation>
    </message>
    <message>
        <source>Played on after its end</source>
        <extracomment>A career that ended, then was loaded again and played on.</extracomment>
        <translation>समाप्ति के बाद भी जारी</translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career listed from a Saves folder the game cannot write to.</extracomment>
        <translation>%1, केवल पढ़ने के लिए</translation>
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
    <message>
        <source>Offer (Rs.): %1</source>
        <extracomment>What a screen reader says of a sponsor&apos;s option: %1 the offer in rupees.</extracomment>
        <translation>प्रस्ताव (रु.): %1</translation>
    </message>
    <message>
        <source>%1, %2 (Rs.)</source>
        <extracomment>One offer in the list a screen reader hears as the screen opens: %1 the sponsor, %2 the offer in rupees.</extracomment>
        <translation>%1, %2 (रु.)</translation>
    </message>
    <message>
        <source>No sponsor makes you an offer yet.</source>
        <translation>अभी कोई प्रायोजक आपको प्रस्ताव नहीं देता।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sponsor(s) make you an offer: %1.</source>
        <translation>
            <numerusform>%Ln प्रायोजक आपको प्रस्ताव देता है: %1।</numerusform>
            <numerusform>%Ln प्रायोजक आपको प्रस्ताव देते हैं: %1।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Bailcrest speaks English: no font on this computer can write %1. To play in %1, install a font for it, such as those of Debian&apos;s fonts-noto-core.</source>
        <extracomment>Shown in English, as the game has fallen back to it. %1 is the desktop&apos;s language, named in English.</extracomment>
        <translation>Bailcrest अंग्रेज़ी में है: इस कंप्यूटर का कोई फ़ॉन्ट %1 नहीं लिख सकता। %1 में खेलने के लिए उसका कोई फ़ॉन्ट लगाएँ, जैसे Debian के fonts-noto-core वाले।</translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and End all of them; Down or Page Down takes them away, Page Down ten at a time, and Home all of them.</source>
        <translation>↑ या Page Up इकाइयाँ जोड़ता है, Page Up एक बार में दस, और End सारी; ↓ या Page Down इकाइयाँ घटाता है, Page Down एक बार में दस, और Home सारी।</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>AppStream</name>
    <message>
        <source>Take a cricketer from club cricket to the World Cup</source>
        <translation>ایک کرکٹر کو کلب کرکٹ سے ورلڈ کپ تک لے جائیں</translation>
    </message>
    <message>
        <source>play in English, Hindi, Urdu, Bengali or Tamil: the game speaks the desktop&apos;s language</source>
        <translation>انگریزی، ہندی، اردو، بنگالی یا تمل میں کھیلیں: گیم ڈیسک ٹاپ کی زبان بولتا ہے</translation>
    </message>
    <message>
        <source>The main screen: a career&apos;s skills, statistics, money, gear and health</source>
        <translation>مرکزی اسکرین: کیریئر کی مہارتیں، اعداد و شمار، پیسہ، کٹ اور صحت</translation>
    </message>
    <message>
        <source>A match: the runs, wickets and catches drawn from the player&apos;s skills</source>
        <translation>ایک میچ: کھلاڑی کی مہارتوں سے طے ہونے والے رنز، وکٹیں اور کیچ</translation>
    </message>
    <message>
        <source>The History window: charts, seasons, milestones and every match</source>
        <translation>تاریخچہ ونڈو: چارٹ، سیزن، سنگ میل اور ہر میچ</translation>
    </message>
    <message>
        <source>The hall of fame of the best careers</source>
        <translation>بہترین کیریئرز کا ہال آف فیم</translation>
    </message>
    <message>
        <source>Bailcrest is a single-player cricket-career game. You create a cricketer, with a name, a home city, state and country and three starting skills, and guide the career one match at a time, from a club team through the city and state sides to the national team and the World Cup.</source>
        <translation>‏Bailcrest ایک کھلاڑی کا کرکٹ کیریئر گیم ہے۔ آپ ایک کرکٹر بناتے ہیں، اس کا نام، شہر، صوبہ اور ملک اور تین ابتدائی مہارتیں چنتے ہیں، اور ایک ایک میچ کھیل کر اس کا کیریئر آگے بڑھاتے ہیں: کلب کی ٹیم سے شہر اور صوبائی ٹیموں تک، پھر قومی ٹیم اور ورلڈ کپ تک۔</translation>
    </message>
    <message>
        <source>Each match draws your runs, wickets and catches from your batting, bowling and fielding, and from the condition of your gear and of your body. Raise your skills far enough and you are promoted; let them, your fitness or your bat run down and you are dropped a level, and a club player who is dropped ends his career. Now and then a bookie offers money to play badly: take it, and an enquiry may end the career on the spot.</source>
        <translation>ہر میچ میں آپ کے رنز، وکٹیں اور کیچ آپ کی بیٹنگ، بولنگ اور فیلڈنگ سے، اور آپ کی کٹ اور جسم کی حالت سے طے ہوتے ہیں۔ مہارتیں کافی بڑھائیں تو ترقی ملتی ہے؛ مہارتیں، فٹنس یا بلا کمزور پڑ جائیں تو آپ ایک سطح نیچے ڈراپ کر دیے جاتے ہیں، اور کلب سے ڈراپ ہونے والے کھلاڑی کا کیریئر وہیں ختم ہو جاتا ہے۔ کبھی کبھی کوئی سٹے باز خراب کھیلنے کے بدلے پیسوں کی پیشکش کرتا ہے: لے لی تو تحقیقات اسی وقت کیریئر ختم کر سکتی ہیں۔</translation>
    </message>
    <message>
        <source>Between matches you manage the career:</source>
        <translation>میچوں کے درمیان آپ کیریئر سنبھالتے ہیں:</translation>
    </message>
    <message>
        <source>spend your match fees and sponsorship on training, on a new bat, gloves and pads, and on fitness, health and stamina</source>
        <translation>میچ فیس اور اسپانسرشپ کی کمائی تربیت، نئے بلے، دستانوں اور پیڈ، اور فٹنس، صحت اور اسٹیمنا پر خرچ کریں</translation>
    </message>
    <message>
        <source>choose a sponsor among the offers your skill has earned</source>
        <translation>اپنی مہارت سے ملی پیشکشوں میں سے ایک اسپانسر چنیں</translation>
    </message>
    <message>
        <source>keep a record book of matches, runs, wickets, catches, averages and best figures for every level</source>
        <translation>ہر سطح کے میچوں، رنز، وکٹوں، کیچز، اوسط اور بہترین کارکردگی کی ریکارڈ بک رکھیں</translation>
    </message>
    <message>
        <source>save the career automatically after every match and load it again later</source>
        <translation>ہر میچ کے بعد کیریئر خود بخود محفوظ کریں اور بعد میں دوبارہ لوڈ کریں</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>Bats, pads and gloves for every level</source>
        <extracomment>The line under &quot;Example Sports&quot; on the credits&apos; left banner, an advertisement for cricket gear. Drawn in 10-point type on a banner 215 pixels wide: keep it as short as English.</extracomment>
        <translation>ہر سطح کے لیے بلے، پیڈ اور دستانے</translation>
    </message>
    <message>
        <source>Follow your team to every ground</source>
        <translation>اپنی ٹیم کے ساتھ ہر میدان تک</translation>
    </message>
</context>
<context>
    <name>CareerCard</name>
    <message>
        <source>%1 for %2 (%3), match %4</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), match 12&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 the match.</extracomment>
        <translation>‏%2 (%3) کی طرف سے %1، میچ %4</translation>
    </message>
    <message>
        <source>%1 for %2 (%3), matches %4 to %5</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), matches 12 to 80&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 and %5 the first and last match.</extracomment>
        <translation>‏%2 (%3) کی طرف سے %1، میچ %4 سے %5 تک</translation>
    </message>
    <message>
        <source>Dropped from club cricket.</source>
        <translation>کلب کرکٹ سے ڈراپ کر دیا گیا۔</translation>
    </message>
    <message>
        <source>Caught by the enquiry into the bookie&apos;s money.</source>
        <translation>سٹے باز کے پیسوں کی تحقیقات میں پکڑے گئے۔</translation>
    </message>
    <message>
        <source>Still playing.</source>
        <extracomment>How the career ended: it has not, the player plays on.</extracomment>
        <translation>ابھی کھیل رہے ہیں۔</translation>
    </message>
    <message>
        <source>CAREER</source>
        <extracomment>Heading of the card that sums up a whole career.</extracomment>
        <translation>کیریئر</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>کھلاڑی:</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>سب سے اونچی سطح:</translation>
    </message>
    <message>
        <source>Levels reached:</source>
        <translation>کھیلی گئی سطحیں:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>میچ:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>رنز:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>وکٹیں:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>کیچ:</translation>
    </message>
    <message>
        <source>Highest score:</source>
        <translation>سب سے بڑا اسکور:</translation>
    </message>
    <message>
        <source>Best bowling:</source>
        <extracomment>The most wickets the player took in one match.</extracomment>
        <translation>بہترین بولنگ:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>نصف سنچریاں:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>سنچریاں:</translation>
    </message>
    <message>
        <source>5 wickets:</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>پانچ وکٹیں:</translation>
    </message>
    <message>
        <source>Peak overall skill:</source>
        <extracomment>The highest overall skill the player ever had.</extracomment>
        <translation>سب سے زیادہ مجموعی مہارت:</translation>
    </message>
    <message>
        <source>Money earned (Rs.):</source>
        <extracomment>Match fees, sponsorship and awards earned over the career, in rupees.</extracomment>
        <translation>کمائی (روپے):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>بینک بیلنس (روپے):</translation>
    </message>
    <message>
        <source>Most runs in a stay:</source>
        <extracomment>A stay: the matches played at one level, from arriving there to leaving.</extracomment>
        <translation>ایک دور میں سب سے زیادہ رنز:</translation>
    </message>
    <message>
        <source>Best stay (runs a match):</source>
        <translation>بہترین دور (فی میچ رنز):</translation>
    </message>
    <message>
        <source>Longest stay (matches):</source>
        <translation>سب سے لمبا دور (میچ):</translation>
    </message>
    <message>
        <source>How it ended:</source>
        <extracomment>How the career came to its end.</extracomment>
        <translation>اختتام کیسے ہوا:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>ٹیم</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>کیچ</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>کمائی (روپے)</translation>
    </message>
    <message>
        <source>Levels and teams</source>
        <extracomment>The table of the career&apos;s figures at each level and with each team.</extracomment>
        <translation>سطحیں اور ٹیمیں</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two levels the career reached: &quot;Club, City, State&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>None yet</source>
        <extracomment>Shown for a stay when the career has no history to find it in.</extracomment>
        <translation>ابھی کوئی نہیں</translation>
    </message>
    <message>
        <source>Stays, teams and money earned count from match %1, where the history begins.</source>
        <translation>دور، ٹیمیں اور کمائی میچ %1 سے گنی گئی ہیں، جہاں سے تاریخچہ شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>All teams</source>
        <extracomment>In the career card&apos;s table: a level&apos;s figures with every team there.</extracomment>
        <translation>تمام ٹیمیں</translation>
    </message>
    <message>
        <source>%1. Shows match %2, where the stay began, in the table of matches.</source>
        <extracomment>What pressing a stay on the career card does, for a screen reader. %1 names the stay (&quot;Longest stay (matches)&quot;), %2 is the stay&apos;s first match.</extracomment>
        <translation>‏%1۔ میچوں کی جدول میں میچ %2 دکھاتا ہے، جہاں سے یہ دور شروع ہوا۔</translation>
    </message>
    <message>
        <source>%1. Shows match %2 in the table of matches.</source>
        <extracomment>What pressing a high on the career card does, for a screen reader. %1 names the high (&quot;Highest score&quot;), %2 is the match it was made in.</extracomment>
        <translation>‏%1۔ میچوں کی جدول میں میچ %2 دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure of the career card as a screen reader tells it: %1 its caption (&quot;Runs&quot;), %2 the figure.</extracomment>
        <translation>‏%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two figures of the career card as a screen reader tells them.</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>CareerPicker</name>
    <message>
        <source>&amp;Find:</source>
        <extracomment>Above the Load list: what the player types narrows the list.</extracomment>
        <translation>تلاش (&amp;F):</translation>
    </message>
    <message>
        <source>Name, team, level or file</source>
        <extracomment>In the Load list&apos;s find field, before anything is typed.</extracomment>
        <translation>نام، ٹیم، سطح یا فائل</translation>
    </message>
    <message>
        <source>Saved careers</source>
        <extracomment>The Load list&apos;s table, as a screen reader names it.</extracomment>
        <translation>محفوظ کیریئر</translation>
    </message>
    <message>
        <source>No career is saved in %1 yet. Browse… finds a save elsewhere.</source>
        <translation>ابھی تک %1 میں کوئی کیریئر محفوظ نہیں۔ “براؤز کریں…” سے کہیں اور رکھی محفوظ فائل ڈھونڈی جا سکتی ہے۔</translation>
    </message>
    <message>
        <source>Careers saved in %1.</source>
        <extracomment>%1 is the folder the Load list shows.</extracomment>
        <translation>‏%1 میں محفوظ کیریئر۔</translation>
    </message>
    <message>
        <source>Browse…</source>
        <extracomment>Opens the file dialog to load a save from another folder.</extracomment>
        <translation>براؤز کریں…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Loads the career chosen in the list.</extracomment>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>The careers of %1 are listed too, marked read-only: the game cannot write there, so new saves go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>‏%1 کے کیریئر بھی فہرست میں ہیں، صرف پڑھنے کے لیے کے نشان کے ساتھ: گیم وہاں لکھ نہیں سکتا، اس لیے نئی محفوظ فائلیں %2 میں جاتی ہیں۔</translation>
    </message>
</context>
<context>
    <name>CareerSummaryScreen</name>
    <message>
        <source>Bailcrest: Career Summary</source>
        <translation>‏Bailcrest: کیریئر کا خلاصہ</translation>
    </message>
    <message>
        <source>The career of %1 is over.</source>
        <extracomment>Heading of the window shown when a career ends; %1 is the player&apos;s name.</extracomment>
        <translation>‏%1 کا کیریئر ختم ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <extracomment>Saves the career card as a picture (PNG) beside the save.</extracomment>
        <translation>تصویر محفوظ کریں</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Opens the career&apos;s History window.</extracomment>
        <translation>تاریخچہ</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Closes the summary; the game then asks whether to play again.</extracomment>
        <translation>آگے بڑھیں</translation>
    </message>
    <message>
        <source>The picture %1 could not be saved: %2.</source>
        <extracomment>%1 is a file, %2 the reason it could not be written.</extracomment>
        <translation>تصویر %1 محفوظ نہیں ہو سکی: %2۔</translation>
    </message>
    <message>
        <source>The career card is saved as %1.</source>
        <translation>کیریئر کارڈ %1 کے طور پر محفوظ ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>The career card is saved as %1. The picture that was there is kept as %2.</source>
        <extracomment>%1 is the picture saved, %2 the file the picture found there is kept as.</extracomment>
        <translation>کیریئر کارڈ %1 کے طور پر محفوظ ہو گیا ہے۔ وہاں پہلے سے جو تصویر تھی، وہ %2 کے طور پر رکھ دی گئی ہے۔</translation>
    </message>
    <message>
        <source>This career has no save file of its own here, so its card is saved under a name of its own, as %1.</source>
        <translation>یہاں اس کیریئر کی اپنی کوئی محفوظ فائل نہیں ہے، اس لیے اس کا کارڈ ایک الگ نام سے، %1 کے طور پر، محفوظ کیا گیا ہے۔</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>What a screen reader tells as the career summary opens: %1 the heading (&quot;The career of Ravi is over.&quot;), %2 the card&apos;s figures.</extracomment>
        <translation>‏%1 %2</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>All Rounder</source>
        <translation>آل راؤنڈر</translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation>بلے باز</translation>
    </message>
    <message>
        <source>Bowler</source>
        <translation>گیند باز</translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>Five Star</source>
        <translation>فائیو اسٹار</translation>
    </message>
    <message>
        <source>Rising Sun</source>
        <translation>رائزنگ سن</translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation>شائننگ مون</translation>
    </message>
    <message>
        <source>Happy Valley</source>
        <translation>ہیپی ویلی</translation>
    </message>
    <message>
        <source>Country Side</source>
        <translation>کنٹری سائیڈ</translation>
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
        <translation>، </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Bailcrest, a cricket-career game: take a cricketer from club cricket to the World Cup.</source>
        <translation>‏Bailcrest، ایک کرکٹ کیریئر گیم: ایک کرکٹر کو کلب کرکٹ سے ورلڈ کپ تک لے جائیں۔</translation>
    </message>
    <message>
        <source>Bailcrest takes no arguments: %1.</source>
        <extracomment>On the command line: %1 is what was typed after the program&apos;s name.</extracomment>
        <translation>‏Bailcrest کوئی دلائل نہیں لیتا: %1۔</translation>
    </message>
</context>
<context>
    <name>CreditsScreen</name>
    <message>
        <source>Bailcrest: Credits</source>
        <translation>‏Bailcrest: تعارف</translation>
    </message>
    <message>
        <source>Bailcrest crest</source>
        <translation>‏Bailcrest کا نشان</translation>
    </message>
    <message>
        <source>BAILCREST</source>
        <translation>BAILCREST</translation>
    </message>
    <message>
        <source>VERSION 1.0</source>
        <translation>ورژن 1.0</translation>
    </message>
    <message>
        <source>PROGRAMMED BY:</source>
        <translation>پروگرامر:</translation>
    </message>
    <message>
        <source>Bailcrest team</source>
        <translation>‏Bailcrest ٹیم</translation>
    </message>
    <message>
        <source>WEBSITE:</source>
        <translation>ویب سائٹ:</translation>
    </message>
    <message>
        <source>PLEASE READ CAREFULLY:</source>
        <translation>براہ کرم غور سے پڑھیں:</translation>
    </message>
    <message>
        <source>Bailcrest costs you nothing because our advertisers pay for it. Please take a moment to visit them: a click on a banner below opens the advertiser&apos;s web page in your browser, and your career stays exactly where you left it. Every visit helps to keep Bailcrest free for everyone. Thank you!</source>
        <translation>‏Bailcrest آپ کے لیے مفت ہے کیونکہ اس کا خرچ ہمارے مشتہرین اٹھاتے ہیں۔ براہ کرم ایک لمحہ نکال کر ان سے ملیں: نیچے کسی بینر پر کلک کرنے سے مشتہر کا ویب صفحہ آپ کے براؤزر میں کھل جاتا ہے، اور آپ کا کیریئر بالکل وہیں رہتا ہے جہاں آپ نے چھوڑا تھا۔ ہر وزٹ Bailcrest کو سب کے لیے مفت رکھنے میں مدد کرتا ہے۔ شکریہ!</translation>
    </message>
    <message>
        <source>Advertiser banner, %1</source>
        <translation>مشتہر کا بینر، %1</translation>
    </message>
    <message>
        <source>Opens the advertiser&apos;s web page</source>
        <translation>مشتہر کا ویب صفحہ کھولتا ہے</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>آگے بڑھیں</translation>
    </message>
    <message>
        <source>The advertiser&apos;s page could not be opened. You can type its address into a web browser:

%1</source>
        <translation>مشتہر کا صفحہ نہیں کھل سکا۔ آپ اس کا پتا کسی ویب براؤزر میں لکھ سکتے ہیں:

%1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cricket Career Game</source>
        <translation>کرکٹ کیریئر گیم</translation>
    </message>
    <message>
        <source>Manage the career of a cricketer from club cricket to the World Cup</source>
        <translation>کلب کرکٹ سے ورلڈ کپ تک ایک کرکٹر کا کیریئر سنواریں</translation>
    </message>
    <message>
        <source>cricket;career;sports;</source>
        <translation>کرکٹ;کیریئر;کھیل;cricket;</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Bailcrest needs a desktop session (X11 or Wayland) to show its windows, and found none. Start it from a desktop; the messages below are Qt&apos;s.</source>
        <extracomment>On the command line, before Qt&apos;s own messages, when the game is started where no desktop can show its windows (a text console, a remote shell).</extracomment>
        <translation>‏Bailcrest کو اپنی ونڈوز دکھانے کے لیے ڈیسک ٹاپ سیشن (X11 یا Wayland) چاہیے، مگر کوئی نہیں ملا۔ اسے کسی ڈیسک ٹاپ سے شروع کریں؛ نیچے کے پیغامات Qt کے ہیں۔</translation>
    </message>
</context>
<context>
    <name>HallOfFameScreen</name>
    <message>
        <source>Most &amp;Runs</source>
        <translation>سب سے زیادہ رنز (&amp;R)</translation>
    </message>
    <message>
        <source>Most &amp;Wickets</source>
        <translation>سب سے زیادہ وکٹیں (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Highest Level</source>
        <extracomment>The careers that rose highest: Club, City, State, National.</extracomment>
        <translation>سب سے اونچی سطح (&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;ongest Career</source>
        <extracomment>The careers of the most matches.</extracomment>
        <translation>سب سے طویل کیریئر (&amp;O)</translation>
    </message>
    <message>
        <source>Ri&amp;chest</source>
        <extracomment>The careers with the most money in the bank.</extracomment>
        <translation>سب سے امیر (&amp;C)</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>The place in a list of the best careers.</extracomment>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>کھلاڑی</translation>
    </message>
    <message>
        <source>Highest level</source>
        <translation>سب سے اونچی سطح</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>بینک بیلنس (روپے)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>آخری بار کھیلا</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a career in the hall of fame has ended or is still played.</extracomment>
        <translation>ختم</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>جاری</translation>
    </message>
    <message>
        <source>Bailcrest: Hall of Fame</source>
        <translation>‏Bailcrest: ہال آف فیم</translation>
    </message>
    <message>
        <source>No career has been saved yet. Careers that save themselves after every match come in here.</source>
        <translation>ابھی تک کوئی کیریئر محفوظ نہیں ہوا۔ جو کیریئر ہر میچ کے بعد خود بخود محفوظ ہوتے ہیں، وہ یہاں آتے ہیں۔</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>The hall of fame file was damaged, and no career could be read from it. It is kept as %1, and the hall of fame starts afresh.</source>
        <extracomment>%1 is the file the damaged hall of fame is kept as.</extracomment>
        <translation>ہال آف فیم کی فائل خراب تھی، اور اس میں سے کوئی کیریئر پڑھا نہیں جا سکا۔ اسے %1 کے طور پر رکھ دیا گیا ہے، اور ہال آف فیم نئے سرے سے شروع ہوتا ہے۔</translation>
    </message>
    <message numerus="yes">
        <source>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</source>
        <translation>
            <numerusform>ہال آف فیم کی فائل خراب تھی۔ اسے %1 کے طور پر رکھ دیا گیا ہے، اور ہال آف فیم اس میں سے پڑھے جا سکنے والے %Ln کیریئر کے ساتھ جاری رہتا ہے۔</numerusform>
            <numerusform>ہال آف فیم کی فائل خراب تھی۔ اسے %1 کے طور پر رکھ دیا گیا ہے، اور ہال آف فیم اس میں سے پڑھے جا سکنے والے %Ln کیریئرز کے ساتھ جاری رہتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>The hall of fame %1 could not be kept: %2.</source>
        <extracomment>%1 is the file, %2 the reason it could not be written.</extracomment>
        <translation>ہال آف فیم %1 محفوظ نہیں ہو سکا: %2۔</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the hall of fame&apos;s first career as a screen reader tells it: %1 the column&apos;s heading (&quot;Runs&quot;), %2 the career&apos;s figure.</extracomment>
        <translation>‏%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln career(s) in the hall of fame. %1, first: %2.</source>
        <extracomment>What a screen reader tells as the hall of fame opens: %Ln the careers it holds, %1 the list it opens on (&quot;Most Runs&quot;), %2 that list&apos;s first career.</extracomment>
        <translation>
            <numerusform>‏ہال آف فیم میں %Ln کیریئر۔ %1، پہلا: %2۔</numerusform>
            <numerusform>‏ہال آف فیم میں %Ln کیریئر۔ %1، پہلا: %2۔</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career of a Saves folder the game cannot write to: %1 is whether it has ended (&quot;Ended&quot;, &quot;Playing&quot;).</extracomment>
        <translation>‏%1، صرف پڑھنے کے لیے</translation>
    </message>
    <message>
        <source>The hall of fame of %1 is shown too, its careers marked read-only: the game cannot write there, so new saves, and the careers they bring in here, go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>‏%1 کا ہال آف فیم بھی دکھایا گیا ہے، اس کے کیریئر صرف پڑھنے کے لیے کے نشان کے ساتھ: گیم وہاں لکھ نہیں سکتا، اس لیے نئی محفوظ فائلیں، اور ان سے یہاں آنے والے کیریئر، %2 میں جاتے ہیں۔</translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>مہارتیں</translation>
    </message>
    <message>
        <source>Bank balance</source>
        <translation>بینک بیلنس</translation>
    </message>
    <message>
        <source>Gear and health</source>
        <translation>کٹ اور صحت</translation>
    </message>
    <message>
        <source>%1 in matches %2 to %3: mean %4, lowest %5, highest %6</source>
        <extracomment>A block of a long career&apos;s chart: %1 the line&apos;s name, %2 and %3 the first and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.</extracomment>
        <translation>میچ %2 سے %3 تک %1: اوسط %4، کم سے کم %5، زیادہ سے زیادہ %6</translation>
    </message>
    <message>
        <source>%1 before match %2</source>
        <extracomment>A marker of a chart: %1 what it marks, %2 the match.</extracomment>
        <translation>میچ %2 سے پہلے %1</translation>
    </message>
    <message>
        <source>%1 in match %2: %3</source>
        <extracomment>A point of a chart: %1 the line&apos;s name, %2 the match, %3 the value.</extracomment>
        <translation>میچ %2 میں %1: %3</translation>
    </message>
    <message>
        <source>%1, lowest to highest</source>
        <extracomment>The shaded band around a line of a long career&apos;s chart.</extracomment>
        <translation>‏%1، کم سے زیادہ تک</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Batting average of the level</source>
        <translation>سطح کی بیٹنگ اوسط</translation>
    </message>
    <message numerus="yes">
        <source>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>ہر میچ کے رنز، %Ln میچ محفوظ؛ سب سے زیادہ %1 میچ %2 میں؛ آخری میچ کے بعد سطح کی بیٹنگ اوسط %3۔</numerusform>
            <numerusform>ہر میچ کے رنز، %Ln میچ محفوظ؛ سب سے زیادہ %1 میچ %2 میں؛ آخری میچ کے بعد سطح کی بیٹنگ اوسط %3۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>ہر میچ کی وکٹیں، %Ln میچ محفوظ؛ کل وکٹیں %1، سب سے زیادہ %2 میچ %3 میں۔</numerusform>
            <numerusform>ہر میچ کی وکٹیں، %Ln میچ محفوظ؛ کل وکٹیں %1، سب سے زیادہ %2 میچ %3 میں۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>بیٹنگ</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>بولنگ</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>فیلڈنگ</translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation>مجموعی مہارت</translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation>سطح پر انتخاب کی حد</translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation>ترقی: مجموعی مہارت %1</translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation>ترقی: بیٹنگ یا بولنگ %1</translation>
    </message>
    <message>
        <source>Promotion</source>
        <translation>ترقی</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>ڈراپ</translation>
    </message>
    <message>
        <source>World Cup selection</source>
        <translation>ورلڈ کپ کے لیے انتخاب</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>مہارت</translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>ہر میچ کے بعد بیٹنگ، بولنگ، فیلڈنگ اور مجموعی مہارت، %Ln میچ محفوظ؛ آخری میچ کے بعد %1، %2، %3 اور مجموعی %4، جبکہ ترقی مجموعی %5 یا بیٹنگ یا بولنگ %6 پر ہوتی ہے۔</numerusform>
            <numerusform>ہر میچ کے بعد بیٹنگ، بولنگ، فیلڈنگ اور مجموعی مہارت، %Ln میچ محفوظ؛ آخری میچ کے بعد %1، %2، %3 اور مجموعی %4، جبکہ ترقی مجموعی %5 یا بیٹنگ یا بولنگ %6 پر ہوتی ہے۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %Ln.</source>
        <translation>
            <numerusform>نشان زد ترقیاں: %Ln۔</numerusform>
            <numerusform>نشان زد ترقیاں: %Ln۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %Ln.</source>
        <translation>
            <numerusform>نشان زد ڈراپ: %Ln۔</numerusform>
            <numerusform>نشان زد ڈراپ: %Ln۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Rs.</source>
        <translation>روپے</translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>ہر میچ کے بعد بینک بیلنس، %Ln میچ محفوظ: آخری میچ کے بعد %1 روپے، زیادہ سے زیادہ %2 روپے۔</numerusform>
            <numerusform>ہر میچ کے بعد بینک بیلنس، %Ln میچ محفوظ: آخری میچ کے بعد %1 روپے، زیادہ سے زیادہ %2 روپے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>مجموعی کٹ</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>مجموعی صحت</translation>
    </message>
    <message>
        <source>Lowest item of gear</source>
        <translation>کٹ کی سب سے کمزور چیز</translation>
    </message>
    <message>
        <source>Lowest of fitness, health and stamina</source>
        <translation>فٹنس، صحت اور اسٹیمنا میں سب سے کم</translation>
    </message>
    <message>
        <source>Selection floor: any item at 0 keeps the player out</source>
        <translation>انتخاب کی کم از کم حد: کوئی بھی چیز 0 پر ہو تو کھلاڑی باہر</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>حالت</translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>ہر میچ کے بعد مجموعی کٹ اور صحت، کٹ کی سب سے کمزور چیز اور فٹنس، صحت اور اسٹیمنا میں سب سے کم، %Ln میچ محفوظ؛ آخری میچ کے بعد %1، %2، %3 اور %4۔ کٹ کی کوئی چیز، فٹنس، صحت یا اسٹیمنا 0 پر ہو تو کھلاڑی ٹیم سے باہر رہتا ہے۔</numerusform>
            <numerusform>ہر میچ کے بعد مجموعی کٹ اور صحت، کٹ کی سب سے کمزور چیز اور فٹنس، صحت اور اسٹیمنا میں سب سے کم، %Ln میچ محفوظ؛ آخری میچ کے بعد %1، %2، %3 اور %4۔ کٹ کی کوئی چیز، فٹنس، صحت یا اسٹیمنا 0 پر ہو تو کھلاڑی ٹیم سے باہر رہتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>No match kept yet</source>
        <translation>ابھی کوئی میچ محفوظ نہیں</translation>
    </message>
    <message>
        <source>No match kept yet.</source>
        <translation>ابھی کوئی میچ محفوظ نہیں۔</translation>
    </message>
    <message>
        <source>No runs scored in the matches kept.</source>
        <translation>محفوظ میچوں میں کوئی رن نہیں بنا۔</translation>
    </message>
    <message>
        <source>No runs scored yet.</source>
        <translation>ابھی تک کوئی رن نہیں بنا۔</translation>
    </message>
    <message>
        <source>No wickets taken in the matches kept.</source>
        <translation>محفوظ میچوں میں کوئی وکٹ نہیں لی گئی۔</translation>
    </message>
    <message>
        <source>No wickets taken yet.</source>
        <translation>ابھی تک کوئی وکٹ نہیں لی گئی۔</translation>
    </message>
    <message>
        <source>Match %1, %2</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match, %2 the level it was played at.</extracomment>
        <translation>میچ %1، %2</translation>
    </message>
    <message>
        <source>Match %1</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match.</extracomment>
        <translation>میچ %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure at a chart&apos;s cursor: %1 the line&apos;s name, %2 its value.</extracomment>
        <translation>‏%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Joins what a chart&apos;s cursor tells a screen reader, one figure after another: &quot;Match 12, Club; Runs: 45&quot;.</extracomment>
        <translation>‏%1؛ %2</translation>
    </message>
</context>
<context>
    <name>HistoryScreen</name>
    <message>
        <source>Runs:</source>
        <translation>رنز:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>وکٹیں:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>کیچ:</translation>
    </message>
    <message>
        <source>Award (Rs.):</source>
        <translation>انعام (روپے):</translation>
    </message>
    <message>
        <source>Match fee (Rs.):</source>
        <translation>میچ فیس (روپے):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.):</source>
        <translation>اسپانسرشپ (روپے):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>بینک بیلنس (روپے):</translation>
    </message>
    <message>
        <source>Overall gear:</source>
        <translation>مجموعی کٹ:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>بیٹنگ:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>بولنگ:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>فیلڈنگ:</translation>
    </message>
    <message>
        <source>Overall health:</source>
        <translation>مجموعی صحت:</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>بلا:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>دستانے:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>پیڈ:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>دیگر:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>فٹنس:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>صحت:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>اسٹیمنا:</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation>چارٹ نہیں دکھائے جا سکتے کیونکہ گیم کا ایک حصہ موجود نہیں۔ سیزن، سنگ میل اور میچوں کی جدول پورا کیریئر بتاتے ہیں۔</translation>
    </message>
    <message>
        <source>Bailcrest: Career History</source>
        <translation>‏Bailcrest: کیریئر کا تاریخچہ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Scroll the window up or down</source>
        <translation>ونڈو اوپر یا نیچے کریں</translation>
    </message>
    <message>
        <source>Scroll the window sideways</source>
        <translation>ونڈو دائیں بائیں کریں</translation>
    </message>
    <message>
        <source>CAREER</source>
        <translation>کیریئر</translation>
    </message>
    <message>
        <source>LAST MATCH</source>
        <translation>آخری میچ</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>چارٹ</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>سیزن</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>ٹیم</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Highest score</source>
        <translation>سب سے بڑا اسکور</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>بیٹنگ اوسط</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>نصف سنچریاں</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>سنچریاں</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Best bowling</source>
        <extracomment>The most wickets taken in one match.</extracomment>
        <translation>بہترین بولنگ</translation>
    </message>
    <message>
        <source>Five-wicket matches</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>پانچ وکٹوں والے میچ</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>کیچ</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>کمائی (روپے)</translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>سنگ میل</translation>
    </message>
    <message>
        <source>The moments of the career worth telling, with the match of each.</source>
        <translation>کیریئر کے یادگار لمحے، ہر ایک کے میچ کے ساتھ۔</translation>
    </message>
    <message>
        <source>Every match of the career, one a row; a column heading, or the sort choice above, sorts by it.</source>
        <translation>کیریئر کا ہر میچ، ہر قطار میں ایک؛ کالم کا عنوان یا اوپر ترتیب کا انتخاب اسی کے مطابق ترتیب دیتا ہے۔</translation>
    </message>
    <message>
        <source>Sort the matches by:</source>
        <translation>میچوں کی ترتیب:</translation>
    </message>
    <message>
        <source>Sort the matches by</source>
        <translation>میچوں کی ترتیب</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>ترتیب</translation>
    </message>
    <message>
        <source>Lowest first</source>
        <extracomment>Sorting order: smallest value first.</extracomment>
        <translation>سب سے کم پہلے</translation>
    </message>
    <message>
        <source>Highest first</source>
        <extracomment>Sorting order: largest value first.</extracomment>
        <translation>سب سے زیادہ پہلے</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>کھلاڑی:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>سطح:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>ٹیم:</translation>
    </message>
    <message>
        <source>World Cup:</source>
        <translation>ورلڈ کپ:</translation>
    </message>
    <message>
        <source>Matches in the career:</source>
        <translation>کیریئر میں میچ:</translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation>پچھلے میچ کے بعد سے:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>منتخب</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>منتخب نہیں</translation>
    </message>
    <message>
        <source>Career</source>
        <extracomment>The tab that holds the card summing up the career while the History window is too short to show the card above the charts.
----------
The first row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation>کیریئر</translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation>ابھی کوئی سنگ میل نہیں۔</translation>
    </message>
    <message>
        <source>LAST MATCH: NONE KEPT YET</source>
        <translation>آخری میچ: ابھی کوئی محفوظ نہیں</translation>
    </message>
    <message>
        <source>LAST MATCH: %1, %2 (%3)</source>
        <translation>آخری میچ: %1، %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>کچھ نہیں</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as the part of the game that draws them belongs to another version of it. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts was installed with another version of the game.</extracomment>
        <translation>چارٹ نہیں دکھائے جا سکتے کیونکہ گیم کا جو حصہ انہیں بناتا ہے وہ اس کے کسی دوسرے ورژن کا ہے۔ سیزن، سنگ میل اور میچوں کی جدول پورا کیریئر بتاتے ہیں۔</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>دکھائیں:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>دکھائیں</translation>
    </message>
    <message>
        <source>Every milestone</source>
        <extracomment>Which milestones the list shows: all of them.</extracomment>
        <translation>ہر سنگ میل</translation>
    </message>
    <message>
        <source>Runs and wickets</source>
        <translation>رنز اور وکٹیں</translation>
    </message>
    <message>
        <source>Level changes</source>
        <translation>سطح کی تبدیلیاں</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>اسپانسر</translation>
    </message>
    <message>
        <source>The bookie</source>
        <extracomment>Milestones of taking the bookie&apos;s money.</extracomment>
        <translation>سٹے باز</translation>
    </message>
    <message>
        <source>Group repeats</source>
        <translation>تکرار یکجا کریں</translation>
    </message>
    <message>
        <source>The career&apos;s totals, then each level with its totals and its stays.</source>
        <translation>پورے کیریئر کا کل، پھر ہر سطح کا کل اور اس سطح پر ہر دور۔</translation>
    </message>
    <message>
        <source>Matches %1 to %2</source>
        <extracomment>A stay at one level in the seasons table: the first and last match of it.</extracomment>
        <translation>میچ %1 سے %2 تک</translation>
    </message>
    <message>
        <source>Detach</source>
        <extracomment>Below the History pane of the main window: opens the history as a window of its own.</extracomment>
        <translation>الگ کریں</translation>
    </message>
    <message>
        <source>Opens the career&apos;s history in a window of its own.</source>
        <translation>کیریئر کا تاریخچہ اس کی اپنی ونڈو میں کھولتا ہے۔</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the seasons table as a screen reader hears it: %1 the column&apos;s heading, %2 the figure.</extracomment>
        <translation>‏%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A row of the seasons table as a screen reader hears it: %1 the level or the stay, %2 its figures, each after its heading.</extracomment>
        <translation>‏%1: %2۔</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Match</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>ٹیم</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>کیچ</translation>
    </message>
    <message>
        <source>Award (Rs.)</source>
        <translation>انعام (روپے)</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>بیٹنگ</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>بولنگ</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>فیلڈنگ</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>دستانے</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>پیڈ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>دیگر</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>فٹنس</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>صحت</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>اسٹیمنا</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>مجموعی کٹ</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>مجموعی صحت</translation>
    </message>
    <message>
        <source>Match fee (Rs.)</source>
        <translation>میچ فیس (روپے)</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.)</source>
        <translation>اسپانسرشپ (روپے)</translation>
    </message>
    <message>
        <source>Other income (Rs.)</source>
        <translation>دیگر آمدنی (روپے)</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>بینک بیلنس (روپے)</translation>
    </message>
    <message>
        <source>Events since the match before</source>
        <translation>پچھلے میچ کے بعد کے واقعات</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Promoted to %1 (%2)</source>
        <translation>ترقی: %1 (%2)</translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation>ڈراپ: %1 (%2)</translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation>منتقل: %1 (%2)</translation>
    </message>
    <message>
        <source>Selected for the World Cup</source>
        <translation>ورلڈ کپ کے لیے منتخب</translation>
    </message>
    <message>
        <source>Sponsor %1</source>
        <translation>اسپانسر %1</translation>
    </message>
    <message>
        <source>Training Rs. %1</source>
        <translation>تربیت %1 روپے</translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation>کٹ %1 روپے</translation>
    </message>
    <message>
        <source>Health care Rs. %1</source>
        <translation>صحت کی نگہداشت %1 روپے</translation>
    </message>
    <message>
        <source>Took the bookie&apos;s Rs. %1</source>
        <translation>سٹے باز سے %1 روپے لیے</translation>
    </message>
    <message>
        <source>The history file could not be read.</source>
        <translation>تاریخچے کی فائل پڑھی نہیں جا سکی۔</translation>
    </message>
    <message>
        <source>The history file belongs to another career and was not used.</source>
        <translation>تاریخچے کی فائل کسی دوسرے کیریئر کی ہے، اس لیے استعمال نہیں کی گئی۔</translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %Ln.</source>
        <translation>
            <numerusform>تاریخچے کی فائل کی قطاریں جو دوسرے کیریئر کی ہونے کی وجہ سے چھوڑی گئیں: %Ln۔</numerusform>
            <numerusform>تاریخچے کی فائل کی قطاریں جو دوسرے کیریئر کی ہونے کی وجہ سے چھوڑی گئیں: %Ln۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %Ln.</source>
        <translation>
            <numerusform>تاریخچے کی فائل کی قطاریں جو پڑھی نہ جا سکنے کی وجہ سے چھوڑی گئیں: %Ln۔</numerusform>
            <numerusform>تاریخچے کی فائل کی قطاریں جو پڑھی نہ جا سکنے کی وجہ سے چھوڑی گئیں: %Ln۔</numerusform>
        </translation>
    </message>
    <message>
        <source>History kept from match %1: the matches before it were played without one.</source>
        <translation>تاریخچہ میچ %1 سے محفوظ ہے: اس سے پہلے کے میچ تاریخچے کے بغیر کھیلے گئے تھے۔</translation>
    </message>
    <message>
        <source>Match %1: first fifty, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>میچ %1: پہلی نصف سنچری، %2 رنز۔</translation>
    </message>
    <message>
        <source>Match %1: first hundred, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>میچ %1: پہلی سنچری، %2 رنز۔</translation>
    </message>
    <message>
        <source>Match %1: first five-wicket match, %2 wickets.</source>
        <extracomment>%1 the match number, %2 the wickets taken (five or more).</extracomment>
        <translation>میچ %1: پہلی بار پانچ وکٹیں، %2 وکٹیں۔</translation>
    </message>
    <message>
        <source>Match %1: %2 career runs.</source>
        <extracomment>%1 the match number, %2 a round thousand of runs.</extracomment>
        <translation>میچ %1: کیریئر میں %2 رنز۔</translation>
    </message>
    <message>
        <source>Match %1: %2 career wickets.</source>
        <extracomment>%1 the match number, %2 a round hundred of wickets.</extracomment>
        <translation>میچ %1: کیریئر میں %2 وکٹیں۔</translation>
    </message>
    <message>
        <source>Before match %1: promoted to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>میچ %1 سے پہلے: ترقی، %2 (%3)۔</translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>میچ %1 سے پہلے: ڈراپ، %2 (%3)۔</translation>
    </message>
    <message>
        <source>Before match %1: selected for the World Cup.</source>
        <translation>میچ %1 سے پہلے: ورلڈ کپ کے لیے منتخب۔</translation>
    </message>
    <message>
        <source>Before match %1: took %2 as sponsor.</source>
        <extracomment>%1 the match number, %2 the sponsor&apos;s name.</extracomment>
        <translation>میچ %1 سے پہلے: %2 کو اسپانسر چنا۔</translation>
    </message>
    <message>
        <source>Before match %1: took the bookie&apos;s Rs. %2.</source>
        <extracomment>%1 the match number, %2 the amount in rupees.</extracomment>
        <translation>میچ %1 سے پہلے: سٹے باز سے %2 روپے لیے۔</translation>
    </message>
    <message>
        <source>The history file is larger than any career could fill and was not read.</source>
        <translation>تاریخچے کی فائل اتنی بڑی ہے کہ کوئی کیریئر اسے نہیں بھر سکتا، اس لیے پڑھی نہیں گئی۔</translation>
    </message>
    <message numerus="yes">
        <source>Another thousand career runs %Ln times</source>
        <translation>
            <numerusform>کیریئر میں مزید ایک ہزار رنز، %Ln بار</numerusform>
            <numerusform>کیریئر میں مزید ایک ہزار رنز، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another hundred career wickets %Ln times</source>
        <translation>
            <numerusform>کیریئر میں وکٹوں کی ایک اور سنچری، %Ln بار</numerusform>
            <numerusform>کیریئر میں وکٹوں کی ایک اور سنچری، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>ترقی، %Ln بار</numerusform>
            <numerusform>ترقی، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>ڈراپ، %Ln بار</numerusform>
            <numerusform>ڈراپ، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected for the World Cup %Ln times</source>
        <translation>
            <numerusform>ورلڈ کپ کے لیے منتخب، %Ln بار</numerusform>
            <numerusform>ورلڈ کپ کے لیے منتخب، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sponsor changed %Ln times</source>
        <translation>
            <numerusform>اسپانسر کی تبدیلی، %Ln بار</numerusform>
            <numerusform>اسپانسر کی تبدیلی، %Ln بار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took the bookie&apos;s money %Ln times</source>
        <translation>
            <numerusform>سٹے باز سے پیسے لیے، %Ln بار</numerusform>
            <numerusform>سٹے باز سے پیسے لیے، %Ln بار</numerusform>
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
        <translation>کلب</translation>
    </message>
    <message>
        <source>City</source>
        <extracomment>A level of play.</extracomment>
        <translation>شہر</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A level of play.</extracomment>
        <translation>صوبائی</translation>
    </message>
    <message>
        <source>National</source>
        <extracomment>A level of play.</extracomment>
        <translation>قومی</translation>
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
        <source>...</source>
        <extracomment>Shown beside &quot;Sponsor:&quot; while the player has no sponsor.</extracomment>
        <translation>...</translation>
    </message>
    <message>
        <source>Bailcrest v1.0</source>
        <translation>Bailcrest v1.0</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>پروفائل</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>کھلاڑی:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>ٹیم:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>زمرہ:</translation>
    </message>
    <message>
        <source>Sponsor:</source>
        <translation>اسپانسر:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>بیٹنگ:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>بولنگ:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>فیلڈنگ:</translation>
    </message>
    <message>
        <source>Overall:</source>
        <extracomment>The overall skill, worked out from batting, bowling and fielding.</extracomment>
        <translation>مجموعی:</translation>
    </message>
    <message>
        <source>LEVEL STATS</source>
        <translation>سطح کے اعداد و شمار</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>کھیلے گئے میچ:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>بنائے گئے رنز:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>لی گئی وکٹیں:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>پکڑے گئے کیچ:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>سب سے بڑا اسکور:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>بیٹنگ اوسط:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>نصف سنچریاں:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>سنچریاں:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>سب سے زیادہ وکٹیں:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>پانچ وکٹیں:</translation>
    </message>
    <message>
        <source>FINANCE</source>
        <translation>مالیات</translation>
    </message>
    <message>
        <source>Match Fee (Rs):</source>
        <translation>میچ فیس (روپے):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs):</source>
        <translation>اسپانسرشپ (روپے):</translation>
    </message>
    <message>
        <source>Other Incomes (Rs):</source>
        <translation>دیگر آمدنی (روپے):</translation>
    </message>
    <message>
        <source>Bank Balance (Rs):</source>
        <translation>بینک بیلنس (روپے):</translation>
    </message>
    <message>
        <source>ACCESSORIES</source>
        <extracomment>Heading of the player&apos;s cricket gear (bat, gloves, pads, others).</extracomment>
        <translation>کٹ</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <extracomment>Heading of the player&apos;s body: fitness, health and stamina.</extracomment>
        <translation>صحت</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>بلا:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>دستانے:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>پیڈ:</translation>
    </message>
    <message>
        <source>Others:</source>
        <extracomment>The other pieces of cricket gear, besides bat, gloves and pads.</extracomment>
        <translation>دیگر:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>فٹنس:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>صحت:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>اسٹیمنا:</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Main menu command: opens the credits.</extracomment>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main menu command: ends the game at once, without saving.</extracomment>
        <translation>باہر نکلیں</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <extracomment>Main menu command: opens the sponsorship offers.</extracomment>
        <translation>اسپانسر</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>Main menu command: opens the cricket gear store (a shop, not &quot;save&quot;).</extracomment>
        <translation>دکان</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>Main menu command: opens the training centre, where skills are bought.</extracomment>
        <translation>تربیت</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Main menu command (a verb): plays the next match.</extracomment>
        <translation>کھیلیں</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Main menu command: opens the record book of every level.</extracomment>
        <translation>ریکارڈ</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Main menu command: opens the health care centre (fitness, health, stamina).</extracomment>
        <translation>صحت</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation>تاریخچہ</translation>
    </message>
    <message>
        <source>Fame</source>
        <extracomment>Main menu command: opens the hall of fame, the best careers ever played. The button is narrow: a short word.</extracomment>
        <translation>شہرت</translation>
    </message>
    <message>
        <source>Not being saved</source>
        <extracomment>Shown on the main screen while the career&apos;s saves are off.</extracomment>
        <translation>محفوظ نہیں ہو رہا</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The level the player plays at now: Club, City, State or National.</extracomment>
        <translation>سطح:</translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in this folder:

%1</source>
        <translation>گیم کے ساتھ والے فولڈر میں محفوظ فائلیں نہیں رکھی جا سکتیں، اس لیے آپ کا کیریئر اس فولڈر میں محفوظ ہوتا ہے:

%1</translation>
    </message>
    <message>
        <source>Play on…</source>
        <extracomment>Main menu command: plays many matches in a run, asking first how many.</extracomment>
        <translation>کھیلتے رہیں…</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The accessible description of the line that follows a run of matches.</extracomment>
        <translation>کھیلتے رہیں</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The command that stops a run of matches after the match being played.</extracomment>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Match %1 of %2</source>
        <extracomment>The line that follows a run of matches: &quot;Match 37 of 100&quot;.</extracomment>
        <translation>‏%2 میں سے میچ %1</translation>
    </message>
    <message>
        <source>This career was not being saved, so it does not enter the hall of fame.</source>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا تھا، اس لیے یہ ہال آف فیم میں شامل نہیں ہوتا۔</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>%1 up by %2 to %3.</source>
        <translation>‏%1 %2 بڑھ کر %3۔</translation>
    </message>
    <message>
        <source>%1 down by %2 to %3.</source>
        <translation>‏%1 %2 گھٹ کر %3۔</translation>
    </message>
    <message>
        <source>Overall accessories down to %1, running low.</source>
        <translation>مجموعی کٹ گھٹ کر %1، کم ہو رہی ہے۔</translation>
    </message>
    <message>
        <source>Overall health down to %1, running low.</source>
        <translation>مجموعی صحت گھٹ کر %1، کم ہو رہی ہے۔</translation>
    </message>
</context>
<context>
    <name>MatchScreen</name>
    <message>
        <source>Bailcrest: Match Details</source>
        <translation>‏Bailcrest: میچ کی تفصیل</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>کھلاڑی</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>ٹیم</translation>
    </message>
    <message>
        <source>MATCH STATISTICS</source>
        <translation>میچ کے اعداد و شمار</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>بنائے گئے رنز:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>لی گئی وکٹیں:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>پکڑے گئے کیچ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, the History window still shows every match of this game, and the game tries again after your next match.</source>
        <translation>آپ کے کیریئر کا تاریخچہ %1 میں محفوظ نہیں ہو سکا: %2۔ آپ کا کیریئر پہلے کی طرح محفوظ ہے، تاریخچے کی ونڈو اب بھی اس گیم کا ہر میچ دکھاتی ہے، اور گیم آپ کے اگلے میچ کے بعد دوبارہ کوشش کرے گا۔</translation>
    </message>
    <message>
        <source>Runs %1, wickets %2, catches %3</source>
        <extracomment>What a screen reader says of the match as its screen opens.</extracomment>
        <translation>رنز %1، وکٹیں %2، کیچ %3</translation>
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
            <numerusform>اس فولڈر کی %Ln محفوظ فائل یہاں نہیں دکھائی جا سکتی: اس کا نام ایسا متن نہیں جسے یہ سسٹم واپس لکھ سکے۔ لوڈ کرنے کے لیے اس کا نام بدلیں۔</numerusform>
            <numerusform>اس فولڈر کی %Ln محفوظ فائلیں یہاں نہیں دکھائی جا سکتیں: ان کے نام ایسا متن نہیں جسے یہ سسٹم واپس لکھ سکے۔ لوڈ کرنے کے لیے ان کے نام بدلیں۔</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>en</source>
        <extracomment>The language of this translation, as the pictures with words (the credits&apos; banners) are named by: the language&apos;s code, &quot;hi&quot; for Hindi.</extracomment>
        <translation>ur</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>You are selected in the %1 team.</source>
        <translation>آپ %1 ٹیم میں منتخب ہو گئے ہیں۔</translation>
    </message>
    <message>
        <source>You are selected for the World Cup in the %1 team.</source>
        <translation>آپ ورلڈ کپ کے لیے %1 ٹیم میں منتخب ہو گئے ہیں۔</translation>
    </message>
    <message>
        <source>You are not good enough at this level.</source>
        <translation>آپ اس سطح کے لیے اتنے اچھے نہیں ہیں۔</translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation>خراب فیلڈنگ کی وجہ سے آپ منتخب نہیں ہوئے۔</translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation>آپ کے پاس کرکٹ کی مناسب کٹ نہیں ہے۔</translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation>آپ اس سطح پر کھیلنے کے لیے فٹ نہیں ہیں۔</translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation>آپ کو %1 ٹیم سے ڈراپ کر دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>You&apos;re found guilty of match fixing in an enquiry. Your career is over.</source>
        <translation>تحقیقات میں آپ میچ فکسنگ کے مجرم پائے گئے ہیں۔ آپ کا کیریئر ختم ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>A bookie offers you Rs. %1 if you play badly. Accept the offer?</source>
        <translation>ایک سٹے باز خراب کھیلنے کے بدلے آپ کو %1 روپے کی پیشکش کر رہا ہے۔ کیا آپ پیشکش قبول کرتے ہیں؟</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>کیا آپ دوبارہ کھیلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>You are awarded Rs.%1 based on your performance.</source>
        <translation>آپ کی کارکردگی کی بنیاد پر آپ کو %1 روپے انعام دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>Overall skill %1, %2 short of the %3 needed.</source>
        <translation>مجموعی مہارت %1، درکار %3 سے %2 کم۔</translation>
    </message>
    <message>
        <source>Fielding %1, %2 short of the %3 needed.</source>
        <translation>فیلڈنگ %1، درکار %3 سے %2 کم۔</translation>
    </message>
    <message>
        <source>Bat worn down to %1; each item of gear must be at least %2.</source>
        <translation>بلا گھس کر %1 رہ گیا؛ کٹ کی ہر چیز کم از کم %2 ہونی چاہیے۔</translation>
    </message>
    <message>
        <source>Gloves worn down to %1; each item of gear must be at least %2.</source>
        <translation>دستانے گھس کر %1 رہ گئے؛ کٹ کی ہر چیز کم از کم %2 ہونی چاہیے۔</translation>
    </message>
    <message>
        <source>Pads worn down to %1; each item of gear must be at least %2.</source>
        <translation>پیڈ گھس کر %1 رہ گئے؛ کٹ کی ہر چیز کم از کم %2 ہونی چاہیے۔</translation>
    </message>
    <message>
        <source>Other gear worn down to %1; each item of gear must be at least %2.</source>
        <translation>دیگر کٹ گھس کر %1 رہ گئی؛ کٹ کی ہر چیز کم از کم %2 ہونی چاہیے۔</translation>
    </message>
    <message>
        <source>Fitness down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>فٹنس گھٹ کر %1 رہ گئی؛ فٹنس، صحت اور اسٹیمنا میں سے ہر ایک کم از کم %2 ہونا چاہیے۔</translation>
    </message>
    <message>
        <source>Health down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>صحت گھٹ کر %1 رہ گئی؛ فٹنس، صحت اور اسٹیمنا میں سے ہر ایک کم از کم %2 ہونا چاہیے۔</translation>
    </message>
    <message>
        <source>Stamina down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>اسٹیمنا گھٹ کر %1 رہ گیا؛ فٹنس، صحت اور اسٹیمنا میں سے ہر ایک کم از کم %2 ہونا چاہیے۔</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <extracomment>A notice of not being selected (%1), then the figure that failed (%2), on a line of its own where the message box has room for it.</extracomment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Overall skill %1: below %2 you will not be selected.</source>
        <translation>مجموعی مہارت %1: %2 سے کم پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Fielding %1: below %2 you will not be selected.</source>
        <translation>فیلڈنگ %1: %2 سے کم پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Bat %1: at %2 you will not be selected.</source>
        <translation>بلا %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Gloves %1: at %2 you will not be selected.</source>
        <translation>دستانے %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Pads %1: at %2 you will not be selected.</source>
        <translation>پیڈ %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Other gear %1: at %2 you will not be selected.</source>
        <translation>دیگر کٹ %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Fitness %1: at %2 you will not be selected.</source>
        <translation>فٹنس %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Health %1: at %2 you will not be selected.</source>
        <translation>صحت %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
    <message>
        <source>Stamina %1: at %2 you will not be selected.</source>
        <translation>اسٹیمنا %1: %2 پر آپ منتخب نہیں ہوں گے۔</translation>
    </message>
</context>
<context>
    <name>PlayOnDialog</name>
    <message>
        <source>Bailcrest: Play On</source>
        <extracomment>The title of the dialog that plays many matches in a run.</extracomment>
        <translation>‏Bailcrest: کھیلتے رہیں</translation>
    </message>
    <message>
        <source>&amp;Matches to play:</source>
        <extracomment>How many matches Play on plays, from 1 to 1,000.</extracomment>
        <translation>کھیلنے کے میچ (&amp;M):</translation>
    </message>
    <message>
        <source>Stop early</source>
        <extracomment>The choices of where a run of matches stops before it has played them all.</extracomment>
        <translation>درمیان میں رکیں</translation>
    </message>
    <message>
        <source>&amp;Before a drop, when a figure on the main screen is marked</source>
        <translation>ڈراپ سے پہلے، جب مرکزی اسکرین پر کوئی عدد نشان زد ہو (&amp;B)</translation>
    </message>
    <message>
        <source>At a &amp;promotion</source>
        <translation>ترقی پر (&amp;P)</translation>
    </message>
    <message>
        <source>At &amp;World Cup selection</source>
        <translation>ورلڈ کپ کے انتخاب پر (&amp;W)</translation>
    </message>
    <message>
        <source>At an &amp;award</source>
        <translation>انعام پر (&amp;A)</translation>
    </message>
    <message>
        <source>When</source>
        <extracomment>Followed by a list of gear and body items and a value: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>جب</translation>
    </message>
    <message>
        <source>Condition to watch</source>
        <extracomment>The accessible name of the list of gear and body items a run watches.</extracomment>
        <translation>جس حالت پر نظر رکھنی ہے</translation>
    </message>
    <message>
        <source>falls to</source>
        <extracomment>Between the gear or body item and the value it falls to: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>گر کر</translation>
    </message>
    <message>
        <source>Value to stop at</source>
        <extracomment>The accessible name of the value at which a run stops for the item watched.</extracomment>
        <translation>رکنے کی قدر</translation>
    </message>
    <message>
        <source>With none chosen, Play on stops only at a question or at the end of the career.</source>
        <extracomment>Said below the choices: with none of them chosen, the run stops only at a question.</extracomment>
        <translation>کچھ نہ چننے پر ”کھیلتے رہیں“ صرف کسی سوال پر یا کیریئر کے اختتام پر رکتا ہے۔</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>The button that starts the run of matches.</extracomment>
        <translation>کھیلتے رہیں (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>منسوخ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PlayOnNewsScreen</name>
    <message>
        <source>Match %1: %2</source>
        <extracomment>One line of the news of a run of matches: the match of the run (%1) and what happened (%2).</extracomment>
        <translation>میچ %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</source>
        <extracomment>The summary of a run of matches; %4 is the level played at (Club, City, ...).</extracomment>
        <translation>
            <numerusform>‏%Ln میچ: %1 رنز، %2 وکٹیں، %3 روپے کی کمائی، %4 سطح پر۔</numerusform>
            <numerusform>‏%Ln میچ: %1 رنز، %2 وکٹیں، %3 روپے کی کمائی، %4 سطح پر۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</source>
        <extracomment>The summary of a run of matches that moved the player from level %4 to level %5.</extracomment>
        <translation>
            <numerusform>‏%Ln میچ: %1 رنز، %2 وکٹیں، %3 روپے کی کمائی، %4 سطح سے %5 سطح تک۔</numerusform>
            <numerusform>‏%Ln میچ: %1 رنز، %2 وکٹیں، %3 روپے کی کمائی، %4 سطح سے %5 سطح تک۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Every match asked for was played.</source>
        <translation>کہے گئے تمام میچ کھیلے گئے۔</translation>
    </message>
    <message>
        <source>Stopped before a drop. %1</source>
        <extracomment>%1 says which figure could drop the player: &quot;Stamina 2: at 0 you will not be selected.&quot;</extracomment>
        <translation>ڈراپ سے پہلے روکا گیا۔ %1</translation>
    </message>
    <message>
        <source>Stopped at a promotion.</source>
        <translation>ترقی پر روکا گیا۔</translation>
    </message>
    <message>
        <source>Stopped at World Cup selection.</source>
        <translation>ورلڈ کپ کے انتخاب پر روکا گیا۔</translation>
    </message>
    <message>
        <source>Stopped at an award.</source>
        <translation>انعام پر روکا گیا۔</translation>
    </message>
    <message>
        <source>Stopped: the condition watched fell to %1.</source>
        <translation>روکا گیا: زیر نظر حالت گر کر %1 ہو گئی۔</translation>
    </message>
    <message>
        <source>Stopped at the bookie&apos;s offer.</source>
        <translation>سٹے باز کی پیشکش پر روکا گیا۔</translation>
    </message>
    <message>
        <source>Stopped: the career is over.</source>
        <translation>روکا گیا: کیریئر ختم ہو گیا۔</translation>
    </message>
    <message>
        <source>Stopped by you.</source>
        <translation>آپ نے روکا۔</translation>
    </message>
    <message>
        <source>Bailcrest: What Happened</source>
        <translation>‏Bailcrest: کیا ہوا</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>The accessible name of the list of what happened in a run of matches.</extracomment>
        <translation>کیا ہوا</translation>
    </message>
    <message>
        <source>Nothing else to tell.</source>
        <translation>بتانے کو اور کچھ نہیں۔</translation>
    </message>
</context>
<context>
    <name>PlayerScreen</name>
    <message>
        <source>Bailcrest: Player Properties</source>
        <translation>‏Bailcrest: کھلاڑی کی تفصیل</translation>
    </message>
    <message>
        <source>PLAYER DETAILS</source>
        <translation>کھلاڑی کا تعارف</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>شہر:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>صوبہ:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>ملک:</translation>
    </message>
    <message>
        <source>INITIAL SKILLS</source>
        <translation>ابتدائی مہارتیں</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>بیٹنگ:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>بولنگ:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>فیلڈنگ:</translation>
    </message>
    <message>
        <source>Player Overall Skills:</source>
        <translation>کھلاڑی کی مجموعی مہارت:</translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation>خودکار محفوظ کاری</translation>
    </message>
    <message>
        <source>Check this box to automatically save the game after every match.</source>
        <translation>ہر میچ کے بعد گیم خود بخود محفوظ کرنے کے لیے یہ خانہ چنیں۔</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>باہر نکلیں</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>لوڈ کریں</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع کریں</translation>
    </message>
    <message>
        <source>Please fill in the player details properly.</source>
        <translation>براہ کرم کھلاڑی کی تفصیل ٹھیک سے بھریں۔</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <extracomment>Opens the hall of fame, the best careers ever played.</extracomment>
        <translation>ہال آف فیم</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <extracomment>Told under &quot;Please fill in the player details properly.&quot; when the field is empty.</extracomment>
        <translation>نام خالی ہے۔</translation>
    </message>
    <message>
        <source>The city is empty.</source>
        <translation>شہر خالی ہے۔</translation>
    </message>
    <message>
        <source>The state is empty.</source>
        <translation>صوبہ خالی ہے۔</translation>
    </message>
    <message>
        <source>The country is empty.</source>
        <translation>ملک خالی ہے۔</translation>
    </message>
    <message>
        <source>%1: %2; %3: %4</source>
        <extracomment>What a screen reader says as a starting-skill bar moves: %1 the skill (&quot;Batting&quot;), %2 its value, %3 &quot;Player Overall Skills&quot;, %4 that value.</extracomment>
        <translation>‏%1: %2؛ %3: %4</translation>
    </message>
</context>
<context>
    <name>PurchaseScreen</name>
    <message>
        <source>%1 units</source>
        <extracomment>A screen reader&apos;s name for the box of units chosen; %1 is the row&apos;s name (&quot;Batting&quot;, &quot;Bat&quot;, &quot;Fitness&quot;).</extracomment>
        <translation>‏%1 یونٹ</translation>
    </message>
    <message>
        <source>Bailcrest: Training Centre</source>
        <translation>‏Bailcrest: تربیتی مرکز</translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation>تربیتی مرکز کی شرحیں</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation>آپ کتنے یونٹ بڑھانا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>دستیاب یونٹ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ٹھیک ہے (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>منسوخ (&amp;C)</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>بیٹنگ:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>بولنگ:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>فیلڈنگ:</translation>
    </message>
    <message>
        <source>Bailcrest: Cricket Store</source>
        <translation>‏Bailcrest: کرکٹ کی دکان</translation>
    </message>
    <message>
        <source>CRICKET GEAR STORE</source>
        <translation>کرکٹ کٹ کی دکان</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation>آپ کتنے یونٹ خریدنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Required Units</source>
        <translation>مطلوبہ یونٹ</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>بلا:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>دستانے:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>پیڈ:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>دیگر:</translation>
    </message>
    <message>
        <source>Bailcrest: Health Care</source>
        <translation>‏Bailcrest: صحت کی نگہداشت</translation>
    </message>
    <message>
        <source>HEALTH CARE CENTRE</source>
        <translation>صحت کی نگہداشت کا مرکز</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>فٹنس:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>صحت:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>اسٹیمنا:</translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation>تفصیل</translation>
    </message>
    <message>
        <source>Rate (Rs.)</source>
        <translation>شرح (روپے)</translation>
    </message>
    <message>
        <source>Amount (Rs.)</source>
        <translation>رقم (روپے)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says a rate-card figure is: %1 is the row (&quot;Batting&quot;), %2 the column (&quot;Rate (Rs.)&quot;).</extracomment>
        <translation>‏%1، %2</translation>
    </message>
    <message>
        <source>Balance before purchase (Rs.):</source>
        <translation>خریداری سے پہلے بیلنس (روپے):</translation>
    </message>
    <message>
        <source>Balance after purchase (Rs.):</source>
        <translation>خریداری کے بعد بیلنس (روپے):</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy the units.</source>
        <translation>یہ یونٹ خریدنے کے لیے آپ کے پاس کافی پیسے نہیں ہیں۔</translation>
    </message>
    <message>
        <source>The most units the balance pays for: %1.</source>
        <extracomment>Below the balance after purchase, when the units proposed at opening cost more than the balance.</extracomment>
        <translation>بیلنس سے زیادہ سے زیادہ اتنے یونٹ کی ادائیگی ہو سکتی ہے: %1۔</translation>
    </message>
    <message numerus="yes">
        <source>%Ln unit(s); %1: %2</source>
        <extracomment>What a screen reader says as a units bar moves: %Ln the units chosen, %1 the caption &quot;Balance after purchase (Rs.)&quot;, %2 that balance.</extracomment>
        <translation>
            <numerusform>‏%Ln یونٹ؛ %1: %2</numerusform>
            <numerusform>‏%Ln یونٹ؛ %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.</source>
        <extracomment>What a screen reader hears of a rate-card row as the screen opens: %1 the row (&quot;Batting&quot;), %Ln the units offered, %2 the rate and %3 the amount, both in rupees.</extracomment>
        <translation>
            <numerusform>‏%1: %Ln یونٹ، ہر ایک کی شرح %2 (روپے)، کل %3 (روپے)۔</numerusform>
            <numerusform>‏%1: %Ln یونٹ، ہر ایک کی شرح %2 (روپے)، کل %3 (روپے)۔</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A caption and its value, as a screen reader reads them together.</extracomment>
        <translation>‏%1: %2۔</translation>
    </message>
</context>
<context>
    <name>RecordsScreen</name>
    <message>
        <source>Bailcrest: Record Book</source>
        <translation>‏Bailcrest: ریکارڈ بک</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>کھلاڑی</translation>
    </message>
    <message>
        <source>CAREER RECORDS AND STATS</source>
        <translation>کیریئر کے ریکارڈ اور اعداد و شمار</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>کلب</translation>
    </message>
    <message>
        <source>City</source>
        <translation>شہر</translation>
    </message>
    <message>
        <source>State</source>
        <translation>صوبائی</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ملک</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>کھیلے گئے میچ:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>بنائے گئے رنز:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>لی گئی وکٹیں:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>پکڑے گئے کیچ:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>سب سے بڑا اسکور:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>بیٹنگ اوسط:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>نصف سنچریاں:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>سنچریاں:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>سب سے زیادہ وکٹیں:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>پانچ وکٹیں:</translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation>سطح/ٹیم:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the record book as a screen reader reads it: %1 its caption (&quot;Runs Scored&quot;), %2 the figure.</extracomment>
        <translation>‏%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A level of the record book as a screen reader reads it: %1 the level&apos;s heading (&quot;Club&quot;), %2 its figures one after another.</extracomment>
        <translation>‏%1: %2۔</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>SaveClaim</name>
    <message numerus="yes">
        <source>The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career there would replace it.

Replace it? Yes keeps that career aside under a name of its own in the same folder and saves this one in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <extracomment>%1 is a file, %2 a player&apos;s name, %3 a level (Club, City, State, National).</extracomment>
        <translation>
            <numerusform>فائل %1 میں %2 کا کیریئر ہے، %Ln میچ کے بعد %3 سطح پر۔ یہ کیریئر وہاں محفوظ کرنے سے وہ بدل جائے گا۔

کیا اسے بدل دیں؟ ہاں: وہ کیریئر اسی فولڈر میں اپنے الگ نام سے محفوظ رکھا جائے گا اور یہ کیریئر اس کی جگہ محفوظ ہو گا۔ نہیں: وہ جوں کا توں رہے گا؛ تب یہ کیریئر اس گیم میں خودکار محفوظ کاری کے بغیر چلے گا، یا آپ کسی دوسرے نام سے دوبارہ شروع کر سکتے ہیں۔</numerusform>
            <numerusform>فائل %1 میں %2 کا کیریئر ہے، %Ln میچوں کے بعد %3 سطح پر۔ یہ کیریئر وہاں محفوظ کرنے سے وہ بدل جائے گا۔

کیا اسے بدل دیں؟ ہاں: وہ کیریئر اسی فولڈر میں اپنے الگ نام سے محفوظ رکھا جائے گا اور یہ کیریئر اس کی جگہ محفوظ ہو گا۔ نہیں: وہ جوں کا توں رہے گا؛ تب یہ کیریئر اس گیم میں خودکار محفوظ کاری کے بغیر چلے گا، یا آپ کسی دوسرے نام سے دوبارہ شروع کر سکتے ہیں۔</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation>فائل %1 اس کیریئر کی محفوظ فائل نہیں ہے۔ یہ کیریئر وہاں محفوظ کرنے سے وہ بدل جائے گی۔

کیا اسے بدل دیں؟ ہاں: وہ فائل اسی فولڈر میں اپنے الگ نام سے محفوظ رکھی جائے گی اور یہ کیریئر اس کی جگہ محفوظ ہو گا۔ نہیں: وہ جوں کی توں رہے گی؛ تب یہ کیریئر اس گیم میں خودکار محفوظ کاری کے بغیر چلے گا، یا آپ کسی دوسرے نام سے دوبارہ شروع کر سکتے ہیں۔</translation>
    </message>
    <message>
        <source>The career saved as %1 was last opened by the game on the computer %2, which may still be playing it: this folder cannot tell.

Take the career over on this computer? Yes saves it here from now on, and what the other computer saves after that is lost. No plays it here without saving.</source>
        <extracomment>%1 is a save file, %2 the name of another computer.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر پچھلی بار کمپیوٹر %2 پر گیم میں کھولا گیا تھا، جو شاید اب بھی اسے کھیل رہا ہے: یہ فولڈر یہ نہیں بتا سکتا۔

کیا کیریئر اس کمپیوٹر پر لے لیں؟ ہاں: اب سے یہ یہاں محفوظ ہو گا، اور اس کے بعد دوسرا کمپیوٹر جو کچھ محفوظ کرے گا وہ ضائع ہو جائے گا۔ نہیں: یہ یہاں محفوظ کیے بغیر کھیلا جائے گا۔</translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game, which holds its lock %2. This copy plays it without saving, so that nothing the other copy saves is lost. To save it here, close the other copy and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر گیم کی ایک دوسری کاپی میں کھلا ہے، جس کے پاس اس کا لاک %2 ہے۔ یہ کاپی اسے محفوظ کیے بغیر کھیلے گی، تاکہ دوسری کاپی جو کچھ محفوظ کرے وہ ضائع نہ ہو۔ اسے یہاں محفوظ کرنے کے لیے دوسری کاپی بند کریں اور کیریئر دوبارہ لوڈ کریں۔</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: %2 is not an ordinary file, and the game never opens it. This copy plays the career without saving. To save it, remove or rename %2 and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر گیم کی اس کاپی کے لیے لاک نہیں کیا جا سکتا: %2 عام فائل نہیں ہے، اور گیم اسے کبھی نہیں کھولتا۔ یہ کاپی کیریئر کو محفوظ کیے بغیر کھیلے گی۔ اسے محفوظ کرنے کے لیے %2 کو ہٹائیں یا اس کا نام بدلیں اور کیریئر دوبارہ لوڈ کریں۔</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the lock %2 could not be made (%3). This copy plays the career without saving, so that it never overwrites what another copy saves. To save it, make room on the disk or let the folder be written to, and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 the system&apos;s reason.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر گیم کی اس کاپی کے لیے لاک نہیں کیا جا سکتا: لاک %2 نہیں بن سکا (%3)۔ یہ کاپی کیریئر کو محفوظ کیے بغیر کھیلے گی، تاکہ یہ کسی دوسری کاپی کا محفوظ کیا ہوا کبھی نہ مٹائے۔ اسے محفوظ کرنے کے لیے ڈسک پر جگہ بنائیں یا فولڈر میں لکھنے کی اجازت دیں، اور کیریئر دوبارہ لوڈ کریں۔</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open in another copy of the game.</source>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: یہ گیم کی ایک دوسری کاپی میں کھلا ہے۔</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open on the computer %1.</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: یہ کمپیوٹر %1 پر کھلا ہے۔</translation>
    </message>
    <message>
        <source>This career is not being saved: %1 is not an ordinary file.</source>
        <extracomment>%1 is the career&apos;s lock file.</extracomment>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: %1 عام فائل نہیں ہے۔</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock could not be made (%1).</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: اس کا لاک نہیں بن سکا (%1)۔</translation>
    </message>
    <message>
        <source>This career is not being saved: another file is kept where it would save.</source>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: جہاں یہ محفوظ ہوتا، وہاں ایک دوسری فائل رکھی ہے۔</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the name of its lock %2 is longer than the folder allows. This copy plays the career without saving. To save it, give the save a shorter name and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر گیم کی اس کاپی کے لیے لاک نہیں کیا جا سکتا: اس کے لاک %2 کا نام فولڈر کی اجازت سے لمبا ہے۔ یہ کاپی کیریئر کو محفوظ کیے بغیر کھیلے گی۔ اسے محفوظ کرنے کے لیے محفوظ فائل کو چھوٹا نام دیں، اور کیریئر دوبارہ لوڈ کریں۔</translation>
    </message>
    <message>
        <source>This career is not being saved: the name of its lock is too long.</source>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: اس کے لاک کا نام بہت لمبا ہے۔</translation>
    </message>
    <message>
        <source>The career saved as %1 is locked by %2, which names process %3 of this computer. That process is now the program %4, not this game: the number was most likely given to it after the game that locked the career had ended.

Take the career over? Yes saves it here from now on. No plays it here without saving; say No if %4 is a copy of this game under another name.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 a process number, %4 the name of the program that process runs.</extracomment>
        <translation>‏%1 کے طور پر محفوظ کیریئر %2 سے لاک ہے، جو اس کمپیوٹر کے پروسیس %3 کا نام لیتا ہے۔ وہ پروسیس پروگرام %4 چلا رہا ہے، یہ گیم نہیں: یہ نمبر غالباً کیریئر لاک کرنے والے گیم کے بند ہونے کے بعد اسے ملا۔

کیا کیریئر لے لیں؟ ہاں: اب سے یہ یہاں محفوظ ہو گا۔ نہیں: یہ یہاں محفوظ کیے بغیر کھیلا جائے گا؛ اگر %4 کسی اور نام سے اسی گیم کی کاپی ہے تو نہیں چنیں۔</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock names a process of the program %1.</source>
        <extracomment>%1 is the name of a program that is not the game.</extracomment>
        <translation>یہ کیریئر محفوظ نہیں ہو رہا: اس کا لاک پروگرام %1 کے ایک پروسیس کا نام لیتا ہے۔</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is a link to another file, and the game writes only files of its own in its Saves folder</source>
        <translation>یہ کسی دوسری فائل کا لنک ہے، اور گیم اپنے Saves فولڈر میں صرف اپنی فائلیں لکھتا ہے</translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation>یہ عام فائل نہیں ہے، اور گیم صرف عام فائلیں لکھتا ہے</translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation>یہ گیم وہاں کیریئر محفوظ نہیں کرتا</translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation>وہاں دوسری فائل ہے، جسے گیم پوچھے بغیر نہیں بدلتا</translation>
    </message>
    <message>
        <source>header</source>
        <translation>سرخی کی سطر</translation>
    </message>
    <message>
        <source>player name</source>
        <translation>کھلاڑی کا نام</translation>
    </message>
    <message>
        <source>city team</source>
        <translation>شہر کی ٹیم</translation>
    </message>
    <message>
        <source>state team</source>
        <translation>صوبائی ٹیم</translation>
    </message>
    <message>
        <source>national team</source>
        <translation>قومی ٹیم</translation>
    </message>
    <message>
        <source>batting skill</source>
        <translation>بیٹنگ کی مہارت</translation>
    </message>
    <message>
        <source>bowling skill</source>
        <translation>بولنگ کی مہارت</translation>
    </message>
    <message>
        <source>fielding skill</source>
        <translation>فیلڈنگ کی مہارت</translation>
    </message>
    <message>
        <source>starting batting skill</source>
        <translation>ابتدائی بیٹنگ کی مہارت</translation>
    </message>
    <message>
        <source>starting bowling skill</source>
        <translation>ابتدائی بولنگ کی مہارت</translation>
    </message>
    <message>
        <source>starting fielding skill</source>
        <translation>ابتدائی فیلڈنگ کی مہارت</translation>
    </message>
    <message>
        <source>auto-save flag</source>
        <translation>خودکار محفوظ کاری کا نشان</translation>
    </message>
    <message>
        <source>club team</source>
        <translation>کلب کی ٹیم</translation>
    </message>
    <message>
        <source>current team</source>
        <translation>موجودہ ٹیم</translation>
    </message>
    <message>
        <source>category</source>
        <translation>زمرہ</translation>
    </message>
    <message>
        <source>sponsor</source>
        <translation>اسپانسر</translation>
    </message>
    <message>
        <source>match fee</source>
        <translation>میچ فیس</translation>
    </message>
    <message>
        <source>sponsorship</source>
        <translation>اسپانسرشپ</translation>
    </message>
    <message>
        <source>other incomes</source>
        <translation>دیگر آمدنی</translation>
    </message>
    <message>
        <source>bank balance</source>
        <translation>بینک بیلنس</translation>
    </message>
    <message>
        <source>bat condition</source>
        <translation>بلے کی حالت</translation>
    </message>
    <message>
        <source>gloves condition</source>
        <translation>دستانوں کی حالت</translation>
    </message>
    <message>
        <source>pads condition</source>
        <translation>پیڈ کی حالت</translation>
    </message>
    <message>
        <source>other accessories condition</source>
        <translation>دیگر کٹ کی حالت</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>فٹنس</translation>
    </message>
    <message>
        <source>health</source>
        <translation>صحت</translation>
    </message>
    <message>
        <source>stamina</source>
        <translation>اسٹیمنا</translation>
    </message>
    <message>
        <source>%1 matches played</source>
        <extracomment>A line of the save file&apos;s record book; %1 is the level&apos;s name (Club, City, State or National), as the record book heads its column.</extracomment>
        <translation>‏%1 سطح پر کھیلے گئے میچ</translation>
    </message>
    <message>
        <source>%1 runs scored</source>
        <translation>‏%1 سطح پر بنائے گئے رنز</translation>
    </message>
    <message>
        <source>%1 wickets taken</source>
        <translation>‏%1 سطح پر لی گئی وکٹیں</translation>
    </message>
    <message>
        <source>%1 catches held</source>
        <translation>‏%1 سطح پر پکڑے گئے کیچ</translation>
    </message>
    <message>
        <source>%1 highest score</source>
        <translation>‏%1 سطح پر سب سے بڑا اسکور</translation>
    </message>
    <message>
        <source>%1 batting average</source>
        <translation>‏%1 سطح پر بیٹنگ اوسط</translation>
    </message>
    <message>
        <source>%1 50s</source>
        <translation>‏%1 سطح پر نصف سنچریاں</translation>
    </message>
    <message>
        <source>%1 100s</source>
        <translation>‏%1 سطح پر سنچریاں</translation>
    </message>
    <message>
        <source>%1 most wickets</source>
        <translation>‏%1 سطح پر سب سے زیادہ وکٹیں</translation>
    </message>
    <message>
        <source>%1 5 wickets</source>
        <translation>‏%1 سطح پر پانچ وکٹیں</translation>
    </message>
    <message>
        <source>level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <source>line %1 (%2) is empty, but must hold a number</source>
        <translation>سطر %1 (%2) خالی ہے، جبکہ اس میں کوئی عدد ہونا چاہیے</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is not a number</source>
        <translation>سطر %1 (%2) میں %3 ہے، جو عدد نہیں ہے</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is outside the range %4 to %5</source>
        <translation>سطر %1 (%2) میں %3 ہے، جو %4 سے %5 کی حد سے باہر ہے</translation>
    </message>
    <message>
        <source>line %1 (%2) is not the header</source>
        <translation>سطر %1 (%2) سرخی کی سطر نہیں ہے</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be 0 or 1</source>
        <translation>سطر %1 (%2) میں %3 ہے، جبکہ اسے 0 یا 1 ہونا چاہیے</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be Club, City, State or National</source>
        <extracomment>Club, City, State and National are the words the save file holds whatever the language: keep them in English.</extracomment>
        <translation>سطر %1 (%2) میں %3 ہے، جبکہ اسے Club، City، State یا National ہونا چاہیے</translation>
    </message>
    <message>
        <source>This save file is damaged and was not loaded: %1.</source>
        <translation>یہ محفوظ فائل خراب ہے اور لوڈ نہیں کی گئی: %1۔</translation>
    </message>
    <message>
        <source>This is not a valid Bailcrest Saves file.</source>
        <translation>یہ Bailcrest کی درست محفوظ فائل نہیں ہے۔</translation>
    </message>
    <message>
        <source>This save file is too large to be loaded: a save file holds at most %1 KiB.</source>
        <translation>یہ محفوظ فائل لوڈ کرنے کے لیے بہت بڑی ہے: ایک محفوظ فائل میں زیادہ سے زیادہ %1 KiB ہوتے ہیں۔</translation>
    </message>
    <message>
        <source>the file would take %1 bytes, but a save file holds at most %2 KiB</source>
        <translation>فائل %1 بائٹ کی ہوتی، مگر ایک محفوظ فائل میں زیادہ سے زیادہ %2 KiB ہوتے ہیں</translation>
    </message>
    <message>
        <source>line %1 (%2) holds a line break</source>
        <translation>سطر %1 (%2) میں سطر کا وقفہ ہے</translation>
    </message>
    <message>
        <source>it ends after line %1 of %2</source>
        <translation>یہ %2 میں سے سطر %1 کے بعد ختم ہو جاتی ہے</translation>
    </message>
    <message>
        <source>This save file could not be read: %1.</source>
        <translation>یہ محفوظ فائل پڑھی نہیں جا سکی: %1۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file</source>
        <translation>‏&quot;%1&quot; کسی فائل کا نام نہیں ہو سکتا</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>فولڈر %1 نہیں بنایا جا سکا</translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation>اسے الگ رکھنے کے لیے کوئی خالی نام نہیں ملا</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>یہ کسی دوسری فائل کا لنک ہے</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>یہ عام فائل نہیں ہے</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>یہ اب وہاں نہیں ہے</translation>
    </message>
    <message>
        <source>%1; its history is left set aside as %2: %3</source>
        <translation>‏%1؛ اس کا تاریخچہ %2 نام سے الگ رکھا رہ گیا ہے: %3</translation>
    </message>
    <message>
        <source>no free name was found for it</source>
        <translation>اس کے لیے کوئی خالی نام نہیں ملا</translation>
    </message>
    <message>
        <source>its lock %1 could not be made: %2</source>
        <extracomment>%1 is a file, %2 the reason it could not be made.</extracomment>
        <translation>اس کا لاک %1 نہیں بن سکا: %2</translation>
    </message>
    <message>
        <source>another copy of the game held its lock %1 for too long</source>
        <translation>گیم کی ایک دوسری کاپی نے اس کا لاک %1 بہت دیر تک رکھا</translation>
    </message>
    <message>
        <source>another program kept changing it while it was written</source>
        <translation>لکھے جاتے وقت کوئی دوسرا پروگرام اسے بدلتا رہا</translation>
    </message>
    <message>
        <source>its lock %1 is not an ordinary file</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>اس کا لاک %1 عام فائل نہیں ہے</translation>
    </message>
    <message>
        <source>its name is not text this system can spell back, so the game cannot open it safely; rename it to load it</source>
        <translation>اس کا نام ایسا متن نہیں جسے یہ سسٹم واپس لکھ سکے، اس لیے گیم اسے محفوظ طریقے سے نہیں کھول سکتا؛ لوڈ کرنے کے لیے اس کا نام بدلیں</translation>
    </message>
</context>
<context>
    <name>SaveNotices</name>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation>آپ کا کیریئر %1 کے طور پر محفوظ نہیں ہو سکا: %2۔ پہلے کی محفوظ فائل، اگر کوئی ہے، جوں کی توں ہے۔</translation>
    </message>
    <message>
        <source>The file %1 was not as this game last left it: another program changed it, or it holds what this career cannot use. It is kept unchanged as %2, and your career is saved in its place.</source>
        <extracomment>%1 is a file of the game&apos;s Saves folder, %2 the name it is kept under.</extracomment>
        <translation>فائل %1 ویسی نہیں تھی جیسی اس گیم نے اسے پچھلی بار چھوڑا تھا: کسی دوسرے پروگرام نے اسے بدلا، یا اس میں وہ ہے جو یہ کیریئر استعمال نہیں کر سکتا۔ اسے بغیر بدلے %2 کے طور پر رکھ دیا گیا ہے، اور آپ کا کیریئر اس کی جگہ محفوظ کیا گیا ہے۔</translation>
    </message>
</context>
<context>
    <name>SavedCareersModel</name>
    <message>
        <source>Set aside, ended</source>
        <extracomment>A career&apos;s save kept aside when another career took its file.</extracomment>
        <translation>الگ رکھا گیا، ختم</translation>
    </message>
    <message>
        <source>Set aside</source>
        <translation>الگ رکھا گیا</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a saved career has ended or can be played on.</extracomment>
        <translation>ختم</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>جاری</translation>
    </message>
    <message>
        <source>%1 is not a career the game can load: %2</source>
        <extracomment>Why a file in the Saves folder cannot be loaded: %1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>‏%1 ایسا کیریئر نہیں جسے گیم لوڈ کر سکے: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>کھلاڑی</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>ٹیم</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>میچ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>رنز</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>وکٹیں</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>بینک بیلنس (روپے)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>آخری بار کھیلا</translation>
    </message>
    <message>
        <source>File</source>
        <translation>فائل</translation>
    </message>
    <message>
        <source>Set aside, played on after its end</source>
        <extracomment>A career&apos;s save kept aside when another career took its file, of a career that ended and was loaded and played on.</extracomment>
        <translation>الگ رکھا گیا، ختم ہونے کے بعد بھی جاری</translation>
    </message>
    <message>
        <source>Played on after its end</source>
        <extracomment>A career that ended, then was loaded again and played on.</extracomment>
        <translation>ختم ہونے کے بعد بھی جاری</translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career listed from a Saves folder the game cannot write to.</extracomment>
        <translation>‏%1، صرف پڑھنے کے لیے</translation>
    </message>
</context>
<context>
    <name>ScreenNavigator</name>
    <message>
        <source>Bailcrest: Load Game</source>
        <translation>‏Bailcrest: گیم لوڈ کریں</translation>
    </message>
    <message>
        <source>Bailcrest Saves (%1)</source>
        <extracomment>The Load dialog&apos;s file type. %1 is the file pattern, which Qt reads back from between the parentheses: keep it there, at the end.</extracomment>
        <translation>‏Bailcrest محفوظ فائلیں (%1)</translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message>
        <source>Bailcrest: Sponsorship</source>
        <translation>‏Bailcrest: اسپانسرشپ</translation>
    </message>
    <message>
        <source>SPONSORSHIP OFFERS</source>
        <translation>اسپانسرشپ کی پیشکشیں</translation>
    </message>
    <message>
        <source>Offers (Rs.)</source>
        <translation>پیشکشیں (روپے)</translation>
    </message>
    <message>
        <source>Offer of %1</source>
        <translation>‏%1 کی پیشکش</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Offer (Rs.): %1</source>
        <extracomment>What a screen reader says of a sponsor&apos;s option: %1 the offer in rupees.</extracomment>
        <translation>پیشکش (روپے): %1</translation>
    </message>
    <message>
        <source>%1, %2 (Rs.)</source>
        <extracomment>One offer in the list a screen reader hears as the screen opens: %1 the sponsor, %2 the offer in rupees.</extracomment>
        <translation>‏%1، %2 (روپے)</translation>
    </message>
    <message>
        <source>No sponsor makes you an offer yet.</source>
        <translation>ابھی کوئی اسپانسر آپ کو پیشکش نہیں کرتا۔</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sponsor(s) make you an offer: %1.</source>
        <translation>
            <numerusform>‏%Ln اسپانسر آپ کو پیشکش کرتے ہیں: %1۔</numerusform>
            <numerusform>‏%Ln اسپانسر آپ کو پیشکش کرتے ہیں: %1۔</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Bailcrest speaks English: no font on this computer can write %1. To play in %1, install a font for it, such as those of Debian&apos;s fonts-noto-core.</source>
        <extracomment>Shown in English, as the game has fallen back to it. %1 is the desktop&apos;s language, named in English.</extracomment>
        <translation>‏Bailcrest انگریزی میں ہے: اس کمپیوٹر کا کوئی فونٹ %1 نہیں لکھ سکتا۔ %1 میں کھیلنے کے لیے اس کا کوئی فونٹ انسٹال کریں، جیسے Debian کے fonts-noto-core والے۔</translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and End all of them; Down or Page Down takes them away, Page Down ten at a time, and Home all of them.</source>
        <translation>‏Up یا Page Up یونٹ بڑھاتا ہے، Page Up ایک بار میں دس، اور End سارے؛ Down یا Page Down یونٹ گھٹاتا ہے، Page Down ایک بار میں دس، اور Home سارے۔</translation>
    </message>
</context>
</TS>

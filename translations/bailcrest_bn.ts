<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>AppStream</name>
    <message>
        <source>Take a cricketer from club cricket to the World Cup</source>
        <translation>একজন ক্রিকেটারকে ক্লাব ক্রিকেট থেকে বিশ্বকাপে নিয়ে যান</translation>
    </message>
    <message>
        <source>play in English, Hindi, Urdu, Bengali or Tamil: the game speaks the desktop&apos;s language</source>
        <translation>ইংরেজি, হিন্দি, উর্দু, বাংলা বা তামিলে খেলুন: গেমটি ডেস্কটপের ভাষায় চলে</translation>
    </message>
    <message>
        <source>The main screen: a career&apos;s skills, statistics, money, gear and health</source>
        <translation>প্রধান স্ক্রিন: কেরিয়ারের দক্ষতা, পরিসংখ্যান, টাকা, সরঞ্জাম আর স্বাস্থ্য</translation>
    </message>
    <message>
        <source>A match: the runs, wickets and catches drawn from the player&apos;s skills</source>
        <translation>একটি ম্যাচ: খেলোয়াড়ের দক্ষতা থেকে আসা রান, উইকেট আর ক্যাচ</translation>
    </message>
    <message>
        <source>The History window: charts, seasons, milestones and every match</source>
        <translation>ইতিহাস উইন্ডো: চার্ট, মরসুম, মাইলফলক আর প্রতিটি ম্যাচ</translation>
    </message>
    <message>
        <source>The hall of fame of the best careers</source>
        <translation>সেরা কেরিয়ারগুলোর হল অফ ফেম</translation>
    </message>
    <message>
        <source>Bailcrest is a single-player cricket-career game. You create a cricketer, with a name, a home city, state and country and three starting skills, and guide the career one match at a time, from a club team through the city and state sides to the national team and the World Cup.</source>
        <translation>Bailcrest একজন খেলোয়াড়ের ক্রিকেট কেরিয়ারের গেম। আপনি একজন ক্রিকেটার তৈরি করেন, তার নাম, শহর, রাজ্য ও দেশ আর তিনটি শুরুর দক্ষতা বেছে নেন, আর এক-একটি ম্যাচ খেলে তার কেরিয়ার এগিয়ে নিয়ে যান: ক্লাবের দল থেকে শহর ও রাজ্যের দল হয়ে জাতীয় দল আর বিশ্বকাপ পর্যন্ত।</translation>
    </message>
    <message>
        <source>Each match draws your runs, wickets and catches from your batting, bowling and fielding, and from the condition of your gear and of your body. Raise your skills far enough and you are promoted; let them, your fitness or your bat run down and you are dropped a level, and a club player who is dropped ends his career. Now and then a bookie offers money to play badly: take it, and an enquiry may end the career on the spot.</source>
        <translation>প্রতিটি ম্যাচে আপনার রান, উইকেট আর ক্যাচ আসে আপনার ব্যাটিং, বোলিং ও ফিল্ডিং থেকে, আর আপনার সরঞ্জাম ও শরীরের অবস্থা থেকে। দক্ষতা যথেষ্ট বাড়ালে পদোন্নতি হয়; দক্ষতা, ফিটনেস বা ব্যাট দুর্বল হয়ে পড়লে আপনি এক স্তর নিচে বাদ পড়েন, আর ক্লাব থেকে বাদ পড়া খেলোয়াড়ের কেরিয়ার সেখানেই শেষ। মাঝে মাঝে কোনো জুয়াড়ি খারাপ খেলার জন্য টাকার প্রস্তাব দেয়: নিলে, তদন্তে কেরিয়ার তখনই শেষ হয়ে যেতে পারে।</translation>
    </message>
    <message>
        <source>Between matches you manage the career:</source>
        <translation>ম্যাচের ফাঁকে আপনি কেরিয়ার সামলান:</translation>
    </message>
    <message>
        <source>spend your match fees and sponsorship on training, on a new bat, gloves and pads, and on fitness, health and stamina</source>
        <translation>ম্যাচ ফি আর স্পনসরশিপের আয় প্রশিক্ষণে, নতুন ব্যাট, গ্লাভস ও প্যাডে, আর ফিটনেস, স্বাস্থ্য ও স্ট্যামিনায় খরচ করুন</translation>
    </message>
    <message>
        <source>choose a sponsor among the offers your skill has earned</source>
        <translation>আপনার দক্ষতায় পাওয়া প্রস্তাবগুলোর মধ্যে একজন স্পনসর বেছে নিন</translation>
    </message>
    <message>
        <source>keep a record book of matches, runs, wickets, catches, averages and best figures for every level</source>
        <translation>প্রতিটি স্তরের ম্যাচ, রান, উইকেট, ক্যাচ, গড় আর সেরা পরিসংখ্যানের রেকর্ড বুক রাখুন</translation>
    </message>
    <message>
        <source>save the career automatically after every match and load it again later</source>
        <translation>প্রতিটি ম্যাচের পরে কেরিয়ার আপনা থেকে সেভ করুন আর পরে আবার লোড করুন</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>Bats, pads and gloves for every level</source>
        <extracomment>The line under &quot;Example Sports&quot; on the credits&apos; left banner, an advertisement for cricket gear. Drawn in 10-point type on a banner 215 pixels wide: keep it as short as English.</extracomment>
        <translation>প্রতিটি স্তরের জন্য ব্যাট, প্যাড আর গ্লাভস</translation>
    </message>
    <message>
        <source>Follow your team to every ground</source>
        <translation>আপনার দলের সঙ্গে প্রতিটি মাঠে</translation>
    </message>
</context>
<context>
    <name>CareerCard</name>
    <message>
        <source>%1 for %2 (%3), match %4</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), match 12&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 the match.</extracomment>
        <translation>%2 (%3)-এর হয়ে %1, ম্যাচ %4</translation>
    </message>
    <message>
        <source>%1 for %2 (%3), matches %4 to %5</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), matches 12 to 80&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 and %5 the first and last match.</extracomment>
        <translation>%2 (%3)-এর হয়ে %1, ম্যাচ %4 থেকে %5</translation>
    </message>
    <message>
        <source>Dropped from club cricket.</source>
        <translation>ক্লাব ক্রিকেট থেকে বাদ পড়েছেন।</translation>
    </message>
    <message>
        <source>Caught by the enquiry into the bookie&apos;s money.</source>
        <translation>জুয়াড়ির টাকার তদন্তে ধরা পড়েছেন।</translation>
    </message>
    <message>
        <source>Still playing.</source>
        <extracomment>How the career ended: it has not, the player plays on.</extracomment>
        <translation>এখনও খেলছেন।</translation>
    </message>
    <message>
        <source>CAREER</source>
        <extracomment>Heading of the card that sums up a whole career.</extracomment>
        <translation>কেরিয়ার</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>খেলোয়াড়:</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>সর্বোচ্চ স্তর:</translation>
    </message>
    <message>
        <source>Levels reached:</source>
        <translation>পৌঁছানো স্তর:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>ম্যাচ:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>রান:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>উইকেট:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>ক্যাচ:</translation>
    </message>
    <message>
        <source>Highest score:</source>
        <translation>সর্বোচ্চ স্কোর:</translation>
    </message>
    <message>
        <source>Best bowling:</source>
        <extracomment>The most wickets the player took in one match.</extracomment>
        <translation>সেরা বোলিং:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>অর্ধশতরান:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>শতরান:</translation>
    </message>
    <message>
        <source>5 wickets:</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>পাঁচ উইকেট:</translation>
    </message>
    <message>
        <source>Peak overall skill:</source>
        <extracomment>The highest overall skill the player ever had.</extracomment>
        <translation>সর্বোচ্চ সামগ্রিক দক্ষতা:</translation>
    </message>
    <message>
        <source>Money earned (Rs.):</source>
        <extracomment>Match fees, sponsorship and awards earned over the career, in rupees.</extracomment>
        <translation>উপার্জন (টাকা):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>ব্যাংক ব্যালান্স (টাকা):</translation>
    </message>
    <message>
        <source>Most runs in a stay:</source>
        <extracomment>A stay: the matches played at one level, from arriving there to leaving.</extracomment>
        <translation>এক পর্বে সর্বাধিক রান:</translation>
    </message>
    <message>
        <source>Best stay (runs a match):</source>
        <translation>সেরা পর্ব (ম্যাচপ্রতি রান):</translation>
    </message>
    <message>
        <source>Longest stay (matches):</source>
        <translation>দীর্ঘতম পর্ব (ম্যাচ):</translation>
    </message>
    <message>
        <source>How it ended:</source>
        <extracomment>How the career came to its end.</extracomment>
        <translation>কীভাবে শেষ হল:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>স্তর</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>দল</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>ক্যাচ</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>উপার্জন (টাকা)</translation>
    </message>
    <message>
        <source>Levels and teams</source>
        <extracomment>The table of the career&apos;s figures at each level and with each team.</extracomment>
        <translation>স্তর ও দল</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two levels the career reached: &quot;Club, City, State&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>None yet</source>
        <extracomment>Shown for a stay when the career has no history to find it in.</extracomment>
        <translation>এখনও নেই</translation>
    </message>
    <message>
        <source>Stays, teams and money earned count from match %1, where the history begins.</source>
        <translation>পর্ব, দল আর উপার্জন গোনা হয়েছে ম্যাচ %1 থেকে, যেখান থেকে ইতিহাস শুরু।</translation>
    </message>
    <message>
        <source>All teams</source>
        <extracomment>In the career card&apos;s table: a level&apos;s figures with every team there.</extracomment>
        <translation>সব দল</translation>
    </message>
    <message>
        <source>%1. Shows match %2, where the stay began, in the table of matches.</source>
        <extracomment>What pressing a stay on the career card does, for a screen reader. %1 names the stay (&quot;Longest stay (matches)&quot;), %2 is the stay&apos;s first match.</extracomment>
        <translation>%1। ম্যাচের তালিকায় ম্যাচ %2 দেখায়, যেখান থেকে এই পর্ব শুরু হয়েছিল।</translation>
    </message>
    <message>
        <source>%1. Shows match %2 in the table of matches.</source>
        <extracomment>What pressing a high on the career card does, for a screen reader. %1 names the high (&quot;Highest score&quot;), %2 is the match it was made in.</extracomment>
        <translation>%1। ম্যাচের তালিকায় ম্যাচ %2 দেখায়।</translation>
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
        <translation>খুঁজুন (&amp;F):</translation>
    </message>
    <message>
        <source>Name, team, level or file</source>
        <extracomment>In the Load list&apos;s find field, before anything is typed.</extracomment>
        <translation>নাম, দল, স্তর বা ফাইল</translation>
    </message>
    <message>
        <source>Saved careers</source>
        <extracomment>The Load list&apos;s table, as a screen reader names it.</extracomment>
        <translation>সেভ করা কেরিয়ার</translation>
    </message>
    <message>
        <source>No career is saved in %1 yet. Browse… finds a save elsewhere.</source>
        <translation>%1-এ এখনও কোনো কেরিয়ার সেভ করা নেই। ‘ব্রাউজ…’ দিয়ে অন্য কোথাও রাখা সেভ খুঁজে নেওয়া যায়।</translation>
    </message>
    <message>
        <source>Careers saved in %1.</source>
        <extracomment>%1 is the folder the Load list shows.</extracomment>
        <translation>%1-এ সেভ করা কেরিয়ার।</translation>
    </message>
    <message>
        <source>Browse…</source>
        <extracomment>Opens the file dialog to load a save from another folder.</extracomment>
        <translation>ব্রাউজ…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Loads the career chosen in the list.</extracomment>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>The careers of %1 are listed too, marked read-only: the game cannot write there, so new saves go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1-এর কেরিয়ারগুলোও তালিকায় আছে, শুধু পড়ার জন্য বলে চিহ্নিত: গেম সেখানে লিখতে পারে না, তাই নতুন সেভ %2-এ যায়।</translation>
    </message>
</context>
<context>
    <name>CareerSummaryScreen</name>
    <message>
        <source>Bailcrest: Career Summary</source>
        <translation>Bailcrest: কেরিয়ারের সারসংক্ষেপ</translation>
    </message>
    <message>
        <source>The career of %1 is over.</source>
        <extracomment>Heading of the window shown when a career ends; %1 is the player&apos;s name.</extracomment>
        <translation>%1-এর কেরিয়ার শেষ হয়েছে।</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <extracomment>Saves the career card as a picture (PNG) beside the save.</extracomment>
        <translation>ছবি সেভ করুন</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Opens the career&apos;s History window.</extracomment>
        <translation>ইতিহাস</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Closes the summary; the game then asks whether to play again.</extracomment>
        <translation>চালিয়ে যান</translation>
    </message>
    <message>
        <source>The picture %1 could not be saved: %2.</source>
        <extracomment>%1 is a file, %2 the reason it could not be written.</extracomment>
        <translation>%1 ছবিটি সেভ করা গেল না: %2।</translation>
    </message>
    <message>
        <source>The career card is saved as %1.</source>
        <translation>কেরিয়ার কার্ড %1 হিসেবে সেভ করা হয়েছে।</translation>
    </message>
    <message>
        <source>The career card is saved as %1. The picture that was there is kept as %2.</source>
        <extracomment>%1 is the picture saved, %2 the file the picture found there is kept as.</extracomment>
        <translation>কেরিয়ার কার্ড %1 হিসেবে সেভ করা হয়েছে। সেখানে আগে যে ছবিটি ছিল, সেটি %2 হিসেবে রেখে দেওয়া হয়েছে।</translation>
    </message>
    <message>
        <source>This career has no save file of its own here, so its card is saved under a name of its own, as %1.</source>
        <translation>এখানে এই কেরিয়ারের নিজের কোনো সেভ ফাইল নেই, তাই এর কার্ড আলাদা একটি নামে, %1 হিসেবে, সেভ করা হয়েছে।</translation>
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
        <translation>অলরাউন্ডার</translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation>ব্যাটসম্যান</translation>
    </message>
    <message>
        <source>Bowler</source>
        <translation>বোলার</translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>Five Star</source>
        <translation>ফাইভ স্টার</translation>
    </message>
    <message>
        <source>Rising Sun</source>
        <translation>রাইজিং সান</translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation>শাইনিং মুন</translation>
    </message>
    <message>
        <source>Happy Valley</source>
        <translation>হ্যাপি ভ্যালি</translation>
    </message>
    <message>
        <source>Country Side</source>
        <translation>কান্ট্রি সাইড</translation>
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
        <translation>Bailcrest, একটি ক্রিকেট কেরিয়ার গেম: একজন ক্রিকেটারকে ক্লাব ক্রিকেট থেকে বিশ্বকাপে নিয়ে যান।</translation>
    </message>
    <message>
        <source>Bailcrest takes no arguments: %1.</source>
        <extracomment>On the command line: %1 is what was typed after the program&apos;s name.</extracomment>
        <translation>Bailcrest কোনো আর্গুমেন্ট নেয় না: %1।</translation>
    </message>
</context>
<context>
    <name>CreditsScreen</name>
    <message>
        <source>Bailcrest: Credits</source>
        <translation>Bailcrest: পরিচিতি</translation>
    </message>
    <message>
        <source>Bailcrest crest</source>
        <translation>Bailcrest-এর প্রতীক</translation>
    </message>
    <message>
        <source>BAILCREST</source>
        <translation>BAILCREST</translation>
    </message>
    <message>
        <source>VERSION 1.0</source>
        <translation>সংস্করণ ১.০</translation>
    </message>
    <message>
        <source>PROGRAMMED BY:</source>
        <translation>প্রোগ্রামার:</translation>
    </message>
    <message>
        <source>Bailcrest team</source>
        <translation>Bailcrest দল</translation>
    </message>
    <message>
        <source>WEBSITE:</source>
        <translation>ওয়েবসাইট:</translation>
    </message>
    <message>
        <source>PLEASE READ CAREFULLY:</source>
        <translation>অনুগ্রহ করে মন দিয়ে পড়ুন:</translation>
    </message>
    <message>
        <source>Bailcrest costs you nothing because our advertisers pay for it. Please take a moment to visit them: a click on a banner below opens the advertiser&apos;s web page in your browser, and your career stays exactly where you left it. Every visit helps to keep Bailcrest free for everyone. Thank you!</source>
        <translation>Bailcrest আপনার জন্য বিনামূল্যে, কারণ এর খরচ আমাদের বিজ্ঞাপনদাতারা দেন। অনুগ্রহ করে একটু সময় নিয়ে তাঁদের দেখে আসুন: নিচের কোনো ব্যানারে ক্লিক করলে বিজ্ঞাপনদাতার ওয়েব পেজ আপনার ব্রাউজারে খুলবে, আর আপনার কেরিয়ার ঠিক যেখানে রেখেছিলেন সেখানেই থাকবে। প্রতিটি ভিজিট Bailcrest-কে সবার জন্য বিনামূল্যে রাখতে সাহায্য করে। ধন্যবাদ!</translation>
    </message>
    <message>
        <source>Advertiser banner, %1</source>
        <translation>বিজ্ঞাপনের ব্যানার, %1</translation>
    </message>
    <message>
        <source>Opens the advertiser&apos;s web page</source>
        <translation>বিজ্ঞাপনদাতার ওয়েব পেজ খোলে</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>চালিয়ে যান</translation>
    </message>
    <message>
        <source>The advertiser&apos;s page could not be opened. You can type its address into a web browser:

%1</source>
        <translation>বিজ্ঞাপনদাতার পেজ খোলা গেল না। আপনি এর ঠিকানা কোনো ওয়েব ব্রাউজারে লিখতে পারেন:

%1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cricket Career Game</source>
        <translation>ক্রিকেট কেরিয়ার গেম</translation>
    </message>
    <message>
        <source>Manage the career of a cricketer from club cricket to the World Cup</source>
        <translation>ক্লাব ক্রিকেট থেকে বিশ্বকাপ পর্যন্ত একজন ক্রিকেটারের কেরিয়ার গড়ে তুলুন</translation>
    </message>
    <message>
        <source>cricket;career;sports;</source>
        <translation>ক্রিকেট;কেরিয়ার;খেলা;cricket;</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Bailcrest needs a desktop session (X11 or Wayland) to show its windows, and found none. Start it from a desktop; the messages below are Qt&apos;s.</source>
        <extracomment>On the command line, before Qt&apos;s own messages, when the game is started where no desktop can show its windows (a text console, a remote shell).</extracomment>
        <translation>Bailcrest-এর উইন্ডো দেখাতে একটি ডেস্কটপ সেশন (X11 বা Wayland) দরকার, কিন্তু কোনোটি পাওয়া যায়নি। এটি কোনো ডেস্কটপ থেকে চালু করুন; নিচের বার্তাগুলো Qt-এর।</translation>
    </message>
</context>
<context>
    <name>HallOfFameScreen</name>
    <message>
        <source>Most &amp;Runs</source>
        <translation>সর্বাধিক রান (&amp;R)</translation>
    </message>
    <message>
        <source>Most &amp;Wickets</source>
        <translation>সর্বাধিক উইকেট (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Highest Level</source>
        <extracomment>The careers that rose highest: Club, City, State, National.</extracomment>
        <translation>সর্বোচ্চ স্তর (&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;ongest Career</source>
        <extracomment>The careers of the most matches.</extracomment>
        <translation>দীর্ঘতম কেরিয়ার (&amp;O)</translation>
    </message>
    <message>
        <source>Ri&amp;chest</source>
        <extracomment>The careers with the most money in the bank.</extracomment>
        <translation>সবচেয়ে ধনী (&amp;C)</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>The place in a list of the best careers.</extracomment>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>খেলোয়াড়</translation>
    </message>
    <message>
        <source>Highest level</source>
        <translation>সর্বোচ্চ স্তর</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>ব্যাংক ব্যালান্স (টাকা)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>স্ট্যাটাস</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>শেষ খেলা</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a career in the hall of fame has ended or is still played.</extracomment>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>চলছে</translation>
    </message>
    <message>
        <source>Bailcrest: Hall of Fame</source>
        <translation>Bailcrest: হল অফ ফেম</translation>
    </message>
    <message>
        <source>No career has been saved yet. Careers that save themselves after every match come in here.</source>
        <translation>এখনও কোনো কেরিয়ার সেভ করা হয়নি। যে কেরিয়ার প্রতিটি ম্যাচের পর অটো-সেভ হয়, সেগুলো এখানে আসে।</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>The hall of fame file was damaged, and no career could be read from it. It is kept as %1, and the hall of fame starts afresh.</source>
        <extracomment>%1 is the file the damaged hall of fame is kept as.</extracomment>
        <translation>হল অফ ফেমের ফাইলটি নষ্ট ছিল, আর তা থেকে কোনো কেরিয়ার পড়া যায়নি। সেটি %1 হিসেবে রেখে দেওয়া হয়েছে, আর হল অফ ফেম নতুন করে শুরু হচ্ছে।</translation>
    </message>
    <message numerus="yes">
        <source>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</source>
        <translation>
            <numerusform>হল অফ ফেমের ফাইলটি নষ্ট ছিল। সেটি %1 হিসেবে রেখে দেওয়া হয়েছে, আর হল অফ ফেম তা থেকে পড়া যাওয়া %Ln কেরিয়ার নিয়ে চলছে।</numerusform>
            <numerusform>হল অফ ফেমের ফাইলটি নষ্ট ছিল। সেটি %1 হিসেবে রেখে দেওয়া হয়েছে, আর হল অফ ফেম তা থেকে পড়া যাওয়া %Ln কেরিয়ার নিয়ে চলছে।</numerusform>
        </translation>
    </message>
    <message>
        <source>The hall of fame %1 could not be kept: %2.</source>
        <extracomment>%1 is the file, %2 the reason it could not be written.</extracomment>
        <translation>হল অফ ফেম %1 লিখে রাখা গেল না: %2।</translation>
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
            <numerusform>হল অফ ফেমে %Lnটি কেরিয়ার। %1, প্রথম: %2।</numerusform>
            <numerusform>হল অফ ফেমে %Lnটি কেরিয়ার। %1, প্রথম: %2।</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career of a Saves folder the game cannot write to: %1 is whether it has ended (&quot;Ended&quot;, &quot;Playing&quot;).</extracomment>
        <translation>%1, শুধু পড়ার জন্য</translation>
    </message>
    <message>
        <source>The hall of fame of %1 is shown too, its careers marked read-only: the game cannot write there, so new saves, and the careers they bring in here, go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1-এর হল অফ ফেমও দেখানো হয়েছে, এর কেরিয়ারগুলো শুধু পড়ার জন্য বলে চিহ্নিত: গেম সেখানে লিখতে পারে না, তাই নতুন সেভ, আর সেগুলো থেকে এখানে আসা কেরিয়ার, %2-এ যায়।</translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>দক্ষতা</translation>
    </message>
    <message>
        <source>Bank balance</source>
        <translation>ব্যাংক ব্যালান্স</translation>
    </message>
    <message>
        <source>Gear and health</source>
        <translation>সরঞ্জাম ও স্বাস্থ্য</translation>
    </message>
    <message>
        <source>%1 in matches %2 to %3: mean %4, lowest %5, highest %6</source>
        <extracomment>A block of a long career&apos;s chart: %1 the line&apos;s name, %2 and %3 the first and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.</extracomment>
        <translation>ম্যাচ %2 থেকে %3-এ %1: গড় %4, সর্বনিম্ন %5, সর্বোচ্চ %6</translation>
    </message>
    <message>
        <source>%1 before match %2</source>
        <extracomment>A marker of a chart: %1 what it marks, %2 the match.</extracomment>
        <translation>ম্যাচ %2-এর আগে %1</translation>
    </message>
    <message>
        <source>%1 in match %2: %3</source>
        <extracomment>A point of a chart: %1 the line&apos;s name, %2 the match, %3 the value.</extracomment>
        <translation>ম্যাচ %2-এ %1: %3</translation>
    </message>
    <message>
        <source>%1, lowest to highest</source>
        <extracomment>The shaded band around a line of a long career&apos;s chart.</extracomment>
        <translation>%1, সর্বনিম্ন থেকে সর্বোচ্চ</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Batting average of the level</source>
        <translation>স্তরের ব্যাটিং গড়</translation>
    </message>
    <message numerus="yes">
        <source>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>প্রতি ম্যাচের রান, %Lnটি ম্যাচ রাখা আছে; সবচেয়ে বেশি %1 ম্যাচ %2-এ; শেষ ম্যাচের পর স্তরের ব্যাটিং গড় %3।</numerusform>
            <numerusform>প্রতি ম্যাচের রান, %Lnটি ম্যাচ রাখা আছে; সবচেয়ে বেশি %1 ম্যাচ %2-এ; শেষ ম্যাচের পর স্তরের ব্যাটিং গড় %3।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>প্রতি ম্যাচের উইকেট, %Lnটি ম্যাচ রাখা আছে; মোট উইকেট %1, সবচেয়ে বেশি %2 ম্যাচ %3-এ।</numerusform>
            <numerusform>প্রতি ম্যাচের উইকেট, %Lnটি ম্যাচ রাখা আছে; মোট উইকেট %1, সবচেয়ে বেশি %2 ম্যাচ %3-এ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>ব্যাটিং</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>বোলিং</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>ফিল্ডিং</translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation>সামগ্রিক দক্ষতা</translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation>স্তরের নির্বাচনের সীমা</translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation>পদোন্নতি: সামগ্রিক দক্ষতা %1</translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation>পদোন্নতি: ব্যাটিং বা বোলিং %1</translation>
    </message>
    <message>
        <source>Promotion</source>
        <translation>পদোন্নতি</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>বাদ</translation>
    </message>
    <message>
        <source>World Cup selection</source>
        <translation>বিশ্বকাপে নির্বাচন</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>দক্ষতা</translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>প্রতি ম্যাচের পর ব্যাটিং, বোলিং, ফিল্ডিং ও সামগ্রিক দক্ষতা, %Lnটি ম্যাচ রাখা আছে; শেষ ম্যাচের পর %1, %2, %3 আর সামগ্রিক %4, যেখানে পদোন্নতি হয় সামগ্রিক %5 বা ব্যাটিং কিংবা বোলিং %6-এ।</numerusform>
            <numerusform>প্রতি ম্যাচের পর ব্যাটিং, বোলিং, ফিল্ডিং ও সামগ্রিক দক্ষতা, %Lnটি ম্যাচ রাখা আছে; শেষ ম্যাচের পর %1, %2, %3 আর সামগ্রিক %4, যেখানে পদোন্নতি হয় সামগ্রিক %5 বা ব্যাটিং কিংবা বোলিং %6-এ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %Ln.</source>
        <translation>
            <numerusform>চিহ্নিত পদোন্নতি: %Ln।</numerusform>
            <numerusform>চিহ্নিত পদোন্নতি: %Ln।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %Ln.</source>
        <translation>
            <numerusform>চিহ্নিত বাদ পড়া: %Ln।</numerusform>
            <numerusform>চিহ্নিত বাদ পড়া: %Ln।</numerusform>
        </translation>
    </message>
    <message>
        <source>Rs.</source>
        <translation>টাকা</translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>প্রতি ম্যাচের পর ব্যাংক ব্যালান্স, %Lnটি ম্যাচ রাখা আছে: শেষ ম্যাচের পর %1 টাকা, সবচেয়ে বেশি %2 টাকা।</numerusform>
            <numerusform>প্রতি ম্যাচের পর ব্যাংক ব্যালান্স, %Lnটি ম্যাচ রাখা আছে: শেষ ম্যাচের পর %1 টাকা, সবচেয়ে বেশি %2 টাকা।</numerusform>
        </translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>সামগ্রিক সরঞ্জাম</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>সামগ্রিক স্বাস্থ্য</translation>
    </message>
    <message>
        <source>Lowest item of gear</source>
        <translation>সরঞ্জামের দুর্বলতম জিনিস</translation>
    </message>
    <message>
        <source>Lowest of fitness, health and stamina</source>
        <translation>ফিটনেস, স্বাস্থ্য ও স্ট্যামিনার মধ্যে সর্বনিম্ন</translation>
    </message>
    <message>
        <source>Selection floor: any item at 0 keeps the player out</source>
        <translation>নির্বাচনের ন্যূনতম সীমা: কোনো জিনিস ০-তে থাকলে খেলোয়াড় বাদ</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>অবস্থা</translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>প্রতি ম্যাচের পর সামগ্রিক সরঞ্জাম ও স্বাস্থ্য, সরঞ্জামের দুর্বলতম জিনিস আর ফিটনেস, স্বাস্থ্য ও স্ট্যামিনার মধ্যে সর্বনিম্ন, %Lnটি ম্যাচ রাখা আছে; শেষ ম্যাচের পর %1, %2, %3 আর %4। সরঞ্জামের কোনো জিনিস, ফিটনেস, স্বাস্থ্য বা স্ট্যামিনা ০-তে থাকলে খেলোয়াড় দল থেকে বাদ থাকে।</numerusform>
            <numerusform>প্রতি ম্যাচের পর সামগ্রিক সরঞ্জাম ও স্বাস্থ্য, সরঞ্জামের দুর্বলতম জিনিস আর ফিটনেস, স্বাস্থ্য ও স্ট্যামিনার মধ্যে সর্বনিম্ন, %Lnটি ম্যাচ রাখা আছে; শেষ ম্যাচের পর %1, %2, %3 আর %4। সরঞ্জামের কোনো জিনিস, ফিটনেস, স্বাস্থ্য বা স্ট্যামিনা ০-তে থাকলে খেলোয়াড় দল থেকে বাদ থাকে।</numerusform>
        </translation>
    </message>
    <message>
        <source>No match kept yet</source>
        <translation>এখনও কোনো ম্যাচ রাখা নেই</translation>
    </message>
    <message>
        <source>No match kept yet.</source>
        <translation>এখনও কোনো ম্যাচ রাখা নেই।</translation>
    </message>
    <message>
        <source>No runs scored in the matches kept.</source>
        <translation>রাখা ম্যাচগুলোতে কোনো রান হয়নি।</translation>
    </message>
    <message>
        <source>No runs scored yet.</source>
        <translation>এখনও কোনো রান হয়নি।</translation>
    </message>
    <message>
        <source>No wickets taken in the matches kept.</source>
        <translation>রাখা ম্যাচগুলোতে কোনো উইকেট নেওয়া হয়নি।</translation>
    </message>
    <message>
        <source>No wickets taken yet.</source>
        <translation>এখনও কোনো উইকেট নেওয়া হয়নি।</translation>
    </message>
    <message>
        <source>Match %1, %2</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match, %2 the level it was played at.</extracomment>
        <translation>ম্যাচ %1, %2</translation>
    </message>
    <message>
        <source>Match %1</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match.</extracomment>
        <translation>ম্যাচ %1</translation>
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
        <source>Runs:</source>
        <translation>রান:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>উইকেট:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>ক্যাচ:</translation>
    </message>
    <message>
        <source>Award (Rs.):</source>
        <translation>পুরস্কার (টাকা):</translation>
    </message>
    <message>
        <source>Match fee (Rs.):</source>
        <translation>ম্যাচ ফি (টাকা):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.):</source>
        <translation>স্পনসরশিপ (টাকা):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>ব্যাংক ব্যালান্স (টাকা):</translation>
    </message>
    <message>
        <source>Overall gear:</source>
        <translation>সামগ্রিক সরঞ্জাম:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>ব্যাটিং:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>বোলিং:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>ফিল্ডিং:</translation>
    </message>
    <message>
        <source>Overall health:</source>
        <translation>সামগ্রিক স্বাস্থ্য:</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>ব্যাট:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>গ্লাভস:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>প্যাড:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>অন্যান্য:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>ফিটনেস:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>স্বাস্থ্য:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>স্ট্যামিনা:</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation>চার্ট দেখানো যাচ্ছে না, কারণ গেমের একটি অংশ নেই। মরসুম, মাইলফলক আর ম্যাচের তালিকা পুরো কেরিয়ারের কথা বলে।</translation>
    </message>
    <message>
        <source>Bailcrest: Career History</source>
        <translation>Bailcrest: কেরিয়ারের ইতিহাস</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Scroll the window up or down</source>
        <translation>উইন্ডো ওপরে বা নিচে সরান</translation>
    </message>
    <message>
        <source>Scroll the window sideways</source>
        <translation>উইন্ডো ডানে-বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>CAREER</source>
        <translation>কেরিয়ার</translation>
    </message>
    <message>
        <source>LAST MATCH</source>
        <translation>শেষ ম্যাচ</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>চার্ট</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>মরসুম</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>স্তর</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>দল</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Highest score</source>
        <translation>সর্বোচ্চ স্কোর</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>ব্যাটিং গড়</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>অর্ধশতরান</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>শতরান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Best bowling</source>
        <extracomment>The most wickets taken in one match.</extracomment>
        <translation>সেরা বোলিং</translation>
    </message>
    <message>
        <source>Five-wicket matches</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>পাঁচ উইকেটের ম্যাচ</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>ক্যাচ</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>উপার্জন (টাকা)</translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>মাইলফলক</translation>
    </message>
    <message>
        <source>The moments of the career worth telling, with the match of each.</source>
        <translation>কেরিয়ারের স্মরণীয় মুহূর্ত, প্রতিটির ম্যাচসহ।</translation>
    </message>
    <message>
        <source>Every match of the career, one a row; a column heading, or the sort choice above, sorts by it.</source>
        <translation>কেরিয়ারের প্রতিটি ম্যাচ, প্রতি সারিতে একটি; কলামের শিরোনাম বা ওপরের সাজানোর পছন্দ সেই অনুযায়ী সাজায়।</translation>
    </message>
    <message>
        <source>Sort the matches by:</source>
        <translation>ম্যাচ সাজান:</translation>
    </message>
    <message>
        <source>Sort the matches by</source>
        <translation>ম্যাচ সাজান</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>ক্রম</translation>
    </message>
    <message>
        <source>Lowest first</source>
        <extracomment>Sorting order: smallest value first.</extracomment>
        <translation>সর্বনিম্ন আগে</translation>
    </message>
    <message>
        <source>Highest first</source>
        <extracomment>Sorting order: largest value first.</extracomment>
        <translation>সর্বোচ্চ আগে</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>খেলোয়াড়:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>স্তর:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>দল:</translation>
    </message>
    <message>
        <source>World Cup:</source>
        <translation>বিশ্বকাপ:</translation>
    </message>
    <message>
        <source>Matches in the career:</source>
        <translation>কেরিয়ারে ম্যাচ:</translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation>আগের ম্যাচের পর থেকে:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>নির্বাচিত</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>নির্বাচিত নয়</translation>
    </message>
    <message>
        <source>Career</source>
        <extracomment>The tab that holds the card summing up the career while the History window is too short to show the card above the charts.
----------
The first row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation>কেরিয়ার</translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation>এখনও কোনো মাইলফলক নেই।</translation>
    </message>
    <message>
        <source>LAST MATCH: NONE KEPT YET</source>
        <translation>শেষ ম্যাচ: এখনও কোনোটি রাখা নেই</translation>
    </message>
    <message>
        <source>LAST MATCH: %1, %2 (%3)</source>
        <translation>শেষ ম্যাচ: %1, %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>কিছুই না</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as the part of the game that draws them belongs to another version of it. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts was installed with another version of the game.</extracomment>
        <translation>চার্ট দেখানো যাচ্ছে না, কারণ গেমের যে অংশ সেগুলো আঁকে, সেটি গেমের অন্য একটি সংস্করণের। মরসুম, মাইলফলক আর ম্যাচের তালিকা পুরো কেরিয়ারের কথা বলে।</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>দেখান:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>দেখান</translation>
    </message>
    <message>
        <source>Every milestone</source>
        <extracomment>Which milestones the list shows: all of them.</extracomment>
        <translation>সব মাইলফলক</translation>
    </message>
    <message>
        <source>Runs and wickets</source>
        <translation>রান ও উইকেট</translation>
    </message>
    <message>
        <source>Level changes</source>
        <translation>স্তর বদল</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>স্পনসর</translation>
    </message>
    <message>
        <source>The bookie</source>
        <extracomment>Milestones of taking the bookie&apos;s money.</extracomment>
        <translation>জুয়াড়ি</translation>
    </message>
    <message>
        <source>Group repeats</source>
        <translation>পুনরাবৃত্তি একসঙ্গে</translation>
    </message>
    <message>
        <source>The career&apos;s totals, then each level with its totals and its stays.</source>
        <translation>কেরিয়ারের মোট, তারপর প্রতিটি স্তরের মোট ও সেই স্তরে কাটানো প্রতিটি পর্ব।</translation>
    </message>
    <message>
        <source>Matches %1 to %2</source>
        <extracomment>A stay at one level in the seasons table: the first and last match of it.</extracomment>
        <translation>ম্যাচ %1 থেকে %2</translation>
    </message>
    <message>
        <source>Detach</source>
        <extracomment>Below the History pane of the main window: opens the history as a window of its own.</extracomment>
        <translation>আলাদা করুন</translation>
    </message>
    <message>
        <source>Opens the career&apos;s history in a window of its own.</source>
        <translation>কেরিয়ারের ইতিহাস তার নিজস্ব একটি উইন্ডোতে খোলে।</translation>
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
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>স্তর</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>দল</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>ক্যাচ</translation>
    </message>
    <message>
        <source>Award (Rs.)</source>
        <translation>পুরস্কার (টাকা)</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>ব্যাটিং</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>বোলিং</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>ফিল্ডিং</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>ব্যাট</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>গ্লাভস</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>প্যাড</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>অন্যান্য</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>ফিটনেস</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>স্বাস্থ্য</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>স্ট্যামিনা</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>সামগ্রিক সরঞ্জাম</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>সামগ্রিক স্বাস্থ্য</translation>
    </message>
    <message>
        <source>Match fee (Rs.)</source>
        <translation>ম্যাচ ফি (টাকা)</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.)</source>
        <translation>স্পনসরশিপ (টাকা)</translation>
    </message>
    <message>
        <source>Other income (Rs.)</source>
        <translation>অন্যান্য আয় (টাকা)</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>ব্যাংক ব্যালান্স (টাকা)</translation>
    </message>
    <message>
        <source>Events since the match before</source>
        <translation>আগের ম্যাচের পরের ঘটনা</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Promoted to %1 (%2)</source>
        <translation>%1 (%2)-এ পদোন্নতি</translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation>বাদ পড়ে %1 (%2)-এ</translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation>%1 (%2)-এ স্থানান্তর</translation>
    </message>
    <message>
        <source>Selected for the World Cup</source>
        <translation>বিশ্বকাপে নির্বাচিত</translation>
    </message>
    <message>
        <source>Sponsor %1</source>
        <translation>স্পনসর %1</translation>
    </message>
    <message>
        <source>Training Rs. %1</source>
        <translation>প্রশিক্ষণ %1 টাকা</translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation>সরঞ্জাম %1 টাকা</translation>
    </message>
    <message>
        <source>Health care Rs. %1</source>
        <translation>স্বাস্থ্যসেবা %1 টাকা</translation>
    </message>
    <message>
        <source>Took the bookie&apos;s Rs. %1</source>
        <translation>জুয়াড়ির কাছ থেকে %1 টাকা নেওয়া</translation>
    </message>
    <message>
        <source>The history file could not be read.</source>
        <translation>ইতিহাসের ফাইল পড়া গেল না।</translation>
    </message>
    <message>
        <source>The history file belongs to another career and was not used.</source>
        <translation>ইতিহাসের ফাইলটি অন্য কেরিয়ারের, তাই ব্যবহার করা হয়নি।</translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %Ln.</source>
        <translation>
            <numerusform>অন্য কেরিয়ারের বলে বাদ দেওয়া ইতিহাস ফাইলের সারি: %Ln।</numerusform>
            <numerusform>অন্য কেরিয়ারের বলে বাদ দেওয়া ইতিহাস ফাইলের সারি: %Ln।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %Ln.</source>
        <translation>
            <numerusform>পড়া যায়নি বলে বাদ দেওয়া ইতিহাস ফাইলের সারি: %Ln।</numerusform>
            <numerusform>পড়া যায়নি বলে বাদ দেওয়া ইতিহাস ফাইলের সারি: %Ln।</numerusform>
        </translation>
    </message>
    <message>
        <source>History kept from match %1: the matches before it were played without one.</source>
        <translation>ইতিহাস রাখা আছে ম্যাচ %1 থেকে: তার আগের ম্যাচগুলো ইতিহাস ছাড়াই খেলা হয়েছিল।</translation>
    </message>
    <message>
        <source>Match %1: first fifty, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>ম্যাচ %1: প্রথম অর্ধশতরান, %2 রান।</translation>
    </message>
    <message>
        <source>Match %1: first hundred, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>ম্যাচ %1: প্রথম শতরান, %2 রান।</translation>
    </message>
    <message>
        <source>Match %1: first five-wicket match, %2 wickets.</source>
        <extracomment>%1 the match number, %2 the wickets taken (five or more).</extracomment>
        <translation>ম্যাচ %1: প্রথমবার পাঁচ উইকেট, %2 উইকেট।</translation>
    </message>
    <message>
        <source>Match %1: %2 career runs.</source>
        <extracomment>%1 the match number, %2 a round thousand of runs.</extracomment>
        <translation>ম্যাচ %1: কেরিয়ারে %2 রান।</translation>
    </message>
    <message>
        <source>Match %1: %2 career wickets.</source>
        <extracomment>%1 the match number, %2 a round hundred of wickets.</extracomment>
        <translation>ম্যাচ %1: কেরিয়ারে %2 উইকেট।</translation>
    </message>
    <message>
        <source>Before match %1: promoted to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>ম্যাচ %1-এর আগে: %2 স্তরে পদোন্নতি (%3)।</translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>ম্যাচ %1-এর আগে: বাদ পড়ে %2 স্তরে (%3)।</translation>
    </message>
    <message>
        <source>Before match %1: selected for the World Cup.</source>
        <translation>ম্যাচ %1-এর আগে: বিশ্বকাপে নির্বাচিত।</translation>
    </message>
    <message>
        <source>Before match %1: took %2 as sponsor.</source>
        <extracomment>%1 the match number, %2 the sponsor&apos;s name.</extracomment>
        <translation>ম্যাচ %1-এর আগে: %2-কে স্পনসর হিসেবে নেওয়া।</translation>
    </message>
    <message>
        <source>Before match %1: took the bookie&apos;s Rs. %2.</source>
        <extracomment>%1 the match number, %2 the amount in rupees.</extracomment>
        <translation>ম্যাচ %1-এর আগে: জুয়াড়ির কাছ থেকে %2 টাকা নেওয়া।</translation>
    </message>
    <message>
        <source>The history file is larger than any career could fill and was not read.</source>
        <translation>ইতিহাসের ফাইলটি এত বড় যে কোনো কেরিয়ার তা ভরাতে পারে না, তাই পড়া হয়নি।</translation>
    </message>
    <message numerus="yes">
        <source>Another thousand career runs %Ln times</source>
        <translation>
            <numerusform>কেরিয়ারে আরও এক হাজার রান, %Ln বার</numerusform>
            <numerusform>কেরিয়ারে আরও এক হাজার রান, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another hundred career wickets %Ln times</source>
        <translation>
            <numerusform>কেরিয়ারে উইকেটের আরও একটি সেঞ্চুরি, %Ln বার</numerusform>
            <numerusform>কেরিয়ারে উইকেটের আরও একটি সেঞ্চুরি, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>পদোন্নতি, %Ln বার</numerusform>
            <numerusform>পদোন্নতি, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>বাদ পড়া, %Ln বার</numerusform>
            <numerusform>বাদ পড়া, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected for the World Cup %Ln times</source>
        <translation>
            <numerusform>বিশ্বকাপে নির্বাচিত, %Ln বার</numerusform>
            <numerusform>বিশ্বকাপে নির্বাচিত, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sponsor changed %Ln times</source>
        <translation>
            <numerusform>স্পনসর বদল, %Ln বার</numerusform>
            <numerusform>স্পনসর বদল, %Ln বার</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took the bookie&apos;s money %Ln times</source>
        <translation>
            <numerusform>জুয়াড়ির কাছ থেকে টাকা নেওয়া, %Ln বার</numerusform>
            <numerusform>জুয়াড়ির কাছ থেকে টাকা নেওয়া, %Ln বার</numerusform>
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
        <translation>ক্লাব</translation>
    </message>
    <message>
        <source>City</source>
        <extracomment>A level of play.</extracomment>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A level of play.</extracomment>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>National</source>
        <extracomment>A level of play.</extracomment>
        <translation>জাতীয়</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>0</source>
        <extracomment>How many pixels larger than the design&apos;s sizes the text of this language is drawn, as a number: 0 for the Latin alphabet; Devanagari reads as well as English a pixel larger.</extracomment>
        <translation>0</translation>
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
        <translation>প্রোফাইল</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>খেলোয়াড়:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>দল:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>শ্রেণি:</translation>
    </message>
    <message>
        <source>Sponsor:</source>
        <translation>স্পনসর:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>ব্যাটিং:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>বোলিং:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>ফিল্ডিং:</translation>
    </message>
    <message>
        <source>Overall:</source>
        <extracomment>The overall skill, worked out from batting, bowling and fielding.</extracomment>
        <translation>সামগ্রিক:</translation>
    </message>
    <message>
        <source>LEVEL STATS</source>
        <translation>স্তরের পরিসংখ্যান</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>খেলা ম্যাচ:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>করা রান:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>নেওয়া উইকেট:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>ধরা ক্যাচ:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>সর্বোচ্চ স্কোর:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>ব্যাটিং গড়:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>অর্ধশতরান:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>শতরান:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>সর্বাধিক উইকেট:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>পাঁচ উইকেট:</translation>
    </message>
    <message>
        <source>FINANCE</source>
        <translation>আর্থিক</translation>
    </message>
    <message>
        <source>Match Fee (Rs):</source>
        <translation>ম্যাচ ফি (টাকা):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs):</source>
        <translation>স্পনসরশিপ (টাকা):</translation>
    </message>
    <message>
        <source>Other Incomes (Rs):</source>
        <translation>অন্যান্য আয় (টাকা):</translation>
    </message>
    <message>
        <source>Bank Balance (Rs):</source>
        <translation>ব্যাংক ব্যালান্স (টাকা):</translation>
    </message>
    <message>
        <source>ACCESSORIES</source>
        <extracomment>Heading of the player&apos;s cricket gear (bat, gloves, pads, others).</extracomment>
        <translation>সরঞ্জাম</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <extracomment>Heading of the player&apos;s body: fitness, health and stamina.</extracomment>
        <translation>স্বাস্থ্য</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>ব্যাট:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>গ্লাভস:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>প্যাড:</translation>
    </message>
    <message>
        <source>Others:</source>
        <extracomment>The other pieces of cricket gear, besides bat, gloves and pads.</extracomment>
        <translation>অন্যান্য:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>ফিটনেস:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>স্বাস্থ্য:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>স্ট্যামিনা:</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Main menu command: opens the credits.</extracomment>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main menu command: ends the game at once, without saving.</extracomment>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <extracomment>Main menu command: opens the sponsorship offers.</extracomment>
        <translation>স্পনসর</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>Main menu command: opens the cricket gear store (a shop, not &quot;save&quot;).</extracomment>
        <translation>দোকান</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>Main menu command: opens the training centre, where skills are bought.</extracomment>
        <translation>প্রশিক্ষণ</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Main menu command (a verb): plays the next match.</extracomment>
        <translation>খেলুন</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Main menu command: opens the record book of every level.</extracomment>
        <translation>রেকর্ড</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Main menu command: opens the health care centre (fitness, health, stamina).</extracomment>
        <translation>স্বাস্থ্য</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation>ইতিহাস</translation>
    </message>
    <message>
        <source>Fame</source>
        <extracomment>Main menu command: opens the hall of fame, the best careers ever played. The button is narrow: a short word.</extracomment>
        <translation>খ্যাতি</translation>
    </message>
    <message>
        <source>Not being saved</source>
        <extracomment>Shown on the main screen while the career&apos;s saves are off.</extracomment>
        <translation>সেভ হচ্ছে না</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The level the player plays at now: Club, City, State or National.</extracomment>
        <translation>স্তর:</translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in this folder:

%1</source>
        <translation>গেমের পাশের ফোল্ডারে সেভ রাখা যায় না, তাই আপনার কেরিয়ার এই ফোল্ডারে সেভ করা হয়:

%1</translation>
    </message>
    <message>
        <source>Play on…</source>
        <extracomment>Main menu command: plays many matches in a run, asking first how many.</extracomment>
        <translation>খেলে চলুন…</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The accessible description of the line that follows a run of matches.</extracomment>
        <translation>খেলে চলুন</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The command that stops a run of matches after the match being played.</extracomment>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Match %1 of %2</source>
        <extracomment>The line that follows a run of matches: &quot;Match 37 of 100&quot;.</extracomment>
        <translation>ম্যাচ %1, মোট %2</translation>
    </message>
    <message>
        <source>This career was not being saved, so it does not enter the hall of fame.</source>
        <translation>এই কেরিয়ার সেভ হচ্ছিল না, তাই এটি হল অফ ফেমে ওঠে না।</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>%1 up by %2 to %3.</source>
        <translation>%1 %2 বেড়ে %3।</translation>
    </message>
    <message>
        <source>%1 down by %2 to %3.</source>
        <translation>%1 %2 কমে %3।</translation>
    </message>
    <message>
        <source>Overall accessories down to %1, running low.</source>
        <translation>সামগ্রিক সরঞ্জাম কমে %1, কম হয়ে আসছে।</translation>
    </message>
    <message>
        <source>Overall health down to %1, running low.</source>
        <translation>সামগ্রিক স্বাস্থ্য কমে %1, কম হয়ে আসছে।</translation>
    </message>
</context>
<context>
    <name>MatchScreen</name>
    <message>
        <source>Bailcrest: Match Details</source>
        <translation>Bailcrest: ম্যাচের বিবরণ</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>খেলোয়াড়</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>দল</translation>
    </message>
    <message>
        <source>MATCH STATISTICS</source>
        <translation>ম্যাচের পরিসংখ্যান</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>করা রান:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>নেওয়া উইকেট:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>ধরা ক্যাচ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, the History window still shows every match of this game, and the game tries again after your next match.</source>
        <translation>আপনার কেরিয়ারের ইতিহাস %1-এ রাখা গেল না: %2। আপনার কেরিয়ার আগের মতোই সেভ করা আছে, ইতিহাস উইন্ডো এখনও এই গেমের প্রতিটি ম্যাচ দেখায়, আর আপনার পরের ম্যাচের পর গেম আবার চেষ্টা করবে।</translation>
    </message>
    <message>
        <source>Runs %1, wickets %2, catches %3</source>
        <extracomment>What a screen reader says of the match as its screen opens.</extracomment>
        <translation>রান %1, উইকেট %2, ক্যাচ %3</translation>
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
            <numerusform>এই ফোল্ডারের %Ln টি সেভ ফাইল এখানে দেখানো যায় না: তার নাম এমন লেখা নয় যা এই সিস্টেম আবার লিখতে পারে। লোড করতে নাম বদলান।</numerusform>
            <numerusform>এই ফোল্ডারের %Ln টি সেভ ফাইল এখানে দেখানো যায় না: তাদের নাম এমন লেখা নয় যা এই সিস্টেম আবার লিখতে পারে। লোড করতে নাম বদলান।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>en</source>
        <extracomment>The language of this translation, as the pictures with words (the credits&apos; banners) are named by: the language&apos;s code, &quot;hi&quot; for Hindi.</extracomment>
        <translation>bn</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>You are selected in the %1 team.</source>
        <translation>আপনি %1 দলে নির্বাচিত হয়েছেন।</translation>
    </message>
    <message>
        <source>You are selected for the World Cup in the %1 team.</source>
        <translation>আপনি বিশ্বকাপের জন্য %1 দলে নির্বাচিত হয়েছেন।</translation>
    </message>
    <message>
        <source>You are not good enough at this level.</source>
        <translation>এই স্তরের জন্য আপনি যথেষ্ট ভালো নন।</translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation>খারাপ ফিল্ডিংয়ের জন্য আপনি নির্বাচিত হননি।</translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation>আপনার কাছে ক্রিকেটের উপযুক্ত সরঞ্জাম নেই।</translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation>এই স্তরে খেলার মতো ফিটনেস আপনার নেই।</translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation>আপনাকে %1 দল থেকে বাদ দেওয়া হয়েছে।</translation>
    </message>
    <message>
        <source>You&apos;re found guilty of match fixing in an enquiry. Your career is over.</source>
        <translation>তদন্তে আপনি ম্যাচ গড়াপেটায় দোষী সাব্যস্ত হয়েছেন। আপনার কেরিয়ার শেষ।</translation>
    </message>
    <message>
        <source>A bookie offers you Rs. %1 if you play badly. Accept the offer?</source>
        <translation>একজন জুয়াড়ি খারাপ খেলার বিনিময়ে আপনাকে %1 টাকার প্রস্তাব দিচ্ছে। প্রস্তাব গ্রহণ করবেন?</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>আপনি কি আবার খেলতে চান?</translation>
    </message>
    <message>
        <source>You are awarded Rs.%1 based on your performance.</source>
        <translation>আপনার পারফরম্যান্সের ভিত্তিতে আপনাকে %1 টাকা পুরস্কার দেওয়া হয়েছে।</translation>
    </message>
    <message>
        <source>Overall skill %1, %2 short of the %3 needed.</source>
        <translation>সামগ্রিক দক্ষতা %1, প্রয়োজনীয় %3-এর চেয়ে %2 কম।</translation>
    </message>
    <message>
        <source>Fielding %1, %2 short of the %3 needed.</source>
        <translation>ফিল্ডিং %1, প্রয়োজনীয় %3-এর চেয়ে %2 কম।</translation>
    </message>
    <message>
        <source>Bat worn down to %1; each item of gear must be at least %2.</source>
        <translation>ব্যাট ক্ষয়ে %1-এ নেমেছে; প্রতিটি সরঞ্জাম অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Gloves worn down to %1; each item of gear must be at least %2.</source>
        <translation>গ্লাভস ক্ষয়ে %1-এ নেমেছে; প্রতিটি সরঞ্জাম অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Pads worn down to %1; each item of gear must be at least %2.</source>
        <translation>প্যাড ক্ষয়ে %1-এ নেমেছে; প্রতিটি সরঞ্জাম অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Other gear worn down to %1; each item of gear must be at least %2.</source>
        <translation>অন্যান্য সরঞ্জাম ক্ষয়ে %1-এ নেমেছে; প্রতিটি সরঞ্জাম অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Fitness down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>ফিটনেস কমে %1-এ নেমেছে; ফিটনেস, স্বাস্থ্য ও স্ট্যামিনা প্রতিটিই অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Health down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>স্বাস্থ্য কমে %1-এ নেমেছে; ফিটনেস, স্বাস্থ্য ও স্ট্যামিনা প্রতিটিই অন্তত %2 চাই।</translation>
    </message>
    <message>
        <source>Stamina down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>স্ট্যামিনা কমে %1-এ নেমেছে; ফিটনেস, স্বাস্থ্য ও স্ট্যামিনা প্রতিটিই অন্তত %2 চাই।</translation>
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
        <translation>সামগ্রিক দক্ষতা %1: %2-এর নিচে আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Fielding %1: below %2 you will not be selected.</source>
        <translation>ফিল্ডিং %1: %2-এর নিচে আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Bat %1: at %2 you will not be selected.</source>
        <translation>ব্যাট %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Gloves %1: at %2 you will not be selected.</source>
        <translation>গ্লাভস %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Pads %1: at %2 you will not be selected.</source>
        <translation>প্যাড %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Other gear %1: at %2 you will not be selected.</source>
        <translation>অন্যান্য সরঞ্জাম %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Fitness %1: at %2 you will not be selected.</source>
        <translation>ফিটনেস %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Health %1: at %2 you will not be selected.</source>
        <translation>স্বাস্থ্য %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
    <message>
        <source>Stamina %1: at %2 you will not be selected.</source>
        <translation>স্ট্যামিনা %1: %2-এ আপনি নির্বাচিত হবেন না।</translation>
    </message>
</context>
<context>
    <name>PlayOnDialog</name>
    <message>
        <source>Bailcrest: Play On</source>
        <extracomment>The title of the dialog that plays many matches in a run.</extracomment>
        <translation>Bailcrest: খেলে চলুন</translation>
    </message>
    <message>
        <source>&amp;Matches to play:</source>
        <extracomment>How many matches Play on plays, from 1 to 1,000.</extracomment>
        <translation>কতগুলি ম্যাচ খেলবেন (&amp;M):</translation>
    </message>
    <message>
        <source>Stop early</source>
        <extracomment>The choices of where a run of matches stops before it has played them all.</extracomment>
        <translation>মাঝপথে থামুন</translation>
    </message>
    <message>
        <source>&amp;Before a drop, when a figure on the main screen is marked</source>
        <translation>বাদ পড়ার আগে, যখন মূল পর্দায় কোনো সংখ্যা চিহ্নিত হয় (&amp;B)</translation>
    </message>
    <message>
        <source>At a &amp;promotion</source>
        <translation>পদোন্নতিতে (&amp;P)</translation>
    </message>
    <message>
        <source>At &amp;World Cup selection</source>
        <translation>বিশ্বকাপ নির্বাচনে (&amp;W)</translation>
    </message>
    <message>
        <source>At an &amp;award</source>
        <translation>পুরস্কারে (&amp;A)</translation>
    </message>
    <message>
        <source>When</source>
        <extracomment>Followed by a list of gear and body items and a value: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>যখন</translation>
    </message>
    <message>
        <source>Condition to watch</source>
        <extracomment>The accessible name of the list of gear and body items a run watches.</extracomment>
        <translation>যে অবস্থার দিকে নজর রাখবেন</translation>
    </message>
    <message>
        <source>falls to</source>
        <extracomment>Between the gear or body item and the value it falls to: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>কমে</translation>
    </message>
    <message>
        <source>Value to stop at</source>
        <extracomment>The accessible name of the value at which a run stops for the item watched.</extracomment>
        <translation>থামার মান</translation>
    </message>
    <message>
        <source>With none chosen, Play on stops only at a question or at the end of the career.</source>
        <extracomment>Said below the choices: with none of them chosen, the run stops only at a question.</extracomment>
        <translation>কিছু না বাছলে “খেলে চলুন” কেবল কোনো প্রশ্নে বা কেরিয়ারের শেষে থামে।</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>The button that starts the run of matches.</extracomment>
        <translation>খেলে চলুন (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PlayOnNewsScreen</name>
    <message>
        <source>Match %1: %2</source>
        <extracomment>One line of the news of a run of matches: the match of the run (%1) and what happened (%2).</extracomment>
        <translation>ম্যাচ %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</source>
        <extracomment>The summary of a run of matches; %4 is the level played at (Club, City, ...).</extracomment>
        <translation>
            <numerusform>%Lnটি ম্যাচ: %1 রান, %2 উইকেট, %3 টাকা আয়, %4 স্তরে।</numerusform>
            <numerusform>%Lnটি ম্যাচ: %1 রান, %2 উইকেট, %3 টাকা আয়, %4 স্তরে।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</source>
        <extracomment>The summary of a run of matches that moved the player from level %4 to level %5.</extracomment>
        <translation>
            <numerusform>%Lnটি ম্যাচ: %1 রান, %2 উইকেট, %3 টাকা আয়, %4 স্তর থেকে %5 স্তরে।</numerusform>
            <numerusform>%Lnটি ম্যাচ: %1 রান, %2 উইকেট, %3 টাকা আয়, %4 স্তর থেকে %5 স্তরে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Every match asked for was played.</source>
        <translation>চাওয়া সব ম্যাচ খেলা হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped before a drop. %1</source>
        <extracomment>%1 says which figure could drop the player: &quot;Stamina 2: at 0 you will not be selected.&quot;</extracomment>
        <translation>বাদ পড়ার আগে থামানো হয়েছে। %1</translation>
    </message>
    <message>
        <source>Stopped at a promotion.</source>
        <translation>পদোন্নতিতে থামানো হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped at World Cup selection.</source>
        <translation>বিশ্বকাপ নির্বাচনে থামানো হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped at an award.</source>
        <translation>পুরস্কারে থামানো হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped: the condition watched fell to %1.</source>
        <translation>থামানো হয়েছে: নজরে রাখা অবস্থা কমে %1 হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped at the bookie&apos;s offer.</source>
        <translation>জুয়াড়ির প্রস্তাবে থামানো হয়েছে।</translation>
    </message>
    <message>
        <source>Stopped: the career is over.</source>
        <translation>থামানো হয়েছে: কেরিয়ার শেষ।</translation>
    </message>
    <message>
        <source>Stopped by you.</source>
        <translation>আপনি থামিয়েছেন।</translation>
    </message>
    <message>
        <source>Bailcrest: What Happened</source>
        <translation>Bailcrest: কী ঘটেছে</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>The accessible name of the list of what happened in a run of matches.</extracomment>
        <translation>কী ঘটেছে</translation>
    </message>
    <message>
        <source>Nothing else to tell.</source>
        <translation>আর কিছু জানানোর নেই।</translation>
    </message>
</context>
<context>
    <name>PlayerScreen</name>
    <message>
        <source>Bailcrest: Player Properties</source>
        <translation>Bailcrest: খেলোয়াড়ের বিবরণ</translation>
    </message>
    <message>
        <source>PLAYER DETAILS</source>
        <translation>খেলোয়াড়ের পরিচয়</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>নাম:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>শহর:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>রাজ্য:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>দেশ:</translation>
    </message>
    <message>
        <source>INITIAL SKILLS</source>
        <translation>শুরুর দক্ষতা</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>ব্যাটিং:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>বোলিং:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>ফিল্ডিং:</translation>
    </message>
    <message>
        <source>Player Overall Skills:</source>
        <translation>খেলোয়াড়ের সামগ্রিক দক্ষতা:</translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation>অটো-সেভ</translation>
    </message>
    <message>
        <source>Check this box to automatically save the game after every match.</source>
        <translation>প্রতিটি ম্যাচের পর গেম নিজে থেকে সেভ করতে এই বাক্সে টিক দিন।</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>লোড</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>Please fill in the player details properly.</source>
        <translation>অনুগ্রহ করে খেলোয়াড়ের বিবরণ ঠিকভাবে পূরণ করুন।</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <extracomment>Opens the hall of fame, the best careers ever played.</extracomment>
        <translation>হল অফ ফেম</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <extracomment>Told under &quot;Please fill in the player details properly.&quot; when the field is empty.</extracomment>
        <translation>নাম খালি।</translation>
    </message>
    <message>
        <source>The city is empty.</source>
        <translation>শহর খালি।</translation>
    </message>
    <message>
        <source>The state is empty.</source>
        <translation>রাজ্য খালি।</translation>
    </message>
    <message>
        <source>The country is empty.</source>
        <translation>দেশ খালি।</translation>
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
        <translation>%1 ইউনিট</translation>
    </message>
    <message>
        <source>Bailcrest: Training Centre</source>
        <translation>Bailcrest: প্রশিক্ষণ কেন্দ্র</translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation>প্রশিক্ষণ কেন্দ্রের হার</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation>কত ইউনিট বাড়াতে চান?</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>উপলব্ধ ইউনিট</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক আছে (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল (&amp;C)</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>ব্যাটিং:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>বোলিং:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>ফিল্ডিং:</translation>
    </message>
    <message>
        <source>Bailcrest: Cricket Store</source>
        <translation>Bailcrest: ক্রিকেটের দোকান</translation>
    </message>
    <message>
        <source>CRICKET GEAR STORE</source>
        <translation>ক্রিকেট সরঞ্জামের দোকান</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation>কত ইউনিট কিনতে চান?</translation>
    </message>
    <message>
        <source>Required Units</source>
        <translation>প্রয়োজনীয় ইউনিট</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>ব্যাট:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>গ্লাভস:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>প্যাড:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>অন্যান্য:</translation>
    </message>
    <message>
        <source>Bailcrest: Health Care</source>
        <translation>Bailcrest: স্বাস্থ্যসেবা</translation>
    </message>
    <message>
        <source>HEALTH CARE CENTRE</source>
        <translation>স্বাস্থ্যসেবা কেন্দ্র</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>ফিটনেস:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>স্বাস্থ্য:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>স্ট্যামিনা:</translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation>বিবরণ</translation>
    </message>
    <message>
        <source>Rate (Rs.)</source>
        <translation>হার (টাকা)</translation>
    </message>
    <message>
        <source>Amount (Rs.)</source>
        <translation>পরিমাণ (টাকা)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says a rate-card figure is: %1 is the row (&quot;Batting&quot;), %2 the column (&quot;Rate (Rs.)&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Balance before purchase (Rs.):</source>
        <translation>কেনার আগে ব্যালান্স (টাকা):</translation>
    </message>
    <message>
        <source>Balance after purchase (Rs.):</source>
        <translation>কেনার পরে ব্যালান্স (টাকা):</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy the units.</source>
        <translation>এই ইউনিটগুলো কেনার মতো যথেষ্ট টাকা আপনার নেই।</translation>
    </message>
    <message>
        <source>The most units the balance pays for: %1.</source>
        <extracomment>Below the balance after purchase, when the units proposed at opening cost more than the balance.</extracomment>
        <translation>ব্যালান্স দিয়ে সর্বাধিক এতগুলো ইউনিটের দাম দেওয়া যায়: %1।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln unit(s); %1: %2</source>
        <extracomment>What a screen reader says as a units bar moves: %Ln the units chosen, %1 the caption &quot;Balance after purchase (Rs.)&quot;, %2 that balance.</extracomment>
        <translation>
            <numerusform>%Ln ইউনিট; %1: %2</numerusform>
            <numerusform>%Ln ইউনিট; %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.</source>
        <extracomment>What a screen reader hears of a rate-card row as the screen opens: %1 the row (&quot;Batting&quot;), %Ln the units offered, %2 the rate and %3 the amount, both in rupees.</extracomment>
        <translation>
            <numerusform>%1: %Ln ইউনিট, প্রতিটির হার %2 (টাকা), মোট %3 (টাকা)।</numerusform>
            <numerusform>%1: %Ln ইউনিট, প্রতিটির হার %2 (টাকা), মোট %3 (টাকা)।</numerusform>
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
        <translation>Bailcrest: রেকর্ড বুক</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>খেলোয়াড়</translation>
    </message>
    <message>
        <source>CAREER RECORDS AND STATS</source>
        <translation>কেরিয়ারের রেকর্ড ও পরিসংখ্যান</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>ক্লাব</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>খেলা ম্যাচ:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>করা রান:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>নেওয়া উইকেট:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>ধরা ক্যাচ:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>সর্বোচ্চ স্কোর:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>ব্যাটিং গড়:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>অর্ধশতরান:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>শতরান:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>সর্বাধিক উইকেট:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>পাঁচ উইকেট:</translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation>স্তর/দল:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
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
            <numerusform>%1 ফাইলে %2-এর কেরিয়ার আছে, %Lnটি ম্যাচের পর %3 স্তরে। এই কেরিয়ার সেখানে সেভ করলে সেটি বদলে যাবে।

বদলে দেবেন? হ্যাঁ: সেই কেরিয়ার একই ফোল্ডারে নিজের আলাদা নামে সরিয়ে রাখা হবে আর এই কেরিয়ার তার জায়গায় সেভ হবে। না: সেটি যেমন আছে তেমনই থাকবে; তখন এই কেরিয়ার এই গেমে অটো-সেভ ছাড়াই চলবে, অথবা আপনি অন্য নামে আবার শুরু করতে পারেন।</numerusform>
            <numerusform>%1 ফাইলে %2-এর কেরিয়ার আছে, %Lnটি ম্যাচের পর %3 স্তরে। এই কেরিয়ার সেখানে সেভ করলে সেটি বদলে যাবে।

বদলে দেবেন? হ্যাঁ: সেই কেরিয়ার একই ফোল্ডারে নিজের আলাদা নামে সরিয়ে রাখা হবে আর এই কেরিয়ার তার জায়গায় সেভ হবে। না: সেটি যেমন আছে তেমনই থাকবে; তখন এই কেরিয়ার এই গেমে অটো-সেভ ছাড়াই চলবে, অথবা আপনি অন্য নামে আবার শুরু করতে পারেন।</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation>%1 ফাইলটি এই কেরিয়ারের সেভ নয়। এই কেরিয়ার সেখানে সেভ করলে সেটি বদলে যাবে।

বদলে দেবেন? হ্যাঁ: সেই ফাইল একই ফোল্ডারে নিজের আলাদা নামে সরিয়ে রাখা হবে আর এই কেরিয়ার তার জায়গায় সেভ হবে। না: সেটি যেমন আছে তেমনই থাকবে; তখন এই কেরিয়ার এই গেমে অটো-সেভ ছাড়াই চলবে, অথবা আপনি অন্য নামে আবার শুরু করতে পারেন।</translation>
    </message>
    <message>
        <source>The career saved as %1 was last opened by the game on the computer %2, which may still be playing it: this folder cannot tell.

Take the career over on this computer? Yes saves it here from now on, and what the other computer saves after that is lost. No plays it here without saving.</source>
        <extracomment>%1 is a save file, %2 the name of another computer.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি শেষবার %2 কম্পিউটারে গেমে খোলা হয়েছিল, যেটি হয়তো এখনও সেটি খেলছে: এই ফোল্ডার থেকে তা বোঝা যায় না।

কেরিয়ারটি এই কম্পিউটারে নিয়ে নেবেন? হ্যাঁ: এখন থেকে সেটি এখানে সেভ হবে, আর তার পরে অন্য কম্পিউটার যা সেভ করবে তা হারিয়ে যাবে। না: সেটি এখানে সেভ না করেই খেলা হবে।</translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game, which holds its lock %2. This copy plays it without saving, so that nothing the other copy saves is lost. To save it here, close the other copy and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি গেমের আরেকটি কপিতে খোলা আছে, যার কাছে এর লক %2 রয়েছে। এই কপি সেটি সেভ না করেই খেলবে, যাতে অন্য কপি যা সেভ করে তার কিছুই হারিয়ে না যায়। এখানে সেভ করতে অন্য কপিটি বন্ধ করে কেরিয়ারটি আবার লোড করুন।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: %2 is not an ordinary file, and the game never opens it. This copy plays the career without saving. To save it, remove or rename %2 and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি গেমের এই কপির জন্য লক করা যাচ্ছে না: %2 সাধারণ ফাইল নয়, আর গেম সেটি কখনও খোলে না। এই কপি কেরিয়ারটি সেভ না করেই খেলবে। সেভ করতে %2 সরিয়ে দিন বা তার নাম বদলান, তারপর কেরিয়ারটি আবার লোড করুন।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the lock %2 could not be made (%3). This copy plays the career without saving, so that it never overwrites what another copy saves. To save it, make room on the disk or let the folder be written to, and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 the system&apos;s reason.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি গেমের এই কপির জন্য লক করা যাচ্ছে না: লক %2 তৈরি করা গেল না (%3)। এই কপি কেরিয়ারটি সেভ না করেই খেলবে, যাতে অন্য কপি যা সেভ করে তা কখনও মুছে না যায়। সেভ করতে ডিস্কে জায়গা খালি করুন বা ফোল্ডারে লেখার অনুমতি দিন, তারপর কেরিয়ারটি আবার লোড করুন।</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open in another copy of the game.</source>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: এটি গেমের আরেকটি কপিতে খোলা আছে।</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open on the computer %1.</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: এটি %1 কম্পিউটারে খোলা আছে।</translation>
    </message>
    <message>
        <source>This career is not being saved: %1 is not an ordinary file.</source>
        <extracomment>%1 is the career&apos;s lock file.</extracomment>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: %1 সাধারণ ফাইল নয়।</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock could not be made (%1).</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: এর লক তৈরি করা গেল না (%1)।</translation>
    </message>
    <message>
        <source>This career is not being saved: another file is kept where it would save.</source>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: যেখানে এটি সেভ হত, সেখানে অন্য একটি ফাইল রাখা আছে।</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the name of its lock %2 is longer than the folder allows. This copy plays the career without saving. To save it, give the save a shorter name and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি গেমের এই কপির জন্য লক করা যাচ্ছে না: এর লক %2-এর নাম ফোল্ডারের অনুমতির চেয়ে লম্বা। এই কপি কেরিয়ারটি সেভ না করেই খেলবে। সেভ করতে সেভ ফাইলটিকে ছোট একটি নাম দিন, তারপর কেরিয়ারটি আবার লোড করুন।</translation>
    </message>
    <message>
        <source>This career is not being saved: the name of its lock is too long.</source>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: এর লকের নাম খুব লম্বা।</translation>
    </message>
    <message>
        <source>The career saved as %1 is locked by %2, which names process %3 of this computer. That process is now the program %4, not this game: the number was most likely given to it after the game that locked the career had ended.

Take the career over? Yes saves it here from now on. No plays it here without saving; say No if %4 is a copy of this game under another name.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 a process number, %4 the name of the program that process runs.</extracomment>
        <translation>%1 হিসেবে সেভ করা কেরিয়ারটি %2 দিয়ে লক করা, যেটি এই কম্পিউটারের প্রসেস %3-এর নাম বলে। সেই প্রসেসটি %4 প্রোগ্রাম চালাচ্ছে, এই গেম নয়: সম্ভবত কেরিয়ারটি লক করা গেমটি বন্ধ হওয়ার পরে নম্বরটি সেটিকে দেওয়া হয়েছে।

কেরিয়ারটি নিয়ে নেবেন? হ্যাঁ: এখন থেকে সেটি এখানে সেভ হবে। না: সেটি এখানে সেভ না করেই খেলা হবে; %4 যদি অন্য নামে এই গেমেরই একটি কপি হয়, তবে না বলুন।</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock names a process of the program %1.</source>
        <extracomment>%1 is the name of a program that is not the game.</extracomment>
        <translation>এই কেরিয়ার সেভ হচ্ছে না: এর লক %1 প্রোগ্রামের একটি প্রসেসের নাম বলে।</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is a link to another file, and the game writes only files of its own in its Saves folder</source>
        <translation>এটি অন্য একটি ফাইলের লিংক, আর গেম তার Saves ফোল্ডারে কেবল নিজের ফাইলই লেখে</translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation>এটি সাধারণ ফাইল নয়, আর গেম কেবল সাধারণ ফাইলই লেখে</translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation>এই গেম সেখানে কেরিয়ার সেভ করে না</translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation>সেখানে অন্য একটি ফাইল আছে, যা গেম জিজ্ঞেস না করে বদলায় না</translation>
    </message>
    <message>
        <source>header</source>
        <translation>শিরোনামের লাইন</translation>
    </message>
    <message>
        <source>player name</source>
        <translation>খেলোয়াড়ের নাম</translation>
    </message>
    <message>
        <source>city team</source>
        <translation>শহরের দল</translation>
    </message>
    <message>
        <source>state team</source>
        <translation>রাজ্যের দল</translation>
    </message>
    <message>
        <source>national team</source>
        <translation>জাতীয় দল</translation>
    </message>
    <message>
        <source>batting skill</source>
        <translation>ব্যাটিং দক্ষতা</translation>
    </message>
    <message>
        <source>bowling skill</source>
        <translation>বোলিং দক্ষতা</translation>
    </message>
    <message>
        <source>fielding skill</source>
        <translation>ফিল্ডিং দক্ষতা</translation>
    </message>
    <message>
        <source>starting batting skill</source>
        <translation>শুরুর ব্যাটিং দক্ষতা</translation>
    </message>
    <message>
        <source>starting bowling skill</source>
        <translation>শুরুর বোলিং দক্ষতা</translation>
    </message>
    <message>
        <source>starting fielding skill</source>
        <translation>শুরুর ফিল্ডিং দক্ষতা</translation>
    </message>
    <message>
        <source>auto-save flag</source>
        <translation>অটো-সেভের চিহ্ন</translation>
    </message>
    <message>
        <source>club team</source>
        <translation>ক্লাবের দল</translation>
    </message>
    <message>
        <source>current team</source>
        <translation>বর্তমান দল</translation>
    </message>
    <message>
        <source>category</source>
        <translation>শ্রেণি</translation>
    </message>
    <message>
        <source>sponsor</source>
        <translation>স্পনসর</translation>
    </message>
    <message>
        <source>match fee</source>
        <translation>ম্যাচ ফি</translation>
    </message>
    <message>
        <source>sponsorship</source>
        <translation>স্পনসরশিপ</translation>
    </message>
    <message>
        <source>other incomes</source>
        <translation>অন্যান্য আয়</translation>
    </message>
    <message>
        <source>bank balance</source>
        <translation>ব্যাংক ব্যালান্স</translation>
    </message>
    <message>
        <source>bat condition</source>
        <translation>ব্যাটের অবস্থা</translation>
    </message>
    <message>
        <source>gloves condition</source>
        <translation>গ্লাভসের অবস্থা</translation>
    </message>
    <message>
        <source>pads condition</source>
        <translation>প্যাডের অবস্থা</translation>
    </message>
    <message>
        <source>other accessories condition</source>
        <translation>অন্যান্য সরঞ্জামের অবস্থা</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>ফিটনেস</translation>
    </message>
    <message>
        <source>health</source>
        <translation>স্বাস্থ্য</translation>
    </message>
    <message>
        <source>stamina</source>
        <translation>স্ট্যামিনা</translation>
    </message>
    <message>
        <source>%1 matches played</source>
        <extracomment>A line of the save file&apos;s record book; %1 is the level&apos;s name (Club, City, State or National), as the record book heads its column.</extracomment>
        <translation>%1 স্তরে খেলা ম্যাচ</translation>
    </message>
    <message>
        <source>%1 runs scored</source>
        <translation>%1 স্তরে করা রান</translation>
    </message>
    <message>
        <source>%1 wickets taken</source>
        <translation>%1 স্তরে নেওয়া উইকেট</translation>
    </message>
    <message>
        <source>%1 catches held</source>
        <translation>%1 স্তরে ধরা ক্যাচ</translation>
    </message>
    <message>
        <source>%1 highest score</source>
        <translation>%1 স্তরে সর্বোচ্চ স্কোর</translation>
    </message>
    <message>
        <source>%1 batting average</source>
        <translation>%1 স্তরে ব্যাটিং গড়</translation>
    </message>
    <message>
        <source>%1 50s</source>
        <translation>%1 স্তরে অর্ধশতরান</translation>
    </message>
    <message>
        <source>%1 100s</source>
        <translation>%1 স্তরে শতরান</translation>
    </message>
    <message>
        <source>%1 most wickets</source>
        <translation>%1 স্তরে সর্বাধিক উইকেট</translation>
    </message>
    <message>
        <source>%1 5 wickets</source>
        <translation>%1 স্তরে পাঁচ উইকেট</translation>
    </message>
    <message>
        <source>level</source>
        <translation>স্তর</translation>
    </message>
    <message>
        <source>line %1 (%2) is empty, but must hold a number</source>
        <translation>লাইন %1 (%2) ফাঁকা, অথচ সেখানে একটি সংখ্যা থাকার কথা</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is not a number</source>
        <translation>লাইন %1 (%2)-এ আছে %3, যা সংখ্যা নয়</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is outside the range %4 to %5</source>
        <translation>লাইন %1 (%2)-এ আছে %3, যা %4 থেকে %5 সীমার বাইরে</translation>
    </message>
    <message>
        <source>line %1 (%2) is not the header</source>
        <translation>লাইন %1 (%2) শিরোনামের লাইন নয়</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be 0 or 1</source>
        <translation>লাইন %1 (%2)-এ আছে %3, অথচ তা 0 বা 1 হওয়ার কথা</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be Club, City, State or National</source>
        <extracomment>Club, City, State and National are the words the save file holds whatever the language: keep them in English.</extracomment>
        <translation>লাইন %1 (%2)-এ আছে %3, অথচ তা Club, City, State বা National হওয়ার কথা</translation>
    </message>
    <message>
        <source>This save file is damaged and was not loaded: %1.</source>
        <translation>এই সেভ ফাইলটি নষ্ট, তাই লোড করা হয়নি: %1।</translation>
    </message>
    <message>
        <source>This is not a valid Bailcrest Saves file.</source>
        <translation>এটি Bailcrest-এর বৈধ সেভ ফাইল নয়।</translation>
    </message>
    <message>
        <source>This save file is too large to be loaded: a save file holds at most %1 KiB.</source>
        <translation>এই সেভ ফাইলটি লোড করার পক্ষে খুব বড়: একটি সেভ ফাইলে সর্বাধিক %1 KiB থাকে।</translation>
    </message>
    <message>
        <source>the file would take %1 bytes, but a save file holds at most %2 KiB</source>
        <translation>ফাইলটি %1 বাইট নিত, কিন্তু একটি সেভ ফাইলে সর্বাধিক %2 KiB থাকে</translation>
    </message>
    <message>
        <source>line %1 (%2) holds a line break</source>
        <translation>লাইন %1 (%2)-এ একটি লাইন ব্রেক আছে</translation>
    </message>
    <message>
        <source>it ends after line %1 of %2</source>
        <translation>এটি %2-এর মধ্যে লাইন %1-এর পরে শেষ হয়ে যায়</translation>
    </message>
    <message>
        <source>This save file could not be read: %1.</source>
        <translation>এই সেভ ফাইলটি পড়া গেল না: %1।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file</source>
        <translation>&quot;%1&quot; কোনো ফাইলের নাম হতে পারে না</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>%1 ফোল্ডার তৈরি করা গেল না</translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation>সেটি সরিয়ে রাখার মতো কোনো খালি নাম পাওয়া যায়নি</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>এটি অন্য একটি ফাইলের লিংক</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>এটি সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>এটি আর সেখানে নেই</translation>
    </message>
    <message>
        <source>%1; its history is left set aside as %2: %3</source>
        <translation>%1; এর ইতিহাস %2 নামে সরিয়ে রাখা রয়ে গেছে: %3</translation>
    </message>
    <message>
        <source>no free name was found for it</source>
        <translation>এর জন্য কোনো খালি নাম পাওয়া যায়নি</translation>
    </message>
    <message>
        <source>its lock %1 could not be made: %2</source>
        <extracomment>%1 is a file, %2 the reason it could not be made.</extracomment>
        <translation>এর লক %1 তৈরি করা গেল না: %2</translation>
    </message>
    <message>
        <source>another copy of the game held its lock %1 for too long</source>
        <translation>গেমের আরেকটি কপি এর লক %1 অনেকক্ষণ ধরে রেখেছিল</translation>
    </message>
    <message>
        <source>another program kept changing it while it was written</source>
        <translation>লেখার সময় অন্য একটি প্রোগ্রাম এটি বদলে চলছিল</translation>
    </message>
    <message>
        <source>its lock %1 is not an ordinary file</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>এর লক %1 সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>its name is not text this system can spell back, so the game cannot open it safely; rename it to load it</source>
        <translation>এর নাম এমন লেখা নয় যা এই সিস্টেম আবার লিখতে পারে, তাই গেম এটি নিরাপদে খুলতে পারে না; লোড করতে এর নাম বদলান</translation>
    </message>
</context>
<context>
    <name>SaveNotices</name>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation>আপনার কেরিয়ার %1 হিসেবে সেভ করা গেল না: %2। আগের সেভ ফাইল, যদি থাকে, অপরিবর্তিত আছে।</translation>
    </message>
    <message>
        <source>The file %1 was not as this game last left it: another program changed it, or it holds what this career cannot use. It is kept unchanged as %2, and your career is saved in its place.</source>
        <extracomment>%1 is a file of the game&apos;s Saves folder, %2 the name it is kept under.</extracomment>
        <translation>%1 ফাইলটি এই গেম শেষবার যেমন রেখে গিয়েছিল তেমন ছিল না: অন্য কোনো প্রোগ্রাম সেটি বদলেছে, অথবা তাতে এমন কিছু আছে যা এই কেরিয়ার ব্যবহার করতে পারে না। সেটি যেমন ছিল তেমনই %2 হিসেবে রেখে দেওয়া হয়েছে, আর আপনার কেরিয়ার তার জায়গায় সেভ করা হয়েছে।</translation>
    </message>
</context>
<context>
    <name>SavedCareersModel</name>
    <message>
        <source>Set aside, ended</source>
        <extracomment>A career&apos;s save kept aside when another career took its file.</extracomment>
        <translation>সরিয়ে রাখা, শেষ</translation>
    </message>
    <message>
        <source>Set aside</source>
        <translation>সরিয়ে রাখা</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a saved career has ended or can be played on.</extracomment>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>চলছে</translation>
    </message>
    <message>
        <source>%1 is not a career the game can load: %2</source>
        <extracomment>Why a file in the Saves folder cannot be loaded: %1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>%1 এমন কোনো কেরিয়ার নয় যা গেম লোড করতে পারে: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>খেলোয়াড়</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>স্তর</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>দল</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ম্যাচ</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>রান</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>উইকেট</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>ব্যাংক ব্যালান্স (টাকা)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>স্ট্যাটাস</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>শেষ খেলা</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Set aside, played on after its end</source>
        <extracomment>A career&apos;s save kept aside when another career took its file, of a career that ended and was loaded and played on.</extracomment>
        <translation>সরিয়ে রাখা, শেষের পরেও চলছে</translation>
    </message>
    <message>
        <source>Played on after its end</source>
        <extracomment>A career that ended, then was loaded again and played on.</extracomment>
        <translation>শেষের পরেও চলছে</translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career listed from a Saves folder the game cannot write to.</extracomment>
        <translation>%1, শুধু পড়ার জন্য</translation>
    </message>
</context>
<context>
    <name>ScreenNavigator</name>
    <message>
        <source>Bailcrest: Load Game</source>
        <translation>Bailcrest: গেম লোড করুন</translation>
    </message>
    <message>
        <source>Bailcrest Saves (%1)</source>
        <extracomment>The Load dialog&apos;s file type. %1 is the file pattern, which Qt reads back from between the parentheses: keep it there, at the end.</extracomment>
        <translation>Bailcrest সেভ ফাইল (%1)</translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message>
        <source>Bailcrest: Sponsorship</source>
        <translation>Bailcrest: স্পনসরশিপ</translation>
    </message>
    <message>
        <source>SPONSORSHIP OFFERS</source>
        <translation>স্পনসরশিপের প্রস্তাব</translation>
    </message>
    <message>
        <source>Offers (Rs.)</source>
        <translation>প্রস্তাব (টাকা)</translation>
    </message>
    <message>
        <source>Offer of %1</source>
        <translation>%1-এর প্রস্তাব</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Offer (Rs.): %1</source>
        <extracomment>What a screen reader says of a sponsor&apos;s option: %1 the offer in rupees.</extracomment>
        <translation>প্রস্তাব (টাকা): %1</translation>
    </message>
    <message>
        <source>%1, %2 (Rs.)</source>
        <extracomment>One offer in the list a screen reader hears as the screen opens: %1 the sponsor, %2 the offer in rupees.</extracomment>
        <translation>%1, %2 (টাকা)</translation>
    </message>
    <message>
        <source>No sponsor makes you an offer yet.</source>
        <translation>এখনও কোনো স্পনসর আপনাকে প্রস্তাব দেয় না।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sponsor(s) make you an offer: %1.</source>
        <translation>
            <numerusform>%Ln স্পনসর আপনাকে প্রস্তাব দেয়: %1।</numerusform>
            <numerusform>%Ln স্পনসর আপনাকে প্রস্তাব দেয়: %1।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Bailcrest speaks English: no font on this computer can write %1. To play in %1, install a font for it, such as those of Debian&apos;s fonts-noto-core.</source>
        <extracomment>Shown in English, as the game has fallen back to it. %1 is the desktop&apos;s language, named in English.</extracomment>
        <translation>Bailcrest ইংরেজিতে চলছে: এই কম্পিউটারের কোনো ফন্ট %1 লিখতে পারে না। %1-এ খেলতে এর একটি ফন্ট ইনস্টল করুন, যেমন Debian-এর fonts-noto-core-এর ফন্টগুলো।</translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and End all of them; Down or Page Down takes them away, Page Down ten at a time, and Home all of them.</source>
        <translation>Up বা Page Up ইউনিট যোগ করে, Page Up একবারে দশটি, আর End সবগুলো; Down বা Page Down ইউনিট কমায়, Page Down একবারে দশটি, আর Home সবগুলো।</translation>
    </message>
</context>
</TS>

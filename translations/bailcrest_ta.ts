<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>AppStream</name>
    <message>
        <source>Take a cricketer from club cricket to the World Cup</source>
        <translation>ஒரு கிரிக்கெட் வீரரை கிளப் கிரிக்கெட்டிலிருந்து உலகக் கோப்பை வரை அழைத்துச் செல்லுங்கள்</translation>
    </message>
    <message>
        <source>Bailcrest is a single-player cricket-career game. You create a cricketer, with a name, a home city, state and country and three starting skills, and guide the career one match at a time, from a club team through the city and state sides to the national team and the World Cup.</source>
        <translation>Bailcrest ஒருவர் விளையாடும் கிரிக்கெட் கேரியர் விளையாட்டு. பெயர், சொந்த நகரம், மாநிலம், நாடு, மூன்று தொடக்கத் திறன்களுடன் ஒரு கிரிக்கெட் வீரரை உருவாக்கி, அவரது கேரியரை ஒவ்வொரு போட்டியாக வழிநடத்துங்கள்: கிளப் அணியிலிருந்து நகர, மாநில அணிகள் வழியாகத் தேசிய அணி வரை, உலகக் கோப்பை வரை.</translation>
    </message>
    <message>
        <source>Each match draws your runs, wickets and catches from your batting, bowling and fielding, and from the condition of your gear and of your body. Raise your skills far enough and you are promoted; let them, your fitness or your bat run down and you are dropped a level, and a club player who is dropped ends his career. Now and then a bookie offers money to play badly: take it, and an enquiry may end the career on the spot.</source>
        <translation>ஒவ்வொரு போட்டியிலும் உங்கள் ரன்கள், விக்கெட்டுகள், கேட்ச்கள் உங்கள் பேட்டிங், பந்துவீச்சு, பீல்டிங் திறனிலிருந்தும், உங்கள் உபகரணங்கள், உடல் ஆகியவற்றின் நிலைமையிலிருந்தும் அமைகின்றன. திறன்களைப் போதுமான அளவு வளர்த்தால் மேல் நிலைக்கு உயர்வு கிடைக்கும்; அவையோ உங்கள் பிட்னஸ்யோ உங்கள் பேட்டோ தேய்ந்துபோனால் ஒரு நிலை கீழே இறக்கப்படுவீர்கள், இறக்கப்படும் கிளப் வீரரின் கேரியர் அத்துடன் முடியும். அவ்வப்போது மோசமாக விளையாடப் பணம் தருவதாக ஒரு புக்கி ஆஃபர் தருவார்: அதை வாங்கினால், ஒரு விசாரணை அந்த இடத்திலேயே கேரியரை முடித்துவிடக்கூடும்.</translation>
    </message>
    <message>
        <source>Between matches you manage the career:</source>
        <translation>போட்டிகளுக்கு இடையே நீங்கள் கேரியரை நிர்வகிக்கிறீர்கள்:</translation>
    </message>
    <message>
        <source>spend your match fees and sponsorship on training, on a new bat, gloves and pads, and on fitness, health and stamina</source>
        <translation>போட்டிக் கட்டணங்களையும் ஸ்பான்சர்ஷிப் பணத்தையும் பயிற்சிக்கும், புதிய பேட், கையுறைகள், பேடுகளுக்கும், பிட்னஸ், நலம், தெம்புக்கும் செலவிடுங்கள்</translation>
    </message>
    <message>
        <source>choose a sponsor among the offers your skill has earned</source>
        <translation>உங்கள் திறன் பெற்றுத்தந்த ஆஃபர்களில் ஒரு ஸ்பான்சரைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>keep a record book of matches, runs, wickets, catches, averages and best figures for every level</source>
        <translation>ஒவ்வொரு நிலையின் போட்டிகள், ரன்கள், விக்கெட்டுகள், கேட்ச்கள், சராசரிகள், சிறந்த புள்ளிவிவரங்களுடன் ஒரு சாதனைப் புத்தகம் வைத்திருங்கள்</translation>
    </message>
    <message>
        <source>save the career automatically after every match and load it again later</source>
        <translation>ஒவ்வொரு போட்டிக்குப் பிறகும் கேரியரைத் தானாகச் சேமித்து, பின்னர் மீண்டும் ஏற்றுங்கள்</translation>
    </message>
    <message>
        <source>play in English, Hindi, Urdu, Bengali or Tamil: the game speaks the desktop&apos;s language</source>
        <translation>ஆங்கிலம், இந்தி, உருது, வங்காளம் அல்லது தமிழில் விளையாடுங்கள்: விளையாட்டு உங்கள் டெஸ்க்டாப்பின் மொழியில் பேசும்</translation>
    </message>
    <message>
        <source>The main screen: a career&apos;s skills, statistics, money, gear and health</source>
        <translation>முதன்மைத் திரை: ஒரு கேரியரின் திறன்கள், புள்ளிவிவரங்கள், பணம், உபகரணங்கள், நலம்</translation>
    </message>
    <message>
        <source>A match: the runs, wickets and catches drawn from the player&apos;s skills</source>
        <translation>ஒரு போட்டி: வீரரின் திறன்களிலிருந்து அமையும் ரன்கள், விக்கெட்டுகள், கேட்ச்கள்</translation>
    </message>
    <message>
        <source>The History window: charts, seasons, milestones and every match</source>
        <translation>வரலாறு சாளரம்: வரைபடங்கள், சீசன்கள், மைல்கற்கள், ஒவ்வொரு போட்டியும்</translation>
    </message>
    <message>
        <source>The hall of fame of the best careers</source>
        <translation>சிறந்த கேரியர்களின் புகழ் அரங்கம்</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>Bats, pads and gloves for every level</source>
        <extracomment>The line under &quot;Example Sports&quot; on the credits&apos; left banner, an advertisement for cricket gear. Drawn in 10-point type on a banner 215 pixels wide: keep it as short as English.</extracomment>
        <translation>எல்லா நிலைக்கும் பேட், கையுறை, பேடு</translation>
    </message>
    <message>
        <source>Follow your team to every ground</source>
        <translation>அணியுடன் எல்லா மைதானத்துக்கும்</translation>
    </message>
</context>
<context>
    <name>CareerCard</name>
    <message>
        <source>%1 for %2 (%3), match %4</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), match 12&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 the match.</extracomment>
        <translation>%2 (%3) அணிக்காக %1, போட்டி %4</translation>
    </message>
    <message>
        <source>%1 for %2 (%3), matches %4 to %5</source>
        <extracomment>A stay at one level: &quot;2,345 for Pune (City), matches 12 to 80&quot;. %1 is the figure the caption names, %2 the team, %3 the level, %4 and %5 the first and last match.</extracomment>
        <translation>%2 (%3) அணிக்காக %1, போட்டிகள் %4 முதல் %5 வரை</translation>
    </message>
    <message>
        <source>Dropped from club cricket.</source>
        <translation>கிளப் கிரிக்கெட்டிலிருந்து நீக்கப்பட்டார்.</translation>
    </message>
    <message>
        <source>Caught by the enquiry into the bookie&apos;s money.</source>
        <translation>புக்கியின் பணம் பற்றிய விசாரணையில் சிக்கினார்.</translation>
    </message>
    <message>
        <source>Still playing.</source>
        <extracomment>How the career ended: it has not, the player plays on.</extracomment>
        <translation>இன்னும் விளையாடுகிறார்.</translation>
    </message>
    <message>
        <source>CAREER</source>
        <extracomment>Heading of the card that sums up a whole career.</extracomment>
        <translation>கேரியர்</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>வீரர்:</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>உச்ச நிலை:</translation>
    </message>
    <message>
        <source>Levels reached:</source>
        <translation>எட்டிய நிலைகள்:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>போட்டிகள்:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>ரன்கள்:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>விக்கெட்டுகள்:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>கேட்ச்கள்:</translation>
    </message>
    <message>
        <source>Highest score:</source>
        <translation>அதிகபட்ச ஸ்கோர்:</translation>
    </message>
    <message>
        <source>Best bowling:</source>
        <extracomment>The most wickets the player took in one match.</extracomment>
        <translation>சிறந்த பந்துவீச்சு:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>அரைசதங்கள்:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>சதங்கள்:</translation>
    </message>
    <message>
        <source>5 wickets:</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>5 விக்கெட்டுகள்:</translation>
    </message>
    <message>
        <source>Peak overall skill:</source>
        <extracomment>The highest overall skill the player ever had.</extracomment>
        <translation>உச்ச ஒட்டுமொத்த திறன்:</translation>
    </message>
    <message>
        <source>Money earned (Rs.):</source>
        <extracomment>Match fees, sponsorship and awards earned over the career, in rupees.</extracomment>
        <translation>சம்பாதித்த பணம் (ரூ.):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>வங்கி இருப்பு (ரூ.):</translation>
    </message>
    <message>
        <source>Most runs in a stay:</source>
        <extracomment>A stay: the matches played at one level, from arriving there to leaving.</extracomment>
        <translation>ஒரு நிலைக் காலத்தில் அதிக ரன்கள்:</translation>
    </message>
    <message>
        <source>Best stay (runs a match):</source>
        <translation>சிறந்த நிலைக் காலம் (போட்டிக்கு ரன்கள்):</translation>
    </message>
    <message>
        <source>Longest stay (matches):</source>
        <translation>நீண்ட நிலைக் காலம் (போட்டிகள்):</translation>
    </message>
    <message>
        <source>How it ended:</source>
        <extracomment>How the career came to its end.</extracomment>
        <translation>முடிந்த விதம்:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>அணி</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>போட்டிகள்</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>கேட்ச்கள்</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>சம்பாதித்த பணம் (ரூ.)</translation>
    </message>
    <message>
        <source>Levels and teams</source>
        <extracomment>The table of the career&apos;s figures at each level and with each team.</extracomment>
        <translation>நிலைகளும் அணிகளும்</translation>
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
    <message>
        <source>%1. Shows match %2, where the stay began, in the table of matches.</source>
        <extracomment>What pressing a stay on the career card does, for a screen reader. %1 names the stay (&quot;Longest stay (matches)&quot;), %2 is the stay&apos;s first match.</extracomment>
        <translation>%1. அந்த நிலைக் காலம் தொடங்கிய போட்டி %2, போட்டிகளின் அட்டவணையில் காட்டப்படும்.</translation>
    </message>
    <message>
        <source>%1. Shows match %2 in the table of matches.</source>
        <extracomment>What pressing a high on the career card does, for a screen reader. %1 names the high (&quot;Highest score&quot;), %2 is the match it was made in.</extracomment>
        <translation>%1. போட்டிகளின் அட்டவணையில் போட்டி %2 காட்டப்படும்.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two levels the career reached: &quot;Club, City, State&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>None yet</source>
        <extracomment>Shown for a stay when the career has no history to find it in.</extracomment>
        <translation>இன்னும் இல்லை</translation>
    </message>
    <message>
        <source>Stays, teams and money earned count from match %1, where the history begins.</source>
        <translation>நிலைக் காலங்கள், அணிகள், சம்பாதித்த பணம் ஆகியவை வரலாறு தொடங்கும் போட்டி %1 முதல் கணக்கிடப்படுகின்றன.</translation>
    </message>
    <message>
        <source>All teams</source>
        <extracomment>In the career card&apos;s table: a level&apos;s figures with every team there.</extracomment>
        <translation>எல்லா அணிகளும்</translation>
    </message>
</context>
<context>
    <name>CareerPicker</name>
    <message>
        <source>&amp;Find:</source>
        <extracomment>Above the Load list: what the player types narrows the list.</extracomment>
        <translation>தேடு (&amp;F):</translation>
    </message>
    <message>
        <source>Name, team, level or file</source>
        <extracomment>In the Load list&apos;s find field, before anything is typed.</extracomment>
        <translation>பெயர், அணி, நிலை அல்லது கோப்பு</translation>
    </message>
    <message>
        <source>Saved careers</source>
        <extracomment>The Load list&apos;s table, as a screen reader names it.</extracomment>
        <translation>சேமித்த கேரியர்கள்</translation>
    </message>
    <message>
        <source>No career is saved in %1 yet. Browse… finds a save elsewhere.</source>
        <translation>%1 கோப்புறையில் இன்னும் எந்தக் கேரியரும் சேமிக்கப்படவில்லை. வேறு இடத்தில் உள்ள சேமிப்பை உலாவு… கண்டுபிடிக்கும்.</translation>
    </message>
    <message>
        <source>Careers saved in %1.</source>
        <extracomment>%1 is the folder the Load list shows.</extracomment>
        <translation>%1 கோப்புறையில் சேமித்த கேரியர்கள்.</translation>
    </message>
    <message>
        <source>The careers of %1 are listed too, marked read-only: the game cannot write there, so new saves go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1 கோப்புறையின் கேரியர்களும் படிக்க மட்டும் எனக் குறிக்கப்பட்டுப் பட்டியலில் உள்ளன: விளையாட்டால் அங்கே எழுத முடியாது, எனவே புதிய சேமிப்புகள் %2 கோப்புறைக்குச் செல்லும்.</translation>
    </message>
    <message>
        <source>Browse…</source>
        <extracomment>Opens the file dialog to load a save from another folder.</extracomment>
        <translation>உலாவு…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Loads the career chosen in the list.</extracomment>
        <translation>திற</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
</context>
<context>
    <name>CareerSummaryScreen</name>
    <message>
        <source>Bailcrest: Career Summary</source>
        <translation>Bailcrest: கேரியர் சுருக்கம்</translation>
    </message>
    <message>
        <source>The career of %1 is over.</source>
        <extracomment>Heading of the window shown when a career ends; %1 is the player&apos;s name.</extracomment>
        <translation>%1 அவர்களின் கேரியர் முடிந்தது.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>What a screen reader tells as the career summary opens: %1 the heading (&quot;The career of Ravi is over.&quot;), %2 the card&apos;s figures.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <extracomment>Saves the career card as a picture (PNG) beside the save.</extracomment>
        <translation>படமாகச் சேமி</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Opens the career&apos;s History window.</extracomment>
        <translation>வரலாறு</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Closes the summary; the game then asks whether to play again.</extracomment>
        <translation>தொடர்க</translation>
    </message>
    <message>
        <source>The picture %1 could not be saved: %2.</source>
        <extracomment>%1 is a file, %2 the reason it could not be written.</extracomment>
        <translation>%1 படத்தைச் சேமிக்க முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>The career card is saved as %1. The picture that was there is kept as %2.</source>
        <extracomment>%1 is the picture saved, %2 the file the picture found there is kept as.</extracomment>
        <translation>கேரியர் அட்டை %1 என்ற பெயரில் சேமிக்கப்பட்டது. அங்கே முன்பு இருந்த படம் %2 என்ற பெயரில் வைக்கப்பட்டுள்ளது.</translation>
    </message>
    <message>
        <source>This career has no save file of its own here, so its card is saved under a name of its own, as %1.</source>
        <translation>இந்தக் கேரியருக்கு இங்கே தனக்கென ஒரு சேமிப்புக் கோப்பு இல்லை, எனவே அதன் அட்டை தனிப் பெயரில், %1 என்று சேமிக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>The career card is saved as %1.</source>
        <translation>கேரியர் அட்டை %1 என்ற பெயரில் சேமிக்கப்பட்டது.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>All Rounder</source>
        <translation>ஆல்ரவுண்டர்</translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation>பேட்ஸ்மேன்</translation>
    </message>
    <message>
        <source>Bowler</source>
        <translation>பந்துவீச்சாளர்</translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>Five Star</source>
        <translation>ஃபைவ் ஸ்டார்</translation>
    </message>
    <message>
        <source>Rising Sun</source>
        <translation>ரைசிங் சன்</translation>
    </message>
    <message>
        <source>Shining Moon</source>
        <translation>ஷைனிங் மூன்</translation>
    </message>
    <message>
        <source>Happy Valley</source>
        <translation>ஹேப்பி வேலி</translation>
    </message>
    <message>
        <source>Country Side</source>
        <translation>கன்ட்ரி சைடு</translation>
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
        <translation>Bailcrest, ஒரு கிரிக்கெட் கேரியர் விளையாட்டு: ஒரு கிரிக்கெட் வீரரை கிளப் கிரிக்கெட்டிலிருந்து உலகக் கோப்பை வரை அழைத்துச் செல்லுங்கள்.</translation>
    </message>
    <message>
        <source>Bailcrest takes no arguments: %1.</source>
        <extracomment>On the command line: %1 is what was typed after the program&apos;s name.</extracomment>
        <translation>Bailcrest எந்த அளவுருக்களையும் ஏற்காது: %1.</translation>
    </message>
</context>
<context>
    <name>CreditsScreen</name>
    <message>
        <source>Bailcrest: Credits</source>
        <translation>Bailcrest: நன்றியுரை</translation>
    </message>
    <message>
        <source>Bailcrest crest</source>
        <translation>Bailcrest சின்னம்</translation>
    </message>
    <message>
        <source>BAILCREST</source>
        <translation>BAILCREST</translation>
    </message>
    <message>
        <source>VERSION 1.0</source>
        <translation>பதிப்பு 1.0</translation>
    </message>
    <message>
        <source>PROGRAMMED BY:</source>
        <translation>நிரலாக்கம்:</translation>
    </message>
    <message>
        <source>Bailcrest team</source>
        <translation>Bailcrest அணி</translation>
    </message>
    <message>
        <source>WEBSITE:</source>
        <translation>முகவரி:</translation>
    </message>
    <message>
        <source>PLEASE READ CAREFULLY:</source>
        <translation>கவனமாகப் படிக்கவும்:</translation>
    </message>
    <message>
        <source>Bailcrest costs you nothing because our advertisers pay for it. Please take a moment to visit them: a click on a banner below opens the advertiser&apos;s web page in your browser, and your career stays exactly where you left it. Every visit helps to keep Bailcrest free for everyone. Thank you!</source>
        <translation>Bailcrest உங்களுக்கு இலவசம், ஏனெனில் எங்கள் விளம்பரதாரர்கள் அதற்குப் பணம் செலுத்துகிறார்கள். தயவுசெய்து சிறிது நேரம் ஒதுக்கி அவர்களைப் பார்வையிடுங்கள்: கீழே உள்ள ஒரு பேனரைச் சொடுக்கினால் விளம்பரதாரரின் இணையப் பக்கம் உங்கள் உலாவியில் திறக்கும், உங்கள் கேரியர் நீங்கள் விட்ட இடத்திலேயே இருக்கும். ஒவ்வொரு வருகையும் Bailcrest அனைவருக்கும் இலவசமாக இருக்க உதவுகிறது. நன்றி!</translation>
    </message>
    <message>
        <source>Advertiser banner, %1</source>
        <translation>விளம்பரதாரர் பேனர், %1</translation>
    </message>
    <message>
        <source>Opens the advertiser&apos;s web page</source>
        <translation>விளம்பரதாரரின் இணையப் பக்கத்தைத் திறக்கும்</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>தொடர்க</translation>
    </message>
    <message>
        <source>The advertiser&apos;s page could not be opened. You can type its address into a web browser:

%1</source>
        <translation>விளம்பரதாரரின் பக்கத்தைத் திறக்க முடியவில்லை. அதன் முகவரியை ஓர் இணைய உலாவியில் தட்டச்சு செய்யலாம்:

%1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cricket Career Game</source>
        <translation>கிரிக்கெட் கேரியர் விளையாட்டு</translation>
    </message>
    <message>
        <source>Manage the career of a cricketer from club cricket to the World Cup</source>
        <translation>ஒரு கிரிக்கெட் வீரரின் கேரியரை கிளப் கிரிக்கெட்டிலிருந்து உலகக் கோப்பை வரை நிர்வகியுங்கள்</translation>
    </message>
    <message>
        <source>cricket;career;sports;</source>
        <translation>கிரிக்கெட்;கேரியர்;விளையாட்டு;cricket;</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Bailcrest needs a desktop session (X11 or Wayland) to show its windows, and found none. Start it from a desktop; the messages below are Qt&apos;s.</source>
        <extracomment>On the command line, before Qt&apos;s own messages, when the game is started where no desktop can show its windows (a text console, a remote shell).</extracomment>
        <translation>Bailcrest தன் சாளரங்களைக் காட்ட ஒரு டெஸ்க்டாப் அமர்வு (X11 அல்லது Wayland) தேவை, ஆனால் எதுவும் கிடைக்கவில்லை. இதை ஒரு டெஸ்க்டாப்பிலிருந்து தொடங்குங்கள்; கீழே உள்ள செய்திகள் Qt-இன் செய்திகள்.</translation>
    </message>
</context>
<context>
    <name>HallOfFameScreen</name>
    <message>
        <source>Most &amp;Runs</source>
        <translation>அதிக ரன்கள் (&amp;R)</translation>
    </message>
    <message>
        <source>Most &amp;Wickets</source>
        <translation>அதிக விக்கெட்டுகள் (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Highest Level</source>
        <extracomment>The careers that rose highest: Club, City, State, National.</extracomment>
        <translation>உச்ச நிலை (&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;ongest Career</source>
        <extracomment>The careers of the most matches.</extracomment>
        <translation>நீண்ட கேரியர் (&amp;O)</translation>
    </message>
    <message>
        <source>Ri&amp;chest</source>
        <extracomment>The careers with the most money in the bank.</extracomment>
        <translation>அதிகப் பணம் (&amp;C)</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>The place in a list of the best careers.</extracomment>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>வீரர்</translation>
    </message>
    <message>
        <source>Highest level</source>
        <translation>உச்ச நிலை</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>போட்டிகள்</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>வங்கி இருப்பு (ரூ.)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>நிலவரம்</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>கடைசியாக விளையாடியது</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a career in the hall of fame has ended or is still played.</extracomment>
        <translation>முடிந்தது</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>தொடர்கிறது</translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career of a Saves folder the game cannot write to: %1 is whether it has ended (&quot;Ended&quot;, &quot;Playing&quot;).</extracomment>
        <translation>%1, படிக்க மட்டும்</translation>
    </message>
    <message>
        <source>Bailcrest: Hall of Fame</source>
        <translation>Bailcrest: புகழ் அரங்கம்</translation>
    </message>
    <message>
        <source>No career has been saved yet. Careers that save themselves after every match come in here.</source>
        <translation>இன்னும் எந்தக் கேரியரும் சேமிக்கப்படவில்லை. ஒவ்வொரு போட்டிக்குப் பிறகும் தானாகச் சேமிக்கப்படும் கேரியர்கள் இங்கே இடம்பெறும்.</translation>
    </message>
    <message>
        <source>The hall of fame of %1 is shown too, its careers marked read-only: the game cannot write there, so new saves, and the careers they bring in here, go to %2.</source>
        <extracomment>%1 is a Saves folder the game cannot write to, %2 where new saves go.</extracomment>
        <translation>%1 கோப்புறையின் புகழ் அரங்கமும் காட்டப்படுகிறது, அதன் கேரியர்கள் படிக்க மட்டும் எனக் குறிக்கப்பட்டுள்ளன: விளையாட்டால் அங்கே எழுத முடியாது, எனவே புதிய சேமிப்புகளும் அவை இங்கே கொண்டுவரும் கேரியர்களும் %2 கோப்புறைக்குச் செல்லும்.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>The hall of fame file was damaged, and no career could be read from it. It is kept as %1, and the hall of fame starts afresh.</source>
        <extracomment>%1 is the file the damaged hall of fame is kept as.</extracomment>
        <translation>புகழ் அரங்கக் கோப்பு சேதமடைந்திருந்தது, அதிலிருந்து எந்தக் கேரியரையும் படிக்க முடியவில்லை. அது %1 என்ற பெயரில் வைக்கப்பட்டுள்ளது, புகழ் அரங்கம் புதிதாகத் தொடங்குகிறது.</translation>
    </message>
    <message numerus="yes">
        <source>The hall of fame file was damaged. It is kept as %1, and the hall of fame goes on with the %Ln careers that could be read from it.</source>
        <translation>
            <numerusform>புகழ் அரங்கக் கோப்பு சேதமடைந்திருந்தது. அது %1 என்ற பெயரில் வைக்கப்பட்டுள்ளது, அதிலிருந்து படிக்க முடிந்த %Ln கேரியருடன் புகழ் அரங்கம் தொடர்கிறது.</numerusform>
            <numerusform>புகழ் அரங்கக் கோப்பு சேதமடைந்திருந்தது. அது %1 என்ற பெயரில் வைக்கப்பட்டுள்ளது, அதிலிருந்து படிக்க முடிந்த %Ln கேரியர்களுடன் புகழ் அரங்கம் தொடர்கிறது.</numerusform>
        </translation>
    </message>
    <message>
        <source>The hall of fame %1 could not be kept: %2.</source>
        <extracomment>%1 is the file, %2 the reason it could not be written.</extracomment>
        <translation>%1 என்ற புகழ் அரங்கக் கோப்பினைச் சேமிக்க முடியவில்லை: %2.</translation>
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
            <numerusform>புகழ் அரங்கில் %Ln கேரியர். %1, முதலிடம்: %2.</numerusform>
            <numerusform>புகழ் அரங்கில் %Ln கேரியர்கள். %1, முதலிடம்: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Batting average of the level</source>
        <translation>நிலையின் பேட்டிங் சராசரி</translation>
    </message>
    <message>
        <source>No runs scored in the matches kept.</source>
        <translation>வைத்திருக்கும் போட்டிகளில் ரன் எதுவும் எடுக்கவில்லை.</translation>
    </message>
    <message>
        <source>No runs scored yet.</source>
        <translation>இன்னும் ரன் எதுவும் எடுக்கவில்லை.</translation>
    </message>
    <message numerus="yes">
        <source>Runs in each match, %Ln kept; the most %1 in match %2; the batting average of the level after the last match %3.</source>
        <translation>
            <numerusform>ஒவ்வொரு போட்டியின் ரன்கள், %Ln போட்டி வைக்கப்பட்டுள்ளது; அதிகபட்சம் போட்டி %2 இல் %1; கடைசிப் போட்டிக்குப் பின் நிலையின் பேட்டிங் சராசரி %3.</numerusform>
            <numerusform>ஒவ்வொரு போட்டியின் ரன்கள், %Ln போட்டிகள் வைக்கப்பட்டுள்ளன; அதிகபட்சம் போட்டி %2 இல் %1; கடைசிப் போட்டிக்குப் பின் நிலையின் பேட்டிங் சராசரி %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>No wickets taken in the matches kept.</source>
        <translation>வைத்திருக்கும் போட்டிகளில் விக்கெட் எதுவும் எடுக்கவில்லை.</translation>
    </message>
    <message>
        <source>No wickets taken yet.</source>
        <translation>இன்னும் விக்கெட் எதுவும் எடுக்கவில்லை.</translation>
    </message>
    <message numerus="yes">
        <source>Wickets in each match, %Ln kept; wickets in all %1, the most %2 in match %3.</source>
        <translation>
            <numerusform>ஒவ்வொரு போட்டியின் விக்கெட்டுகள், %Ln போட்டி வைக்கப்பட்டுள்ளது; மொத்த விக்கெட்டுகள் %1, அதிகபட்சம் போட்டி %3 இல் %2.</numerusform>
            <numerusform>ஒவ்வொரு போட்டியின் விக்கெட்டுகள், %Ln போட்டிகள் வைக்கப்பட்டுள்ளன; மொத்த விக்கெட்டுகள் %1, அதிகபட்சம் போட்டி %3 இல் %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>திறன்</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>பேட்டிங்</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>பந்துவீச்சு</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>பீல்டிங்</translation>
    </message>
    <message>
        <source>Overall skill</source>
        <translation>ஒட்டுமொத்த திறன்</translation>
    </message>
    <message>
        <source>Selection threshold of the level</source>
        <translation>நிலையின் தேர்வு வரம்பு</translation>
    </message>
    <message>
        <source>Promotion: overall skill %1</source>
        <translation>உயர்வு: ஒட்டுமொத்த திறன் %1</translation>
    </message>
    <message>
        <source>Promotion: batting or bowling %1</source>
        <translation>உயர்வு: பேட்டிங் அல்லது பந்துவீச்சு %1</translation>
    </message>
    <message>
        <source>Promotion</source>
        <translation>உயர்வு</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>இறக்கம்</translation>
    </message>
    <message>
        <source>World Cup selection</source>
        <translation>உலகக் கோப்பைத் தேர்வு</translation>
    </message>
    <message numerus="yes">
        <source>Batting, bowling, fielding and overall skill after each match, %Ln kept; after the last %1, %2, %3 and overall %4, against promotion at %5 overall or %6 batting or bowling.</source>
        <translation>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் பேட்டிங், பந்துவீச்சு, பீல்டிங், ஒட்டுமொத்த திறன், %Ln போட்டி வைக்கப்பட்டுள்ளது; கடைசிப் போட்டிக்குப் பின் %1, %2, %3, ஒட்டுமொத்தம் %4; உயர்வுக்கு ஒட்டுமொத்தம் %5 அல்லது பேட்டிங் அல்லது பந்துவீச்சு %6.</numerusform>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் பேட்டிங், பந்துவீச்சு, பீல்டிங், ஒட்டுமொத்த திறன், %Ln போட்டிகள் வைக்கப்பட்டுள்ளன; கடைசிப் போட்டிக்குப் பின் %1, %2, %3, ஒட்டுமொத்தம் %4; உயர்வுக்கு ஒட்டுமொத்தம் %5 அல்லது பேட்டிங் அல்லது பந்துவீச்சு %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promotions marked: %Ln.</source>
        <translation>
            <numerusform>குறிக்கப்பட்ட உயர்வு: %Ln.</numerusform>
            <numerusform>குறிக்கப்பட்ட உயர்வுகள்: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drops marked: %Ln.</source>
        <translation>
            <numerusform>குறிக்கப்பட்ட இறக்கம்: %Ln.</numerusform>
            <numerusform>குறிக்கப்பட்ட இறக்கங்கள்: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rs.</source>
        <translation>ரூ.</translation>
    </message>
    <message>
        <source>Bank balance</source>
        <translation>வங்கி இருப்பு</translation>
    </message>
    <message numerus="yes">
        <source>The bank balance after each match, %Ln kept: Rs. %1 after the last, Rs. %2 at the most.</source>
        <translation>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் வங்கி இருப்பு, %Ln போட்டி வைக்கப்பட்டுள்ளது: கடைசியில் ரூ. %1, அதிகபட்சம் ரூ. %2.</numerusform>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் வங்கி இருப்பு, %Ln போட்டிகள் வைக்கப்பட்டுள்ளன: கடைசியில் ரூ. %1, அதிகபட்சம் ரூ. %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>நிலைமை</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>ஒட்டுமொத்த உபகரணங்கள்</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>ஒட்டுமொத்த நலம்</translation>
    </message>
    <message>
        <source>Lowest item of gear</source>
        <translation>மிகக் குறைந்த உபகரணம்</translation>
    </message>
    <message>
        <source>Lowest of fitness, health and stamina</source>
        <translation>பிட்னஸ், நலம், தெம்பில் மிகக் குறைந்தது</translation>
    </message>
    <message>
        <source>Selection floor: any item at 0 keeps the player out</source>
        <translation>தேர்வு அடிமட்டம்: எதுவும் 0 ஆனால் வீரர் அணியில் இடம்பெற மாட்டார்</translation>
    </message>
    <message numerus="yes">
        <source>Overall gear and health, the lowest item of gear and the lowest of fitness, health and stamina after each match, %Ln kept; after the last %1, %2, %3 and %4. Any item of gear, fitness, health or stamina at 0 keeps the player out of the side.</source>
        <translation>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் ஒட்டுமொத்த உபகரணங்கள், ஒட்டுமொத்த நலம், மிகக் குறைந்த உபகரணம், பிட்னஸ், நலம், தெம்பில் மிகக் குறைந்தது, %Ln போட்டி வைக்கப்பட்டுள்ளது; கடைசிப் போட்டிக்குப் பின் %1, %2, %3, %4. ஏதேனும் ஓர் உபகரணம், பிட்னஸ், நலம் அல்லது தெம்பு 0 ஆனால் வீரர் அணியில் இடம்பெற மாட்டார்.</numerusform>
            <numerusform>ஒவ்வொரு போட்டிக்குப் பிறகும் ஒட்டுமொத்த உபகரணங்கள், ஒட்டுமொத்த நலம், மிகக் குறைந்த உபகரணம், பிட்னஸ், நலம், தெம்பில் மிகக் குறைந்தது, %Ln போட்டிகள் வைக்கப்பட்டுள்ளன; கடைசிப் போட்டிக்குப் பின் %1, %2, %3, %4. ஏதேனும் ஓர் உபகரணம், பிட்னஸ், நலம் அல்லது தெம்பு 0 ஆனால் வீரர் அணியில் இடம்பெற மாட்டார்.</numerusform>
        </translation>
    </message>
    <message>
        <source>Match</source>
        <translation>போட்டி</translation>
    </message>
    <message>
        <source>No match kept yet</source>
        <translation>இன்னும் போட்டி எதுவும் வைக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>No match kept yet.</source>
        <translation>இன்னும் போட்டி எதுவும் வைக்கப்படவில்லை.</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>திறன்கள்</translation>
    </message>
    <message>
        <source>Gear and health</source>
        <translation>உபகரணங்களும் நலமும்</translation>
    </message>
    <message>
        <source>Match %1, %2</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match, %2 the level it was played at.</extracomment>
        <translation>போட்டி %1, %2</translation>
    </message>
    <message>
        <source>Match %1</source>
        <extracomment>The match at a chart&apos;s cursor: %1 the match.</extracomment>
        <translation>போட்டி %1</translation>
    </message>
    <message>
        <source>%1 before match %2</source>
        <extracomment>A marker of a chart: %1 what it marks, %2 the match.</extracomment>
        <translation>போட்டி %2-க்கு முன் %1</translation>
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
    <message>
        <source>%1 in matches %2 to %3: mean %4, lowest %5, highest %6</source>
        <extracomment>A block of a long career&apos;s chart: %1 the line&apos;s name, %2 and %3 the first and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.</extracomment>
        <translation>போட்டிகள் %2 முதல் %3 வரை %1: சராசரி %4, குறைந்தது %5, அதிகம் %6</translation>
    </message>
    <message>
        <source>%1 in match %2: %3</source>
        <extracomment>A point of a chart: %1 the line&apos;s name, %2 the match, %3 the value.</extracomment>
        <translation>போட்டி %2 இல் %1: %3</translation>
    </message>
    <message>
        <source>%1, lowest to highest</source>
        <extracomment>The shaded band around a line of a long career&apos;s chart.</extracomment>
        <translation>%1, குறைந்தது முதல் அதிகம் வரை</translation>
    </message>
</context>
<context>
    <name>HistoryScreen</name>
    <message>
        <source>The charts cannot be shown, as the part of the game that draws them belongs to another version of it. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts was installed with another version of the game.</extracomment>
        <translation>வரைபடங்களைக் காட்ட முடியாது, ஏனெனில் அவற்றை வரையும் விளையாட்டின் பகுதி அதன் வேறொரு பதிப்பைச் சேர்ந்தது. சீசன்கள், மைல்கற்கள், போட்டிகளின் அட்டவணை ஆகியவை முழுக் கேரியரையும் சொல்கின்றன.</translation>
    </message>
    <message>
        <source>The charts cannot be shown, as part of the game is missing. The seasons, the milestones and the table of matches tell the whole career.</source>
        <extracomment>Shown in place of a chart when the module that draws the charts is missing.</extracomment>
        <translation>வரைபடங்களைக் காட்ட முடியாது, ஏனெனில் விளையாட்டின் ஒரு பகுதி காணவில்லை. சீசன்கள், மைல்கற்கள், போட்டிகளின் அட்டவணை ஆகியவை முழுக் கேரியரையும் சொல்கின்றன.</translation>
    </message>
    <message>
        <source>Career</source>
        <extracomment>The tab that holds the card summing up the career while the History window is too short to show the card above the charts.
----------
The first row of the seasons table: the whole career&apos;s figures.</extracomment>
        <translation>கேரியர்</translation>
    </message>
    <message>
        <source>Bailcrest: Career History</source>
        <translation>Bailcrest: கேரியர் வரலாறு</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Detach</source>
        <extracomment>Below the History pane of the main window: opens the history as a window of its own.</extracomment>
        <translation>தனியாக்கு</translation>
    </message>
    <message>
        <source>Opens the career&apos;s history in a window of its own.</source>
        <translation>கேரியரின் வரலாற்றைத் தனிச் சாளரத்தில் திறக்கும்.</translation>
    </message>
    <message>
        <source>Scroll the window up or down</source>
        <translation>சாளரத்தை மேலே அல்லது கீழே நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll the window sideways</source>
        <translation>சாளரத்தைப் பக்கவாட்டில் நகர்த்து</translation>
    </message>
    <message>
        <source>CAREER</source>
        <translation>கேரியர்</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>வரைபடங்கள்</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>சீசன்கள்</translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>மைல்கற்கள்</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>போட்டிகள்</translation>
    </message>
    <message>
        <source>Every match of the career, one a row; a column heading, or the sort choice above, sorts by it.</source>
        <translation>கேரியரின் ஒவ்வொரு போட்டியும், வரிசைக்கு ஒன்றாக; ஒரு நெடுவரிசைத் தலைப்போ மேலே உள்ள வரிசைப்படுத்தல் தேர்வோ அதன்படி வரிசைப்படுத்தும்.</translation>
    </message>
    <message>
        <source>Sort the matches by:</source>
        <translation>போட்டிகளை வரிசைப்படுத்த:</translation>
    </message>
    <message>
        <source>Sort the matches by</source>
        <translation>போட்டிகளை வரிசைப்படுத்த</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>வரிசை</translation>
    </message>
    <message>
        <source>Lowest first</source>
        <extracomment>Sorting order: smallest value first.</extracomment>
        <translation>குறைந்தது முதலில்</translation>
    </message>
    <message>
        <source>Highest first</source>
        <extracomment>Sorting order: largest value first.</extracomment>
        <translation>அதிகம் முதலில்</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>வீரர்:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>நிலை:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>அணி:</translation>
    </message>
    <message>
        <source>World Cup:</source>
        <translation>உலகக் கோப்பை:</translation>
    </message>
    <message>
        <source>Matches in the career:</source>
        <translation>கேரியரில் போட்டிகள்:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>தேர்வானார்</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>தேர்வாகவில்லை</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>ரன்கள்:</translation>
    </message>
    <message>
        <source>Wickets:</source>
        <translation>விக்கெட்டுகள்:</translation>
    </message>
    <message>
        <source>Catches:</source>
        <translation>கேட்ச்கள்:</translation>
    </message>
    <message>
        <source>Award (Rs.):</source>
        <translation>பரிசு (ரூ.):</translation>
    </message>
    <message>
        <source>Match fee (Rs.):</source>
        <translation>போட்டிக் கட்டணம் (ரூ.):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.):</source>
        <translation>ஸ்பான்சர்ஷிப் (ரூ.):</translation>
    </message>
    <message>
        <source>Bank balance (Rs.):</source>
        <translation>வங்கி இருப்பு (ரூ.):</translation>
    </message>
    <message>
        <source>Overall gear:</source>
        <translation>ஒட்டுமொத்த உபகரணங்கள்:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>பேட்டிங்:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>பந்துவீச்சு:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>பீல்டிங்:</translation>
    </message>
    <message>
        <source>Overall health:</source>
        <translation>ஒட்டுமொத்த நலம்:</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>பேட்:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>கையுறை:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>பேடு:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>மற்றவை:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>பிட்னஸ்:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>நலம்:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>தெம்பு:</translation>
    </message>
    <message>
        <source>LAST MATCH</source>
        <translation>கடைசிப் போட்டி</translation>
    </message>
    <message>
        <source>Since the match before:</source>
        <translation>முந்தைய போட்டியிலிருந்து:</translation>
    </message>
    <message>
        <source>LAST MATCH: NONE KEPT YET</source>
        <translation>கடைசிப் போட்டி: இன்னும் எதுவும் வைக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>LAST MATCH: %1, %2 (%3)</source>
        <translation>கடைசிப் போட்டி: %1, %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>எதுவும் இல்லை</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>காட்டு:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>காட்டு</translation>
    </message>
    <message>
        <source>Every milestone</source>
        <extracomment>Which milestones the list shows: all of them.</extracomment>
        <translation>எல்லா மைல்கற்களும்</translation>
    </message>
    <message>
        <source>Runs and wickets</source>
        <translation>ரன்களும் விக்கெட்டுகளும்</translation>
    </message>
    <message>
        <source>Level changes</source>
        <translation>நிலை மாற்றங்கள்</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>ஸ்பான்சர்கள்</translation>
    </message>
    <message>
        <source>The bookie</source>
        <extracomment>Milestones of taking the bookie&apos;s money.</extracomment>
        <translation>புக்கி</translation>
    </message>
    <message>
        <source>Group repeats</source>
        <translation>மறுநிகழ்வுகளைத் தொகு</translation>
    </message>
    <message>
        <source>The moments of the career worth telling, with the match of each.</source>
        <translation>கேரியரில் சொல்லத்தக்க தருணங்கள், ஒவ்வொன்றும் அதன் போட்டியுடன்.</translation>
    </message>
    <message>
        <source>No milestone yet.</source>
        <translation>இன்னும் மைல்கல் எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>அணி</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Highest score</source>
        <translation>அதிகபட்ச ஸ்கோர்</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>பேட்டிங் சராசரி</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>அரைசதங்கள்</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>சதங்கள்</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>Best bowling</source>
        <extracomment>The most wickets taken in one match.</extracomment>
        <translation>சிறந்த பந்துவீச்சு</translation>
    </message>
    <message>
        <source>Five-wicket matches</source>
        <extracomment>Matches in which the player took five wickets or more.</extracomment>
        <translation>5 விக்கெட் போட்டிகள்</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>கேட்ச்கள்</translation>
    </message>
    <message>
        <source>Money earned (Rs.)</source>
        <translation>சம்பாதித்த பணம் (ரூ.)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the seasons table as a screen reader hears it: %1 the column&apos;s heading, %2 the figure.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A row of the seasons table as a screen reader hears it: %1 the level or the stay, %2 its figures, each after its heading.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The career&apos;s totals, then each level with its totals and its stays.</source>
        <translation>கேரியரின் மொத்தங்கள், பின்னர் ஒவ்வொரு நிலையும் அதன் மொத்தங்களும் நிலைக் காலங்களும்.</translation>
    </message>
    <message>
        <source>Matches %1 to %2</source>
        <extracomment>A stay at one level in the seasons table: the first and last match of it.</extracomment>
        <translation>போட்டிகள் %1 முதல் %2 வரை</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Match</source>
        <translation>போட்டி</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>அணி</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>கேட்ச்கள்</translation>
    </message>
    <message>
        <source>Award (Rs.)</source>
        <translation>பரிசு (ரூ.)</translation>
    </message>
    <message>
        <source>Batting</source>
        <translation>பேட்டிங்</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>பந்துவீச்சு</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>பீல்டிங்</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>பேட்</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>கையுறை</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>பேடு</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>மற்றவை</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>பிட்னஸ்</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>நலம்</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>தெம்பு</translation>
    </message>
    <message>
        <source>Overall gear</source>
        <translation>ஒட்டுமொத்த உபகரணங்கள்</translation>
    </message>
    <message>
        <source>Overall health</source>
        <translation>ஒட்டுமொத்த நலம்</translation>
    </message>
    <message>
        <source>Match fee (Rs.)</source>
        <translation>போட்டிக் கட்டணம் (ரூ.)</translation>
    </message>
    <message>
        <source>Sponsorship (Rs.)</source>
        <translation>ஸ்பான்சர்ஷிப் (ரூ.)</translation>
    </message>
    <message>
        <source>Other income (Rs.)</source>
        <translation>பிற வருமானம் (ரூ.)</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>வங்கி இருப்பு (ரூ.)</translation>
    </message>
    <message>
        <source>Events since the match before</source>
        <translation>முந்தைய போட்டிக்குப் பின் நடந்தவை</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Promoted to %1 (%2)</source>
        <translation>%1 நிலைக்கு உயர்வு (%2)</translation>
    </message>
    <message>
        <source>Dropped to %1 (%2)</source>
        <translation>%1 நிலைக்கு இறக்கம் (%2)</translation>
    </message>
    <message>
        <source>Moved to %1 (%2)</source>
        <translation>%1 நிலைக்கு மாற்றம் (%2)</translation>
    </message>
    <message>
        <source>Selected for the World Cup</source>
        <translation>உலகக் கோப்பைக்குத் தேர்வு</translation>
    </message>
    <message>
        <source>Sponsor %1</source>
        <translation>ஸ்பான்சர் %1</translation>
    </message>
    <message>
        <source>Training Rs. %1</source>
        <translation>பயிற்சி ரூ. %1</translation>
    </message>
    <message>
        <source>Gear Rs. %1</source>
        <translation>உபகரணங்கள் ரூ. %1</translation>
    </message>
    <message>
        <source>Health care Rs. %1</source>
        <translation>உடல்நலப் பராமரிப்பு ரூ. %1</translation>
    </message>
    <message>
        <source>Took the bookie&apos;s Rs. %1</source>
        <translation>புக்கியிடம் ரூ. %1 வாங்கினார்</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a figure, %2 its change since the match before with its sign (&quot;45 (+5)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The history file is larger than any career could fill and was not read.</source>
        <translation>வரலாற்றுக் கோப்பு எந்தக் கேரியரும் நிரப்ப முடியாத அளவு பெரிதாக இருந்ததால் படிக்கப்படவில்லை.</translation>
    </message>
    <message>
        <source>The history file could not be read.</source>
        <translation>வரலாற்றுக் கோப்பினைப் படிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The history file belongs to another career and was not used.</source>
        <translation>வரலாற்றுக் கோப்பு வேறொரு கேரியருடையது, எனவே பயன்படுத்தப்படவில்லை.</translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as another career&apos;s: %Ln.</source>
        <translation>
            <numerusform>வேறொரு கேரியருடையது என்பதால் தவிர்க்கப்பட்ட வரலாற்றுக் கோப்பு வரிசை: %Ln.</numerusform>
            <numerusform>வேறொரு கேரியருடையவை என்பதால் தவிர்க்கப்பட்ட வரலாற்றுக் கோப்பு வரிசைகள்: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the history file skipped as unreadable: %Ln.</source>
        <translation>
            <numerusform>படிக்க முடியாததால் தவிர்க்கப்பட்ட வரலாற்றுக் கோப்பு வரிசை: %Ln.</numerusform>
            <numerusform>படிக்க முடியாததால் தவிர்க்கப்பட்ட வரலாற்றுக் கோப்பு வரிசைகள்: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>History kept from match %1: the matches before it were played without one.</source>
        <translation>போட்டி %1 முதல் வரலாறு வைக்கப்பட்டுள்ளது: அதற்கு முந்தைய போட்டிகள் வரலாறு இல்லாமல் விளையாடப்பட்டன.</translation>
    </message>
    <message numerus="yes">
        <source>Another thousand career runs %Ln times</source>
        <translation>
            <numerusform>கேரியரில் மேலும் ஆயிரம் ரன்கள், %Ln முறை</numerusform>
            <numerusform>கேரியரில் மேலும் ஆயிரம் ரன்கள், %Ln முறை</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another hundred career wickets %Ln times</source>
        <translation>
            <numerusform>கேரியரில் மேலும் நூறு விக்கெட்டுகள், %Ln முறை</numerusform>
            <numerusform>கேரியரில் மேலும் நூறு விக்கெட்டுகள், %Ln முறை</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Promoted %Ln times</source>
        <translation>
            <numerusform>%Ln முறை உயர்வு</numerusform>
            <numerusform>%Ln முறை உயர்வு</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dropped %Ln times</source>
        <translation>
            <numerusform>%Ln முறை இறக்கம்</numerusform>
            <numerusform>%Ln முறை இறக்கம்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected for the World Cup %Ln times</source>
        <translation>
            <numerusform>%Ln முறை உலகக் கோப்பைக்குத் தேர்வு</numerusform>
            <numerusform>%Ln முறை உலகக் கோப்பைக்குத் தேர்வு</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sponsor changed %Ln times</source>
        <translation>
            <numerusform>%Ln முறை ஸ்பான்சர் மாற்றம்</numerusform>
            <numerusform>%Ln முறை ஸ்பான்சர் மாற்றம்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took the bookie&apos;s money %Ln times</source>
        <translation>
            <numerusform>%Ln முறை புக்கியின் பணத்தை வாங்கினார்</numerusform>
            <numerusform>%Ln முறை புக்கியின் பணத்தை வாங்கினார்</numerusform>
        </translation>
    </message>
    <message>
        <source>Match %1: first fifty, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>போட்டி %1: முதல் அரைசதம், %2 ரன்கள்.</translation>
    </message>
    <message>
        <source>Match %1: first hundred, %2 runs.</source>
        <extracomment>%1 the match number, %2 the runs scored.</extracomment>
        <translation>போட்டி %1: முதல் சதம், %2 ரன்கள்.</translation>
    </message>
    <message>
        <source>Match %1: first five-wicket match, %2 wickets.</source>
        <extracomment>%1 the match number, %2 the wickets taken (five or more).</extracomment>
        <translation>போட்டி %1: முதல் 5 விக்கெட் போட்டி, %2 விக்கெட்டுகள்.</translation>
    </message>
    <message>
        <source>Match %1: %2 career runs.</source>
        <extracomment>%1 the match number, %2 a round thousand of runs.</extracomment>
        <translation>போட்டி %1: கேரியரில் %2 ரன்கள்.</translation>
    </message>
    <message>
        <source>Match %1: %2 career wickets.</source>
        <extracomment>%1 the match number, %2 a round hundred of wickets.</extracomment>
        <translation>போட்டி %1: கேரியரில் %2 விக்கெட்டுகள்.</translation>
    </message>
    <message>
        <source>Before match %1: promoted to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>போட்டி %1-க்கு முன்: %2 நிலைக்கு உயர்வு (%3).</translation>
    </message>
    <message>
        <source>Before match %1: dropped to %2 (%3).</source>
        <extracomment>%1 the match number, %2 the level, %3 the team.</extracomment>
        <translation>போட்டி %1-க்கு முன்: %2 நிலைக்கு இறக்கம் (%3).</translation>
    </message>
    <message>
        <source>Before match %1: selected for the World Cup.</source>
        <translation>போட்டி %1-க்கு முன்: உலகக் கோப்பைக்குத் தேர்வு.</translation>
    </message>
    <message>
        <source>Before match %1: took %2 as sponsor.</source>
        <extracomment>%1 the match number, %2 the sponsor&apos;s name.</extracomment>
        <translation>போட்டி %1-க்கு முன்: %2 ஸ்பான்சராக ஏற்கப்பட்டது.</translation>
    </message>
    <message>
        <source>Before match %1: took the bookie&apos;s Rs. %2.</source>
        <extracomment>%1 the match number, %2 the amount in rupees.</extracomment>
        <translation>போட்டி %1-க்கு முன்: புக்கியிடம் ரூ. %2 வாங்கினார்.</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Club</source>
        <extracomment>A level of play.</extracomment>
        <translation>கிளப்</translation>
    </message>
    <message>
        <source>City</source>
        <extracomment>A level of play.</extracomment>
        <translation>நகர</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A level of play.</extracomment>
        <translation>மாநில</translation>
    </message>
    <message>
        <source>National</source>
        <extracomment>A level of play.</extracomment>
        <translation>தேசிய</translation>
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
        <translation>சுயவிவரம்</translation>
    </message>
    <message>
        <source>Not being saved</source>
        <extracomment>Shown on the main screen while the career&apos;s saves are off.</extracomment>
        <translation>சேமிக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>வீரர்:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>அணி:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>பிரிவு:</translation>
    </message>
    <message>
        <source>Sponsor:</source>
        <translation>ஸ்பான்சர்:</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>பேட்டிங்:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>பந்துவீச்சு:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>பீல்டிங்:</translation>
    </message>
    <message>
        <source>Overall:</source>
        <extracomment>The overall skill, worked out from batting, bowling and fielding.</extracomment>
        <translation>மொத்தம்:</translation>
    </message>
    <message>
        <source>LEVEL STATS</source>
        <translation>நிலைப் புள்ளிவிவரம்</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>ஆடிய போட்டிகள்:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>எடுத்த ரன்கள்:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>எடுத்த விக்கெட்:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>பிடித்த கேட்ச்கள்:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>அதிகபட்ச ஸ்கோர்:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>பேட்டிங் சராசரி:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>அரைசதங்கள்:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>சதங்கள்:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>அதிக விக்கெட்:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>5 விக்கெட்டுகள்:</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The level the player plays at now: Club, City, State or National.</extracomment>
        <translation>நிலை:</translation>
    </message>
    <message>
        <source>FINANCE</source>
        <translation>நிதி</translation>
    </message>
    <message>
        <source>Match Fee (Rs):</source>
        <translation>போட்டிக் கட்டணம் (ரூ):</translation>
    </message>
    <message>
        <source>Sponsorship (Rs):</source>
        <translation>ஸ்பான்சர்ஷிப் (ரூ):</translation>
    </message>
    <message>
        <source>Other Incomes (Rs):</source>
        <translation>பிற வருமானம் (ரூ):</translation>
    </message>
    <message>
        <source>Bank Balance (Rs):</source>
        <translation>வங்கி இருப்பு (ரூ):</translation>
    </message>
    <message>
        <source>ACCESSORIES</source>
        <extracomment>Heading of the player&apos;s cricket gear (bat, gloves, pads, others).</extracomment>
        <translation>உபகரணங்கள்</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <extracomment>Heading of the player&apos;s body: fitness, health and stamina.</extracomment>
        <translation>உடல்நலம்</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>பேட்:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>கையுறை:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>பேடு:</translation>
    </message>
    <message>
        <source>Others:</source>
        <extracomment>The other pieces of cricket gear, besides bat, gloves and pads.</extracomment>
        <translation>மற்றவை:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>பிட்னஸ்:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>நலம்:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>தெம்பு:</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Main menu command: opens the credits.</extracomment>
        <translation>பற்றி</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main menu command: ends the game at once, without saving.</extracomment>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <extracomment>Main menu command: opens the sponsorship offers.</extracomment>
        <translation>ஸ்பான்சர்</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>Main menu command: opens the cricket gear store (a shop, not &quot;save&quot;).</extracomment>
        <translation>கடை</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>Main menu command: opens the training centre, where skills are bought.</extracomment>
        <translation>பயிற்சி</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Main menu command (a verb): plays the next match.</extracomment>
        <translation>விளையாடு</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Main menu command: opens the record book of every level.</extracomment>
        <translation>சாதனைகள்</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Main menu command: opens the health care centre (fitness, health, stamina).</extracomment>
        <translation>நலம்</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Main menu command: opens the career&apos;s History window.</extracomment>
        <translation>வரலாறு</translation>
    </message>
    <message>
        <source>Fame</source>
        <extracomment>Main menu command: opens the hall of fame, the best careers ever played. The button is narrow: a short word.</extracomment>
        <translation>புகழ்</translation>
    </message>
    <message>
        <source>Play on…</source>
        <extracomment>Main menu command: plays many matches in a run, asking first how many.</extracomment>
        <translation>தொடர்ந்து ஆடு…</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The accessible description of the line that follows a run of matches.</extracomment>
        <translation>தொடர்ந்து ஆடு</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The command that stops a run of matches after the match being played.</extracomment>
        <translation>நிறுத்து</translation>
    </message>
    <message>
        <source>Match %1 of %2</source>
        <extracomment>The line that follows a run of matches: &quot;Match 37 of 100&quot;.</extracomment>
        <translation>போட்டி %1, மொத்தம் %2</translation>
    </message>
    <message>
        <source>The folder beside the game cannot hold saves, so your career is saved in this folder:

%1</source>
        <translation>விளையாட்டின் அருகில் உள்ள கோப்புறையில் சேமிப்புகளை வைக்க முடியாது, எனவே உங்கள் கேரியர் இந்தக் கோப்புறையில் சேமிக்கப்படுகிறது:

%1</translation>
    </message>
    <message>
        <source>This career was not being saved, so it does not enter the hall of fame.</source>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை, எனவே அது புகழ் அரங்கில் இடம்பெறாது.</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>%1 up by %2 to %3.</source>
        <translation>%1 %2 உயர்ந்து %3 ஆனது.</translation>
    </message>
    <message>
        <source>%1 down by %2 to %3.</source>
        <translation>%1 %2 குறைந்து %3 ஆனது.</translation>
    </message>
    <message>
        <source>Overall accessories down to %1, running low.</source>
        <translation>ஒட்டுமொத்த உபகரணங்கள் %1 ஆகக் குறைந்தன, தீர்ந்து வருகின்றன.</translation>
    </message>
    <message>
        <source>Overall health down to %1, running low.</source>
        <translation>ஒட்டுமொத்த நலம் %1 ஆகக் குறைந்தது, தீர்ந்து வருகிறது.</translation>
    </message>
</context>
<context>
    <name>MatchScreen</name>
    <message>
        <source>Bailcrest: Match Details</source>
        <translation>Bailcrest: போட்டி விவரம்</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>வீரர்</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>அணி</translation>
    </message>
    <message>
        <source>MATCH STATISTICS</source>
        <translation>போட்டிப் புள்ளிவிவரம்</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>எடுத்த ரன்கள்:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>எடுத்த விக்கெட்:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>பிடித்த கேட்ச்கள்:</translation>
    </message>
    <message>
        <source>Runs %1, wickets %2, catches %3</source>
        <extracomment>What a screen reader says of the match as its screen opens.</extracomment>
        <translation>ரன்கள் %1, விக்கெட்டுகள் %2, கேட்ச்கள் %3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>The history of your career could not be kept in %1: %2. Your career is saved as before, the History window still shows every match of this game, and the game tries again after your next match.</source>
        <translation>உங்கள் கேரியரின் வரலாற்றை %1 இல் வைக்க முடியவில்லை: %2. உங்கள் கேரியர் முன்பு போலவே சேமிக்கப்படுகிறது, வரலாறு சாளரம் இப்போதைய விளையாட்டின் ஒவ்வொரு போட்டியையும் இன்னும் காட்டுகிறது, உங்கள் அடுத்த போட்டிக்குப் பிறகு விளையாட்டு மீண்டும் முயலும்.</translation>
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
            <numerusform>இந்தக் கோப்புறையில் உள்ள %Ln சேமிப்புக் கோப்பினை இங்கே காட்ட முடியாது: அதன் பெயரை இந்த அமைப்பால் எழுத்தாகப் படிக்க முடியவில்லை. அதை ஏற்ற, பெயரை மாற்றுங்கள்.</numerusform>
            <numerusform>இந்தக் கோப்புறையில் உள்ள %Ln சேமிப்புக் கோப்புகளை இங்கே காட்ட முடியாது: அவற்றின் பெயர்களை இந்த அமைப்பால் எழுத்தாகப் படிக்க முடியவில்லை. அவற்றை ஏற்ற, பெயர்களை மாற்றுங்கள்.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>en</source>
        <extracomment>The language of this translation, as the pictures with words (the credits&apos; banners) are named by: the language&apos;s code, &quot;hi&quot; for Hindi.</extracomment>
        <translation>ta</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>You are selected in the %1 team.</source>
        <translation>நீங்கள் %1 அணிக்குத் தேர்வு செய்யப்பட்டுள்ளீர்கள்.</translation>
    </message>
    <message>
        <source>You are selected for the World Cup in the %1 team.</source>
        <translation>நீங்கள் உலகக் கோப்பைக்கான %1 அணிக்குத் தேர்வு செய்யப்பட்டுள்ளீர்கள்.</translation>
    </message>
    <message>
        <source>You are not good enough at this level.</source>
        <translation>இந்த நிலைக்கு நீங்கள் போதுமான அளவு சிறப்பாக இல்லை.</translation>
    </message>
    <message>
        <source>You are not selected due to poor fielding.</source>
        <translation>மோசமான பீல்டிங் காரணமாக நீங்கள் தேர்வு செய்யப்படவில்லை.</translation>
    </message>
    <message>
        <source>You are short of proper cricket accessories.</source>
        <translation>உங்களிடம் போதுமான கிரிக்கெட் உபகரணங்கள் இல்லை.</translation>
    </message>
    <message>
        <source>You are unfit to play at this level.</source>
        <translation>இந்த நிலையில் விளையாட உங்களுக்குப் போதிய பிட்னஸ் இல்லை.</translation>
    </message>
    <message>
        <source>You are dropped from the %1 team.</source>
        <translation>நீங்கள் %1 அணியிலிருந்து நீக்கப்பட்டீர்கள்.</translation>
    </message>
    <message>
        <source>You&apos;re found guilty of match fixing in an enquiry. Your career is over.</source>
        <translation>விசாரணையில் நீங்கள் போட்டி நிர்ணய மோசடியில் (மேட்ச் பிக்சிங்) குற்றவாளி எனக் கண்டறியப்பட்டீர்கள். உங்கள் கேரியர் முடிந்தது.</translation>
    </message>
    <message>
        <source>Overall skill %1, %2 short of the %3 needed.</source>
        <translation>ஒட்டுமொத்த திறன் %1, தேவையான %3-க்கு %2 குறைவு.</translation>
    </message>
    <message>
        <source>Fielding %1, %2 short of the %3 needed.</source>
        <translation>பீல்டிங் %1, தேவையான %3-க்கு %2 குறைவு.</translation>
    </message>
    <message>
        <source>Bat worn down to %1; each item of gear must be at least %2.</source>
        <translation>பேட் தேய்ந்து %1 ஆனது; ஒவ்வொரு உபகரணமும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Gloves worn down to %1; each item of gear must be at least %2.</source>
        <translation>கையுறை தேய்ந்து %1 ஆனது; ஒவ்வொரு உபகரணமும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Pads worn down to %1; each item of gear must be at least %2.</source>
        <translation>பேடு தேய்ந்து %1 ஆனது; ஒவ்வொரு உபகரணமும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Other gear worn down to %1; each item of gear must be at least %2.</source>
        <translation>பிற உபகரணங்கள் தேய்ந்து %1 ஆனது; ஒவ்வொரு உபகரணமும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Fitness down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>பிட்னஸ் %1 ஆகக் குறைந்தது; பிட்னஸ், நலம், தெம்பு ஒவ்வொன்றும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Health down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>நலம் %1 ஆகக் குறைந்தது; பிட்னஸ், நலம், தெம்பு ஒவ்வொன்றும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Stamina down to %1; fitness, health and stamina must each be at least %2.</source>
        <translation>தெம்பு %1 ஆகக் குறைந்தது; பிட்னஸ், நலம், தெம்பு ஒவ்வொன்றும் குறைந்தது %2 இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <extracomment>A notice of not being selected (%1), then the figure that failed (%2), on a line of its own where the message box has room for it.</extracomment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>A bookie offers you Rs. %1 if you play badly. Accept the offer?</source>
        <translation>மோசமாக விளையாடினால் ரூ. %1 தருவதாக ஒரு புக்கி ஆஃபர் தருகிறார். இந்த ஆஃபரை ஏற்கிறீர்களா?</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>மீண்டும் விளையாட விரும்புகிறீர்களா?</translation>
    </message>
    <message>
        <source>You are awarded Rs.%1 based on your performance.</source>
        <translation>உங்கள் ஆட்டத்துக்காக உங்களுக்கு ரூ. %1 பரிசு வழங்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>Overall skill %1: below %2 you will not be selected.</source>
        <translation>ஒட்டுமொத்த திறன் %1: %2-க்குக் கீழே சென்றால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Fielding %1: below %2 you will not be selected.</source>
        <translation>பீல்டிங் %1: %2-க்குக் கீழே சென்றால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Bat %1: at %2 you will not be selected.</source>
        <translation>பேட் %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Gloves %1: at %2 you will not be selected.</source>
        <translation>கையுறை %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Pads %1: at %2 you will not be selected.</source>
        <translation>பேடு %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Other gear %1: at %2 you will not be selected.</source>
        <translation>பிற உபகரணங்கள் %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Fitness %1: at %2 you will not be selected.</source>
        <translation>பிட்னஸ் %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Health %1: at %2 you will not be selected.</source>
        <translation>நலம் %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
    <message>
        <source>Stamina %1: at %2 you will not be selected.</source>
        <translation>தெம்பு %1: %2 ஆனால் நீங்கள் தேர்வு செய்யப்பட மாட்டீர்கள்.</translation>
    </message>
</context>
<context>
    <name>PlayOnDialog</name>
    <message>
        <source>Bailcrest: Play On</source>
        <extracomment>The title of the dialog that plays many matches in a run.</extracomment>
        <translation>Bailcrest: தொடர்ந்து ஆடு</translation>
    </message>
    <message>
        <source>&amp;Matches to play:</source>
        <extracomment>How many matches Play on plays, from 1 to 1,000.</extracomment>
        <translation>விளையாட வேண்டிய போட்டிகள் (&amp;M):</translation>
    </message>
    <message>
        <source>Stop early</source>
        <extracomment>The choices of where a run of matches stops before it has played them all.</extracomment>
        <translation>முன்னதாக நிறுத்து</translation>
    </message>
    <message>
        <source>&amp;Before a drop, when a figure on the main screen is marked</source>
        <translation>இறக்கத்துக்கு முன், முதன்மைத் திரையில் ஓர் எண் குறிக்கப்படும்போது (&amp;B)</translation>
    </message>
    <message>
        <source>At a &amp;promotion</source>
        <translation>உயர்வு கிடைக்கும்போது (&amp;P)</translation>
    </message>
    <message>
        <source>At &amp;World Cup selection</source>
        <translation>உலகக் கோப்பைத் தேர்வின்போது (&amp;W)</translation>
    </message>
    <message>
        <source>At an &amp;award</source>
        <translation>பரிசு கிடைக்கும்போது (&amp;A)</translation>
    </message>
    <message>
        <source>When</source>
        <extracomment>Followed by a list of gear and body items and a value: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>கவனிக்க:</translation>
    </message>
    <message>
        <source>Condition to watch</source>
        <extracomment>The accessible name of the list of gear and body items a run watches.</extracomment>
        <translation>கவனிக்க வேண்டிய நிலைமை</translation>
    </message>
    <message>
        <source>falls to</source>
        <extracomment>Between the gear or body item and the value it falls to: &quot;When Stamina falls to 20&quot;.</extracomment>
        <translation>குறையும் அளவு:</translation>
    </message>
    <message>
        <source>Value to stop at</source>
        <extracomment>The accessible name of the value at which a run stops for the item watched.</extracomment>
        <translation>நிறுத்த வேண்டிய அளவு</translation>
    </message>
    <message>
        <source>With none chosen, Play on stops only at a question or at the end of the career.</source>
        <extracomment>Said below the choices: with none of them chosen, the run stops only at a question.</extracomment>
        <translation>எதுவும் தேர்ந்தெடுக்கப்படாவிட்டால், தொடர்ந்து ஆடுதல் ஒரு கேள்வியிலோ கேரியரின் முடிவிலோ மட்டுமே நிற்கும்.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ரத்து (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>The button that starts the run of matches.</extracomment>
        <translation>தொடர்ந்து ஆடு (&amp;P)</translation>
    </message>
</context>
<context>
    <name>PlayOnNewsScreen</name>
    <message>
        <source>Match %1: %2</source>
        <extracomment>One line of the news of a run of matches: the match of the run (%1) and what happened (%2).</extracomment>
        <translation>போட்டி %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.</source>
        <extracomment>The summary of a run of matches; %4 is the level played at (Club, City, ...).</extracomment>
        <translation>
            <numerusform>%Ln போட்டி: %1 ரன்கள், %2 விக்கெட்டுகள், ரூ. %3 சம்பாதித்தது, %4 நிலையில்.</numerusform>
            <numerusform>%Ln போட்டிகள்: %1 ரன்கள், %2 விக்கெட்டுகள், ரூ. %3 சம்பாதித்தது, %4 நிலையில்.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.</source>
        <extracomment>The summary of a run of matches that moved the player from level %4 to level %5.</extracomment>
        <translation>
            <numerusform>%Ln போட்டி: %1 ரன்கள், %2 விக்கெட்டுகள், ரூ. %3 சம்பாதித்தது, %4 நிலையிலிருந்து %5 நிலைக்கு.</numerusform>
            <numerusform>%Ln போட்டிகள்: %1 ரன்கள், %2 விக்கெட்டுகள், ரூ. %3 சம்பாதித்தது, %4 நிலையிலிருந்து %5 நிலைக்கு.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every match asked for was played.</source>
        <translation>கேட்ட எல்லாப் போட்டிகளும் விளையாடப்பட்டன.</translation>
    </message>
    <message>
        <source>Stopped before a drop. %1</source>
        <extracomment>%1 says which figure could drop the player: &quot;Stamina 2: at 0 you will not be selected.&quot;</extracomment>
        <translation>இறக்கத்துக்கு முன் நிறுத்தப்பட்டது. %1</translation>
    </message>
    <message>
        <source>Stopped at a promotion.</source>
        <translation>உயர்வு கிடைத்தபோது நிறுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>Stopped at World Cup selection.</source>
        <translation>உலகக் கோப்பைத் தேர்வின்போது நிறுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>Stopped at an award.</source>
        <translation>பரிசு கிடைத்தபோது நிறுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>Stopped: the condition watched fell to %1.</source>
        <translation>நிறுத்தப்பட்டது: கவனித்த நிலைமை %1 ஆகக் குறைந்தது.</translation>
    </message>
    <message>
        <source>Stopped at the bookie&apos;s offer.</source>
        <translation>புக்கியின் ஆஃபர் வந்தபோது நிறுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>Stopped: the career is over.</source>
        <translation>நிறுத்தப்பட்டது: கேரியர் முடிந்தது.</translation>
    </message>
    <message>
        <source>Stopped by you.</source>
        <translation>நீங்கள் நிறுத்தினீர்கள்.</translation>
    </message>
    <message>
        <source>Bailcrest: What Happened</source>
        <translation>Bailcrest: நடந்தவை</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>The accessible name of the list of what happened in a run of matches.</extracomment>
        <translation>நடந்தவை</translation>
    </message>
    <message>
        <source>Nothing else to tell.</source>
        <translation>சொல்ல வேறு எதுவும் இல்லை.</translation>
    </message>
</context>
<context>
    <name>PlayerScreen</name>
    <message>
        <source>Bailcrest: Player Properties</source>
        <translation>Bailcrest: வீரர் விவரங்கள்</translation>
    </message>
    <message>
        <source>PLAYER DETAILS</source>
        <translation>வீரர் விவரம்</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>பெயர்:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>நகரம்:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>மாநிலம்:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>நாடு:</translation>
    </message>
    <message>
        <source>INITIAL SKILLS</source>
        <translation>தொடக்கத் திறன்கள்</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>பேட்டிங்:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>பந்துவீச்சு:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>பீல்டிங்:</translation>
    </message>
    <message>
        <source>Player Overall Skills:</source>
        <translation>வீரரின் ஒட்டுமொத்த திறன்:</translation>
    </message>
    <message>
        <source>AUTO SAVE</source>
        <translation>தானியங்கு சேமிப்பு</translation>
    </message>
    <message>
        <source>Check this box to automatically save the game after every match.</source>
        <translation>போட்டிதோறும் விளையாட்டைத் தானாகச் சேமிக்கக் குறியிடுங்கள்.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>ஏற்று</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடங்கு</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <extracomment>Opens the hall of fame, the best careers ever played.</extracomment>
        <translation>புகழ் அரங்கம்</translation>
    </message>
    <message>
        <source>%1: %2; %3: %4</source>
        <extracomment>What a screen reader says as a starting-skill bar moves: %1 the skill (&quot;Batting&quot;), %2 its value, %3 &quot;Player Overall Skills&quot;, %4 that value.</extracomment>
        <translation>%1: %2; %3: %4</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <extracomment>Told under &quot;Please fill in the player details properly.&quot; when the field is empty.</extracomment>
        <translation>பெயர் காலியாக உள்ளது.</translation>
    </message>
    <message>
        <source>The city is empty.</source>
        <translation>நகரம் காலியாக உள்ளது.</translation>
    </message>
    <message>
        <source>The state is empty.</source>
        <translation>மாநிலம் காலியாக உள்ளது.</translation>
    </message>
    <message>
        <source>The country is empty.</source>
        <translation>நாடு காலியாக உள்ளது.</translation>
    </message>
    <message>
        <source>Please fill in the player details properly.</source>
        <translation>வீரர் விவரங்களைச் சரியாக நிரப்பவும்.</translation>
    </message>
</context>
<context>
    <name>PurchaseScreen</name>
    <message>
        <source>%1 units</source>
        <extracomment>A screen reader&apos;s name for the box of units chosen; %1 is the row&apos;s name (&quot;Batting&quot;, &quot;Bat&quot;, &quot;Fitness&quot;).</extracomment>
        <translation>%1 யூனிட்கள்</translation>
    </message>
    <message>
        <source>Bailcrest: Training Centre</source>
        <translation>Bailcrest: பயிற்சி மையம்</translation>
    </message>
    <message>
        <source>TRAINING CENTRE RATES</source>
        <translation>பயிற்சி மைய விலைகள்</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO DEVELOP</source>
        <translation>எத்தனை யூனிட் வளர்க்க விரும்புகிறீர்கள்?</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>உள்ள யூனிட்</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>சரி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ரத்து (&amp;C)</translation>
    </message>
    <message>
        <source>Batting:</source>
        <translation>பேட்டிங்:</translation>
    </message>
    <message>
        <source>Bowling:</source>
        <translation>பந்துவீச்சு:</translation>
    </message>
    <message>
        <source>Fielding:</source>
        <translation>பீல்டிங்:</translation>
    </message>
    <message>
        <source>Bailcrest: Cricket Store</source>
        <translation>Bailcrest: கிரிக்கெட் கடை</translation>
    </message>
    <message>
        <source>CRICKET GEAR STORE</source>
        <translation>கிரிக்கெட் உபகரணக் கடை</translation>
    </message>
    <message>
        <source>UNITS YOU INTEND TO BUY</source>
        <translation>எத்தனை யூனிட் வாங்க விரும்புகிறீர்கள்?</translation>
    </message>
    <message>
        <source>Required Units</source>
        <translation>தேவை யூனிட்</translation>
    </message>
    <message>
        <source>Bat:</source>
        <translation>பேட்:</translation>
    </message>
    <message>
        <source>Gloves:</source>
        <translation>கையுறை:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>பேடு:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>மற்றவை:</translation>
    </message>
    <message>
        <source>Bailcrest: Health Care</source>
        <translation>Bailcrest: உடல்நலப் பராமரிப்பு</translation>
    </message>
    <message>
        <source>HEALTH CARE CENTRE</source>
        <translation>உடல்நலப் பராமரிப்பு மையம்</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>பிட்னஸ்:</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>நலம்:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>தெம்பு:</translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation>விவரம்</translation>
    </message>
    <message>
        <source>Rate (Rs.)</source>
        <translation>விலை (ரூ.)</translation>
    </message>
    <message>
        <source>Amount (Rs.)</source>
        <translation>தொகை (ரூ.)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says a rate-card figure is: %1 is the row (&quot;Batting&quot;), %2 the column (&quot;Rate (Rs.)&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Balance before purchase (Rs.):</source>
        <translation>வாங்கும் முன் இருப்பு (ரூ.):</translation>
    </message>
    <message>
        <source>Balance after purchase (Rs.):</source>
        <translation>வாங்கிய பின் இருப்பு (ரூ.):</translation>
    </message>
    <message>
        <source>The most units the balance pays for: %1.</source>
        <extracomment>Below the balance after purchase, when the units proposed at opening cost more than the balance.</extracomment>
        <translation>இருப்புக்குள் வாங்கக்கூடிய அதிகபட்ச யூனிட்கள்: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln unit(s); %1: %2</source>
        <extracomment>What a screen reader says as a units bar moves: %Ln the units chosen, %1 the caption &quot;Balance after purchase (Rs.)&quot;, %2 that balance.</extracomment>
        <translation>
            <numerusform>%Ln யூனிட்; %1: %2</numerusform>
            <numerusform>%Ln யூனிட்கள்; %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.</source>
        <extracomment>What a screen reader hears of a rate-card row as the screen opens: %1 the row (&quot;Batting&quot;), %Ln the units offered, %2 the rate and %3 the amount, both in rupees.</extracomment>
        <translation>
            <numerusform>%1: ஒன்றுக்கு %2 (ரூ.) விலையில் %Ln யூனிட், மொத்தம் %3 (ரூ.).</numerusform>
            <numerusform>%1: ஒன்றுக்கு %2 (ரூ.) விலையில் %Ln யூனிட்கள், மொத்தம் %3 (ரூ.).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A caption and its value, as a screen reader reads them together.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy the units.</source>
        <translation>யூனிட்களை வாங்க உங்களிடம் போதுமான பணம் இல்லை.</translation>
    </message>
</context>
<context>
    <name>RecordsScreen</name>
    <message>
        <source>Bailcrest: Record Book</source>
        <translation>Bailcrest: சாதனைப் புத்தகம்</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>வீரர்</translation>
    </message>
    <message>
        <source>CAREER RECORDS AND STATS</source>
        <translation>கேரியர் சாதனைகளும் புள்ளிவிவரங்களும்</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>கிளப்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Matches Played:</source>
        <translation>ஆடிய போட்டிகள்:</translation>
    </message>
    <message>
        <source>Runs Scored:</source>
        <translation>எடுத்த ரன்கள்:</translation>
    </message>
    <message>
        <source>Wickets Taken:</source>
        <translation>எடுத்த விக்கெட்:</translation>
    </message>
    <message>
        <source>Catches Held:</source>
        <translation>பிடித்த கேட்ச்கள்:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>அதிகபட்ச ஸ்கோர்:</translation>
    </message>
    <message>
        <source>Batting Average:</source>
        <translation>பேட்டிங் சராசரி:</translation>
    </message>
    <message>
        <source>50s:</source>
        <translation>அரைசதங்கள்:</translation>
    </message>
    <message>
        <source>100s:</source>
        <translation>சதங்கள்:</translation>
    </message>
    <message>
        <source>Most Wickets:</source>
        <translation>அதிக விக்கெட்:</translation>
    </message>
    <message>
        <source>5 Wickets:</source>
        <translation>5 விக்கெட்டுகள்:</translation>
    </message>
    <message>
        <source>Level/Team:</source>
        <translation>நிலை/அணி:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure of the record book as a screen reader reads it: %1 its caption (&quot;Runs Scored&quot;), %2 the figure.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A level of the record book as a screen reader reads it: %1 the level&apos;s heading (&quot;Club&quot;), %2 its figures one after another.</extracomment>
        <translation>%1: %2.</translation>
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
            <numerusform>%1 கோப்பில் %2 அவர்களின் கேரியர் உள்ளது, %Ln போட்டிக்குப் பிறகு %3 நிலையில். இந்தக் கேரியரை அங்கே சேமித்தால் அது மாற்றப்படும்.

மாற்றலாமா? ஆம் என்றால், அந்தக் கேரியர் அதே கோப்புறையில் தனிப் பெயரில் ஒதுக்கி வைக்கப்பட்டு, இந்தக் கேரியர் அதன் இடத்தில் சேமிக்கப்படும். இல்லை என்றால், அது அப்படியே இருக்கும்: இந்தக் கேரியர் இப்போதைய விளையாட்டில் தானியங்கு சேமிப்பு இல்லாமல் தொடரும், அல்லது வேறு பெயரில் மீண்டும் தொடங்கலாம்.</numerusform>
            <numerusform>%1 கோப்பில் %2 அவர்களின் கேரியர் உள்ளது, %Ln போட்டிகளுக்குப் பிறகு %3 நிலையில். இந்தக் கேரியரை அங்கே சேமித்தால் அது மாற்றப்படும்.

மாற்றலாமா? ஆம் என்றால், அந்தக் கேரியர் அதே கோப்புறையில் தனிப் பெயரில் ஒதுக்கி வைக்கப்பட்டு, இந்தக் கேரியர் அதன் இடத்தில் சேமிக்கப்படும். இல்லை என்றால், அது அப்படியே இருக்கும்: இந்தக் கேரியர் இப்போதைய விளையாட்டில் தானியங்கு சேமிப்பு இல்லாமல் தொடரும், அல்லது வேறு பெயரில் மீண்டும் தொடங்கலாம்.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not a save of this career. Saving this career there would replace it.

Replace it? Yes keeps that file aside under a name of its own in the same folder and saves this career in its place. No keeps it as it is: this career then goes on without auto-save in this game, or you can start again under another name.</source>
        <translation>%1 கோப்பு இந்தக் கேரியரின் சேமிப்பு அல்ல. இந்தக் கேரியரை அங்கே சேமித்தால் அது மாற்றப்படும்.

மாற்றலாமா? ஆம் என்றால், அந்தக் கோப்பு அதே கோப்புறையில் தனிப் பெயரில் ஒதுக்கி வைக்கப்பட்டு, இந்தக் கேரியர் அதன் இடத்தில் சேமிக்கப்படும். இல்லை என்றால், அது அப்படியே இருக்கும்: இந்தக் கேரியர் இப்போதைய விளையாட்டில் தானியங்கு சேமிப்பு இல்லாமல் தொடரும், அல்லது வேறு பெயரில் மீண்டும் தொடங்கலாம்.</translation>
    </message>
    <message>
        <source>The career saved as %1 was last opened by the game on the computer %2, which may still be playing it: this folder cannot tell.

Take the career over on this computer? Yes saves it here from now on, and what the other computer saves after that is lost. No plays it here without saving.</source>
        <extracomment>%1 is a save file, %2 the name of another computer.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியரைக் கடைசியாகத் திறந்தது %2 கணினியில் உள்ள விளையாட்டு, அங்கே அது இன்னும் விளையாடப்படலாம்: இந்தக் கோப்புறையால் அதைச் சொல்ல முடியாது.

கேரியரை இந்தக் கணினிக்கு எடுத்துக்கொள்ளலாமா? ஆம் என்றால், இனி இங்கே சேமிக்கப்படும், அதன் பிறகு மற்ற கணினி சேமிப்பவை இழக்கப்படும். இல்லை என்றால், இங்கே சேமிக்காமல் விளையாடப்படும்.</translation>
    </message>
    <message>
        <source>The career saved as %1 is locked by %2, which names process %3 of this computer. That process is now the program %4, not this game: the number was most likely given to it after the game that locked the career had ended.

Take the career over? Yes saves it here from now on. No plays it here without saving; say No if %4 is a copy of this game under another name.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 a process number, %4 the name of the program that process runs.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியர் %2 என்ற பூட்டால் பூட்டப்பட்டுள்ளது, அது இந்தக் கணினியின் %3 எண் கொண்ட செயல்முறையைக் குறிக்கிறது. அந்தச் செயல்முறை இப்போது %4 நிரல், இந்த விளையாட்டு அல்ல: கேரியரைப் பூட்டிய விளையாட்டு முடிந்த பிறகு அந்த எண் அதற்கு வழங்கப்பட்டிருக்க வேண்டும்.

கேரியரை எடுத்துக்கொள்ளலாமா? ஆம் என்றால், இனி இங்கே சேமிக்கப்படும். இல்லை என்றால், இங்கே சேமிக்காமல் விளையாடப்படும்; %4 என்பது வேறு பெயரில் உள்ள இந்த விளையாட்டின் பிரதி என்றால் இல்லை என்று சொல்லுங்கள்.</translation>
    </message>
    <message>
        <source>The career saved as %1 is open in another copy of the game, which holds its lock %2. This copy plays it without saving, so that nothing the other copy saves is lost. To save it here, close the other copy and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியர் விளையாட்டின் வேறொரு பிரதியில் திறந்துள்ளது, அதன் பூட்டு %2 அந்தப் பிரதியிடம் உள்ளது. மற்ற பிரதி சேமிப்பது எதுவும் இழக்கப்படாமல் இருக்க, இந்தப் பிரதி சேமிக்காமல் விளையாடுகிறது. இங்கே சேமிக்க, மற்ற பிரதியை மூடிவிட்டுக் கேரியரை மீண்டும் ஏற்றுங்கள்.</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: %2 is not an ordinary file, and the game never opens it. This copy plays the career without saving. To save it, remove or rename %2 and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியரை விளையாட்டின் இந்தப் பிரதிக்காகப் பூட்ட முடியாது: %2 சாதாரணக் கோப்பு அல்ல, விளையாட்டு அதை ஒருபோதும் திறக்காது. இந்தப் பிரதி கேரியரைச் சேமிக்காமல் விளையாடுகிறது. சேமிக்க, %2 என்பதை நீக்குங்கள் அல்லது பெயர் மாற்றுங்கள், பின் கேரியரை மீண்டும் ஏற்றுங்கள்.</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the lock %2 could not be made (%3). This copy plays the career without saving, so that it never overwrites what another copy saves. To save it, make room on the disk or let the folder be written to, and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file, %3 the system&apos;s reason.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியரை விளையாட்டின் இந்தப் பிரதிக்காகப் பூட்ட முடியாது: %2 என்ற பூட்டை உருவாக்க முடியவில்லை (%3). வேறொரு பிரதி சேமிப்பதை ஒருபோதும் மேலெழுதாமல் இருக்க, இந்தப் பிரதி கேரியரைச் சேமிக்காமல் விளையாடுகிறது. சேமிக்க, வட்டில் இடம் ஒதுக்குங்கள் அல்லது கோப்புறையில் எழுத அனுமதியுங்கள், பின் கேரியரை மீண்டும் ஏற்றுங்கள்.</translation>
    </message>
    <message>
        <source>The career saved as %1 cannot be locked for this copy of the game: the name of its lock %2 is longer than the folder allows. This copy plays the career without saving. To save it, give the save a shorter name and load the career again.</source>
        <extracomment>%1 is a save file, %2 its lock file.</extracomment>
        <translation>%1 என்ற பெயரில் சேமிக்கப்பட்ட கேரியரை விளையாட்டின் இந்தப் பிரதிக்காகப் பூட்ட முடியாது: அதன் பூட்டு %2 இன் பெயர் கோப்புறை அனுமதிப்பதைவிட நீளமானது. இந்தப் பிரதி கேரியரைச் சேமிக்காமல் விளையாடுகிறது. சேமிக்க, சேமிப்புக்குக் குறுகிய பெயர் கொடுத்துக் கேரியரை மீண்டும் ஏற்றுங்கள்.</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open in another copy of the game.</source>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: இது விளையாட்டின் வேறொரு பிரதியில் திறந்துள்ளது.</translation>
    </message>
    <message>
        <source>This career is not being saved: it is open on the computer %1.</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: இது %1 கணினியில் திறந்துள்ளது.</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock names a process of the program %1.</source>
        <extracomment>%1 is the name of a program that is not the game.</extracomment>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: அதன் பூட்டு %1 நிரலின் ஒரு செயல்முறையைக் குறிக்கிறது.</translation>
    </message>
    <message>
        <source>This career is not being saved: %1 is not an ordinary file.</source>
        <extracomment>%1 is the career&apos;s lock file.</extracomment>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: %1 சாதாரணக் கோப்பு அல்ல.</translation>
    </message>
    <message>
        <source>This career is not being saved: its lock could not be made (%1).</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: அதன் பூட்டை உருவாக்க முடியவில்லை (%1).</translation>
    </message>
    <message>
        <source>This career is not being saved: the name of its lock is too long.</source>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: அதன் பூட்டின் பெயர் மிக நீளமானது.</translation>
    </message>
    <message>
        <source>This career is not being saved: another file is kept where it would save.</source>
        <translation>இந்தக் கேரியர் சேமிக்கப்படவில்லை: அது சேமிக்கும் இடத்தில் வேறொரு கோப்பு வைக்கப்பட்டுள்ளது.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>no free name was found for it</source>
        <translation>அதற்குக் காலியான பெயர் எதுவும் கிடைக்கவில்லை</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>%1 கோப்புறையை உருவாக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>இது வேறொரு கோப்புக்கான இணைப்பு</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>இது சாதாரணக் கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>it is a link to another file, and the game writes only files of its own in its Saves folder</source>
        <translation>இது வேறொரு கோப்புக்கான இணைப்பு, விளையாட்டு தன் Saves கோப்புறையில் தன் சொந்தக் கோப்புகளை மட்டுமே எழுதும்</translation>
    </message>
    <message>
        <source>it is not an ordinary file, and the game writes only ordinary files</source>
        <translation>இது சாதாரணக் கோப்பு அல்ல, விளையாட்டு சாதாரணக் கோப்புகளை மட்டுமே எழுதும்</translation>
    </message>
    <message>
        <source>its lock %1 is not an ordinary file</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>அதன் பூட்டு %1 சாதாரணக் கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>its lock %1 could not be made: %2</source>
        <extracomment>%1 is a file, %2 the reason it could not be made.</extracomment>
        <translation>%1 என்ற அதன் பூட்டை உருவாக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>another copy of the game held its lock %1 for too long</source>
        <translation>%1 என்ற அதன் பூட்டை விளையாட்டின் வேறொரு பிரதி மிக நீண்ட நேரம் வைத்திருந்தது</translation>
    </message>
    <message>
        <source>another program kept changing it while it was written</source>
        <translation>எழுதும்போது வேறொரு நிரல் அதைத் தொடர்ந்து மாற்றிக்கொண்டிருந்தது</translation>
    </message>
    <message>
        <source>this game does not save the career there</source>
        <translation>இந்த விளையாட்டு கேரியரை அங்கே சேமிக்காது</translation>
    </message>
    <message>
        <source>it holds another file, which the game does not replace without asking</source>
        <translation>அதில் வேறொரு கோப்பு உள்ளது, கேட்காமல் விளையாட்டு அதை மாற்றாது</translation>
    </message>
    <message>
        <source>header</source>
        <translation>தலைப்பு</translation>
    </message>
    <message>
        <source>player name</source>
        <translation>வீரர் பெயர்</translation>
    </message>
    <message>
        <source>city team</source>
        <translation>நகர அணி</translation>
    </message>
    <message>
        <source>state team</source>
        <translation>மாநில அணி</translation>
    </message>
    <message>
        <source>national team</source>
        <translation>தேசிய அணி</translation>
    </message>
    <message>
        <source>batting skill</source>
        <translation>பேட்டிங் திறன்</translation>
    </message>
    <message>
        <source>bowling skill</source>
        <translation>பந்துவீச்சுத் திறன்</translation>
    </message>
    <message>
        <source>fielding skill</source>
        <translation>பீல்டிங் திறன்</translation>
    </message>
    <message>
        <source>starting batting skill</source>
        <translation>தொடக்கப் பேட்டிங் திறன்</translation>
    </message>
    <message>
        <source>starting bowling skill</source>
        <translation>தொடக்கப் பந்துவீச்சுத் திறன்</translation>
    </message>
    <message>
        <source>starting fielding skill</source>
        <translation>தொடக்கப் பீல்டிங் திறன்</translation>
    </message>
    <message>
        <source>auto-save flag</source>
        <translation>தானியங்கு சேமிப்புக் குறி</translation>
    </message>
    <message>
        <source>club team</source>
        <translation>கிளப் அணி</translation>
    </message>
    <message>
        <source>current team</source>
        <translation>தற்போதைய அணி</translation>
    </message>
    <message>
        <source>category</source>
        <translation>பிரிவு</translation>
    </message>
    <message>
        <source>sponsor</source>
        <translation>ஸ்பான்சர்</translation>
    </message>
    <message>
        <source>match fee</source>
        <translation>போட்டிக் கட்டணம்</translation>
    </message>
    <message>
        <source>sponsorship</source>
        <translation>ஸ்பான்சர்ஷிப்</translation>
    </message>
    <message>
        <source>other incomes</source>
        <translation>பிற வருமானம்</translation>
    </message>
    <message>
        <source>bank balance</source>
        <translation>வங்கி இருப்பு</translation>
    </message>
    <message>
        <source>bat condition</source>
        <translation>பேட் நிலைமை</translation>
    </message>
    <message>
        <source>gloves condition</source>
        <translation>கையுறை நிலைமை</translation>
    </message>
    <message>
        <source>pads condition</source>
        <translation>பேடு நிலைமை</translation>
    </message>
    <message>
        <source>other accessories condition</source>
        <translation>பிற உபகரண நிலைமை</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>பிட்னஸ்</translation>
    </message>
    <message>
        <source>health</source>
        <translation>நலம்</translation>
    </message>
    <message>
        <source>stamina</source>
        <translation>தெம்பு</translation>
    </message>
    <message>
        <source>%1 matches played</source>
        <extracomment>A line of the save file&apos;s record book; %1 is the level&apos;s name (Club, City, State or National), as the record book heads its column.</extracomment>
        <translation>%1: விளையாடிய போட்டிகள்</translation>
    </message>
    <message>
        <source>%1 runs scored</source>
        <translation>%1: எடுத்த ரன்கள்</translation>
    </message>
    <message>
        <source>%1 wickets taken</source>
        <translation>%1: வீழ்த்திய விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>%1 catches held</source>
        <translation>%1: பிடித்த கேட்ச்கள்</translation>
    </message>
    <message>
        <source>%1 highest score</source>
        <translation>%1: அதிகபட்ச ஸ்கோர்</translation>
    </message>
    <message>
        <source>%1 batting average</source>
        <translation>%1: பேட்டிங் சராசரி</translation>
    </message>
    <message>
        <source>%1 50s</source>
        <translation>%1: அரைசதங்கள்</translation>
    </message>
    <message>
        <source>%1 100s</source>
        <translation>%1: சதங்கள்</translation>
    </message>
    <message>
        <source>%1 most wickets</source>
        <translation>%1: அதிக விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>%1 5 wickets</source>
        <translation>%1: 5 விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>level</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>line %1 (%2) is empty, but must hold a number</source>
        <translation>வரி %1 (%2) காலியாக உள்ளது, ஆனால் அதில் ஓர் எண் இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is not a number</source>
        <translation>வரி %1 (%2) இல் %3 உள்ளது, அது எண் அல்ல</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, which is outside the range %4 to %5</source>
        <translation>வரி %1 (%2) இல் %3 உள்ளது, அது %4 முதல் %5 வரையிலான வரம்புக்கு வெளியே உள்ளது</translation>
    </message>
    <message>
        <source>line %1 (%2) is not the header</source>
        <translation>வரி %1 (%2) தலைப்பு அல்ல</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be 0 or 1</source>
        <translation>வரி %1 (%2) இல் %3 உள்ளது, ஆனால் அது 0 அல்லது 1 ஆக இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3, but must be Club, City, State or National</source>
        <extracomment>Club, City, State and National are the words the save file holds whatever the language: keep them in English.</extracomment>
        <translation>வரி %1 (%2) இல் %3 உள்ளது, ஆனால் அது Club, City, State அல்லது National ஆக இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>This save file is damaged and was not loaded: %1.</source>
        <translation>இந்தச் சேமிப்புக் கோப்பு சேதமடைந்துள்ளதால் ஏற்றப்படவில்லை: %1.</translation>
    </message>
    <message>
        <source>This is not a valid Bailcrest Saves file.</source>
        <translation>இது சரியான Bailcrest சேமிப்புக் கோப்பு அல்ல.</translation>
    </message>
    <message>
        <source>This save file is too large to be loaded: a save file holds at most %1 KiB.</source>
        <translation>இந்தச் சேமிப்புக் கோப்பு ஏற்ற முடியாத அளவு பெரியது: ஒரு சேமிப்புக் கோப்பில் அதிகபட்சம் %1 KiB இருக்கலாம்.</translation>
    </message>
    <message>
        <source>the file would take %1 bytes, but a save file holds at most %2 KiB</source>
        <translation>கோப்புக்கு %1 பைட்டுகள் தேவைப்படும், ஆனால் ஒரு சேமிப்புக் கோப்பில் அதிகபட்சம் %2 KiB இருக்கலாம்</translation>
    </message>
    <message>
        <source>line %1 (%2) holds a line break</source>
        <translation>வரி %1 (%2) இல் வரி முறிவு உள்ளது</translation>
    </message>
    <message>
        <source>it ends after line %1 of %2</source>
        <translation>இது %2 வரிகளில் வரி %1 உடன் முடிகிறது</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>இது இப்போது அங்கே இல்லை</translation>
    </message>
    <message>
        <source>This save file could not be read: %1.</source>
        <translation>இந்தச் சேமிப்புக் கோப்பினைப் படிக்க முடியவில்லை: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file</source>
        <translation>&quot;%1&quot; ஒரு கோப்பின் பெயராக இருக்க முடியாது</translation>
    </message>
    <message>
        <source>its name is not text this system can spell back, so the game cannot open it safely; rename it to load it</source>
        <translation>இதன் பெயர் இந்த அமைப்பு திரும்ப எழுதக்கூடிய உரை அல்ல, எனவே விளையாட்டால் இதைப் பாதுகாப்பாகத் திறக்க முடியாது; ஏற்ற, இதன் பெயரை மாற்றுங்கள்</translation>
    </message>
    <message>
        <source>no free name was found to keep it aside</source>
        <translation>இதை ஒதுக்கி வைக்கக் காலியான பெயர் எதுவும் கிடைக்கவில்லை</translation>
    </message>
    <message>
        <source>%1; its history is left set aside as %2: %3</source>
        <translation>%1; அதன் வரலாறு %2 என்ற பெயரில் ஒதுக்கி வைக்கப்பட்டுள்ளது: %3</translation>
    </message>
</context>
<context>
    <name>SaveNotices</name>
    <message>
        <source>Your career could not be saved as %1: %2. The earlier save file, if there is one, is unchanged.</source>
        <translation>உங்கள் கேரியரை %1 என்ற பெயரில் சேமிக்க முடியவில்லை: %2. முந்தைய சேமிப்புக் கோப்பு இருந்தால், அது மாறாமல் உள்ளது.</translation>
    </message>
    <message>
        <source>The file %1 was not as this game last left it: another program changed it, or it holds what this career cannot use. It is kept unchanged as %2, and your career is saved in its place.</source>
        <extracomment>%1 is a file of the game&apos;s Saves folder, %2 the name it is kept under.</extracomment>
        <translation>%1 கோப்பு இந்த விளையாட்டு கடைசியாக விட்டபடி இல்லை: வேறொரு நிரல் அதை மாற்றியது, அல்லது இந்தக் கேரியர் பயன்படுத்த முடியாதது அதில் உள்ளது. அது %2 என்ற பெயரில் மாற்றமின்றி வைக்கப்பட்டுள்ளது, உங்கள் கேரியர் அதன் இடத்தில் சேமிக்கப்பட்டுள்ளது.</translation>
    </message>
</context>
<context>
    <name>SavedCareersModel</name>
    <message>
        <source>Set aside, ended</source>
        <extracomment>A career&apos;s save kept aside when another career took its file.</extracomment>
        <translation>ஒதுக்கப்பட்டது, முடிந்தது</translation>
    </message>
    <message>
        <source>Set aside, played on after its end</source>
        <extracomment>A career&apos;s save kept aside when another career took its file, of a career that ended and was loaded and played on.</extracomment>
        <translation>ஒதுக்கப்பட்டது, முடிந்த பின் தொடர்ந்து விளையாடப்பட்டது</translation>
    </message>
    <message>
        <source>Set aside</source>
        <translation>ஒதுக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Whether a saved career has ended or can be played on.</extracomment>
        <translation>முடிந்தது</translation>
    </message>
    <message>
        <source>Played on after its end</source>
        <extracomment>A career that ended, then was loaded again and played on.</extracomment>
        <translation>முடிந்த பின் தொடர்ந்து விளையாடப்பட்டது</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>தொடர்கிறது</translation>
    </message>
    <message>
        <source>%1, read-only</source>
        <extracomment>A career listed from a Saves folder the game cannot write to.</extracomment>
        <translation>%1, படிக்க மட்டும்</translation>
    </message>
    <message>
        <source>%1 is not a career the game can load: %2</source>
        <extracomment>Why a file in the Saves folder cannot be loaded: %1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>%1 விளையாட்டு ஏற்றக்கூடிய கேரியர் அல்ல: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>வீரர்</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>அணி</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>போட்டிகள்</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>ரன்கள்</translation>
    </message>
    <message>
        <source>Wickets</source>
        <translation>விக்கெட்டுகள்</translation>
    </message>
    <message>
        <source>Bank balance (Rs.)</source>
        <translation>வங்கி இருப்பு (ரூ.)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>நிலவரம்</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>கடைசியாக விளையாடியது</translation>
    </message>
    <message>
        <source>File</source>
        <translation>கோப்பு</translation>
    </message>
</context>
<context>
    <name>ScreenNavigator</name>
    <message>
        <source>Bailcrest: Load Game</source>
        <translation>Bailcrest: விளையாட்டை ஏற்று</translation>
    </message>
    <message>
        <source>Bailcrest Saves (%1)</source>
        <extracomment>The Load dialog&apos;s file type. %1 is the file pattern, which Qt reads back from between the parentheses: keep it there, at the end.</extracomment>
        <translation>Bailcrest சேமிப்புகள் (%1)</translation>
    </message>
</context>
<context>
    <name>SponsorsScreen</name>
    <message>
        <source>Bailcrest: Sponsorship</source>
        <translation>Bailcrest: ஸ்பான்சர்ஷிப்</translation>
    </message>
    <message>
        <source>SPONSORSHIP OFFERS</source>
        <translation>ஸ்பான்சர்ஷிப் ஆஃபர்கள்</translation>
    </message>
    <message>
        <source>Offers (Rs.)</source>
        <translation>ஆஃபர் (ரூ.)</translation>
    </message>
    <message>
        <source>Offer of %1</source>
        <translation>%1 தரும் ஆஃபர்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
    <message>
        <source>Offer (Rs.): %1</source>
        <extracomment>What a screen reader says of a sponsor&apos;s option: %1 the offer in rupees.</extracomment>
        <translation>ஆஃபர் (ரூ.): %1</translation>
    </message>
    <message>
        <source>%1, %2 (Rs.)</source>
        <extracomment>One offer in the list a screen reader hears as the screen opens: %1 the sponsor, %2 the offer in rupees.</extracomment>
        <translation>%1, %2 (ரூ.)</translation>
    </message>
    <message>
        <source>No sponsor makes you an offer yet.</source>
        <translation>இன்னும் எந்த ஸ்பான்சரும் உங்களுக்கு ஆஃபர் தரவில்லை.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sponsor(s) make you an offer: %1.</source>
        <translation>
            <numerusform>%Ln ஸ்பான்சர் உங்களுக்கு ஆஃபர் தருகிறது: %1.</numerusform>
            <numerusform>%Ln ஸ்பான்சர்கள் உங்களுக்கு ஆஃபர் தருகின்றன: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Bailcrest speaks English: no font on this computer can write %1. To play in %1, install a font for it, such as those of Debian&apos;s fonts-noto-core.</source>
        <extracomment>Shown in English, as the game has fallen back to it. %1 is the desktop&apos;s language, named in English.</extracomment>
        <translation>Bailcrest ஆங்கிலத்தில் இயங்குகிறது: இந்தக் கணினியில் உள்ள எந்த எழுத்துருவாலும் %1 மொழியை எழுத முடியாது. %1 மொழியில் விளையாட, அதற்கான ஓர் எழுத்துருவை நிறுவுங்கள், எடுத்துக்காட்டாக Debian-இன் fonts-noto-core எழுத்துருக்கள்.</translation>
    </message>
</context>
<context>
    <name>UnitsScrollBar</name>
    <message>
        <source>Up or Page Up adds units, Page Up ten at a time, and End all of them; Down or Page Down takes them away, Page Down ten at a time, and Home all of them.</source>
        <translation>Up அல்லது Page Up யூனிட்களைச் சேர்க்கும், Page Up ஒரே நேரத்தில் பத்து, End அனைத்தையும்; Down அல்லது Page Down அவற்றைக் குறைக்கும், Page Down ஒரே நேரத்தில் பத்து, Home அனைத்தையும்.</translation>
    </message>
</context>
</TS>

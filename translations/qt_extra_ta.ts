<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>இயக்ககம்</translation>
    </message>
    <message>
        <source>File</source>
        <translation>கோப்பு</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 கோப்பு</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>கோப்புறை</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>கோப்புறை</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>பயன்பாடு: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[விருப்பங்கள்]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>விருப்பங்கள்:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>கட்டளை வரி விருப்பங்களுக்கான உதவியைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-க்கே உரிய விருப்பங்கள் உட்பட உதவியைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>பதிப்புத் தகவலைக் காட்டும்.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>இதில் பார்:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>கோப்பின் பெயர் (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>கோப்பு வகை:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற (&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>முன்</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>முன்செல்</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>மேல் கோப்புறை</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>மேல் கோப்புறைக்குச் செல்</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ஒரு புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>பட்டியல் காட்சி</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>பட்டியல் காட்சிக்கு மாற்று</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>விவரக் காட்சி</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>விவரக் காட்சிக்கு மாற்று</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>பக்கப்பட்டி</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>இடங்கள், புத்தகக்குறிகளின் பட்டியல்</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>கோப்புகள்</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>சமீபத்திய இடங்கள்</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>பெயர் மாற்று (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>மறைந்த கோப்புகளைக் காட்டு (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>புதிய கோப்புறை (&amp;N)</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>கோப்புறை:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>எல்லாக் கோப்புகளும் (*)</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>என் கணினி</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>கணினி</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>அளவு</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>மாற்றிய தேதி</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>என் கணினி</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>கணினி</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction the language is written in: &quot;LTR&quot; for left to right, &quot;RTL&quot; for right to left (Urdu). Every screen of the game is mirrored under &quot;RTL&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>விவரங்களைக் காட்டு...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>விவரங்களை மறை...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>இங்கே நகர்த்து</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>இடது ஓரம்</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>மேலே</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>வலது ஓரம்</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>கீழே</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>ஒரு பக்கம் இடதுபுறம்</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>ஒரு பக்கம் மேலே</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>ஒரு பக்கம் வலதுபுறம்</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>ஒரு பக்கம் கீழே</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>இடதுபுறம் நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>மேலே நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>வலதுபுறம் நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>கீழே நகர்த்து</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>இடதுபுறம் நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>வலதுபுறம் நகர்த்து</translation>
    </message>
</context>
</TS>

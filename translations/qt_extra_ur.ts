<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ڈرائیو</translation>
    </message>
    <message>
        <source>File</source>
        <translation>فائل</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>‏%1 فائل</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>فولڈر</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>فولڈر</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>استعمال: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[اختیارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>اختیارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>کمانڈ لائن کے اختیارات پر مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>‏Qt کے اپنے اختیارات سمیت مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ورژن کی معلومات دکھاتا ہے۔</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>اس میں دیکھیں:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>فائل کا نام (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>فائل کی قسم:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>کھولیں (&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>پیچھے</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>پیچھے جائیں</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>آگے</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>آگے جائیں</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>اوپر والا فولڈر</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>اوپر والے فولڈر میں جائیں</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ایک نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>فہرست کی شکل</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>فہرست کی شکل میں دکھائیں</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>تفصیلی شکل</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>تفصیلی شکل میں دکھائیں</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>سائیڈ بار</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>جگہوں اور بک مارکس کی فہرست</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>فائلیں</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>حالیہ جگہیں</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>نام بدلیں (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف کریں (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>چھپی فائلیں دکھائیں (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>نیا فولڈر (&amp;N)</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>فولڈر:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>کمپیوٹر</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>سائز</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>تبدیلی کی تاریخ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>کمپیوٹر</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction the language is written in: &quot;LTR&quot; for left to right, &quot;RTL&quot; for right to left (Urdu). Every screen of the game is mirrored under &quot;RTL&quot;.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>کالعدم کریں (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>دوبارہ کریں (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>کاٹیں (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نقل کریں (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسپاں کریں (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>سب منتخب کریں</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>تفصیل دکھائیں...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>تفصیل چھپائیں...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ہاں (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>نہیں (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>یہاں تک سرکائیں</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>بایاں کنارہ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>سب سے اوپر</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>دایاں کنارہ</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>سب سے نیچے</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>ایک صفحہ بائیں</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>ایک صفحہ اوپر</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>ایک صفحہ دائیں</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>ایک صفحہ نیچے</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>بائیں سرکائیں</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>اوپر سرکائیں</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>دائیں سرکائیں</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>نیچے سرکائیں</translation>
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
        <translation>بائیں سرکائیں</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>دائیں سرکائیں</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ড্রাইভ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 ফাইল</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>ফোল্ডার</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>ফোল্ডার</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ব্যবহার: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[বিকল্প]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>বিকল্প:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>কমান্ড লাইনের বিকল্পগুলোর সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-এর নিজস্ব বিকল্পসহ সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>সংস্করণের তথ্য দেখায়।</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>এখানে দেখুন:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ফাইলের নাম (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ফাইলের ধরন:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>পিছনে</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>পিছনে যান</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>সামনে</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>সামনে যান</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ওপরের ফোল্ডার</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ওপরের ফোল্ডারে যান</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>একটি নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>তালিকা দৃশ্য</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>তালিকা দৃশ্যে দেখান</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>বিস্তারিত দৃশ্য</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>বিস্তারিত দৃশ্যে দেখান</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>সাইডবার</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>জায়গা ও বুকমার্কের তালিকা</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>সাম্প্রতিক জায়গা</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>নাম বদলান (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছুন (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>লুকানো ফাইল দেখান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>নতুন ফোল্ডার (&amp;N)</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>ফোল্ডার:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>আমার কম্পিউটার</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>পরিবর্তনের তারিখ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>আমার কম্পিউটার</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
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
        <translation>আগের অবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিবরণ দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিবরণ লুকান...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>এখানে সরান</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>বাঁ প্রান্ত</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>একেবারে ওপরে</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>ডান প্রান্ত</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>একেবারে নিচে</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>এক পৃষ্ঠা বাঁয়ে</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>এক পৃষ্ঠা ওপরে</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>এক পৃষ্ঠা ডানে</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>এক পৃষ্ঠা নিচে</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>ওপরে সরান</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>ডানে সরান</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>নিচে সরান</translation>
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
        <translation>বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>ডানে সরান</translation>
    </message>
</context>
</TS>

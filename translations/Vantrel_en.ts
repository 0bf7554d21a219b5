<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Browser</name>
    <message numerus="yes">
        <source>Paste %n entries</source>
        <translation>
            <numerusform>Paste %n entry</numerusform>
            <numerusform>Paste %n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%1: only the first path is opened; %n more left aside</source>
        <translation>
            <numerusform>%1: only the first path is opened; %n more left aside</numerusform>
            <numerusform>%1: only the first path is opened; %n more left aside</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileStep</name>
    <message numerus="yes">
        <source>restore %n entries</source>
        <translation>
            <numerusform>restore %n entry</numerusform>
            <numerusform>restore %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>trash %n entries</source>
        <translation>
            <numerusform>trash %n entry</numerusform>
            <numerusform>trash %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n entries to “%1”</source>
        <translation>
            <numerusform>move %n entry to “%1”</numerusform>
            <numerusform>move %n entries to “%1”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copy %n entries to “%1”</source>
        <translation>
            <numerusform>copy %n entry to “%1”</numerusform>
            <numerusform>copy %n entries to “%1”</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message numerus="yes">
        <source>Moving %n entries to the trash</source>
        <translation>
            <numerusform>Moving %n entry to the trash</numerusform>
            <numerusform>Moving %n entries to the trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries permanently?</source>
        <translation>
            <numerusform>Delete %n entry permanently?</numerusform>
            <numerusform>Delete %n entries permanently?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n entries</source>
        <translation>
            <numerusform>Deleting %n entry</numerusform>
            <numerusform>Deleting %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n entries</source>
        <translation>
            <numerusform>Restoring %n entry</numerusform>
            <numerusform>Restoring %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved to the trash</source>
        <translation>
            <numerusform>%n entry moved to the trash</numerusform>
            <numerusform>%n entries moved to the trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted</source>
        <translation>
            <numerusform>%n entry deleted</numerusform>
            <numerusform>%n entries deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored</source>
        <translation>
            <numerusform>%n entry restored</numerusform>
            <numerusform>%n entries restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more could not be done</source>
        <translation>
            <numerusform>%n more could not be done</numerusform>
            <numerusform>%n more could not be done</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n folder</numerusform>
            <numerusform>%n folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries could not be read; the totals are at least these</source>
        <translation>
            <numerusform>%n entry could not be read; the totals are at least these</numerusform>
            <numerusform>%n entries could not be read; the totals are at least these</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderStatus</name>
    <message numerus="yes">
        <source>%Ln entries</source>
        <translation>
            <numerusform>%Ln entry</numerusform>
            <numerusform>%Ln entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln hidden</source>
        <translation>
            <numerusform>%1, %Ln hidden</numerusform>
            <numerusform>%1, %Ln hidden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln selected</source>
        <translation>
            <numerusform>%Ln selected</numerusform>
            <numerusform>%Ln selected</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n s left</source>
        <translation>
            <numerusform>%n s left</numerusform>
            <numerusform>%n s left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min left</source>
        <translation>
            <numerusform>%n min left</numerusform>
            <numerusform>%n min left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h left</source>
        <translation>
            <numerusform>%n h left</numerusform>
            <numerusform>%n h left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n entries</source>
        <translation>
            <numerusform>%1 of %n entry</numerusform>
            <numerusform>%1 of %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Jobs still running: %n. Stop them and leave?</source>
        <translation>
            <numerusform>A job is still running. Stop it and leave?</numerusform>
            <numerusform>Jobs still running: %n. Stop them and leave?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SceneTools</name>
    <message numerus="yes">
        <source>%1 byte(s)</source>
        <comment>a file&apos;s size</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message numerus="yes">
        <source>Searching… %n folders looked through</source>
        <translation>
            <numerusform>Searching… %n folder looked through</numerusform>
            <numerusform>Searching… %n folders looked through</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n results are shown</source>
        <translation>
            <numerusform>Only the first result is shown</numerusform>
            <numerusform>Only the first %n results are shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n found</numerusform>
            <numerusform>%n found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextView</name>
    <message numerus="yes">
        <source>%n long line(s) broken for display</source>
        <translation>
            <numerusform>%n long line broken for display</numerusform>
            <numerusform>%n long lines broken for display</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message numerus="yes">
        <source>Moving %n entries to %1</source>
        <translation>
            <numerusform>Moving %n entry to %1</numerusform>
            <numerusform>Moving %n entries to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n entries to %1</source>
        <translation>
            <numerusform>Copying %n entry to %1</numerusform>
            <numerusform>Copying %n entries to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after moving %n of %1; the rest is where it was.</source>
        <translation>
            <numerusform>Cancelled after moving %n of %1; the rest is where it was.</numerusform>
            <numerusform>Cancelled after moving %n of %1; the rest is where it was.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after copying %n of %1; nothing was left half done.</source>
        <translation>
            <numerusform>Cancelled after copying %n of %1; nothing was left half done.</numerusform>
            <numerusform>Cancelled after copying %n of %1; nothing was left half done.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n entries.</source>
        <translation>
            <numerusform>Moved %n entry.</numerusform>
            <numerusform>Moved %n entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries.</source>
        <translation>
            <numerusform>Copied %n entry.</numerusform>
            <numerusform>Copied %n entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n of %1.</source>
        <translation>
            <numerusform>Moved %n of %1.</numerusform>
            <numerusform>Moved %n of %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n of %1.</source>
        <translation>
            <numerusform>Copied %n of %1.</numerusform>
            <numerusform>Copied %n of %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left where it was (%1).</source>
        <translation>
            <numerusform>%n left where it was (%1).</numerusform>
            <numerusform>%n left where they were (%1).</numerusform>
        </translation>
    </message>
</context>
</TS>

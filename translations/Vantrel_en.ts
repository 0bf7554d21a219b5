<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- English needs only its plural forms: every other text is English as written. -->
<TS version="2.1" language="en_US">
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
</TS>

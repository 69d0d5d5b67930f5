<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Files</name>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… and %n more.</numerusform>
            <numerusform>… and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCompatibilityWindow</name>
    <message numerus="yes">
        <source>%1 and %2: born %n days apart</source>
        <extracomment>Two people, %n the days between their birth dates.</extracomment>
        <translation>
            <numerusform>%1 and %2: born %n day apart</numerusform>
            <numerusform>%1 and %2: born %n days apart</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCriticalDaysDialog</name>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Birth date %1: %n critical days from %2 to %3.</source>
        <extracomment>%n is the number of critical days; %1 the birth date, %2 and %3 the first and the last day looked at.</extracomment>
        <translation>
            <numerusform>Birth date %1: %n critical day from %2 to %3.</numerusform>
            <numerusform>Birth date %1: %n critical days from %2 to %3.</numerusform>
        </translation>
    </message>
</context>
</TS>

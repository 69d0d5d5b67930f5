<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChartTexts</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list of values, as in &quot;Physical 27, Emotional -43&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: %2</source>
        <extracomment>A cycle in bold and its value in a tooltip; rich text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>critical day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>critical</source>
        <extracomment>Beside a cycle&apos;s value on a day on which the cycle crosses zero.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 to %2. %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A person and their value in a tooltip; rich text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 to %3. %4: %5 %6, %7 %8</source>
        <extracomment>A cycle, a span of days, then a day and the value of each person on it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phyisical</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 is not a person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 has no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date “%3” is not a date written YYYY-MM-DD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date %3 lies outside the years %4 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not valid JSON (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no list of people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has no version number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has version %1, which this program does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some people in %1 could not be read and were left out:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the list of people are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot hold line breaks, tabs or other control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1, %2: the name is used by an earlier entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened or read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language is not written as a code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language “%1” is not one this program knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preferences in %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was kept as %1, and the program starts with its defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the preferences are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Quellmar - Biorhythm Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be saved in %1; it holds until the program closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language is not saved: the damaged file %1 could not be renamed. It holds until the program closes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrincipal</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To learn more about biorhythms, please visit our website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To calculate your Biorhythm, please enter your birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The scale of the today chart, at 100.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical</source>
        <extracomment>The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>The scale of the today chart, at -100.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate biorhythm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Current state analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  4-Week analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birthday couldn&apos;t be greater than today...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Biorhythm calculator...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

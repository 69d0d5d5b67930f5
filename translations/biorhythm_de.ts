<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChartOutput</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>BMP image (*.bmp)</source>
        <translation>BMP-Bild (*.bmp)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Save Values</source>
        <translation>Werte speichern</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list of values, as in &quot;Physical 27, Emotional -43&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: %2</source>
        <extracomment>A cycle in bold and its value in a tooltip; rich text.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2</translation>
    </message>
    <message>
        <source>critical day</source>
        <translation>kritischer Tag</translation>
    </message>
    <message>
        <source>critical</source>
        <extracomment>Beside a cycle&apos;s value on a day on which the cycle crosses zero.</extracomment>
        <translation>kritisch</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A person and their value in a tooltip; rich text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3. %4: %5 %6, %7 %8</source>
        <extracomment>A cycle, a span of days, then a day and the value of each person on it.</extracomment>
        <translation>%1 vom %2 bis %3. %4: %5 %6, %7 %8</translation>
    </message>
    <message>
        <source> (critical day)</source>
        <extracomment>After a cycle&apos;s value in a list of values, the cycle crossing zero on that day.</extracomment>
        <translation> (kritischer Tag)</translation>
    </message>
    <message>
        <source>From %1 to %2. %3</source>
        <extracomment>The span of the 4-week chart, then the day shown and its values.</extracomment>
        <translation>Vom %1 bis %2. %3</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physical</source>
        <translation>Körperlich</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Seelisch</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Geistig</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituell</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Bewusstsein</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Ästhetisch</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Phyisical</source>
        <translation>Körperlich</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Entry %1 is not a person.</source>
        <translation>Eintrag %1 ist keine Person.</translation>
    </message>
    <message>
        <source>Entry %1 has no name.</source>
        <translation>Eintrag %1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date “%3” is not a date written YYYY-MM-DD.</source>
        <translation>Eintrag %1, %2: Das Geburtsdatum „%3“ ist kein Datum der Form JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date %3 lies outside the years %4 to %5.</source>
        <translation>Eintrag %1, %2: Das Geburtsdatum %3 liegt außerhalb der Jahre %4 bis %5.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not valid JSON (%1 at byte %2)</source>
        <translation>die Datei ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>the file holds no list of people</source>
        <translation>die Datei enthält keine Liste von Personen</translation>
    </message>
    <message>
        <source>the file has no version number</source>
        <translation>die Datei hat keine Versionsnummer</translation>
    </message>
    <message>
        <source>the file has version %1, which this program does not know</source>
        <translation>die Datei hat die Version %1, die dieses Programm nicht kennt</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… und %n weiterer Eintrag.</numerusform>
            <numerusform>… und %n weitere Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some people in %1 could not be read and were left out:
%2</source>
        <translation>Einige Personen in %1 konnten nicht gelesen werden und wurden ausgelassen:
%2</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>Die Liste der Personen in %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The whole file was kept as %1.</source>
        <translation>Die ganze Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the list of people are not saved.</source>
        <translation>Die Datei konnte nicht umbenannt werden; sie bleibt, wie sie ist, und Änderungen an der Liste der Personen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks, tabs or other control characters.</source>
        <translation>Ein Name darf keine Zeilenumbrüche, Tabulatoren oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Ein Name hat höchstens %1 Zeichen; dieser hat %2.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the name is used by an earlier entry.</source>
        <translation>Eintrag %1, %2: Der Name gehört schon einem früheren Eintrag.</translation>
    </message>
    <message>
        <source>the file cannot be opened or read</source>
        <translation>die Datei lässt sich nicht öffnen oder lesen</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the language is not written as a code</source>
        <translation>die Sprache ist nicht als Kürzel angegeben</translation>
    </message>
    <message>
        <source>the language “%1” is not one this program knows</source>
        <translation>die Sprache „%1“ kennt dieses Programm nicht</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>die Datei ist größer als %1 KB</translation>
    </message>
    <message>
        <source>The preferences in %1 could not be read: %2.</source>
        <translation>Die Einstellungen in %1 konnten nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file was kept as %1, and the program starts with its defaults.</source>
        <translation>Die Datei wurde als %1 aufbewahrt; das Programm startet mit seinen Voreinstellungen.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the preferences are not saved.</source>
        <translation>Die Datei konnte nicht umbenannt werden; sie bleibt, wie sie ist, und Änderungen an den Einstellungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>PeopleDialogs</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A person: the name and, in brackets, the birth date.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;People, in the order of the menu:</source>
        <translation>&amp;Personen, in der Reihenfolge des Menüs:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Rename person</source>
        <translation>Person umbenennen</translation>
    </message>
    <message>
        <source>New &amp;name for %1:</source>
        <translation>Neuer &amp;Name für %1:</translation>
    </message>
    <message>
        <source>The name %1 is already used by another person.</source>
        <translation>Der Name %1 gehört schon einer anderen Person.</translation>
    </message>
    <message>
        <source>Delete %1 from the people?</source>
        <translation>%1 aus den Personen löschen?</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>Select this birth date and calculate.</source>
        <translation>Dieses Geburtsdatum wählen und berechnen.</translation>
    </message>
    <message>
        <source>Take this day for today (0001-01-16 to 9999-12-17).</source>
        <translation>Diesen Tag als heute nehmen (0001-01-16 bis 9999-12-17).</translation>
    </message>
    <message>
        <source>The tab shown in the picture (default: today).</source>
        <translation>Die im Bild gezeigte Registerkarte (Vorgabe: today).</translation>
    </message>
    <message>
        <source>Draw the window as a screen scaled K times (1 to 4) does.</source>
        <translation>Das Fenster wie auf einem K-fach skalierten Bildschirm zeichnen (1 bis 4).</translation>
    </message>
    <message>
        <source>Write a PNG picture of the window.</source>
        <translation>Ein PNG-Bild des Fensters schreiben.</translation>
    </message>
    <message>
        <source>Print the 30 days of the 4-week chart as comma-separated values.</source>
        <translation>Die 30 Tage des 4-Wochen-Diagramms als kommagetrennte Werte ausgeben.</translation>
    </message>
    <message>
        <source>Show the value of each bar on the today chart.</source>
        <translation>Den Wert jedes Balkens im Heute-Diagramm zeigen.</translation>
    </message>
    <message>
        <source>Print the compatibility of the birth date with this one as CSV.</source>
        <translation>Die Übereinstimmung des Geburtsdatums mit diesem als CSV ausgeben.</translation>
    </message>
    <message>
        <source>With --compare: write a picture of the comparison window (as --out).</source>
        <translation>Mit --compare: ein Bild des Vergleichsfensters schreiben (wie --out).</translation>
    </message>
    <message>
        <source>List a people file as CSV; entries it cannot read go to standard error.</source>
        <translation>Eine Personendatei als CSV auflisten; unlesbare Einträge gehen auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Print the critical days among the next DAYS (1 to 3660) from the day shown.</source>
        <translation>Die kritischen Tage unter den nächsten DAYS (1 bis 3660) ab dem gezeigten Tag ausgeben.</translation>
    </message>
    <message>
        <source>Show the window in this language: en, de, fr, es or ja (default: en).</source>
        <translation>Das Fenster in dieser Sprache zeigen: en, de, fr, es oder ja (Vorgabe: en).</translation>
    </message>
    <message>
        <source>With --critical: write them as calendar events to this file instead.</source>
        <translation>Mit --critical: sie stattdessen als Kalendertermine in diese Datei schreiben.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and licence and exit.</source>
        <translation>Version und Lizenz ausgeben und beenden.</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2 to %3</source>
        <translation>%1 ist eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD</source>
        <translation>%1 braucht ein Datum der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--tab is today or 4weeks</source>
        <translation>--tab ist today oder 4weeks</translation>
    </message>
    <message>
        <source>--language is one of %1</source>
        <translation>--language ist eine von %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--ics needs --critical DAYS</source>
        <translation>--ics braucht --critical DAYS</translation>
    </message>
    <message>
        <source>--csv and --critical print different tables; give one of them</source>
        <translation>--csv und --critical geben verschiedene Tabellen aus; nur eine angeben</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>--today is a day from 0001-01-16 to 9999-12-17</source>
        <translation>--today ist ein Tag von 0001-01-16 bis 9999-12-17</translation>
    </message>
    <message>
        <source>--compare prints a table of its own: give it without --csv and --critical</source>
        <translation>--compare gibt eine eigene Tabelle aus: ohne --csv und --critical angeben</translation>
    </message>
    <message>
        <source>--people goes alone, or with --today</source>
        <translation>--people steht allein oder mit --today</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>Die Liste der Personen in %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>usage: biorhythm-snapshot</source>
        <translation>Aufruf: biorhythm-snapshot</translation>
    </message>
    <message>
        <source>Opens the biorhythm window off screen with the stored birth date, or the one given,
and writes a picture of it or the 30 days of the 4-week chart; or the critical days
ahead, compares two birth dates, or lists a people file. It never writes the stored
date, and when it fails it writes nothing on standard output.</source>
        <translation>Öffnet das Biorhythmus-Fenster unsichtbar mit dem gespeicherten oder dem angegebenen
Geburtsdatum und schreibt ein Bild davon oder die 30 Tage des 4-Wochen-Diagramms; oder die
bevorstehenden kritischen Tage, vergleicht zwei Geburtsdaten oder listet eine Personendatei.
Das gespeicherte Datum schreibt es nie, und wenn es scheitert, schreibt es nichts auf die
Standardausgabe.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the window showed a message (on standard error),
2 bad options, 3 a file could not be written.</source>
        <translation>Rückgabewert: 0 erledigt, 1 das Fenster zeigte eine Meldung (auf der Standardfehlerausgabe),
2 falsche Optionen, 3 eine Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Shows the seven biorhythm cycles of a birth date for today and the four weeks around it.
The last birth date is kept in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
the people saved by name beside it in people.json, the language chosen in preferences.json.</source>
        <translation>Zeigt die sieben Biorhythmus-Zyklen eines Geburtsdatums für heute und die vier Wochen darum.
Das letzte Geburtsdatum steht in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
die unter Namen gespeicherten Personen daneben in people.json, die gewählte Sprache in preferences.json.</translation>
    </message>
    <message>
        <source>takes no arguments: %1</source>
        <translation>nimmt keine Argumente an: %1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Quellmar - Biorhythm Calculator</source>
        <translation>Quellmar - Biorhythmus-Rechner</translation>
    </message>
</context>
<context>
    <name>TChartExtras</name>
    <message>
        <source>&amp;Copy chart</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>Diagramm speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save &amp;values as…</source>
        <translation>&amp;Werte speichern unter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>Another day</source>
        <translation>Anderer Tag</translation>
    </message>
    <message>
        <source>Day to show</source>
        <translation>Anzuzeigender Tag</translation>
    </message>
    <message>
        <source>A day from %1 to %2: the 4-week chart shows the 15 days before it and the 14 after it.</source>
        <translation>Ein Tag vom %1 bis %2: Das 4-Wochen-Diagramm zeigt die 15 Tage davor und die 14 danach.</translation>
    </message>
    <message>
        <source>&amp;Another day…</source>
        <translation>&amp;Anderer Tag…</translation>
    </message>
    <message>
        <source>P&amp;revious day</source>
        <translation>&amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>&amp;Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Sho&amp;w values</source>
        <translation>Werte an&amp;zeigen</translation>
    </message>
    <message>
        <source>%1 – birth date %2, day shown %3</source>
        <extracomment>Above a printed chart: the tab&apos;s caption, the birth date and the day shown.</extracomment>
        <translation>%1 – Geburtsdatum %2, gezeigter Tag %3</translation>
    </message>
    <message>
        <source>The charts show the days %1 only: the 4-week chart needs the 15 days before the day shown and the 14 after it.</source>
        <translation>Die Diagramme zeigen nur die Tage %1: Das 4-Wochen-Diagramm braucht die 15 Tage vor dem gezeigten Tag und die 14 danach.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Opens the website %1</source>
        <translation>Öffnet die Website %1</translation>
    </message>
    <message>
        <source>Biorhythm charts</source>
        <translation>Biorhythmus-Diagramme</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>No values yet: choose a birth date and press Calculate.</source>
        <translation>Noch keine Werte: Geburtsdatum wählen und „Berechnen“ drücken.</translation>
    </message>
</context>
<context>
    <name>TCompatibilityWindow</name>
    <message>
        <source>Compatibility</source>
        <translation>Kompatibilität</translation>
    </message>
    <message>
        <source>&amp;Cycle over 30 days:</source>
        <translation>&amp;Zyklus über 30 Tage:</translation>
    </message>
    <message>
        <source>Cycle over 30 days</source>
        <translation>Zyklus über 30 Tage</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2: born %n days apart</source>
        <extracomment>Two people, %n the days between their birth dates.</extracomment>
        <translation>
            <numerusform>%1 und %2: im Abstand von %Ln Tag geboren</numerusform>
            <numerusform>%1 und %2: im Abstand von %Ln Tagen geboren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCriticalDaysDialog</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <source>Critical days ahead</source>
        <translation>Bevorstehende kritische Tage</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Vorausschau:</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Kritische Tage</translation>
    </message>
    <message>
        <source>Days on which two or more cycles are critical are highlighted.</source>
        <translation>Tage, an denen zwei oder mehr Zyklen kritisch sind, sind hervorgehoben.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the table as text (Ctrl+C copies the selected rows)</source>
        <translation>Kopiert die Tabelle als Text (Strg+C kopiert die gewählten Zeilen)</translation>
    </message>
    <message>
        <source>&amp;Export to calendar…</source>
        <translation>In Kalender &amp;exportieren…</translation>
    </message>
    <message>
        <source>Writes the days as events of an iCalendar file</source>
        <translation>Schreibt die Tage als Termine in eine iCalendar-Datei</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message numerus="yes">
        <source>Birth date %1: %n critical days from %2 to %3.</source>
        <extracomment>%n is the number of critical days; %1 the birth date, %2 and %3 the first and the last day looked at.</extracomment>
        <translation>
            <numerusform>Geburtsdatum %1: %Ln kritischer Tag vom %2 bis %3.</numerusform>
            <numerusform>Geburtsdatum %1: %Ln kritische Tage vom %2 bis %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TCycleChoice</name>
    <message>
        <source>&amp;Physical</source>
        <translation>&amp;Körperlich</translation>
    </message>
    <message>
        <source>&amp;Emotional</source>
        <translation>&amp;Seelisch</translation>
    </message>
    <message>
        <source>&amp;Intellectual</source>
        <translation>&amp;Geistig</translation>
    </message>
    <message>
        <source>Spi&amp;ritual</source>
        <translation>S&amp;pirituell</translation>
    </message>
    <message>
        <source>A&amp;wareness</source>
        <translation>&amp;Bewusstsein</translation>
    </message>
    <message>
        <source>&amp;Aesthetic</source>
        <translation>Äs&amp;thetisch</translation>
    </message>
    <message>
        <source>In&amp;tuition</source>
        <translation>&amp;Intuition</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>Z&amp;yklen</translation>
    </message>
    <message>
        <source>&amp;Show all</source>
        <translation>&amp;Alle anzeigen</translation>
    </message>
    <message>
        <source>Mark critical &amp;days</source>
        <translation>Kritische &amp;Tage markieren</translation>
    </message>
    <message>
        <source>Critical days a&amp;head…</source>
        <translation>&amp;Bevorstehende kritische Tage…</translation>
    </message>
    <message>
        <source>Click to hide the %1 cycle</source>
        <translation>Klicken, um den Zyklus „%1“ auszublenden</translation>
    </message>
    <message>
        <source>Click to show the %1 cycle</source>
        <translation>Klicken, um den Zyklus „%1“ einzublenden</translation>
    </message>
</context>
<context>
    <name>TLanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language could not be saved in %1; it holds until the program closes.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden; sie gilt, bis das Programm beendet wird.</translation>
    </message>
    <message>
        <source>The language is not saved: the damaged file %1 could not be renamed. It holds until the program closes.</source>
        <translation>Die Sprache wird nicht gespeichert: Die beschädigte Datei %1 konnte nicht umbenannt werden. Sie gilt, bis das Programm beendet wird.</translation>
    </message>
</context>
<context>
    <name>TPeopleExtras</name>
    <message>
        <source>P&amp;eople</source>
        <translation>&amp;Personen</translation>
    </message>
    <message>
        <source>&amp;Save as person…</source>
        <translation>Als Person &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Weitere…</translation>
    </message>
    <message>
        <source>Ma&amp;nage people…</source>
        <translation>Personen &amp;verwalten…</translation>
    </message>
    <message>
        <source>Co&amp;mpare with</source>
        <translation>Ver&amp;gleichen mit</translation>
    </message>
    <message>
        <source>The list of people could not be saved in %1.</source>
        <translation>Die Liste der Personen konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The list of people is not saved: the damaged file %1 could not be renamed.</source>
        <translation>Die Liste der Personen wird nicht gespeichert: Die beschädigte Datei %1 konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Keep the birth date %1 under the &amp;name:</source>
        <translation>Das Geburtsdatum %1 unter dem &amp;Namen speichern:</translation>
    </message>
    <message>
        <source>Save as person</source>
        <translation>Als Person speichern</translation>
    </message>
    <message>
        <source>%1 is already kept with the birth date %2. Replace it with %3?</source>
        <translation>%1 ist schon mit dem Geburtsdatum %2 gespeichert. Durch %3 ersetzen?</translation>
    </message>
</context>
<context>
    <name>TPrincipal</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>To learn more about biorhythms, please visit our website</source>
        <translation>Mehr über Biorhythmen erfahren Sie auf unserer Website</translation>
    </message>
    <message>
        <source>To calculate your Biorhythm, please enter your birthday:</source>
        <translation>Geben Sie für Ihren Biorhythmus Ihr Geburtsdatum ein:</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The scale of the today chart, at 100.</extracomment>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Critical</source>
        <extracomment>The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.</extracomment>
        <translation>kritisch</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>The scale of the today chart, at -100.</extracomment>
        <translation>tief</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Calculate biorhythm...</source>
        <translation>Biorhythmus berechnen...</translation>
    </message>
    <message>
        <source>  Current state analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  Tagesanalyse  </translation>
    </message>
    <message>
        <source>  4-Week analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  4-Wochen-Analyse  </translation>
    </message>
    <message>
        <source>Your birthday couldn&apos;t be greater than today...</source>
        <translation>Ihr Geburtstag kann nicht nach dem heutigen Tag liegen...</translation>
    </message>
    <message>
        <source>Free Biorhythm calculator...</source>
        <translation>Kostenloser Biorhythmus-Rechner...</translation>
    </message>
    <message>
        <source>.BMP Files (*.bmp)</source>
        <translation>.BMP-Dateien (*.bmp)</translation>
    </message>
</context>
</TS>

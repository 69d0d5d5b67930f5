<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChartOutput</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>BMP image (*.bmp)</source>
        <translation>Image BMP (*.bmp)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Le fichier %1 n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Save Values</source>
        <translation>Enregistrer les valeurs</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Le graphique n’a pas pu être imprimé.</translation>
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
        <translation>&lt;b&gt;%1&lt;/b&gt;&#xa0;: %2</translation>
    </message>
    <message>
        <source>critical day</source>
        <translation>jour critique</translation>
    </message>
    <message>
        <source>critical</source>
        <extracomment>Beside a cycle&apos;s value on a day on which the cycle crosses zero.</extracomment>
        <translation>critique</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A person and their value in a tooltip; rich text.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3. %4: %5 %6, %7 %8</source>
        <extracomment>A cycle, a span of days, then a day and the value of each person on it.</extracomment>
        <translation>%1 du %2 au %3. %4&#xa0;: %5 %6, %7 %8</translation>
    </message>
    <message>
        <source> (critical day)</source>
        <extracomment>After a cycle&apos;s value in a list of values, the cycle crossing zero on that day.</extracomment>
        <translation> (jour critique)</translation>
    </message>
    <message>
        <source>From %1 to %2. %3</source>
        <extracomment>The span of the 4-week chart, then the day shown and its values.</extracomment>
        <translation>Du %1 au %2. %3</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituel</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Conscience</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Esthétique</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Phyisical</source>
        <translation>Physique</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Date invalide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Entry %1 is not a person.</source>
        <translation>L’entrée %1 n’est pas une personne.</translation>
    </message>
    <message>
        <source>Entry %1 has no name.</source>
        <translation>L’entrée %1 n’a pas de nom.</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date “%3” is not a date written YYYY-MM-DD.</source>
        <translation>Entrée %1, %2&#xa0;: la date de naissance «&#xa0;%3&#xa0;» n’est pas une date écrite AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date %3 lies outside the years %4 to %5.</source>
        <translation>Entrée %1, %2&#xa0;: la date de naissance %3 est hors des années %4 à %5.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not valid JSON (%1 at byte %2)</source>
        <translation>le fichier n’est pas du JSON valide (%1 à l’octet %2)</translation>
    </message>
    <message>
        <source>the file holds no list of people</source>
        <translation>le fichier ne contient aucune liste de personnes</translation>
    </message>
    <message>
        <source>the file has no version number</source>
        <translation>le fichier n’a pas de numéro de version</translation>
    </message>
    <message>
        <source>the file has version %1, which this program does not know</source>
        <translation>le fichier est en version %1, que ce programme ne connaît pas</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some people in %1 could not be read and were left out:
%2</source>
        <translation>Certaines personnes de %1 n’ont pas pu être lues et ont été ignorées&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>La liste des personnes de %1 n’a pas pu être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The whole file was kept as %1.</source>
        <translation>Le fichier entier a été conservé sous %1.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the list of people are not saved.</source>
        <translation>Le fichier n’a pas pu être renommé&#xa0;: il reste tel quel, et les modifications de la liste des personnes ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks, tabs or other control characters.</source>
        <translation>Un nom ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Un nom compte au plus %1 caractères&#xa0;; celui-ci en compte %2.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the name is used by an earlier entry.</source>
        <translation>Entrée %1, %2&#xa0;: le nom est déjà pris par une entrée précédente.</translation>
    </message>
    <message>
        <source>the file cannot be opened or read</source>
        <translation>le fichier ne peut être ni ouvert ni lu</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>the language is not written as a code</source>
        <translation>la langue n’est pas écrite sous forme de code</translation>
    </message>
    <message>
        <source>the language “%1” is not one this program knows</source>
        <translation>ce programme ne connaît pas la langue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>le fichier dépasse %1&#xa0;Ko</translation>
    </message>
    <message>
        <source>The preferences in %1 could not be read: %2.</source>
        <translation>Les préférences de %1 n’ont pas pu être lues&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file was kept as %1, and the program starts with its defaults.</source>
        <translation>Le fichier a été conservé sous %1, et le programme démarre avec ses réglages par défaut.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the preferences are not saved.</source>
        <translation>Le fichier n’a pas pu être renommé&#xa0;: il reste tel quel, et les modifications des préférences ne sont pas enregistrées.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
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
        <translation>Personnes</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;People, in the order of the menu:</source>
        <translation>&amp;Personnes, dans l’ordre du menu&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>C&amp;omparer</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Reno&amp;mmer…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Rename person</source>
        <translation>Renommer la personne</translation>
    </message>
    <message>
        <source>New &amp;name for %1:</source>
        <translation>&amp;Nouveau nom pour %1&#xa0;:</translation>
    </message>
    <message>
        <source>The name %1 is already used by another person.</source>
        <translation>Le nom %1 est déjà pris par une autre personne.</translation>
    </message>
    <message>
        <source>Delete %1 from the people?</source>
        <translation>Supprimer %1 des personnes&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>Select this birth date and calculate.</source>
        <translation>Choisir cette date de naissance et calculer.</translation>
    </message>
    <message>
        <source>Take this day for today (0001-01-16 to 9999-12-17).</source>
        <translation>Prendre ce jour pour aujourd’hui (0001-01-16 à 9999-12-17).</translation>
    </message>
    <message>
        <source>The tab shown in the picture (default: today).</source>
        <translation>L’onglet montré dans l’image (par défaut&#xa0;: today).</translation>
    </message>
    <message>
        <source>Draw the window as a screen scaled K times (1 to 4) does.</source>
        <translation>Dessiner la fenêtre comme un écran agrandi K fois (1 à 4).</translation>
    </message>
    <message>
        <source>Write a PNG picture of the window.</source>
        <translation>Écrire une image PNG de la fenêtre.</translation>
    </message>
    <message>
        <source>Print the 30 days of the 4-week chart as comma-separated values.</source>
        <translation>Afficher les 30 jours du graphique sur 4 semaines en valeurs séparées par des virgules.</translation>
    </message>
    <message>
        <source>Show the value of each bar on the today chart.</source>
        <translation>Montrer la valeur de chaque barre sur le graphique du jour.</translation>
    </message>
    <message>
        <source>Print the compatibility of the birth date with this one as CSV.</source>
        <translation>Afficher en CSV la compatibilité de la date de naissance avec celle-ci.</translation>
    </message>
    <message>
        <source>With --compare: write a picture of the comparison window (as --out).</source>
        <translation>Avec --compare&#xa0;: écrire une image de la fenêtre de comparaison (comme --out).</translation>
    </message>
    <message>
        <source>List a people file as CSV; entries it cannot read go to standard error.</source>
        <translation>Lister un fichier de personnes en CSV&#xa0;; les entrées illisibles vont sur la sortie d’erreur.</translation>
    </message>
    <message>
        <source>Print the critical days among the next DAYS (1 to 3660) from the day shown.</source>
        <translation>Afficher les jours critiques parmi les DAYS (1 à 3660) jours à partir du jour montré.</translation>
    </message>
    <message>
        <source>Show the window in this language: en, de, fr, es or ja (default: en).</source>
        <translation>Montrer la fenêtre dans cette langue&#xa0;: en, de, fr, es ou ja (par défaut&#xa0;: en).</translation>
    </message>
    <message>
        <source>With --critical: write them as calendar events to this file instead.</source>
        <translation>Avec --critical&#xa0;: les écrire plutôt comme événements d’agenda dans ce fichier.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and licence and exit.</source>
        <translation>Afficher la version et la licence et quitter.</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2 to %3</source>
        <translation>%1 est un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 demande un nom de fichier</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD</source>
        <translation>%1 demande une date écrite YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--tab is today or 4weeks</source>
        <translation>--tab vaut today ou 4weeks</translation>
    </message>
    <message>
        <source>--language is one of %1</source>
        <translation>--language est l’une de %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--ics needs --critical DAYS</source>
        <translation>--ics demande --critical DAYS</translation>
    </message>
    <message>
        <source>--csv and --critical print different tables; give one of them</source>
        <translation>--csv et --critical affichent des tableaux différents&#xa0;; donnez-en un seul</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 n’est pas une date valide</translation>
    </message>
    <message>
        <source>--today is a day from 0001-01-16 to 9999-12-17</source>
        <translation>--today est un jour de 0001-01-16 à 9999-12-17</translation>
    </message>
    <message>
        <source>--compare prints a table of its own: give it without --csv and --critical</source>
        <translation>--compare affiche son propre tableau&#xa0;: donnez-le sans --csv ni --critical</translation>
    </message>
    <message>
        <source>--people goes alone, or with --today</source>
        <translation>--people s’emploie seul, ou avec --today</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>La liste des personnes de %1 n’a pas pu être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>usage: biorhythm-snapshot</source>
        <translation>usage&#xa0;: biorhythm-snapshot</translation>
    </message>
    <message>
        <source>Opens the biorhythm window off screen with the stored birth date, or the one given,
and writes a picture of it or the 30 days of the 4-week chart; or the critical days
ahead, compares two birth dates, or lists a people file. It never writes the stored
date, and when it fails it writes nothing on standard output.</source>
        <translation>Ouvre hors écran la fenêtre du biorythme avec la date de naissance enregistrée, ou celle donnée,
et écrit une image de la fenêtre ou les 30 jours du graphique sur 4 semaines&#xa0;; ou les jours
critiques à venir, compare deux dates de naissance, ou liste un fichier de personnes. Il n’écrit
jamais la date enregistrée et, en cas d’échec, n’écrit rien sur la sortie standard.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the window showed a message (on standard error),
2 bad options, 3 a file could not be written.</source>
        <translation>Code de sortie&#xa0;: 0 terminé, 1 la fenêtre a affiché un message (sur la sortie d’erreur),
2 options incorrectes, 3 un fichier n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Shows the seven biorhythm cycles of a birth date for today and the four weeks around it.
The last birth date is kept in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
the people saved by name beside it in people.json, the language chosen in preferences.json.</source>
        <translation>Affiche les sept cycles du biorythme d’une date de naissance pour aujourd’hui et les quatre semaines autour.
La dernière date de naissance est conservée dans $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
les personnes enregistrées par leur nom à côté dans people.json, la langue choisie dans preferences.json.</translation>
    </message>
    <message>
        <source>takes no arguments: %1</source>
        <translation>n’accepte aucun argument&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Quellmar - Biorhythm Calculator</source>
        <translation>Quellmar - Calculateur de biorythme</translation>
    </message>
</context>
<context>
    <name>TChartExtras</name>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copier le graphique</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>&amp;Enregistrer le graphique sous…</translation>
    </message>
    <message>
        <source>Save &amp;values as…</source>
        <translation>Enregistrer les &amp;valeurs sous…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Another day</source>
        <translation>Autre jour</translation>
    </message>
    <message>
        <source>Day to show</source>
        <translation>Jour à montrer</translation>
    </message>
    <message>
        <source>A day from %1 to %2: the 4-week chart shows the 15 days before it and the 14 after it.</source>
        <translation>Un jour du %1 au %2&#xa0;: le graphique sur 4 semaines montre les 15 jours qui le précèdent et les 14 qui le suivent.</translation>
    </message>
    <message>
        <source>&amp;Another day…</source>
        <translation>&amp;Autre jour…</translation>
    </message>
    <message>
        <source>P&amp;revious day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>Jour &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Aujourd’&amp;hui</translation>
    </message>
    <message>
        <source>Sho&amp;w values</source>
        <translation>A&amp;fficher les valeurs</translation>
    </message>
    <message>
        <source>%1 – birth date %2, day shown %3</source>
        <extracomment>Above a printed chart: the tab&apos;s caption, the birth date and the day shown.</extracomment>
        <translation>%1 – date de naissance %2, jour montré %3</translation>
    </message>
    <message>
        <source>The charts show the days %1 only: the 4-week chart needs the 15 days before the day shown and the 14 after it.</source>
        <translation>Les graphiques ne montrent que les jours %1&#xa0;: le graphique sur 4 semaines a besoin des 15 jours qui précèdent le jour montré et des 14 qui le suivent.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Opens the website %1</source>
        <translation>Ouvre le site %1</translation>
    </message>
    <message>
        <source>Biorhythm charts</source>
        <translation>Graphiques du biorythme</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>No values yet: choose a birth date and press Calculate.</source>
        <translation>Pas encore de valeurs&#xa0;: choisissez une date de naissance et appuyez sur Calculer.</translation>
    </message>
</context>
<context>
    <name>TCompatibilityWindow</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>&amp;Cycle over 30 days:</source>
        <translation>&amp;Cycle sur 30 jours&#xa0;:</translation>
    </message>
    <message>
        <source>Cycle over 30 days</source>
        <translation>Cycle sur 30 jours</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2: born %n days apart</source>
        <extracomment>Two people, %n the days between their birth dates.</extracomment>
        <translation>
            <numerusform>%1 et %2&#xa0;: nés à %Ln jour d’écart</numerusform>
            <numerusform>%1 et %2&#xa0;: nés à %Ln jours d’écart</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCriticalDaysDialog</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Critical days ahead</source>
        <translation>Jours critiques à venir</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Jours critiques</translation>
    </message>
    <message>
        <source>Days on which two or more cycles are critical are highlighted.</source>
        <translation>Les jours où deux cycles ou plus sont critiques sont mis en évidence.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copies the table as text (Ctrl+C copies the selected rows)</source>
        <translation>Copie le tableau sous forme de texte (Ctrl+C copie les lignes sélectionnées)</translation>
    </message>
    <message>
        <source>&amp;Export to calendar…</source>
        <translation>&amp;Exporter vers l’agenda…</translation>
    </message>
    <message>
        <source>Writes the days as events of an iCalendar file</source>
        <translation>Écrit les jours comme événements d’un fichier iCalendar</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message numerus="yes">
        <source>Birth date %1: %n critical days from %2 to %3.</source>
        <extracomment>%n is the number of critical days; %1 the birth date, %2 and %3 the first and the last day looked at.</extracomment>
        <translation>
            <numerusform>Date de naissance %1&#xa0;: %Ln jour critique du %2 au %3.</numerusform>
            <numerusform>Date de naissance %1&#xa0;: %Ln jours critiques du %2 au %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Le fichier %1 n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>TCycleChoice</name>
    <message>
        <source>&amp;Physical</source>
        <translation>&amp;Physique</translation>
    </message>
    <message>
        <source>&amp;Emotional</source>
        <translation>É&amp;motionnel</translation>
    </message>
    <message>
        <source>&amp;Intellectual</source>
        <translation>&amp;Intellectuel</translation>
    </message>
    <message>
        <source>Spi&amp;ritual</source>
        <translation>&amp;Spirituel</translation>
    </message>
    <message>
        <source>A&amp;wareness</source>
        <translation>&amp;Conscience</translation>
    </message>
    <message>
        <source>&amp;Aesthetic</source>
        <translation>&amp;Esthétique</translation>
    </message>
    <message>
        <source>In&amp;tuition</source>
        <translation>In&amp;tuition</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>C&amp;ycles</translation>
    </message>
    <message>
        <source>&amp;Show all</source>
        <translation>&amp;Afficher tout</translation>
    </message>
    <message>
        <source>Mark critical &amp;days</source>
        <translation>Marquer les jours criti&amp;ques</translation>
    </message>
    <message>
        <source>Critical days a&amp;head…</source>
        <translation>Jours critiques à ve&amp;nir…</translation>
    </message>
    <message>
        <source>Click to hide the %1 cycle</source>
        <translation>Cliquer pour masquer le cycle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Click to show the %1 cycle</source>
        <translation>Cliquer pour afficher le cycle «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TLanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language could not be saved in %1; it holds until the program closes.</source>
        <translation>La langue n’a pas pu être enregistrée dans %1&#xa0;; elle vaut jusqu’à la fermeture du programme.</translation>
    </message>
    <message>
        <source>The language is not saved: the damaged file %1 could not be renamed. It holds until the program closes.</source>
        <translation>La langue n’est pas enregistrée&#xa0;: le fichier endommagé %1 n’a pas pu être renommé. Elle vaut jusqu’à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>TPeopleExtras</name>
    <message>
        <source>P&amp;eople</source>
        <translation>Pe&amp;rsonnes</translation>
    </message>
    <message>
        <source>&amp;Save as person…</source>
        <translation>&amp;Enregistrer comme personne…</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Plus…</translation>
    </message>
    <message>
        <source>Ma&amp;nage people…</source>
        <translation>&amp;Gérer les personnes…</translation>
    </message>
    <message>
        <source>Co&amp;mpare with</source>
        <translation>C&amp;omparer avec</translation>
    </message>
    <message>
        <source>The list of people could not be saved in %1.</source>
        <translation>La liste des personnes n’a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>The list of people is not saved: the damaged file %1 could not be renamed.</source>
        <translation>La liste des personnes n’est pas enregistrée&#xa0;: le fichier endommagé %1 n’a pas pu être renommé.</translation>
    </message>
    <message>
        <source>Keep the birth date %1 under the &amp;name:</source>
        <translation>Conserver la date de naissance %1 sous le &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Save as person</source>
        <translation>Enregistrer comme personne</translation>
    </message>
    <message>
        <source>%1 is already kept with the birth date %2. Replace it with %3?</source>
        <translation>%1 est déjà conservé avec la date de naissance %2. La remplacer par %3&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TPrincipal</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>To learn more about biorhythms, please visit our website</source>
        <translation>Pour en savoir plus sur les biorythmes, visitez notre site</translation>
    </message>
    <message>
        <source>To calculate your Biorhythm, please enter your birthday:</source>
        <translation>Entrez votre date de naissance pour votre biorythme&#xa0;:</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The scale of the today chart, at 100.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Critical</source>
        <extracomment>The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.</extracomment>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>The scale of the today chart, at -100.</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Calculate biorhythm...</source>
        <translation>Calculer le biorythme...</translation>
    </message>
    <message>
        <source>  Current state analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  Analyse du jour  </translation>
    </message>
    <message>
        <source>  4-Week analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  Analyse sur 4 semaines  </translation>
    </message>
    <message>
        <source>Your birthday couldn&apos;t be greater than today...</source>
        <translation>Votre date de naissance ne peut pas être postérieure à aujourd’hui...</translation>
    </message>
    <message>
        <source>Free Biorhythm calculator...</source>
        <translation>Calculateur de biorythme gratuit...</translation>
    </message>
    <message>
        <source>.BMP Files (*.bmp)</source>
        <translation>Fichiers .BMP (*.bmp)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChartOutput</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>BMP image (*.bmp)</source>
        <translation>Imagen BMP (*.bmp)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Save Values</source>
        <translation>Guardar valores</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>No se pudo imprimir el gráfico.</translation>
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
        <translation>día crítico</translation>
    </message>
    <message>
        <source>critical</source>
        <extracomment>Beside a cycle&apos;s value on a day on which the cycle crosses zero.</extracomment>
        <translation>crítico</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A person and their value in a tooltip; rich text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3. %4: %5 %6, %7 %8</source>
        <extracomment>A cycle, a span of days, then a day and the value of each person on it.</extracomment>
        <translation>%1 del %2 al %3. %4: %5 %6, %7 %8</translation>
    </message>
    <message>
        <source> (critical day)</source>
        <extracomment>After a cycle&apos;s value in a list of values, the cycle crossing zero on that day.</extracomment>
        <translation> (día crítico)</translation>
    </message>
    <message>
        <source>From %1 to %2. %3</source>
        <extracomment>The span of the 4-week chart, then the day shown and its values.</extracomment>
        <translation>Del %1 al %2. %3</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Espiritual</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Conciencia</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Estético</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuición</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Phyisical</source>
        <translation>Físico</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Entry %1 is not a person.</source>
        <translation>La entrada %1 no es una persona.</translation>
    </message>
    <message>
        <source>Entry %1 has no name.</source>
        <translation>La entrada %1 no tiene nombre.</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrada %1: %2</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date “%3” is not a date written YYYY-MM-DD.</source>
        <translation>Entrada %1, %2: la fecha de nacimiento «%3» no es una fecha escrita AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date %3 lies outside the years %4 to %5.</source>
        <translation>Entrada %1, %2: la fecha de nacimiento %3 queda fuera de los años %4 a %5.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is not valid JSON (%1 at byte %2)</source>
        <translation>el archivo no es JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>the file holds no list of people</source>
        <translation>el archivo no contiene ninguna lista de personas</translation>
    </message>
    <message>
        <source>the file has no version number</source>
        <translation>el archivo no tiene número de versión</translation>
    </message>
    <message>
        <source>the file has version %1, which this program does not know</source>
        <translation>el archivo tiene la versión %1, que este programa no conoce</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… y %n más.</numerusform>
            <numerusform>… y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some people in %1 could not be read and were left out:
%2</source>
        <translation>Algunas personas de %1 no se pudieron leer y se omitieron:
%2</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>No se pudo leer la lista de personas de %1: %2.</translation>
    </message>
    <message>
        <source>The whole file was kept as %1.</source>
        <translation>El archivo completo se conservó como %1.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the list of people are not saved.</source>
        <translation>No se pudo cambiar el nombre del archivo: queda como está y los cambios en la lista de personas no se guardan.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks, tabs or other control characters.</source>
        <translation>Un nombre no puede contener saltos de línea, tabulaciones ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Un nombre tiene como máximo %1 caracteres; este tiene %2.</translation>
    </message>
    <message>
        <source>Entry %1, %2: the name is used by an earlier entry.</source>
        <translation>Entrada %1, %2: el nombre ya lo usa una entrada anterior.</translation>
    </message>
    <message>
        <source>the file cannot be opened or read</source>
        <translation>el archivo no se puede abrir ni leer</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the language is not written as a code</source>
        <translation>el idioma no está escrito como código</translation>
    </message>
    <message>
        <source>the language “%1” is not one this program knows</source>
        <translation>este programa no conoce el idioma «%1»</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>el archivo ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>The preferences in %1 could not be read: %2.</source>
        <translation>No se pudieron leer las preferencias de %1: %2.</translation>
    </message>
    <message>
        <source>The file was kept as %1, and the program starts with its defaults.</source>
        <translation>El archivo se conservó como %1 y el programa arranca con sus valores predeterminados.</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the preferences are not saved.</source>
        <translation>No se pudo cambiar el nombre del archivo: queda como está y los cambios en las preferencias no se guardan.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation>Personas</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;People, in the order of the menu:</source>
        <translation>&amp;Personas, en el orden del menú:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renombrar…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>Eli&amp;minar…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Rename person</source>
        <translation>Renombrar persona</translation>
    </message>
    <message>
        <source>New &amp;name for %1:</source>
        <translation>&amp;Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>The name %1 is already used by another person.</source>
        <translation>El nombre %1 ya lo usa otra persona.</translation>
    </message>
    <message>
        <source>Delete %1 from the people?</source>
        <translation>¿Eliminar a %1 de las personas?</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>Select this birth date and calculate.</source>
        <translation>Elegir esta fecha de nacimiento y calcular.</translation>
    </message>
    <message>
        <source>Take this day for today (0001-01-16 to 9999-12-17).</source>
        <translation>Tomar este día como hoy (0001-01-16 a 9999-12-17).</translation>
    </message>
    <message>
        <source>The tab shown in the picture (default: today).</source>
        <translation>La pestaña que muestra la imagen (por defecto: today).</translation>
    </message>
    <message>
        <source>Draw the window as a screen scaled K times (1 to 4) does.</source>
        <translation>Dibujar la ventana como una pantalla escalada K veces (1 a 4).</translation>
    </message>
    <message>
        <source>Write a PNG picture of the window.</source>
        <translation>Escribir una imagen PNG de la ventana.</translation>
    </message>
    <message>
        <source>Print the 30 days of the 4-week chart as comma-separated values.</source>
        <translation>Mostrar los 30 días del gráfico de 4 semanas como valores separados por comas.</translation>
    </message>
    <message>
        <source>Show the value of each bar on the today chart.</source>
        <translation>Mostrar el valor de cada barra en el gráfico de hoy.</translation>
    </message>
    <message>
        <source>Print the compatibility of the birth date with this one as CSV.</source>
        <translation>Mostrar en CSV la compatibilidad de la fecha de nacimiento con esta.</translation>
    </message>
    <message>
        <source>With --compare: write a picture of the comparison window (as --out).</source>
        <translation>Con --compare: escribir una imagen de la ventana de comparación (como --out).</translation>
    </message>
    <message>
        <source>List a people file as CSV; entries it cannot read go to standard error.</source>
        <translation>Listar un archivo de personas en CSV; las entradas ilegibles van a la salida de error.</translation>
    </message>
    <message>
        <source>Print the critical days among the next DAYS (1 to 3660) from the day shown.</source>
        <translation>Mostrar los días críticos entre los próximos DAYS (1 a 3660) desde el día mostrado.</translation>
    </message>
    <message>
        <source>Show the window in this language: en, de, fr, es or ja (default: en).</source>
        <translation>Mostrar la ventana en este idioma: en, de, fr, es o ja (por defecto: en).</translation>
    </message>
    <message>
        <source>With --critical: write them as calendar events to this file instead.</source>
        <translation>Con --critical: escribirlos en su lugar como eventos de calendario en este archivo.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the version and licence and exit.</source>
        <translation>Mostrar la versión y la licencia y salir.</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2 to %3</source>
        <translation>%1 es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD</source>
        <translation>%1 necesita una fecha escrita YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--tab is today or 4weeks</source>
        <translation>--tab es today o 4weeks</translation>
    </message>
    <message>
        <source>--language is one of %1</source>
        <translation>--language es uno de %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--ics needs --critical DAYS</source>
        <translation>--ics necesita --critical DAYS</translation>
    </message>
    <message>
        <source>--csv and --critical print different tables; give one of them</source>
        <translation>--csv y --critical muestran tablas distintas; indique solo una</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 no es una fecha válida</translation>
    </message>
    <message>
        <source>--today is a day from 0001-01-16 to 9999-12-17</source>
        <translation>--today es un día de 0001-01-16 a 9999-12-17</translation>
    </message>
    <message>
        <source>--compare prints a table of its own: give it without --csv and --critical</source>
        <translation>--compare muestra su propia tabla: indíquelo sin --csv ni --critical</translation>
    </message>
    <message>
        <source>--people goes alone, or with --today</source>
        <translation>--people va solo o con --today</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>No se pudo leer la lista de personas de %1: %2.</translation>
    </message>
    <message>
        <source>usage: biorhythm-snapshot</source>
        <translation>uso: biorhythm-snapshot</translation>
    </message>
    <message>
        <source>Opens the biorhythm window off screen with the stored birth date, or the one given,
and writes a picture of it or the 30 days of the 4-week chart; or the critical days
ahead, compares two birth dates, or lists a people file. It never writes the stored
date, and when it fails it writes nothing on standard output.</source>
        <translation>Abre fuera de pantalla la ventana del biorritmo con la fecha de nacimiento guardada, o la indicada,
y escribe una imagen de ella o los 30 días del gráfico de 4 semanas; o los próximos días críticos,
compara dos fechas de nacimiento o lista un archivo de personas. Nunca escribe la fecha guardada
y, si falla, no escribe nada en la salida estándar.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the window showed a message (on standard error),
2 bad options, 3 a file could not be written.</source>
        <translation>Estado de salida: 0 hecho, 1 la ventana mostró un mensaje (en la salida de error),
2 opciones incorrectas, 3 no se pudo escribir un archivo.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Shows the seven biorhythm cycles of a birth date for today and the four weeks around it.
The last birth date is kept in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
the people saved by name beside it in people.json, the language chosen in preferences.json.</source>
        <translation>Muestra los siete ciclos del biorritmo de una fecha de nacimiento para hoy y las cuatro semanas alrededor.
La última fecha de nacimiento se guarda en $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
las personas guardadas por nombre a su lado en people.json, el idioma elegido en preferences.json.</translation>
    </message>
    <message>
        <source>takes no arguments: %1</source>
        <translation>no admite argumentos: %1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Quellmar - Biorhythm Calculator</source>
        <translation>Quellmar - Calculadora de biorritmos</translation>
    </message>
</context>
<context>
    <name>TChartExtras</name>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copiar gráfico</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>&amp;Guardar gráfico como…</translation>
    </message>
    <message>
        <source>Save &amp;values as…</source>
        <translation>Guardar &amp;valores como…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Another day</source>
        <translation>Otro día</translation>
    </message>
    <message>
        <source>Day to show</source>
        <translation>Día que mostrar</translation>
    </message>
    <message>
        <source>A day from %1 to %2: the 4-week chart shows the 15 days before it and the 14 after it.</source>
        <translation>Un día del %1 al %2: el gráfico de 4 semanas muestra los 15 días anteriores y los 14 posteriores.</translation>
    </message>
    <message>
        <source>&amp;Another day…</source>
        <translation>&amp;Otro día…</translation>
    </message>
    <message>
        <source>P&amp;revious day</source>
        <translation>Día &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>Día &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Sho&amp;w values</source>
        <translation>Mos&amp;trar valores</translation>
    </message>
    <message>
        <source>%1 – birth date %2, day shown %3</source>
        <extracomment>Above a printed chart: the tab&apos;s caption, the birth date and the day shown.</extracomment>
        <translation>%1 – fecha de nacimiento %2, día mostrado %3</translation>
    </message>
    <message>
        <source>The charts show the days %1 only: the 4-week chart needs the 15 days before the day shown and the 14 after it.</source>
        <translation>Los gráficos solo muestran los días %1: el gráfico de 4 semanas necesita los 15 días anteriores al día mostrado y los 14 posteriores.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Opens the website %1</source>
        <translation>Abre el sitio web %1</translation>
    </message>
    <message>
        <source>Biorhythm charts</source>
        <translation>Gráficos del biorritmo</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>No values yet: choose a birth date and press Calculate.</source>
        <translation>Aún no hay valores: elija una fecha de nacimiento y pulse Calcular.</translation>
    </message>
</context>
<context>
    <name>TCompatibilityWindow</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>&amp;Cycle over 30 days:</source>
        <translation>&amp;Ciclo en 30 días:</translation>
    </message>
    <message>
        <source>Cycle over 30 days</source>
        <translation>Ciclo en 30 días</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2: born %n days apart</source>
        <extracomment>Two people, %n the days between their birth dates.</extracomment>
        <translation>
            <numerusform>%1 y %2: nacidos con %Ln día de diferencia</numerusform>
            <numerusform>%1 y %2: nacidos con %Ln días de diferencia</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCriticalDaysDialog</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <source>Critical days ahead</source>
        <translation>Próximos días críticos</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Días críticos</translation>
    </message>
    <message>
        <source>Days on which two or more cycles are critical are highlighted.</source>
        <translation>Se resaltan los días en los que dos o más ciclos son críticos.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copies the table as text (Ctrl+C copies the selected rows)</source>
        <translation>Copia la tabla como texto (Ctrl+C copia las filas seleccionadas)</translation>
    </message>
    <message>
        <source>&amp;Export to calendar…</source>
        <translation>&amp;Exportar al calendario…</translation>
    </message>
    <message>
        <source>Writes the days as events of an iCalendar file</source>
        <translation>Escribe los días como eventos de un archivo iCalendar</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message numerus="yes">
        <source>Birth date %1: %n critical days from %2 to %3.</source>
        <extracomment>%n is the number of critical days; %1 the birth date, %2 and %3 the first and the last day looked at.</extracomment>
        <translation>
            <numerusform>Fecha de nacimiento %1: %Ln día crítico del %2 al %3.</numerusform>
            <numerusform>Fecha de nacimiento %1: %Ln días críticos del %2 al %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>TCycleChoice</name>
    <message>
        <source>&amp;Physical</source>
        <translation>&amp;Físico</translation>
    </message>
    <message>
        <source>&amp;Emotional</source>
        <translation>&amp;Emocional</translation>
    </message>
    <message>
        <source>&amp;Intellectual</source>
        <translation>&amp;Intelectual</translation>
    </message>
    <message>
        <source>Spi&amp;ritual</source>
        <translation>E&amp;spiritual</translation>
    </message>
    <message>
        <source>A&amp;wareness</source>
        <translation>&amp;Conciencia</translation>
    </message>
    <message>
        <source>&amp;Aesthetic</source>
        <translation>Es&amp;tético</translation>
    </message>
    <message>
        <source>In&amp;tuition</source>
        <translation>I&amp;ntuición</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>Cic&amp;los</translation>
    </message>
    <message>
        <source>&amp;Show all</source>
        <translation>&amp;Mostrar todos</translation>
    </message>
    <message>
        <source>Mark critical &amp;days</source>
        <translation>Marcar &amp;días críticos</translation>
    </message>
    <message>
        <source>Critical days a&amp;head…</source>
        <translation>&amp;Próximos días críticos…</translation>
    </message>
    <message>
        <source>Click to hide the %1 cycle</source>
        <translation>Haga clic para ocultar el ciclo «%1»</translation>
    </message>
    <message>
        <source>Click to show the %1 cycle</source>
        <translation>Haga clic para mostrar el ciclo «%1»</translation>
    </message>
</context>
<context>
    <name>TLanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>The language could not be saved in %1; it holds until the program closes.</source>
        <translation>No se pudo guardar el idioma en %1; se mantiene hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>The language is not saved: the damaged file %1 could not be renamed. It holds until the program closes.</source>
        <translation>El idioma no se guarda: no se pudo cambiar el nombre del archivo dañado %1. Se mantiene hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>TPeopleExtras</name>
    <message>
        <source>P&amp;eople</source>
        <translation>Perso&amp;nas</translation>
    </message>
    <message>
        <source>&amp;Save as person…</source>
        <translation>&amp;Guardar como persona…</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Más…</translation>
    </message>
    <message>
        <source>Ma&amp;nage people…</source>
        <translation>&amp;Administrar personas…</translation>
    </message>
    <message>
        <source>Co&amp;mpare with</source>
        <translation>Compa&amp;rar con</translation>
    </message>
    <message>
        <source>The list of people could not be saved in %1.</source>
        <translation>No se pudo guardar la lista de personas en %1.</translation>
    </message>
    <message>
        <source>The list of people is not saved: the damaged file %1 could not be renamed.</source>
        <translation>La lista de personas no se guarda: no se pudo cambiar el nombre del archivo dañado %1.</translation>
    </message>
    <message>
        <source>Keep the birth date %1 under the &amp;name:</source>
        <translation>Guardar la fecha de nacimiento %1 con el &amp;nombre:</translation>
    </message>
    <message>
        <source>Save as person</source>
        <translation>Guardar como persona</translation>
    </message>
    <message>
        <source>%1 is already kept with the birth date %2. Replace it with %3?</source>
        <translation>%1 ya está guardado con la fecha de nacimiento %2. ¿Reemplazarla por %3?</translation>
    </message>
</context>
<context>
    <name>TPrincipal</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>To learn more about biorhythms, please visit our website</source>
        <translation>Para saber más sobre biorritmos, visite nuestro sitio web</translation>
    </message>
    <message>
        <source>To calculate your Biorhythm, please enter your birthday:</source>
        <translation>Para calcular su biorritmo, elija su fecha de nacimiento:</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The scale of the today chart, at 100.</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Critical</source>
        <extracomment>The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.</extracomment>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>The scale of the today chart, at -100.</extracomment>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Calculate biorhythm...</source>
        <translation>Calcular el biorritmo...</translation>
    </message>
    <message>
        <source>  Current state analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  Análisis del día  </translation>
    </message>
    <message>
        <source>  4-Week analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  Análisis de 4 semanas  </translation>
    </message>
    <message>
        <source>Your birthday couldn&apos;t be greater than today...</source>
        <translation>Su fecha de nacimiento no puede ser posterior a hoy...</translation>
    </message>
    <message>
        <source>Free Biorhythm calculator...</source>
        <translation>Calculadora de biorritmos gratuita...</translation>
    </message>
    <message>
        <source>.BMP Files (*.bmp)</source>
        <translation>Archivos .BMP (*.bmp)</translation>
    </message>
</context>
</TS>

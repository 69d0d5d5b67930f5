<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ChartOutput</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>BMP image (*.bmp)</source>
        <translation>BMP 画像 (*.bmp)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>グラフの保存</translation>
    </message>
    <message>
        <source>Save Values</source>
        <translation>値の保存</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>グラフを印刷できませんでした。</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list of values, as in &quot;Physical 27, Emotional -43&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: %2</source>
        <extracomment>A cycle in bold and its value in a tooltip; rich text.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;：%2</translation>
    </message>
    <message>
        <source>critical day</source>
        <translation>要注意日</translation>
    </message>
    <message>
        <source>critical</source>
        <extracomment>Beside a cycle&apos;s value on a day on which the cycle crosses zero.</extracomment>
        <translation>要注意</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A person and their value in a tooltip; rich text.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3. %4: %5 %6, %7 %8</source>
        <extracomment>A cycle, a span of days, then a day and the value of each person on it.</extracomment>
        <translation>%1（%2～%3）。%4：%5 %6、%7 %8</translation>
    </message>
    <message>
        <source> (critical day)</source>
        <extracomment>After a cycle&apos;s value in a list of values, the cycle crossing zero on that day.</extracomment>
        <translation>（要注意日）</translation>
    </message>
    <message>
        <source>From %1 to %2. %3</source>
        <extracomment>The span of the 4-week chart, then the day shown and its values.</extracomment>
        <translation>%1～%2。%3</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physical</source>
        <translation>身体</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>感情</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>知性</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>精神</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>意識</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>美感</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>直感</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Phyisical</source>
        <translation>身体</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>日付が正しくありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は正しい整数ではありません</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name.</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Entry %1 is not a person.</source>
        <translation>項目 %1 は人物ではありません。</translation>
    </message>
    <message>
        <source>Entry %1 has no name.</source>
        <translation>項目 %1 に名前がありません。</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>項目 %1：%2</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date “%3” is not a date written YYYY-MM-DD.</source>
        <translation>項目 %1、%2：生年月日「%3」は YYYY-MM-DD 形式の日付ではありません。</translation>
    </message>
    <message>
        <source>Entry %1, %2: the birth date %3 lies outside the years %4 to %5.</source>
        <translation>項目 %1、%2：生年月日 %3 が %4 年～%5 年の範囲外です。</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is not valid JSON (%1 at byte %2)</source>
        <translation>ファイルが正しい JSON ではありません（%2 バイト目：%1）</translation>
    </message>
    <message>
        <source>the file holds no list of people</source>
        <translation>ファイルに人物の一覧がありません</translation>
    </message>
    <message>
        <source>the file has no version number</source>
        <translation>ファイルにバージョン番号がありません</translation>
    </message>
    <message>
        <source>the file has version %1, which this program does not know</source>
        <translation>ファイルのバージョン %1 はこのプログラムが対応していないものです</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>…ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some people in %1 could not be read and were left out:
%2</source>
        <translation>%1 の一部の人物を読み込めなかったため、除外しました：
%2</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>%1 の人物一覧を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>The whole file was kept as %1.</source>
        <translation>ファイル全体を %1 として保存しました。</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the list of people are not saved.</source>
        <translation>ファイル名を変更できなかったため、ファイルはそのまま残り、人物一覧の変更は保存されません。</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks, tabs or other control characters.</source>
        <translation>名前に改行、タブ、その他の制御文字は使えません。</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>名前は %1 文字までです。この名前は %2 文字あります。</translation>
    </message>
    <message>
        <source>Entry %1, %2: the name is used by an earlier entry.</source>
        <translation>項目 %1、%2：この名前は前の項目で使われています。</translation>
    </message>
    <message>
        <source>the file cannot be opened or read</source>
        <translation>ファイルを開けないか、読み込めません</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>ファイルが %1 MB を超えています</translation>
    </message>
    <message>
        <source>the language is not written as a code</source>
        <translation>言語がコードで書かれていません</translation>
    </message>
    <message>
        <source>the language “%1” is not one this program knows</source>
        <translation>言語「%1」はこのプログラムが対応していないものです</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>ファイルが %1 KB を超えています</translation>
    </message>
    <message>
        <source>The preferences in %1 could not be read: %2.</source>
        <translation>%1 の設定を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>The file was kept as %1, and the program starts with its defaults.</source>
        <translation>ファイルを %1 として保存し、既定の設定で起動します。</translation>
    </message>
    <message>
        <source>The file could not be renamed, so it stays as it is and changes to the preferences are not saved.</source>
        <translation>ファイル名を変更できなかったため、ファイルはそのまま残り、設定の変更は保存されません。</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>PeopleDialogs</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A person: the name and, in brackets, the birth date.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>People</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;People, in the order of the menu:</source>
        <translation>人物（メニューの順）(&amp;P)：</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>選択(&amp;H)</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>比較(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>名前の変更(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>削除(&amp;D)…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>下へ(&amp;O)</translation>
    </message>
    <message>
        <source>Rename person</source>
        <translation>人物の名前の変更</translation>
    </message>
    <message>
        <source>New &amp;name for %1:</source>
        <translation>%1 の新しい名前(&amp;N)：</translation>
    </message>
    <message>
        <source>The name %1 is already used by another person.</source>
        <translation>名前 %1 はすでにほかの人物に使われています。</translation>
    </message>
    <message>
        <source>Delete %1 from the people?</source>
        <translation>%1 を人物一覧から削除しますか？</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>Select this birth date and calculate.</source>
        <translation>この生年月日を選んで計算します。</translation>
    </message>
    <message>
        <source>Take this day for today (0001-01-16 to 9999-12-17).</source>
        <translation>この日を今日とします（0001-01-16～9999-12-17）。</translation>
    </message>
    <message>
        <source>The tab shown in the picture (default: today).</source>
        <translation>画像に表示するタブ（既定：today）。</translation>
    </message>
    <message>
        <source>Draw the window as a screen scaled K times (1 to 4) does.</source>
        <translation>K 倍（1～4）に拡大した画面と同じようにウィンドウを描きます。</translation>
    </message>
    <message>
        <source>Write a PNG picture of the window.</source>
        <translation>ウィンドウの PNG 画像を書き出します。</translation>
    </message>
    <message>
        <source>Print the 30 days of the 4-week chart as comma-separated values.</source>
        <translation>4週間グラフの30日分をカンマ区切りの値で出力します。</translation>
    </message>
    <message>
        <source>Show the value of each bar on the today chart.</source>
        <translation>今日のグラフの各棒に値を表示します。</translation>
    </message>
    <message>
        <source>Print the compatibility of the birth date with this one as CSV.</source>
        <translation>生年月日とこの日付の相性を CSV で出力します。</translation>
    </message>
    <message>
        <source>With --compare: write a picture of the comparison window (as --out).</source>
        <translation>--compare と共に：比較ウィンドウの画像を書き出します（--out と同じ）。</translation>
    </message>
    <message>
        <source>List a people file as CSV; entries it cannot read go to standard error.</source>
        <translation>人物ファイルを CSV で一覧にします。読めない項目は標準エラーへ出力します。</translation>
    </message>
    <message>
        <source>Print the critical days among the next DAYS (1 to 3660) from the day shown.</source>
        <translation>表示中の日から DAYS 日（1～3660）のうちの要注意日を出力します。</translation>
    </message>
    <message>
        <source>Show the window in this language: en, de, fr, es or ja (default: en).</source>
        <translation>ウィンドウをこの言語で表示します：en、de、fr、es、ja（既定：en）。</translation>
    </message>
    <message>
        <source>With --critical: write them as calendar events to this file instead.</source>
        <translation>--critical と共に：代わりにカレンダーの予定としてこのファイルに書き出します。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Print the version and licence and exit.</source>
        <translation>バージョンとライセンスを表示して終了します。</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2 to %3</source>
        <translation>%1 は %2～%3 の整数です</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD</source>
        <translation>%1 には YYYY-MM-DD 形式の日付が必要です</translation>
    </message>
    <message>
        <source>--tab is today or 4weeks</source>
        <translation>--tab は today か 4weeks です</translation>
    </message>
    <message>
        <source>--language is one of %1</source>
        <translation>--language は %1 のいずれかです</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>--ics needs --critical DAYS</source>
        <translation>--ics には --critical DAYS が必要です</translation>
    </message>
    <message>
        <source>--csv and --critical print different tables; give one of them</source>
        <translation>--csv と --critical は別の表を出力します。どちらか一方を指定してください</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 は有効な日付ではありません</translation>
    </message>
    <message>
        <source>--today is a day from 0001-01-16 to 9999-12-17</source>
        <translation>--today は 0001-01-16～9999-12-17 の日です</translation>
    </message>
    <message>
        <source>--compare prints a table of its own: give it without --csv and --critical</source>
        <translation>--compare は独自の表を出力します。--csv と --critical なしで指定してください</translation>
    </message>
    <message>
        <source>--people goes alone, or with --today</source>
        <translation>--people は単独か --today と共に指定します</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ファイル %1 は存在しません。</translation>
    </message>
    <message>
        <source>The list of people in %1 could not be read: %2.</source>
        <translation>%1 の人物一覧を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>usage: biorhythm-snapshot</source>
        <translation>使い方: biorhythm-snapshot</translation>
    </message>
    <message>
        <source>Opens the biorhythm window off screen with the stored birth date, or the one given,
and writes a picture of it or the 30 days of the 4-week chart; or the critical days
ahead, compares two birth dates, or lists a people file. It never writes the stored
date, and when it fails it writes nothing on standard output.</source>
        <translation>保存された生年月日（または指定した生年月日）でバイオリズムのウィンドウを画面外に開き、
その画像または4週間グラフの30日分を書き出します。または、これからの要注意日を出力し、
二つの生年月日を比較し、人物ファイルを一覧にします。保存された日付は書き換えず、
失敗したときは標準出力に何も書きません。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the window showed a message (on standard error),
2 bad options, 3 a file could not be written.</source>
        <translation>終了状態：0 完了、1 ウィンドウがメッセージを表示した（標準エラーへ）、
2 オプションの誤り、3 ファイルを書き込めなかった。</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Shows the seven biorhythm cycles of a birth date for today and the four weeks around it.
The last birth date is kept in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,
the people saved by name beside it in people.json, the language chosen in preferences.json.</source>
        <translation>生年月日から、今日とその前後4週間のバイオリズムの7つのサイクルを表示します。
最後の生年月日は $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini に保存され、
名前を付けて保存した人物は同じ場所の people.json に、選んだ言語は preferences.json に保存されます。</translation>
    </message>
    <message>
        <source>takes no arguments: %1</source>
        <translation>引数は指定できません：%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Quellmar - Biorhythm Calculator</source>
        <translation>Quellmar - バイオリズム計算</translation>
    </message>
</context>
<context>
    <name>TChartExtras</name>
    <message>
        <source>&amp;Copy chart</source>
        <translation>グラフをコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>グラフに名前を付けて保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Save &amp;values as…</source>
        <translation>値に名前を付けて保存(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Another day</source>
        <translation>別の日</translation>
    </message>
    <message>
        <source>Day to show</source>
        <translation>表示する日</translation>
    </message>
    <message>
        <source>A day from %1 to %2: the 4-week chart shows the 15 days before it and the 14 after it.</source>
        <translation>%1～%2 の日：4週間グラフはその前の15日と後の14日を表示します。</translation>
    </message>
    <message>
        <source>&amp;Another day…</source>
        <translation>別の日(&amp;A)…</translation>
    </message>
    <message>
        <source>P&amp;revious day</source>
        <translation>前の日(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>次の日(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>今日(&amp;T)</translation>
    </message>
    <message>
        <source>Sho&amp;w values</source>
        <translation>値を表示(&amp;W)</translation>
    </message>
    <message>
        <source>%1 – birth date %2, day shown %3</source>
        <extracomment>Above a printed chart: the tab&apos;s caption, the birth date and the day shown.</extracomment>
        <translation>%1 – 生年月日 %2、表示日 %3</translation>
    </message>
    <message>
        <source>The charts show the days %1 only: the 4-week chart needs the 15 days before the day shown and the 14 after it.</source>
        <translation>グラフに表示できるのは %1 の日だけです。4週間グラフには表示日の前の15日と後の14日が必要です。</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Opens the website %1</source>
        <translation>ウェブサイト %1 を開きます</translation>
    </message>
    <message>
        <source>Biorhythm charts</source>
        <translation>バイオリズムのグラフ</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>No values yet: choose a birth date and press Calculate.</source>
        <translation>まだ値がありません。生年月日を選んで「計算」を押してください。</translation>
    </message>
</context>
<context>
    <name>TCompatibilityWindow</name>
    <message>
        <source>Compatibility</source>
        <translation>相性</translation>
    </message>
    <message>
        <source>&amp;Cycle over 30 days:</source>
        <translation>30日間のサイクル(&amp;C)：</translation>
    </message>
    <message>
        <source>Cycle over 30 days</source>
        <translation>30日間のサイクル</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2: born %n days apart</source>
        <extracomment>Two people, %n the days between their birth dates.</extracomment>
        <translation>
            <numerusform>%1 と %2：生まれた日の差は %Ln 日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCriticalDaysDialog</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>サイクル</translation>
    </message>
    <message>
        <source>Critical days ahead</source>
        <translation>これからの要注意日</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%Ln 日間</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>期間(&amp;L)：</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>要注意日</translation>
    </message>
    <message>
        <source>Days on which two or more cycles are critical are highlighted.</source>
        <translation>2つ以上のサイクルが要注意の日は強調表示されます。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copies the table as text (Ctrl+C copies the selected rows)</source>
        <translation>表をテキストとしてコピーします（Ctrl+C で選択した行をコピー）</translation>
    </message>
    <message>
        <source>&amp;Export to calendar…</source>
        <translation>カレンダーに書き出し(&amp;E)…</translation>
    </message>
    <message>
        <source>Writes the days as events of an iCalendar file</source>
        <translation>要注意日を iCalendar ファイルの予定として書き出します</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>閉じる(&amp;O)</translation>
    </message>
    <message numerus="yes">
        <source>Birth date %1: %n critical days from %2 to %3.</source>
        <extracomment>%n is the number of critical days; %1 the birth date, %2 and %3 the first and the last day looked at.</extracomment>
        <translation>
            <numerusform>生年月日 %1：%2～%3 の要注意日は %Ln 日です。</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar ファイル (*.ics)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>ファイル %1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>TCycleChoice</name>
    <message>
        <source>&amp;Physical</source>
        <translation>身体(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Emotional</source>
        <translation>感情(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Intellectual</source>
        <translation>知性(&amp;I)</translation>
    </message>
    <message>
        <source>Spi&amp;ritual</source>
        <translation>精神(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;wareness</source>
        <translation>意識(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Aesthetic</source>
        <translation>美感(&amp;A)</translation>
    </message>
    <message>
        <source>In&amp;tuition</source>
        <translation>直感(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>サイクル(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Show all</source>
        <translation>すべて表示(&amp;S)</translation>
    </message>
    <message>
        <source>Mark critical &amp;days</source>
        <translation>要注意日に印を付ける(&amp;D)</translation>
    </message>
    <message>
        <source>Critical days a&amp;head…</source>
        <translation>これからの要注意日(&amp;H)…</translation>
    </message>
    <message>
        <source>Click to hide the %1 cycle</source>
        <translation>クリックすると「%1」サイクルを隠します</translation>
    </message>
    <message>
        <source>Click to show the %1 cycle</source>
        <translation>クリックすると「%1」サイクルを表示します</translation>
    </message>
</context>
<context>
    <name>TLanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>The language could not be saved in %1; it holds until the program closes.</source>
        <translation>言語を %1 に保存できませんでした。プログラムを終了するまで有効です。</translation>
    </message>
    <message>
        <source>The language is not saved: the damaged file %1 could not be renamed. It holds until the program closes.</source>
        <translation>言語は保存されません。破損したファイル %1 の名前を変更できませんでした。プログラムを終了するまで有効です。</translation>
    </message>
</context>
<context>
    <name>TPeopleExtras</name>
    <message>
        <source>P&amp;eople</source>
        <translation>人物(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Save as person…</source>
        <translation>人物として保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>その他(&amp;M)…</translation>
    </message>
    <message>
        <source>Ma&amp;nage people…</source>
        <translation>人物の管理(&amp;N)…</translation>
    </message>
    <message>
        <source>Co&amp;mpare with</source>
        <translation>比較する相手(&amp;M)</translation>
    </message>
    <message>
        <source>The list of people could not be saved in %1.</source>
        <translation>人物一覧を %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>The list of people is not saved: the damaged file %1 could not be renamed.</source>
        <translation>人物一覧は保存されません。破損したファイル %1 の名前を変更できませんでした。</translation>
    </message>
    <message>
        <source>Keep the birth date %1 under the &amp;name:</source>
        <translation>生年月日 %1 を保存する名前(&amp;N)：</translation>
    </message>
    <message>
        <source>Save as person</source>
        <translation>人物として保存</translation>
    </message>
    <message>
        <source>%1 is already kept with the birth date %2. Replace it with %3?</source>
        <translation>%1 はすでに生年月日 %2 で保存されています。%3 に置き換えますか？</translation>
    </message>
</context>
<context>
    <name>TPrincipal</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>To learn more about biorhythms, please visit our website</source>
        <translation>バイオリズムについて詳しくは、当社のウェブサイトへ</translation>
    </message>
    <message>
        <source>To calculate your Biorhythm, please enter your birthday:</source>
        <translation>バイオリズム計算用の生年月日を入力してください：</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The scale of the today chart, at 100.</extracomment>
        <translation>高調</translation>
    </message>
    <message>
        <source>Critical</source>
        <extracomment>The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.</extracomment>
        <translation>要注意</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>The scale of the today chart, at -100.</extracomment>
        <translation>低調</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>計算(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate biorhythm...</source>
        <translation>バイオリズムを計算します...</translation>
    </message>
    <message>
        <source>  Current state analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  今日の分析  </translation>
    </message>
    <message>
        <source>  4-Week analysis  </source>
        <extracomment>A tab&apos;s caption; the two spaces on either side give the tab its width.</extracomment>
        <translation>  4週間の分析  </translation>
    </message>
    <message>
        <source>Your birthday couldn&apos;t be greater than today...</source>
        <translation>生年月日に今日より後の日付は指定できません...</translation>
    </message>
    <message>
        <source>Free Biorhythm calculator...</source>
        <translation>無料バイオリズム計算...</translation>
    </message>
    <message>
        <source>.BMP Files (*.bmp)</source>
        <translation>.BMP ファイル (*.bmp)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Drill</name>
    <message>
        <source> + </source>
        <extracomment>The plus sign between the numbers of a problem, with a blank each side: &quot;7 + 5&quot;.</extracomment>
        <translation> + </translation>
    </message>
    <message>
        <source> - </source>
        <extracomment>The minus sign between the numbers of a problem, with a blank each side: &quot;14 - 6&quot;.</extracomment>
        <translation> − </translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign between the numbers of a problem, with a blank each side: &quot;3 x 4&quot;. Use the sign the country&apos;s schools write (3 · 4, 3 × 4).</extracomment>
        <translation> × </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Correct!</source>
        <extracomment>The problem line after a right answer, in 48-point type over 321 pixels.</extracomment>
        <translation>せいかい！</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <extracomment>The problem line after a wrong answer, in 48-point type over 321 pixels.</extracomment>
        <translation>まちがい！</translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>Main window: the score line, right answers (%1) over problems (%2); 14-point type, 137 pixels, two lines at most.</extracomment>
        <translation>てんすう：  %1&#xa0;/&#xa0;%2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T. Main window: the seconds (%1) left to answer; 14-point type, 137 pixels; also said on the T key.</extracomment>
        <translation>じかん：  %1</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Main window: the score line before a run, 14-point type, 137 pixels wide.
----------
Spoken only: the name of the score line.</extracomment>
        <translation>てんすう</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Main window: the countdown line before a run, 14-point type, 137 pixels wide.
----------
Main window, Time frame: how a run ends. Time: after the minutes set; 57 pixels each.
----------
Main window: the title of the frame with the run&apos;s settings; about 150 pixels.</extracomment>
        <translation>じかん</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Main window: the button that starts or resumes a run; 24-point type, 153 pixels wide.</extracomment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Main window: the button that pauses a run; 24-point type, 153 pixels wide.</extracomment>
        <translation>ひとやすみ</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Main window: the button that clears the run&apos;s counts and starts afresh; 18-point type, 97 pixels wide.</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Main window: the button that opens the results window; 18-point type, 97 pixels wide.</extracomment>
        <translation>けっか</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Main window, Values frame: the button that ticks every number box; 73 pixels wide.</extracomment>
        <translation>ぜんぶ</translation>
    </message>
    <message>
        <source>Unselect</source>
        <extracomment>Main window, Values frame: the button that clears every number box; 73 pixels wide.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>How a run ends: after the number of problems set (a word for problems, not for numbers).</extracomment>
        <translation>もんだい</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>How a run ends: at the later of the two, a longer run (not the plus sign&apos;s name).</extracomment>
        <translation>ながい</translation>
    </message>
    <message>
        <source>Less</source>
        <extracomment>How a run ends: at the earlier of the two, a shorter run (not the minus sign&apos;s name).</extracomment>
        <translation>みじかい</translation>
    </message>
    <message>
        <source>MaxTime</source>
        <extracomment>Main window, Time frame: the label over the box of minutes a run lasts; 57 pixels wide, one line.</extracomment>
        <translation>ふん</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <extracomment>Main window, Time frame: the label over the box of how many problems a run has; 65 pixels, one line.</extracomment>
        <translation>もんだい</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Main window, Time frame: beside the box of how often a missed problem comes back; 49 pixels, one line.</extracomment>
        <translation>まちがい</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Main window, Time frame: beside the box of right answers that retire a problem; 49 pixels, one line.</extracomment>
        <translation>せいかい</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <extracomment>Main window, Time frame: beside the box of seconds to answer one problem; 49 pixels, one line.</extracomment>
        <translation>びょう</translation>
    </message>
    <message>
        <source>Values</source>
        <extracomment>Main window: the title of the frame with the number boxes 1 to 10; about 150 pixels.</extracomment>
        <translation>かず</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Spoken only: the name of the big line that shows the problem.</extracomment>
        <translation>もんだい</translation>
    </message>
    <message>
        <source>Time left</source>
        <extracomment>Spoken only: the name of the line that counts down the seconds to answer.</extracomment>
        <translation>のこりじかん</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <extracomment>Spoken only: the name of answer button %1 (1, 2 or 3).</extracomment>
        <translation>こたえ %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <extracomment>Spoken only: the name of the box that puts number %1 (1 to 10) into the problems.</extracomment>
        <translation>かず %1</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <extracomment>Spoken only: the name of the +10 box, which adds 11 to 20 to the other number of + and - problems.</extracomment>
        <translation>じゅうを たす</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Spoken only: the name of the ( + ) option button, which chooses plus problems.</extracomment>
        <translation>たしざん</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <extracomment>Spoken only: the name of the ( - ) option button, which chooses minus problems.</extracomment>
        <translation>ひきざん</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <extracomment>Spoken only: the name of the ( x ) option button, which chooses times problems.</extracomment>
        <translation>かけざん</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <extracomment>Spoken only: the picture shown before a run, the program&apos;s logo.</extracomment>
        <translation>Belquist の ロゴ</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <extracomment>Spoken only: the picture shown after a time-out.</extracomment>
        <translation>はてなマーク みっつ</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <extracomment>Spoken only: the picture shown after a right answer.</extracomment>
        <translation>にこにこの かお</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <extracomment>Spoken only: the picture shown after a wrong answer.</extracomment>
        <translation>びっくりした かお</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>Spoken only: the name of the small sound control that plays the chime.</extracomment>
        <translation>チャイム</translation>
    </message>
    <message>
        <source>Announcements</source>
        <extracomment>Spoken only: the name of the hidden list from which a screen reader reads the program&apos;s news.</extracomment>
        <translation>おしらせ</translation>
    </message>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>All windows: write RTL if the language is written from right to left (Arabic, Hebrew, Persian, Urdu), else LTR. Never shown: it mirrors the windows.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words. Popup: its headline after a wrong answer; red, 16-point, 241 pixels; keep the faces.</extracomment>
        <translation> ^.^ !! まちがい !! ^.^ </translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words. Popup: its headline when the time to answer ran out; red, 16-point, 241 pixels; keep the faces.</extracomment>
        <translation> ^_^ !!じかんぎれ!! ^_^ </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Popup: the button that closes it; 24-point type, 281 pixels wide.</extracomment>
        <translation>わかった</translation>
    </message>
    <message>
        <source>Right answer</source>
        <extracomment>Spoken only: the name of the popup&apos;s line with the right answer.</extracomment>
        <translation>せいかい</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Show 1-10</source>
        <extracomment>Results window: the button that shows the columns 1 to 10; 129 pixels wide.</extracomment>
        <translation>1〜10 を みる</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <extracomment>Results window: the button that shows the columns 11 to 20; 129 pixels wide.</extracomment>
        <translation>11〜20 を みる</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Results window: the button that closes it; 105 pixels wide.</extracomment>
        <translation>とじる</translation>
    </message>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>かず  1 から 10       みかた：せいかい / ぜんぶ</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>かず 11 から 20       みかた：せいかい / ぜんぶ</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>せいかい=%1    もんだい=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid with no problem in it, as a screen reader says it: right answers (%n) of all answers (%1). Spoken only, never shown.</extracomment>
        <translation>
            <numerusform>%1 かいのうち %n かい せいかい</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n right of %2</source>
        <extracomment>A cell of the grid as a screen reader says it: the problem (%1, such as &quot;7 + 5&quot;), then right answers (%n) of all tries at that problem (%2). Spoken only, never shown.</extracomment>
        <translation>
            <numerusform>%1：%2 かいのうち %n かい せいかい</numerusform>
        </translation>
    </message>
    <message>
        <source>Results grid</source>
        <extracomment>Spoken only: the name of the results window&apos;s grid.</extracomment>
        <translation>けっかの ひょう</translation>
    </message>
</context>
</TS>

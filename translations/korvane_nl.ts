<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Meldingen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Sommen</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Plus tien</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plussommen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minsommen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Keersommen</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo van Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Drie vraagtekens</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Lachend gezicht</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Verbaasd gezicht</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Belletje</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Getallen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tijd over</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwoord %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Getal %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Getallen  1 t/m 10     Uitleg: Goed / Alle</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Getallen 11 t/m 20     Uitleg: Goed / Alle</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Goed=%1    Sommen=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n goed van %1</numerusform>
            <numerusform>%n goed van %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Toon 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Toon 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Goede antwoord</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Uitslagentabel</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Fout antwoord !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Punten:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Tijd:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Tijd is om!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles aan</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Alles uit</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Minder</translation>
    </message>
</context>
<context>
    <name>Tpop</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

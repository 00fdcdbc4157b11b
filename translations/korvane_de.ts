<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Ansagen</translation>
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
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Plus zehn</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusaufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusaufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malaufgaben</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Belquist-Logo</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Drei Fragezeichen</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Lachendes Gesicht</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Staunendes Gesicht</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Zeit übrig</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Zahl %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Zahlen  1 bis 10       Zeichen: Richtig / Alle</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Zahlen 11 bis 20       Zeichen: Richtig / Alle</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Richtig=%1    Aufgaben=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n richtig von %1</numerusform>
            <numerusform>%n richtig von %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Zeige 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Zeige 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Ergebnistabelle</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Falsche Antwort !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Punkte:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Zeit:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Zeit ist um!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Meddelanden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Uppgifter</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rätt</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Plus tio</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusräkning</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusräkning</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Gångertal</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Belquists logga</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tre frågetecken</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Leende ansikte</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Förvånat ansikte</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Pling</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Uppgift</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tid kvar</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Svar %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Tal %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Tal  1 till 10         Förklaring: Rätt / Alla</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Tal 11 till 20         Förklaring: Rätt / Alla</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Rätt=%1    Uppgifter=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n rätt av %1</numerusform>
            <numerusform>%n rätt av %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Visa 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Visa 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Rätt svar</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Resultattabell</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Rätt!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Fel!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Fel svar !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Poäng:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Tid:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Tiden är slut!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Börja om</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Välj alla</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Välj inga</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Mindre</translation>
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

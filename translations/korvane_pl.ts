<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Komunikaty</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Złe</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dobre</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Plus dziesięć</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Trzy znaki zapytania</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Uśmiechnięta buzia</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Zdziwiona buzia</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Liczby</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Odpowiedź %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Liczba %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Liczby  1 do 10        Znaczy: Dobrze / Razem</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Liczby 11 do 20        Znaczy: Dobrze / Razem</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Dobrze=%1    Zadania=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n dobra z %1</numerusform>
            <numerusform>%n dobre z %1</numerusform>
            <numerusform>%n dobrych z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Pokaż 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Pokaż 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Dobra odpowiedź</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tabela wyników</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Źle!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Zła odpowiedź !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Punkty:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Czas:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Koniec czasu!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Zacznij</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Mniej</translation>
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

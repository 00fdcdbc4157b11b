<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Avvisi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Conti</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagli</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Più dieci</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizioni</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazioni</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazioni</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tre punti di domanda</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Faccina sorridente</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Faccina stupita</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Campanella</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Conto</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Risposta %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numero %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Numeri  1 a 10         Legenda: Giuste / Tutte</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Numeri 11 a 20         Legenda: Giuste / Tutte</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Giuste=%1    Conti=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n giusta su %1</numerusform>
            <numerusform>%n giuste su %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Mostra 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Mostra 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Risposta giusta</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tabella dei risultati</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Sbagliato!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Sbagliato !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Punti:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Tempo:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Tempo scaduto!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Via!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Meno</translation>
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

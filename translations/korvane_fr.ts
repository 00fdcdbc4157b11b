<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Annonces</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Plus dix</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustractions</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplications</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Trois points d’interrogation</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Visage souriant</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Visage étonné</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Nombre %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Nombres  1 à 10        Légende : Juste / Total</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Nombres 11 à 20        Légende : Juste / Total</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Juste=%1    Calculs=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n juste sur %1</numerusform>
            <numerusform>%n justes sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Voir 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Voir 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tableau des résultats</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Raté&#xa0;!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! C’est faux !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Points&#xa0;:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Temps&#xa0;:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Trop tard!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Moins</translation>
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

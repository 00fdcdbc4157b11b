<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Avisos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erradas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Mais dez</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo da Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Três pontos de interrogação</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Carinha sorrindo</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Carinha surpresa</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Sininho</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo que falta</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Resposta %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Números  1 a 10        Legenda: Certas / Todas</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Números 11 a 20        Legenda: Certas / Todas</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Certas=%1    Contas=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n certa de %1</numerusform>
            <numerusform>%n certas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Ver 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Ver 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Resposta certa</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tabela de resultados</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Errado!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Resposta errada !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Pontos:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Tempo:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Acabou o tempo!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Menos</translation>
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

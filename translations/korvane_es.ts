<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Más diez</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Restas</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicaciones</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo de Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tres signos de interrogación</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Cara sonriente</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Cara de sorpresa</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Campanita</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo que queda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
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
        <translation>Números  1 al 10       Clave: Bien / Todas</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Números 11 al 20       Clave: Bien / Todas</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Bien=%1    Cuentas=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n bien de %1</numerusform>
            <numerusform>%n bien de %1</numerusform>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tabla de resultados</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>¡Bien!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>¡Mal!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! No es así !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Puntos:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Tiempo:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Sin tiempo!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
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
        <translation>Vale</translation>
    </message>
</context>
</TS>

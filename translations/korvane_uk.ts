<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Оголошення</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Приклади</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Помилки</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вірні</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Плюс десять</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Віднімання</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множення</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Логотип Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Три знаки питання</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Усміхнене обличчя</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Здивоване обличчя</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Дзвіночок</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Числа</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Приклад</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Залишок часу</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Відповідь %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Число %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Числа  1 до 10         Пояснення: Вірно / Усього</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Числа 11 до 20         Пояснення: Вірно / Усього</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Вірно=%1    Прикладів=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n правильна з %1</numerusform>
            <numerusform>%n правильні з %1</numerusform>
            <numerusform>%n правильних з %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Показати 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Показати 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Правильна відповідь</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Таблиця результатів</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Правильно!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Помилка!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Помилка !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Бали:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Час:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Час минув!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Спочатку</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Жодного</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Більше</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Менше</translation>
    </message>
</context>
<context>
    <name>Tpop</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
</context>
</TS>

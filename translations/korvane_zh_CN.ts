<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>通知</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>题数</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>答对</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>秒数</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>加十</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Belquist 标志</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>三个问号</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>笑脸</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>惊讶的脸</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>答案 %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>数字 %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>数字  1 到 10       说明：答对 / 总数</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>数字 11 到 20       说明：答对 / 总数</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>答对=%1    题数=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%1 题答对 %n 题</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>显示 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>显示 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>正确答案</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>成绩表</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>答对了！</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>答错了！</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! 答错了 !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>得分:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>时间:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!时间到!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重来</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>题数</translation>
    </message>
    <message>
        <source>More</source>
        <translation>较多</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>较少</translation>
    </message>
</context>
<context>
    <name>Tpop</name>
    <message>
        <source>OK</source>
        <translation>好的</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Duyurular</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Sorular</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Yanlış</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Artı on</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Toplama</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Çıkarma</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Çarpma</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Belquist logosu</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Üç soru işareti</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Gülen yüz</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Şaşkın yüz</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Zil sesi</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Soru</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Kalan süre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Cevap %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Sayı %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Sayılar  1-10          Açıklama: Doğru / Tüm sorular</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Sayılar 11-20          Açıklama: Doğru / Tüm sorular</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Doğru=%1    Soru=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%1 sorudan %n doğru</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Göster 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Göster 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Doğru cevap</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Sonuç tablosu</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Doğru!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Yanlış!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Yanlış cevap !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Puan:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Süre:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Süre bitti!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Mola</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hepsini seç</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Fazla</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Az</translation>
    </message>
</context>
<context>
    <name>Tpop</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>

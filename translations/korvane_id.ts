<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements</source>
        <translation>Pengumuman</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MaxTime</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>MaxNumber</source>
        <translation>Soal</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>TimeLimit</source>
        <translation>Detik</translation>
    </message>
    <message>
        <source>Plus ten</source>
        <translation>Tambah sepuluh</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Penjumlahan</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Pengurangan</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Perkalian</translation>
    </message>
    <message>
        <source>Belquist logo</source>
        <translation>Logo Belquist</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tiga tanda tanya</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Wajah tersenyum</translation>
    </message>
    <message>
        <source>Surprised face</source>
        <translation>Wajah terkejut</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Bunyi lonceng</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Angka</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Soal</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Sisa waktu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Jawaban %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Angka %1</translation>
    </message>
</context>
<context>
    <name>Pf</name>
    <message>
        <source>Numbers  1 thru 10       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key, one line in a fixed-pitch font: it must fit the grid&apos;s width (68 characters).</extracomment>
        <translation>Angka  1 sampai 10     Arti: Benar / Semua</translation>
    </message>
    <message>
        <source>Numbers 11 thru 20       Key:Correct / Total</source>
        <extracomment>The grid&apos;s heading and key on the second page (68 characters at most).</extracomment>
        <translation>Angka 11 sampai 20     Arti: Benar / Semua</translation>
    </message>
    <message>
        <source>Total Right=%1    Total Problems=%2</source>
        <extracomment>The run&apos;s totals under the grid (68 characters at most with the numbers).</extracomment>
        <translation>Benar=%1    Soal=%2</translation>
    </message>
    <message numerus="yes">
        <source>%n right of %1</source>
        <extracomment>A cell of the grid as a screen reader says it: right answers (%n) of all answers (%1).</extracomment>
        <translation>
            <numerusform>%n benar dari %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Show 1-10</source>
        <translation>Lihat 1-10</translation>
    </message>
    <message>
        <source>Show 11-20</source>
        <translation>Lihat 11-20</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>PopupWindow</name>
    <message>
        <source>Right answer</source>
        <translation>Jawaban benar</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results grid</source>
        <translation>Tabel hasil</translation>
    </message>
</context>
<context>
    <name>Tallyquip</name>
    <message>
        <source>Correct!</source>
        <translation>Benar!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Salah!</translation>
    </message>
    <message>
        <source> ^.^ !! Wrong Answer !! ^.^ </source>
        <extracomment>The popup&apos;s headline after a wrong answer: keep the marks and blanks around the words.</extracomment>
        <translation> ^.^ !! Jawaban salah !! ^.^ </translation>
    </message>
    <message>
        <source>Score:  %1 / %2</source>
        <extracomment>The score line: right answers / problems so far.</extracomment>
        <translation>Skor:  %1 / %2</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <extracomment>The seconds left to answer; said again when the pupil presses T.</extracomment>
        <translation>Waktu:  %1</translation>
    </message>
    <message>
        <source> ^_^ !!Time Out!! ^_^ </source>
        <extracomment>The popup&apos;s headline when the answer clock ran out: keep the marks and blanks around the words.</extracomment>
        <translation> ^_^ !!Waktu habis!! ^_^ </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ulang</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih semua</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Kosongkan</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Jumlah</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Lebih</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Kurang</translation>
    </message>
</context>
<context>
    <name>Tpop</name>
    <message>
        <source>OK</source>
        <translation>Oke</translation>
    </message>
</context>
</TS>

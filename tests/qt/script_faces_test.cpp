// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Every script the program speaks is drawn, in each of its fonts, by a face
// the system really has: no letter comes out as an empty box, a language
// with a face of its own has all its letters drawn by that face (a word
// drawn from two faces breaks apart), and digits and Latin letters stay in
// the program's face. Run also with fontconfig limited to the fonts the
// package depends on and recommends (with_packaged_fonts.sh).

#include <iterator>

#include <QApplication>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/shared/fonts.h"

namespace {

// One character as Qt lays it out in a font: the faces of the glyphs that
// draw it (those of its whole cluster), and whether each glyph exists.
struct Drawn {
    QChar character;
    QStringList faces;
    bool everyGlyph = true;
};

QList<Drawn> drawnIn(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    QList<Drawn> characters;
    for (int i = 0; i < text.size(); ++i) {
        Drawn drawn{text.at(i), {}, true};
        for (const QGlyphRun& run : layout.glyphRuns(i, 1)) {
            drawn.faces << run.rawFont().familyName();
            for (const quint32 glyph : run.glyphIndexes()) {
                drawn.everyGlyph = drawn.everyGlyph && glyph != 0;  // 0: the face has no such letter
            }
        }
        characters << drawn;
    }
    return characters;
}

// The letters of English ("OK"), which the program's own faces draw. Blanks
// and digits amid words of another script may come from that script's face.
bool english(QChar c) { return c.unicode() < 0x80 && c.isLetter(); }

using FontMaker = QFont (*)();
QFont arial() { return korvane::fonts::arial(14.25); }
QFont comicSans() { return korvane::fonts::comicSans(15.75); }
QFont courier() { return korvane::fonts::courier(9.75); }

constexpr struct {
    const char* name;
    FontMaker make;
} kFonts[] = {{"Arial", arial}, {"Comic Sans MS", comicSans}, {"Courier", courier}, {"dialog", korvane::fonts::dialog}};

// Words of the captions with the letters special to each language
// (Urdu's, Persian's), digits as the score line has them, and the OK
// of the popup.
constexpr struct {
    const char* language;
    const char* text;
} kSamples[] = {
    {"ar", "OK انتهى الوقت! صحيح 12"},
    {"fa", "OK وقت تمام شد! درست، پاسخ‌ها ژ چ گ 12"},
    {"ur", "OK وقت ختم ہو گیا! ٹھیک ہے، ڈ ڑ ں ے 12"},
    {"he", "OK נגמר הזמן! נכון 12"},
    {"hi", "OK समय समाप्त! सही उत्तर 12"},
    {"mr", "OK वेळ संपली! बरोबर उत्तर 12"},
    {"bn", "OK সময় শেষ! ঠিক উত্তর 12"},
    {"ta", "OK நேரம் முடிந்தது! சரி 12"},
    {"te", "OK సమయం అయిపోయింది! సరైనది 12"},
    {"th", "OK หมดเวลา! ถูกต้อง 12"},
    {"am", "OK ጊዜው አልቋል! ትክክል 12"},
    {"ja", "OK 時間切れ！ せいかい　カタカナ 12"},
    {"ko", "OK 시간이 다 됐어요! 정답 12"},
    {"zh_CN", "OK 时间到了！答对了 12"},
    {"zh_TW", "OK 時間到了！答對了 12"},
    {"el", "OK Τέλος χρόνου! Σωστά 12"},
    {"ru", "OK Время вышло! Верно 12"},
    {"uk", "OK Час вийшов! Правильно ї є ґ 12"},
    {"sr", "OK Време је истекло! Тачно ђ ћ џ 12"},
    {"vi", "OK Hết giờ! Đúng rồi ạ ở 12"},
};

}  // namespace

class ScriptFacesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korvane::fonts::installSubstitutions(); }
    void cleanup()
    {
        korvane::fonts::useScriptFaceOf(QString());
        QVERIFY(korvane::qttest::forgetFontEngines());
    }
    void everyLetterHasAFace_data();
    void everyLetterHasAFace();
    void englishFontsAreThePlainOnes();
};

void ScriptFacesTest::everyLetterHasAFace_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("font");  // index into kFonts
    for (const auto& row : kSamples) {
        for (int font = 0; font < int(std::size(kFonts)); ++font) {
            QTest::addRow("%s, %s", row.language, kFonts[font].name)
                << QString::fromLatin1(row.language) << QString::fromUtf8(row.text) << font;
        }
    }
}

void ScriptFacesTest::everyLetterHasAFace()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(int, font);
    const FontMaker make = kFonts[font].make;
    const QString own = QFontInfo(make()).family();  // before the language's face is added
    korvane::fonts::useScriptFaceOf(language);
    const QString face = korvane::fonts::scriptFace(language);
    for (const Drawn& drawn : drawnIn(text, make())) {
        const QString what =
            QStringLiteral("'%1' (U+%2) drawn by %3 (the program's face %4, the language's %5)")
                .arg(drawn.character)
                .arg(drawn.character.unicode(), 4, 16, QLatin1Char('0'))
                .arg(drawn.faces.join(QLatin1Char('+')), own, face.isEmpty() ? QStringLiteral("none") : face);
        QVERIFY2(drawn.everyGlyph, qPrintable(QStringLiteral("a letter no face draws: ") + what));
        for (const QString& by : drawn.faces) {
            if (english(drawn.character)) {
                QVERIFY2(by.compare(own, Qt::CaseInsensitive) == 0,
                         qPrintable(QStringLiteral("Latin left the program's face: ") + what));
            } else if (!face.isEmpty() && drawn.character.unicode() >= 0x80 && !drawn.character.isPunct()) {
                QVERIFY2(by.compare(face, Qt::CaseInsensitive) == 0,
                         qPrintable(QStringLiteral("not the language's face: ") + what));
            }
        }
    }
}

// English, and a language whose letters the program's faces draw, keep the
// fonts exactly as they were.
void ScriptFacesTest::englishFontsAreThePlainOnes()
{
    for (const char* language : {"", "en", "de", "ru", "he"}) {
        korvane::fonts::useScriptFaceOf(QString::fromLatin1(language));
        QCOMPARE(arial().families(), QStringList{QStringLiteral("Arial")});
        QCOMPARE(comicSans().families(), QStringList{QStringLiteral("Comic Sans MS")});
        QCOMPARE(korvane::fonts::dialog().families(), QStringList{QStringLiteral("Liberation Sans")});
    }
    // A language with a face of its own adds it after the program's faces.
    korvane::fonts::useScriptFaceOf(QStringLiteral("ur"));
    const QString face = korvane::fonts::scriptFace(QStringLiteral("ur"));
    QVERIFY(!face.isEmpty());
    const QStringList families = arial().families();
    QCOMPARE(families.size(), 3);  // Arial, its metric twin, the face
    QCOMPARE(families.constFirst(), QStringLiteral("Arial"));
    QCOMPARE(families.at(1).toLower(), QStringLiteral("liberation sans"));
    QCOMPARE(families.constLast(), face);
    QCOMPARE(korvane::fonts::dialog().families(), (QStringList{QStringLiteral("Liberation Sans"), face}));
}

QTEST_MAIN(ScriptFacesTest)
#include "script_faces_test.moc"

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Every word shows whole, in every language: each caption of the three
// windows, fixed or written by the drill, measured in the face that really
// draws it (Chinese, Cyrillic and some Turkish letters come from fallback
// faces), fits its control at no less than 80 % of the designed size; the
// lines drawn on the results grid fit its width. English keeps every
// designed size. All of this holds under a desktop theme that gives widget
// classes fonts of its own (GNOME's interface font through Qt's gtk3
// theme, KDE's), and every control keeps the font it has without one.

#include <cmath>
#include <memory>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QtTest>

#include "engine/words.h"
#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/results/drawing_widget.h"
#include "ui/shared/caption_fit.h"
#include "ui/shared/translation.h"

using korvane::App;
using korvane::qttest::named;

namespace {

// A text as Qt shapes and draws it, wrapped at `width` when wrapping.
struct Drawn {
    int width = 0;   // the widest line
    int height = 0;  // all lines
    bool everyGlyph = true;
    QStringList faces;
};

Drawn drawn(const QString& text, const QFont& font, int width, bool wrap)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    Drawn result;
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? width : 1e6);
        line.setPosition(QPointF(0, y));
        y += line.height();
        result.width = std::max(result.width, static_cast<int>(std::ceil(line.naturalTextWidth())));
    }
    layout.endLayout();
    result.height = static_cast<int>(std::ceil(y));
    for (const QGlyphRun& run : layout.glyphRuns()) {
        result.faces << run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes()) {
            result.everyGlyph = result.everyGlyph && glyph != 0;  // 0: no face has the character
        }
    }
    result.faces.removeDuplicates();
    return result;
}

// The compiled catalogues: those of the build tree, or of the folder
// KORVANE_CATALOGUES names (catalogues not yet in the tree).
QString cataloguesDir()
{
    const QString given = qEnvironmentVariable("KORVANE_CATALOGUES");
    return given.isEmpty() ? QStringLiteral(KORVANE_TRANSLATIONS_DIR) : given;
}

// Every language with a compiled catalogue there ("pt_BR").
QStringList builtLanguages()
{
    QStringList languages;
    for (const QString& file :
         QDir(cataloguesDir()).entryList({QStringLiteral("korvane_*.qm")}, QDir::Files, QDir::Name)) {
        languages << file.mid(8).chopped(3);
    }
    return languages;
}

// A desktop's interface font, as its platform theme hands it to every class
// of widget it names (Qt's gtk3 theme from GNOME's settings, KDE's from
// Plasma's): the font of any widget whose font the program leaves unset.
struct ThemeFont {
    const char* desktop;
    const char* family;
    int points;
};

constexpr ThemeFont kThemeFonts[] = {
    {"GNOME 48", "Adwaita Sans", 11},
    {"GNOME 43", "Cantarell", 11},
    {"KDE Plasma", "Noto Sans", 10},
};

void imitateTheme(const QString& family, int points)
{
    QApplication::setFont(QFont(family, points));
    // Each class its own font object, as a theme makes them: a copy of the
    // application's font would let the widgets inherit their parent's.
    for (const char* widgetClass :
         {"QLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox", "QComboBox", "QLineEdit", "QComboLineEdit",
          "QComboMenuItem", "QAbstractItemView", "QListView", "QMenu", "QToolButton", "QMessageBox", "QTipLabel"}) {
        QApplication::setFont(QFont(family, points), widgetClass);
    }
}

// The font of every widget in a window, by its place among the children
// (the window's own font draws nothing).
QMap<QString, QFont> fontsOf(const QWidget& window)
{
    QMap<QString, QFont> fonts;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const QWidget& widget = *widgets.at(i);
        fonts.insert(QStringLiteral("%1/%2 %3 %4")
                         .arg(window.objectName())
                         .arg(i)
                         .arg(QLatin1String(widget.metaObject()->className()), widget.objectName()),
                     widget.font());
    }
    return fonts;
}

QRect textRoom(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement element = qobject_cast<const QRadioButton*>(button) != nullptr
                                               ? QStyle::SE_RadioButtonContents
                                               : QStyle::SE_PushButtonContents;
        return button->style()->subElementRect(element, &option, button);
    }
    if (qobject_cast<const QGroupBox*>(&widget) != nullptr) {
        return QRect(0, 0, widget.width() - 20, widget.height());
    }
    return widget.contentsRect();
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        plainFont_ = QApplication::font();
        // No language of the build may go unchecked for want of its catalogue.
        const QStringList built = builtLanguages();
        for (const QString& language : QStringLiteral(KORVANE_LANGUAGES).split(QLatin1Char(','))) {
            QVERIFY2(built.contains(language), qPrintable(language + QStringLiteral(": no compiled catalogue")));
        }
    }
    void cleanup()
    {
        app_.reset();
        korvane::translation::install({QStringLiteral("en")}, {});
        QApplication::setFont(plainFont_);              // and no class fonts
        QVERIFY(korvane::qttest::forgetFontEngines());  // the next language's faces
    }

    void everyCaptionShowsWhole_data();
    void everyCaptionShowsWhole();
    void englishKeepsEveryDesignedSize();
    void everyControlKeepsItsFontUnderATheme_data();
    void everyControlKeepsItsFontUnderATheme();

private:
    // The fonts of the three windows' widgets: the main window, the results
    // window and the popup after a miss.
    QMap<QString, QFont> fontsOfAllWindows();
    // Every caption on screen now, checked; `where` names the situation.
    void checkWindow(QWidget& window, const QString& where);
    void checkCaption(QWidget& widget, const QString& where);
    void checkGrid(const QString& where);
    std::unique_ptr<App> app_;
    QFont plainFont_;
};

void CaptionFitTest::everyCaptionShowsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("themeFamily");  // none: no theme
    QTest::addColumn<int>("themePoints");
    QStringList languages{QString()};
    languages << builtLanguages();
    for (const QString& language : languages) {
        const QByteArray name = language.isEmpty() ? QByteArray("en") : language.toUtf8();
        QTest::addRow("%s", name.constData()) << language << QString() << 0;
        for (const ThemeFont& theme : kThemeFonts) {
            QTest::addRow("%s, %s", name.constData(), theme.desktop)
                << language << QString::fromLatin1(theme.family) << theme.points;
        }
    }
}

void CaptionFitTest::checkCaption(QWidget& widget, const QString& where)
{
    const QString text = korvane::captionfit::captionOf(widget);
    if (text.isEmpty() || !widget.isVisible()) {
        return;
    }
    // A frame draws its title itself, at the size that fits.
    const auto* frame = qobject_cast<const QGroupBox*>(&widget);
    const QFont designed = korvane::captionfit::designedFont(widget);
    const QFont font = frame == nullptr ? widget.font() : korvane::captionfit::fitted(designed, [&](const QFont& f) {
        return korvane::captionfit::fits(widget, text, f);
    });
    const QRect room = textRoom(widget);
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const Drawn shown = drawn(text, font, room.width(), label != nullptr && label->wordWrap());
    const QString what = QStringLiteral("%1, %2 \"%3\" at %4 px of %5 px in %6 (%7 x %8 needed, %9 x %10 there)")
                             .arg(where, widget.objectName(), text)
                             .arg(font.pixelSize())
                             .arg(designed.pixelSize())
                             .arg(shown.faces.join(QLatin1Char('+')))
                             .arg(shown.width)
                             .arg(shown.height)
                             .arg(room.width())
                             .arg(room.height());
    QVERIFY2(shown.everyGlyph, qPrintable(QStringLiteral("a character no face draws: ") + what));
    QVERIFY2(shown.width <= room.width(), qPrintable(QStringLiteral("too wide: ") + what));
    QVERIFY2(shown.height <= std::max(room.height(), QFontMetrics(font).height()),
             qPrintable(QStringLiteral("too high: ") + what));
    QVERIFY2(font.pixelSize() >= std::ceil(designed.pixelSize() * 0.8),
             qPrintable(QStringLiteral("below 80 %: ") + what));
}

void CaptionFitTest::checkWindow(QWidget& window, const QString& where)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName() == QLatin1String("giveanswer")) {
            continue;  // digits and signs, fitted on their own line (popup test)
        }
        checkCaption(*widget, where);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

void CaptionFitTest::checkGrid(const QString& where)
{
    auto* dt = named<korvane::DrawingWidget>(*app_->resultsHost().window(), "dt");
    QVERIFY(dt != nullptr);
    for (const korvane::TextPlacement& item : app_->pf().dt.items()) {
        const QString text = QString::fromStdString(item.text);
        const Drawn shown = drawn(text, dt->font(), dt->width(), false);
        const int right = item.left / 15 + shown.width;
        QVERIFY2(shown.everyGlyph, qPrintable(where + QStringLiteral(": no face draws ") + text));
        QVERIFY2(right <= dt->width(), qPrintable(QStringLiteral("%1: \"%2\" ends at %3 px of %4 (%5)")
                                                      .arg(where, text)
                                                      .arg(right)
                                                      .arg(dt->width())
                                                      .arg(shown.faces.join(QLatin1Char('+')))));
    }
}

void CaptionFitTest::everyCaptionShowsWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, themeFamily);
    QFETCH(int, themePoints);
    if (!themeFamily.isEmpty()) {
        imitateTheme(themeFamily, themePoints);
    }
    const QStringList languages{language.isEmpty() ? QStringLiteral("en-US") : language};
    QCOMPARE(korvane::translation::install(languages, {cataloguesDir()}), language);
    app_ = std::make_unique<App>();
    app_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->mainWindow()));
    QWidget& main = app_->mainWindow();
    checkWindow(main, QStringLiteral("fresh main window"));

    // Each text the drill writes on the main window, with the widest numbers
    // a run can bring.
    using korvane::filled;
    using korvane::word;
    auto& model = app_->model();
    for (const char* text : {"Correct!", "Wrong!"}) {
        model.cap.setCaption(word("MainWindow", text));
        checkWindow(main, QStringLiteral("after an answer"));
    }
    for (const char* count : {"10", "100", "32767"}) {
        model.score.setCaption(filled(word("MainWindow", "Score:  %1 / %2"), {count, count}));
        model.Timecap.setCaption(filled(word("MainWindow", "Time:  %1"), {count}));
        checkWindow(main, QStringLiteral("score and clock at %1").arg(QLatin1String(count)));
    }
    QVERIFY(!QTest::currentTestFailed());

    // The popup with either headline.
    QTest::mouseClick(named<QPushButton>(main, "Start"), Qt::LeftButton);
    const int slot = app_->data().rightslot;
    QTest::mouseClick(named<QPushButton>(main, QStringLiteral("but(%1)").arg(slot % 3)), Qt::LeftButton);
    QWidget* popup = app_->popupHost().window();
    QVERIFY(popup != nullptr && popup->isVisible());
    checkWindow(*popup, QStringLiteral("popup after a wrong answer"));
    app_->tpop().Label1.setCaption(word("PopupWindow", " ^_^ !!Time Out!! ^_^ "));
    checkWindow(*popup, QStringLiteral("popup after a time-out"));
    app_->tpop().Unload();

    // The results window, both pages, with the widest totals.
    app_->model().Stop_Click();
    app_->model().ck(10).setValue(1);
    app_->data().totalright = 32767;
    app_->data().totalprobs = 32767;
    app_->model().results_Click();
    QWidget* results = app_->resultsHost().window();
    QVERIFY(results != nullptr && results->isVisible());
    checkWindow(*results, QStringLiteral("results window"));
    checkGrid(QStringLiteral("page 1"));
    app_->pf().show20_Click();
    checkGrid(QStringLiteral("page 2"));
}

// Translations may draw a caption smaller; English never does.
void CaptionFitTest::englishKeepsEveryDesignedSize()
{
    app_ = std::make_unique<App>();
    app_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->mainWindow()));
    int checked = 0;
    for (QWidget* widget : app_->mainWindow().findChildren<QWidget*>()) {
        if (!korvane::captionfit::captionOf(*widget).isEmpty()) {
            QCOMPARE(widget->font(), korvane::captionfit::designedFont(*widget));
            ++checked;
        }
    }
    QVERIFY(checked >= 29);
}

QMap<QString, QFont> CaptionFitTest::fontsOfAllWindows()
{
    app_ = std::make_unique<App>();
    app_->show();
    if (!QTest::qWaitForWindowExposed(&app_->mainWindow())) {
        return {};
    }
    app_->model().results_Click();
    QWidget* results = app_->resultsHost().window();
    QMap<QString, QFont> fonts = fontsOf(app_->mainWindow());
    if (results != nullptr) {
        fonts.insert(fontsOf(*results));
    }
    app_->pf().okclose_Click();
    QTest::mouseClick(named<QPushButton>(app_->mainWindow(), "Start"), Qt::LeftButton);
    const int wrong = (app_->data().rightslot + 1) % 3;
    QTest::mouseClick(named<QPushButton>(app_->mainWindow(), QStringLiteral("but(%1)").arg(wrong)), Qt::LeftButton);
    if (QWidget* popup = app_->popupHost().window()) {
        fonts.insert(fontsOf(*popup));
    }
    app_.reset();
    return fonts;
}

void CaptionFitTest::everyControlKeepsItsFontUnderATheme_data()
{
    QTest::addColumn<QString>("themeFamily");
    QTest::addColumn<int>("themePoints");
    for (const ThemeFont& theme : kThemeFonts) {
        QTest::addRow("%s, %s %d", theme.desktop, theme.family, theme.points)
            << QString::fromLatin1(theme.family) << theme.points;
    }
}

// Each control, its caption and the lists of the combo boxes are drawn in
// the font the program gives them, whatever font the theme has for their
// class: under GNOME's the option buttons showed "Numb" for "Number".
void CaptionFitTest::everyControlKeepsItsFontUnderATheme()
{
    QFETCH(QString, themeFamily);
    QFETCH(int, themePoints);
    const QMap<QString, QFont> plain = fontsOfAllWindows();
    imitateTheme(themeFamily, themePoints);
    const QMap<QString, QFont> themed = fontsOfAllWindows();
    QCOMPARE(themed.keys(), plain.keys());
    QVERIFY(plain.size() > 60);
    for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
        const QFont& font = themed.value(it.key());
        QVERIFY2(font == it.value(), qPrintable(QStringLiteral("%1: %2 under the theme, %3 without")
                                                    .arg(it.key(), font.toString(), it.value().toString())));
    }
}

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"

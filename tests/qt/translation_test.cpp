// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The program in the desktop's language: which catalogue a desktop's
// languages choose, the main window's accessibility tree under each
// language's environment (LANGUAGE=xx LANG=xx.UTF-8) and under English and
// C, Qt's own words alongside, plural forms, and catalogues that are
// complete and never just English.

#include <QAccessible>
#include <QFile>
#include <QProcess>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>

#include "engine/words.h"
#include "ui/main/app.h"
#include "ui/shared/translation.h"

using korvane::App;

namespace {

const QString kDir = QStringLiteral(KORVANE_TRANSLATIONS_DIR);

QStringList languages() { return QStringLiteral(KORVANE_LANGUAGES).split(QLatin1Char(',')); }

// What a screen reader finds in the main window: "objectName|name" for
// every named control, as Qt's accessibility bridge hands it out.
QStringList accessibilityTree()
{
    App app;
    app.show();
    (void)QTest::qWaitForWindowExposed(&app.mainWindow());
    QStringList lines;
    for (QWidget* widget : app.mainWindow().findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        if (node != nullptr && !widget->objectName().isEmpty() && !node->text(QAccessible::Name).isEmpty()) {
            lines << widget->objectName() + QLatin1Char('|') + node->text(QAccessible::Name);
        }
    }
    lines.sort();
    return lines;
}

// The tree of a fresh process started with this environment.
QStringList treeUnder(const QStringList& environment)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"}) {
        env.remove(QString::fromLatin1(name));
    }
    for (const QString& setting : environment) {
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    }
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-tree")});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        return {QStringLiteral("the child failed: ") + QString::fromUtf8(child.readAllStandardError())};
    }
    return QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString nameIn(const QStringList& tree, const QString& control)
{
    for (const QString& line : tree) {
        if (line.section(QLatin1Char('|'), 0, 0) == control) {
            return line.section(QLatin1Char('|'), 1);
        }
    }
    return {};
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korvane::translation::serveCore(); }
    void cleanup() { korvane::translation::install({QStringLiteral("en")}, {}); }

    void theFirstTranslatedLanguageIsChosen_data();
    void theFirstTranslatedLanguageIsChosen();
    void eachLanguageNamesTheMainWindowsControls_data();
    void eachLanguageNamesTheMainWindowsControls();
    void englishAndCShowTheOriginalWords_data();
    void englishAndCShowTheOriginalWords();
    void qtsOwnWordsFollowWhereTheSystemHasThem();
    void countsInWordsTakeTheirPluralForm_data();
    void countsInWordsTakeTheirPluralForm();
    void everyCatalogueIsCompleteAndNotEnglish_data();
    void everyCatalogueIsCompleteAndNotEnglish();
};

void TranslationTest::theFirstTranslatedLanguageIsChosen_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << QStringList{"de-DE"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT", "de"} << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << "pt_PT";
    QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("Traditional Chinese") << QStringList{"zh-TW"} << "zh_TW";
    QTest::newRow("Portuguese of Angola") << QStringList{"pt-AO"} << "pt_PT";
    QTest::newRow("Portuguese of Mozambique, then German") << QStringList{"pt-MZ", "de"} << "pt_PT";
    QTest::newRow("Chinese of Hong Kong") << QStringList{"zh-HK"} << "zh_TW";
    QTest::newRow("Chinese of Macao") << QStringList{"zh-MO"} << "zh_TW";
    QTest::newRow("Chinese of Singapore") << QStringList{"zh-SG"} << "zh_CN";
    QTest::newRow("Urdu of India") << QStringList{"ur-IN"} << "ur";
    QTest::newRow("untranslated, then Swedish") << QStringList{"cy-GB", "sv-SE"} << "sv";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TranslationTest::theFirstTranslatedLanguageIsChosen()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(korvane::translation::install(desktop, {kDir}), chosen);
    const QString reset = QString::fromStdString(korvane::word("MainWindow", "Reset"));
    QCOMPARE(reset == QLatin1String("Reset"), chosen.isEmpty());
}

void TranslationTest::eachLanguageNamesTheMainWindowsControls_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslationTest::eachLanguageNamesTheMainWindowsControls()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral("korvane_") + language, kDir));
    const QStringList tree =
        treeUnder({QStringLiteral("LANGUAGE=") + language, QStringLiteral("LANG=%1.UTF-8").arg(language)});
    const struct {
        const char* control;
        const char* context;
        const char* english;
    } names[] = {{"clear", "MainWindow", "Reset"},          {"results", "MainWindow", "Results"},
                 {"selectall", "MainWindow", "Select All"}, {"setp(3)", "MainWindow", "Less"},
                 {"Lmaxnumber", "MainWindow", "MaxNumber"}, {"Option1(1)", "MainWindow", "Subtraction"},
                 {"ck(4)", "MainWindow", "Number %1"},      {"pic(0)", "MainWindow", "Belquist logo"}};
    for (const auto& name : names) {
        QString words = catalogue.translate(name.context, name.english);
        words.replace(QLatin1String("%1"), QLatin1String("5"));
        QVERIFY2(!words.isEmpty(), name.english);
        QCOMPARE(nameIn(tree, QString::fromLatin1(name.control)), words);
    }
}

void TranslationTest::englishAndCShowTheOriginalWords_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("en_US") << QStringList{"LANG=en_US.UTF-8"};
    QTest::newRow("C") << QStringList{"LANG=C"};
    QTest::newRow("English first in LANGUAGE") << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"};
}

void TranslationTest::englishAndCShowTheOriginalWords()
{
    QFETCH(QStringList, environment);
    const QStringList tree = treeUnder(environment);
    QCOMPARE(tree, accessibilityTree());  // this process has no catalogue installed
    QCOMPARE(nameIn(tree, "clear"), QStringLiteral("Reset"));
    QCOMPARE(nameIn(tree, "Lmaxtime"), QStringLiteral("MaxTime"));
    QCOMPARE(nameIn(tree, "ck(0)"), QStringLiteral("Number 1"));
    QCOMPARE(nameIn(tree, "Option1(2)"), QStringLiteral("Multiplication"));
}

void TranslationTest::qtsOwnWordsFollowWhereTheSystemHasThem()
{
    const char* undo = "&Undo";
    QCOMPARE(korvane::translation::install({QStringLiteral("de-DE")}, {kDir}), QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", undo), QStringLiteral("&Rückgängig"));
    // Debian has no Qt catalogue for Swedish: Qt's words stay English.
    QCOMPARE(korvane::translation::install({QStringLiteral("sv-SE")}, {kDir}), QStringLiteral("sv"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", undo), QString::fromLatin1(undo));
}

void TranslationTest::countsInWordsTakeTheirPluralForm_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("cell");
    QTest::newRow("en 1") << "" << 1 << "1 right of 2";
    QTest::newRow("pl 1") << "pl" << 1 << "1 dobra z 2";
    QTest::newRow("pl 3") << "pl" << 3 << "3 dobre z 4";
    QTest::newRow("pl 5") << "pl" << 5 << "5 dobrych z 6";
    QTest::newRow("pl 12") << "pl" << 12 << "12 dobrych z 13";
    QTest::newRow("pl 22") << "pl" << 22 << "22 dobre z 23";
    QTest::newRow("uk 1") << "uk" << 1 << "1 правильна з 2";
    QTest::newRow("uk 21") << "uk" << 21 << "21 правильна з 22";
    QTest::newRow("uk 4") << "uk" << 4 << "4 правильні з 5";
    QTest::newRow("uk 0") << "uk" << 0 << "0 правильних з 1";
    QTest::newRow("uk 11") << "uk" << 11 << "11 правильних з 12";
    QTest::newRow("de 1") << "de" << 1 << "1 richtig von 2";
}

void TranslationTest::countsInWordsTakeTheirPluralForm()
{
    QFETCH(QString, language);
    QFETCH(int, right);
    QFETCH(QString, cell);
    korvane::translation::install({language.isEmpty() ? QStringLiteral("en") : language}, {kDir});
    const std::string words =
        korvane::filled(korvane::counted("ResultsWindow", "%n right of %1", right), {std::to_string(right + 1)});
    QCOMPARE(QString::fromStdString(words), cell);
}

void TranslationTest::everyCatalogueIsCompleteAndNotEnglish_data() { eachLanguageNamesTheMainWindowsControls_data(); }

// Finished, nothing obsolete, and outside a few words that are the same in
// the language, never the English left standing.
void TranslationTest::everyCatalogueIsCompleteAndNotEnglish()
{
    QFETCH(QString, language);
    const QStringList same{"Start", "Pause", "OK"};
    QFile file(QStringLiteral(KORVANE_TS_DIR "/korvane_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    int messages = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            ++messages;
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\" is %3").arg(language, source, type)));
            const QString words = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            QVERIFY2(!words.isEmpty(), qPrintable(language + QStringLiteral(": empty for ") + source));
            // A sign may stay as it is, and the writing direction is a code.
            const bool code = source == QLatin1String("QT_LAYOUT_DIRECTION") ||
                              std::none_of(source.begin(), source.end(), [](QChar c) { return c.isLetter(); }) ||
                              source.trimmed() == QLatin1String("x");
            if (!numerus && !same.contains(source) && !code) {
                QVERIFY2(words != source.trimmed(), qPrintable(language + QStringLiteral(": English ") + source));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 40);
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (application.arguments().contains(QStringLiteral("--print-tree"))) {
        // As the program starts: the desktop's languages, from the build tree.
        korvane::translation::install(QLocale::system().uiLanguages(), {kDir});
        for (const QString& line : accessibilityTree()) {
            std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
        }
        return 0;
    }
    TranslationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "translation_test.moc"

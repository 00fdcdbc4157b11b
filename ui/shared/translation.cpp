// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "translation.h"

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "engine/fact_text.h"
#include "engine/number_text.h"
#include "engine/words.h"

namespace korvane::translation {

namespace {

// The names a catalogue for this language may have, most specific first:
// "pt-BR" gives pt_BR, then pt. Where a language has catalogues by region
// only, the region's own comes last: Portuguese outside Brazil is written
// as in Portugal, and Chinese in its own script (Hong Kong's Traditional
// characters as Taiwan's, Singapore's Simplified ones as China's).
QStringList candidates(const QString& language)
{
    QStringList names;
    const QLocale locale(language);
    QString name = locale.name();  // "de_DE", "zh_CN"
    QString given = language;
    given.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& start : {given, name}) {
        QString part = start;
        while (!part.isEmpty()) {
            if (!names.contains(part)) {
                names << part;
            }
            const qsizetype cut = part.lastIndexOf(QLatin1Char('_'));
            part = cut > 0 ? part.left(cut) : QString();
        }
    }
    QString kin;
    if (locale.language() == QLocale::Portuguese && locale.territory() != QLocale::Brazil) {
        kin = QStringLiteral("pt_PT");
    } else if (locale.language() == QLocale::Chinese) {
        kin = locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    if (!kin.isEmpty() && !names.contains(kin)) {
        names << kin;
    }
    return names;
}

bool isEnglish(const QString& language)
{
    const QLocale locale(language);
    return language == QLatin1String("C") || language.startsWith(QLatin1String("en")) ||
           locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// The translators in use, owned here so that a new choice replaces them.
std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool installFrom(const QString& file, const QString& dir)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, dir) || !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    installed().push_back(std::move(translator));
    return true;
}

// The desktop's language entry that chose the catalogue: its region says
// which digits its schools write.
QLocale& chosenLocale()
{
    static QLocale locale = QLocale::c();
    return locale;
}

}  // namespace

void follow(const QLocale& locale)
{
    chosenLocale() = locale;
    const Qt::LayoutDirection written = direction();
    if (QGuiApplication::instance() != nullptr) {
        QGuiApplication::setLayoutDirection(written);
    }
    useZeroDigit(zeroDigit());
    markLeftToRight(written == Qt::RightToLeft);
}

namespace {

class QtWords final : public Translator {
public:
    std::string translate(const char* context, const char* source, int n) const override
    {
        return QCoreApplication::translate(context, source, nullptr, n).toStdString();
    }
};

}  // namespace

QStringList catalogueDirs()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList dirs{programDir.filePath(QStringLiteral("../translations")),
                     programDir.filePath(QStringLiteral("../share/korvane/translations"))};
    dirs += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("korvane/translations"),
                                      QStandardPaths::LocateDirectory);
    return dirs;
}

QString install(const QStringList& languages, const QStringList& givenDirs)
{
    QStringList dirs = givenDirs;
    for (const auto& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();

    for (const QString& language : languages) {
        if (isEnglish(language)) {
            follow(QLocale::c());
            return {};  // the program's own words come first
        }
        if (dirs.isEmpty()) {
            dirs = catalogueDirs();
        }
        for (const QString& name : candidates(language)) {
            for (const QString& dir : dirs) {
                if (!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("korvane_%1.qm").arg(name))) ||
                    !installFrom(QStringLiteral("korvane_") + name, dir)) {
                    continue;
                }
                // Qt's own words (context menus of the text fields), where the
                // system has them; Debian has none for some languages.
                const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
                for (const QString& qtName : candidates(name)) {
                    if (installFrom(QStringLiteral("qtbase_") + qtName, qtDir)) {
                        break;
                    }
                }
                follow(QLocale(language));
                return name;
            }
        }
    }
    follow(QLocale::c());
    return {};
}

bool translated() { return !installed().empty(); }

QString language() { return installed().empty() ? QString() : installed().front()->language(); }

Qt::LayoutDirection direction()
{
    // Carried by the program's own catalogue, as Debian has no Qt catalogue
    // for every right-to-left language (Urdu).
    //: All windows: write RTL if the language is written from right to left (Arabic, Hebrew, Persian, Urdu),
    //: else LTR. Never shown: it mirrors the windows.
    const QString said = QCoreApplication::translate("MainWindow", "QT_LAYOUT_DIRECTION");
    // Qt's own catalogue says it where Debian has one (Arabic, Hebrew,
    // Persian). Asked by name, not as a text of the program's catalogue.
    static constexpr const char* kQtContext = "QGuiApplication";
    static constexpr const char* kKey = "QT_LAYOUT_DIRECTION";
    const QString qtSaid = QCoreApplication::translate(kQtContext, kKey);
    const bool rtl = said == QLatin1String("RTL") || (translated() && qtSaid == QLatin1String("RTL"));
    return rtl ? Qt::RightToLeft : Qt::LeftToRight;
}

char32_t zeroDigit()
{
    const QString zero = chosenLocale().zeroDigit();
    return zero.isEmpty() ? U'0' : zero.toUcs4().front();
}

void serveCore()
{
    static const QtWords words;
    useTranslator(&words);
    useZeroDigit(zeroDigit());
    markLeftToRight(direction() == Qt::RightToLeft);
}

}  // namespace korvane::translation

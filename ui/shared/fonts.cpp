// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "fonts.h"

#include <cmath>

#include <QStringList>

namespace korvane::fonts {

namespace {

struct ScriptFace {
    const char* language;
    const char* face;
};

// The Debian package of each face is recommended by the program's package.
constexpr ScriptFace kScriptFaces[] = {
    {"ar", "Noto Naskh Arabic UI"},     // fonts-noto-ui-core
    {"fa", "Noto Naskh Arabic UI"},     //
    {"ur", "Noto Naskh Arabic UI"},     // a Nastaliq line is twice as tall
    {"hi", "Noto Sans Devanagari UI"},  //
    {"mr", "Noto Sans Devanagari UI"},  //
    {"bn", "Noto Sans Bengali UI"},     //
    {"ta", "Noto Sans Tamil UI"},       //
    {"te", "Noto Sans Telugu UI"},      //
    {"th", "Noto Sans Thai UI"},        //
    {"am", "Abyssinica SIL"},           // fonts-sil-abyssinica
    {"ja", "IPAexGothic"},              // fonts-ipaexfont-gothic
    {"zh_CN", "WenQuanYi Micro Hei"},   // fonts-wqy-microhei
    {"zh_TW", "WenQuanYi Micro Hei"},   //
};

QString& currentScriptFace()
{
    static QString face;
    return face;
}

QFont sized(const QString& family, QFont::StyleHint hint, int pixels)
{
    QFont font(family);
    if (const QString& face = currentScriptFace(); !face.isEmpty()) {
        // Qt takes the families in order and draws each letter with the
        // first that has it. The substitute goes before the script face, or
        // a family missing here ("Arial") would hand the digits to it.
        QStringList families{family};
        families << QFont::substitutes(family) << face;
        families.removeDuplicates();
        font.setFamilies(families);
    }
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

}  // namespace

void installSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
}

QString scriptFace(const QString& language)
{
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        for (const ScriptFace& entry : kScriptFaces) {
            if (candidate == QLatin1String(entry.language)) {
                return QString::fromLatin1(entry.face);
            }
        }
    }
    return {};
}

void useScriptFaceOf(const QString& language) { currentScriptFace() = scriptFace(language); }

int pixelsForPoints(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont arial(double points) { return sized(QStringLiteral("Arial"), QFont::SansSerif, pixelsForPoints(points)); }

QFont comicSans(double points)
{
    return sized(QStringLiteral("Comic Sans MS"), QFont::SansSerif, pixelsForPoints(points));
}

QFont courier(double points) { return sized(QStringLiteral("Courier"), QFont::TypeWriter, pixelsForPoints(points)); }

QFont dialog()
{
    // 11 px Liberation Sans: a blank is 3 px and a digit 6 px wide, which
    // puts each digit of "    1        2 ..." within a pixel or two of the
    // centre of its check box (32 px apart).
    return sized(QStringLiteral("Liberation Sans"), QFont::SansSerif, 11);
}

}  // namespace korvane::fonts

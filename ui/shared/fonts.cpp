// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "fonts.h"

#include <cmath>

namespace korvane::fonts {

namespace {

QFont sized(const QString& family, QFont::StyleHint hint, int pixels)
{
    QFont font(family);
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

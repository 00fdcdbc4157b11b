// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program speaks the desktop's language, as Qt programs do: the first
// of the desktop's languages (the LANGUAGE list, then the locale) that has a
// translation, unless English comes first. English, C and languages without
// a translation keep the program's own English words; nothing is loaded.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace korvane::translation {

// Where korvane_xx.qm files are looked for: beside the program in the build
// tree, then in the installed data directory.
QStringList catalogueDirs();

// Loads and installs the program's translation, and Qt's own where the
// system has one, for the first of `languages` (as QLocale::uiLanguages()
// writes them) that the program is translated into. Any translation
// installed before is removed first. Returns the catalogue's language
// ("de", "pt_BR"), or an empty string when the words stay English. The
// catalogues are looked for in `dirs`, or where catalogueDirs() says when
// none are given (only once a language other than English comes up).
QString install(const QStringList& languages = QLocale::system().uiLanguages(), const QStringList& dirs = {});

// Whether a translation is installed: false while the words are English.
bool translated();

// The language of the program's catalogue as it names itself ("ur",
// "pt_BR"), empty while the words are English.
QString language();

// The direction the installed language is written in: left to right for
// English and every language whose catalogue (the program's or Qt's) does
// not say otherwise. install() makes it the application's layout direction.
Qt::LayoutDirection direction();

// Makes the application's layout direction, and the core's digits and
// marks, follow the translation installed now, chosen for `locale`'s
// language. install() calls it; a test with a translator of its own too.
void follow(const QLocale& locale);

// The zero of the digits the schools of the desktop's language write, as
// QLocale has it for the language that chose the catalogue ("fa": U+06F0,
// "ar-EG": U+0660, "ar-MA": '0'); '0' while the words are English.
char32_t zeroDigit();

// Lets the toolkit-free core ask Qt for its words (through whatever
// translation is installed at the time of asking), and tells it the digits
// and the direction of the language installed; install() tells it again.
void serveCore();

}  // namespace korvane::translation

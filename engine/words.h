// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The words the pupil reads and hears, in the desktop's language. The drill
// core knows no toolkit: it marks every text it makes with
// QT_TRANSLATE_NOOP or QT_TRANSLATE_N_NOOP, so that lupdate finds it, and
// asks the translator given to useTranslator() for the words. Without one
// every text stays exactly as written, in English.

#include <initializer_list>
#include <string>

// The marks lupdate looks for, defined as the toolkit defines them, so that
// a file may include both this header and the toolkit's.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace korvane {

class Translator {
public:
    virtual ~Translator() = default;
    // The words for `source` in `context`: the source itself where there is
    // no translation. With n >= 0 the form for the count n, every "%n" in it
    // replaced by the digits of n.
    virtual std::string translate(const char* context, const char* source, int n) const = 0;
};

// The translator the core asks from now on; nullptr for none. Set once,
// before the drill writes its first words, and kept alive as long as the
// windows' models are. The models' fixed captions do not depend on it: they
// stay in English until the windows translate them as they bind them.
void useTranslator(const Translator* translator);

// The words for a marked text.
std::string word(const char* context, const char* source);
// The words for a marked text with a count in words ("%n right of %1").
std::string counted(const char* context, const char* source, int n);
// `text` with %1, %2 ... replaced by the arguments in order, in one pass,
// so an argument is never read as a marker itself.
std::string filled(const std::string& text, std::initializer_list<std::string> arguments);

}  // namespace korvane

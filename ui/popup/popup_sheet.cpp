// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "popup_sheet.h"

#include <array>

#include "ui/shared/sheet_check.h"

namespace korvane {

namespace {

using binding::Speech;
using sheet::Face;
using sheet::Look;
using sheet::Role;
using sheet::Row;

// clang-format off
constexpr std::array kRows{
    // Read out as its words: "Wrong Answer", "Time Out".
    Row{.target = sheet::control<&Tpop::Label1>(), .box = {480, 120, 3615, 375}, .font = {Face::ComicSans, 15.75},
        .speech = Speech::Kind::Words, .look = Look::Alarm, .centred = true, .role = Role::Headline},
    // A fixed name of two words: a screen reader reads the line once, with
    // OK, not again among the window's loose labels of three words or more.
    // Fitted on one line by the window, not kept whole.
    Row{.target = sheet::control<&Tpop::giveanswer>(), .box = {240, 600, 4215, 1095},
        .font = {Face::Arial, kAnswerPoints},
        //: Spoken only: the name of the popup's line with the right answer.
        .spoken = QT_TRANSLATE_NOOP("PopupWindow", "Right answer"), .speech = Speech::Kind::Description,
        .look = Look::Problem, .centred = true, .role = Role::AnswerLine, .fitted = true},
    Row{.target = sheet::control<&Tpop::kill>(), .box = {240, 1800, 4215, 1335}, .tab = 0, .font = {Face::Arial, 24},
        .caption = "OK", .role = Role::Dismiss},
};
// clang-format on
static_assert(sheet::wellFormed(kRows));

constexpr sheet::SheetOf<Tpop> kSheet{{"PopupWindow", "popup", {0, 0, 4680, 3195}, kRows}};

}  // namespace

const sheet::SheetOf<Tpop>& popupSheet() { return kSheet; }

}  // namespace korvane

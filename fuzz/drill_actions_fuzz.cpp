// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Fuzz target: bytes as a pupil's session with the whole program, headless.
// This file decodes the input (layout in drill_input.h) into actions; the
// session (drill_session.h) carries each one out and checks it, and the
// drill's invariants after every step come from the shared test-support
// checks. An index out of range (std::out_of_range from the bounds-checked
// arrays) counts as a failure too.
//
// KORVANE_FUZZ_TRACE=1 in the environment prints every action to stderr.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "drill_input.h"
#include "drill_session.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

enum Op : std::uint8_t {
    kRight,   // click the answer button with the right answer
    kWrong,   // click one with a wrong answer
    kAnswer,  // +1: click but(b % 3)
    kStart,
    kPause,
    kReset,
    kResults,
    kResultsButton,  // +1: show10, show20 or okclose of the results window
    kOperation,      // +1: Option1(b % 3)
    kEndMode,        // +1: setp(b % 4)
    kNumberBox,      // +1: ck(b % 11)
    kSelectAll,
    kUnselect,
    kTypeText,        // +1 combo, +1 length (b % 17), + that many bytes
    kChooseItem,      // +1 combo, +1 item
    kAdvanceMs,       // +2: 0..1999 ms
    kAdvanceSeconds,  // +1: (b + 1) x 100 ms
    kAdvanceMinutes,  // +1: (b % 31) minutes and 1 ms
    kToTimeout,       // +1: to the answer clock's next tick, 1 ms before, at or 1 ms after it
    kPopupScript,     // +1: how the next time-out waits are handled
    kPopupOk,         // click OK on the popup, if it is open
    kCloseWindow,     // +1: the pupil closes the window when b % 4 == 0; the session ends
    kOpCount
};

constexpr const char* kOpNames[kOpCount] = {
    "right answer", "wrong answer",   "answer",      "Start",       "Pause",           "Reset",
    "Results",      "results button", "operation",   "end mode",    "number box",      "Select All",
    "Unselect",     "type text",      "choose item", "advance ms",  "advance seconds", "advance minutes",
    "to time-out",  "popup script",   "popup OK",    "close window"};

bool tracing()
{
    static const bool on = [] {
        const char* v = std::getenv("KORVANE_FUZZ_TRACE");
        return v != nullptr && *v != '\0' && *v != '0';
    }();
    return on;
}

PopupScript popupScript(std::uint8_t b)
{
    static constexpr std::array<std::int64_t, 8> waits{0, 1, 999, 5000, 59999, 60000, 61000, 180000};
    return PopupScript{waits[b & 7], (b & 0x08) == 0, (b & 0x10) != 0, (b & 0xE0) == 0xE0};
}

void act(Session& s, Input& in, Op op)
{
    const int rightslot = s.data().rightslot;
    const bool slotKnown = rightslot >= 1 && rightslot <= 3;
    switch (op) {
    case kRight:
        s.answer(slotKnown ? rightslot - 1 : 0);
        break;
    case kWrong:
        s.answer(slotKnown ? rightslot % 3 : 1);
        break;
    case kAnswer:
        s.answer(in.byte() % 3);
        break;
    case kStart:
        s.start();
        break;
    case kPause:
        s.pause();
        break;
    case kReset:
        s.reset();
        break;
    case kResults:
        s.results();
        break;
    case kResultsButton:
        s.resultsButton(in.byte() % 3);
        break;
    case kOperation:
        s.operation(in.byte() % 3);
        break;
    case kEndMode:
        s.endMode(in.byte() % 4);
        break;
    case kNumberBox:
        s.numberBox(in.byte() % 11);
        break;
    case kSelectAll:
        s.selectAll();
        break;
    case kUnselect:
        s.unselectAll();
        break;
    case kTypeText: {
        ComboBox& box = s.combo(in.byte());
        const std::size_t length = in.byte() % 17;
        s.type(box, in.text(length));
        break;
    }
    case kChooseItem: {
        ComboBox& box = s.combo(in.byte());
        s.type(box, box.items().at(in.byte() % box.items().size()));
        break;
    }
    case kAdvanceMs:
        s.advance(in.word() % 2000);
        break;
    case kAdvanceSeconds:
        s.advance((std::int64_t{in.byte()} + 1) * 100);
        break;
    case kAdvanceMinutes:
        s.advance(std::int64_t{in.byte() % 31} * 60000 + 1);
        break;
    case kToTimeout:
        s.toTimeout(in.byte() % 3 - 1);
        break;
    case kPopupScript:
        s.setPopupScript(popupScript(in.byte()));
        break;
    case kPopupOk:
        s.popupOk();
        break;
    case kCloseWindow:
        if (in.byte() % 4 == 0) {
            s.closeWindow();
        }
        break;
    case kOpCount:
        break;
    }
}

void run(Input& input)
{
    Session session(input);
    while (!input.exhausted() && !session.closed()) {
        ++currentStep;
        const auto op = static_cast<Op>(input.byte() % kOpCount);
        if (tracing()) {
            std::fprintf(stderr, "step %d: %s\n", currentStep, kOpNames[op]);
        }
        act(session, input, op);
        session.check();
        if (tracing()) {
            const Data& d = session.data();
            std::fprintf(stderr,
                         "  started %d  totalprobs %d  totalright %d  elapsed %d  pool %d  stack %d  curfact %d\n",
                         d.started, d.totalprobs, d.totalright, d.elapsed, d.poolcount, d.stackcount, d.curfact);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    currentStep = 0;
    Input input(bytes, size);
    try {
        run(input);
    } catch (const std::out_of_range& e) {
        std::fprintf(stderr, "drill_actions_fuzz: step %d: index out of range: %s\n", currentStep, e.what());
        __builtin_trap();
    }
    return 0;
}

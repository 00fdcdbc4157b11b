// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Makes every widget of a window from its sheet, at its place, and binds
// each to its model control: fixed captions translated into the model,
// names for screen readers, buddies, tab order, captions kept whole. A
// control of the model that the sheet leaves out is reported as the window
// is made.

#include <string>
#include <vector>

#include "sheet.h"

class QWidget;

namespace korvane {

class Announcer;
class ProgramKeys;
class ResultsPage;

namespace sheet {

// What a window needs besides its model: the keys its buttons answer to, the
// announcer of an Announced label, the page a drawing shows.
struct Needs {
    ProgramKeys& keys;
    Announcer* announcer = nullptr;
    const ResultsPage* page = nullptr;
};

class Builder;

// The widgets made, for the window's own behaviour.
class Built {
public:
    // The first widget of the role, or null; all of them, in sheet order.
    QWidget* widget(Role role) const;
    std::vector<QWidget*> widgets(Role role) const;
    // The focusable widgets in tab order.
    const std::vector<QWidget*>& tabOrder() const { return tabOrder_; }
    // The model's controls that the sheet has no row for, by name.
    const std::vector<std::string>& unplaced() const { return unplaced_; }

private:
    friend class Builder;
    std::vector<std::pair<Role, QWidget*>> roles_;
    std::vector<QWidget*> tabOrder_;
    std::vector<std::string> unplaced_;
};

// Builds `sheet` on `window` (whose font is the sheet's window font) for
// `model`; the window's size stays its own to set.
Built build(QWidget& window, ControlWindow& model, const Sheet& sheet, const Needs& needs);

template <typename Model>
Built build(QWidget& window, Model& model, const SheetOf<Model>& sheet, const Needs& needs)
{
    return build(window, static_cast<ControlWindow&>(model), sheet, needs);
}

}  // namespace sheet
}  // namespace korvane

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window Tallyquip: every control of its sheet at its fixed place,
// each bound to its model control. It holds no drill state; the model does.

#include <string>
#include <vector>

#include <QWidget>

#include "engine/tallyquip.h"
#include "ui/shared/sheet_builder.h"

namespace korvane {

class Announcer;
class ProgramKeys;
class Sounds;

class MainWindow : public QWidget {
public:
    // Enter, digits and arrows act on its buttons through `keys`.
    MainWindow(Tallyquip& model, ProgramKeys& keys);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    const Sounds& sounds() const { return *sounds_; }
    Announcer& announcer() const { return *announcer_; }
    // The model's controls that got no widget, by name. Empty unless the
    // window was made wrong; reported as the window is made.
    const std::vector<std::string>& unplaced() const { return built_.unplaced(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void answerFromTheKeys(ProgramKeys& keys);
    void timeOnRequest();

    Tallyquip& model_;
    Sounds* sounds_;        // child of this
    Announcer* announcer_;  // child of this
    sheet::Built built_;
};

}  // namespace korvane

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window Tallyquip: every control at its fixed place, each bound to
// its model control. It holds no drill state; the model does.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QWidget>

#include "engine/tallyquip.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

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
    // The controls left out of the layout, by name: a control of the model
    // that got no widget, or a widget whose name has no place. Empty unless
    // the window was made wrong; reported as the window is made.
    const std::vector<std::string>& unplaced() const { return unplaced_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A child widget named after its control, at the control's place.
    template <typename W>
    W* placed(QWidget* container, std::string_view name);
    QLabel* label(QWidget* container, std::string_view name, Qt::Alignment horizontal);

    void buildFrames();
    void buildLabels();
    void buildButtons();
    void buildSettings();
    void buildPictures();
    void buildSound();
    void buildTimers();
    void nameForScreenReaders();
    void timeOnRequest();
    void orderTabs();
    void keepCaptionsWhole();
    void checkLayout();

    Tallyquip& model_;
    Sounds* sounds_;  // child of this
    ProgramKeys& keys_;
    Announcer* announcer_;           // child of this
    QWidget* valueFrame_ = nullptr;  // child of this
    QWidget* timeFrame_ = nullptr;   // child of this

    // The widgets as they are made, all children of this.
    std::array<QCheckBox*, decltype(Tallyquip::ck)::count()> ck_{};
    std::vector<QRadioButton*> option1_;
    std::array<QLabel*, decltype(Tallyquip::pic)::count()> pic_{};
    QWidget* scor_ = nullptr;
    std::vector<QLabel*> fixedLabels_;
    std::vector<std::pair<const ComboBox*, QComboBox*>> combos_;
    // Every widget placed, by name, and those in the tab order by their
    // place in it.
    std::vector<std::string> placedNames_;
    std::vector<QWidget*> placedWidgets_;  // children of this, in the order made
    std::vector<std::pair<int, QWidget*>> tabPlaces_;
    std::vector<std::string> unplaced_;
};

}  // namespace korvane

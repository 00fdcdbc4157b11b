// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window Tallyquip: every control at its fixed place, each bound to
// its model control. It holds no drill state; the model does.

#include <QWidget>

#include "engine/tallyquip.h"

namespace korvane {

class Announcer;
class Sounds;
class EnterPressesButton;

class MainWindow : public QWidget {
public:
    explicit MainWindow(Tallyquip& model);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    const Sounds& sounds() const { return *sounds_; }
    Announcer& announcer() const { return *announcer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
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

    Tallyquip& model_;
    Sounds* sounds_;                 // child of this
    EnterPressesButton* enterKey_;   // child of this
    Announcer* announcer_;           // child of this
    QWidget* valueFrame_ = nullptr;  // child of this
    QWidget* timeFrame_ = nullptr;   // child of this
};

}  // namespace korvane

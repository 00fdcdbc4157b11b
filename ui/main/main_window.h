#pragma once
// The main window Tallyquip: every control at its fixed place, each bound to
// its model control. It holds no drill state; the model does.

#include <QWidget>

#include "engine/tallyquip.h"

namespace korvane {

class Announcer;
class Chime;
class EnterPressesButton;

class MainWindow : public QWidget {
public:
    explicit MainWindow(Tallyquip& model);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    const Chime& chime() const { return *chime_; }
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

    Tallyquip& model_;
    Chime* chime_;                    // child of this
    EnterPressesButton* enterKey_;    // child of this
    Announcer* announcer_;            // child of this
    QWidget* valueFrame_ = nullptr;   // child of this
    QWidget* timeFrame_ = nullptr;    // child of this
    int chimesPlayed_ = 0;
    int beepsSounded_ = 0;
};

}  // namespace korvane

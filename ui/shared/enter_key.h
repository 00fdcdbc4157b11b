#pragma once
// Enter and Return press the focused push button, as Space already does.
// Qt does this by itself only for buttons in dialogs; Escape stays unbound.

#include <QObject>

class QPushButton;

namespace korvane {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;
    // Installs this filter on the button.
    void watch(QPushButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvane

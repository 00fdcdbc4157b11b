#include "popup_window.h"

#include <utility>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "ui/shared/fonts.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

namespace {

// System colour 10, the border of an active window in the standard scheme.
const QColor kLightGrey(212, 208, 200);

QLabel* label(QWidget* parent, const std::string& name, layout::Twips box)
{
    auto* widget = new QLabel(parent);
    widget->setObjectName(binding::toQt(name));
    widget->setGeometry(layout::pixels(box));
    widget->setAutoFillBackground(true);
    widget->setTextFormat(Qt::PlainText);
    widget->setWordWrap(true);
    widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

}  // namespace

PopupDialog::PopupDialog(Tpop& model) : QDialog(nullptr), model_(&model)
{
    setObjectName(QStringLiteral("tpop"));
    setWindowTitle(QString::fromUtf8(Tpop::kCaption));
    setSizeGripEnabled(false);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    QLabel* headline = label(this, model.Label1.name(), {480, 120, 3615, 375});
    headline->setFont(fonts::comicSans(15.75));
    QPalette red = headline->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    headline->setPalette(red);
    // Read out as its words: "Wrong Answer", "Time Out".
    binding::bindLabel(model.Label1, *headline, binding::Speech::words());

    QLabel* answer = label(this, model.giveanswer.name(), {240, 600, 4215, 1095});
    answer->setFont(fonts::arial(36));
    QPalette white = answer->palette();
    white.setColor(QPalette::Window, Qt::white);
    answer->setPalette(white);
    binding::bindLabel(model.giveanswer, *answer);

    auto* ok = new QPushButton(this);
    ok->setObjectName(binding::toQt(model.kill.name()));
    ok->setGeometry(layout::pixels({240, 1800, 4215, 1335}));
    ok->setFont(fonts::arial(24));
    // Enter presses it because it has the focus, not as a default button.
    ok->setAutoDefault(true);
    ok->setDefault(false);
    binding::bindButton(model.kill, *ok);
    ok->setFocus(Qt::OtherFocusReason);
}

void PopupDialog::closeEvent(QCloseEvent* event)
{
    // The frame's close button is the OK button: the model unloads the
    // popup. This close goes ahead, so the window counts as closed.
    event->accept();
    if (Tpop* model = std::exchange(model_, nullptr)) {
        model->kill_Click();
    }
}

void PopupDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();  // no cancel button: Escape presses nothing
        return;
    }
    QDialog::keyPressEvent(event);
}

PopupWindow::PopupWindow(Tpop& model) : model_(model) { model_.setView(this); }

PopupWindow::~PopupWindow() { model_.setView(nullptr); }

void PopupWindow::created()
{
    PopupDialog& dialog = window_.adopt(std::make_unique<PopupDialog>(model_));
    placeCentred(dialog, layout::pixels({0, 0, kClientWidth, kClientHeight}).size());
}

void PopupWindow::destroyed()
{
    if (PopupDialog* dialog = window_.get()) {
        dialog->detach();
        const bool held = FocusReturn::holdsFocus(*dialog);
        window_.release();  // the close also ends a modal wait
        focusReturn_.giveBack(held);
    }
}

void PopupWindow::describeForScreenReaders()
{
    // The headline and the answer line are complete once the popup is
    // shown; OK, which takes the focus, carries both, so a screen reader
    // says them with it.
    if (PopupDialog* dialog = window_.get()) {
        if (auto* ok = dialog->findChild<QPushButton*>(binding::toQt(model_.kill.name()))) {
            const QString headline = binding::spokenWords(binding::toQt(model_.Label1.Caption()));
            const QString line = binding::toQt(model_.giveanswer.Caption());
            const QString description = headline.isEmpty() ? line : headline + QStringLiteral(". ") + line;
            if (ok->accessibleDescription() != description) {
                ok->setAccessibleDescription(description);
            }
        }
    }
}

void PopupWindow::showModeless()
{
    describeForScreenReaders();
    if (PopupDialog* dialog = window_.get()) {
        focusReturn_.remember(*dialog);
        dialog->setWindowModality(Qt::NonModal);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void PopupWindow::runModal()
{
    QPointer<PopupDialog> dialog = window_.get();
    if (!dialog) {
        return;
    }
    describeForScreenReaders();
    focusReturn_.remember(*dialog);
    // exec() on a dialog already on screen modeless would not block the
    // main window: take it down first.
    if (dialog->isVisible()) {
        dialog->hide();
    }
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();  // until destroyed() calls done()
}

}  // namespace korvane

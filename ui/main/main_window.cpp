// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "chime.h"
#include "frame_box.h"
#include "main_layout.h"
#include "qt_timer_binding.h"
#include "resources.h"
#include "sound_holder.h"
#include "ui/shared/announcer.h"
#include "ui/shared/caption_fit.h"
#include "ui/shared/enter_key.h"
#include "ui/shared/fonts.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

namespace {

QString qtName(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

// The words of this window in the desktop's language; `source` is one of
// the texts marked below.
QString say(std::string_view source) { return QCoreApplication::translate("MainWindow", source.data()); }

// A child widget named after its control, at the control's place.
template <typename W>
W* placed(QWidget* container, std::string_view name)
{
    auto* widget = new W(container);
    widget->setObjectName(qtName(name));
    widget->setGeometry(layout::pixels(layout::mainPlace(name).box));
    return widget;
}

// Labels are opaque, borderless, wrap at blanks and clip at their height;
// their text sits at the top.
QLabel* label(QWidget* container, std::string_view name, Qt::Alignment horizontal)
{
    auto* widget = placed<QLabel>(container, name);
    widget->setAutoFillBackground(true);
    widget->setFrameShape(QFrame::NoFrame);
    widget->setTextFormat(Qt::PlainText);
    widget->setWordWrap(true);
    widget->setAlignment(horizontal | Qt::AlignTop);
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

// Labels that name other controls; the drill never writes to them. A
// label that names one combo box also gives it its accessible name.
struct FixedLabel {
    std::string_view name;
    std::string_view caption;
    bool inTimeFrame;
    std::string_view combo = {};
};

constexpr std::array kFixedLabels{
    FixedLabel{"L1to5", "    1        2         3         4        5", false},
    FixedLabel{"Lplusten", " +10", false},
    FixedLabel{"L610", "    6         7        8         9       10 ", false},
    FixedLabel{"Lmaxtime", QT_TRANSLATE_NOOP("MainWindow", "MaxTime"), true, "maxtime"},
    FixedLabel{"Lmaxnumber", QT_TRANSLATE_NOOP("MainWindow", "MaxNumber"), true, "MaxNum"},
    FixedLabel{"Label1", QT_TRANSLATE_NOOP("MainWindow", "Wrong"), true, "wrongnum"},
    FixedLabel{"Label2", QT_TRANSLATE_NOOP("MainWindow", "Right"), true, "NumRepeat"},
    FixedLabel{"Label3", QT_TRANSLATE_NOOP("MainWindow", "TimeLimit"), true, "ShockTime"},
};

// What a screen reader calls the controls whose caption says little or
// nothing when read out: the number boxes have none, the operations are
// signs, the pictures have no text.
struct SpokenName {
    std::string_view control;
    std::string_view name;
};

constexpr std::array kSpokenNames{
    SpokenName{"ck(10)", QT_TRANSLATE_NOOP("MainWindow", "Plus ten")},
    SpokenName{"Option1(0)", QT_TRANSLATE_NOOP("MainWindow", "Addition")},
    SpokenName{"Option1(1)", QT_TRANSLATE_NOOP("MainWindow", "Subtraction")},
    SpokenName{"Option1(2)", QT_TRANSLATE_NOOP("MainWindow", "Multiplication")},
    SpokenName{"pic(0)", QT_TRANSLATE_NOOP("MainWindow", "Belquist logo")},
    SpokenName{"pic(1)", QT_TRANSLATE_NOOP("MainWindow", "Three question marks")},
    SpokenName{"pic(2)", QT_TRANSLATE_NOOP("MainWindow", "Smiling face")},
    SpokenName{"pic(3)", QT_TRANSLATE_NOOP("MainWindow", "Surprised face")},
    SpokenName{"scor", QT_TRANSLATE_NOOP("MainWindow", "Chime")},
};

}  // namespace

MainWindow::MainWindow(Tallyquip& model)
    : model_(model),
      sounds_(new Sounds(Sounds::findChimeFile(), this)),
      enterKey_(new EnterPressesButton(this)),
      announcer_(new Announcer(*this))
{
    setObjectName(QStringLiteral("Tallyquip"));
    setWindowTitle(QString::fromUtf8(Tallyquip::kCaption));
    setFont(fonts::dialog());
    // Popups of child widgets (the combo lists) use the window's font too.
    setAttribute(Qt::WA_WindowPropagation);

    buildFrames();
    buildLabels();
    buildSettings();
    buildButtons();
    buildPictures();
    buildSound();
    buildTimers();
    nameForScreenReaders();
    timeOnRequest();
    orderTabs();
    keepCaptionsWhole();

    // Nothing is laid out again on a resize: every control keeps its place.
    placeCentred(*this, layout::pixels({0, 0, layout::kMainClientWidth, layout::kMainClientHeight}).size());
}

MainWindow::~MainWindow()
{
    model_.scor.onPlay = nullptr;
    model_.beep.onPlay = nullptr;
    model_.typed.onFocus = nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    model_.windowClosed();
    event->accept();
}

void MainWindow::buildFrames()
{
    auto* value = placed<FrameBox>(this, "Value");
    value->setTitle(say(QT_TRANSLATE_NOOP("MainWindow", "Values")));
    auto* time = placed<FrameBox>(this, "Ftime");
    time->setTitle(say(QT_TRANSLATE_NOOP("MainWindow", "Time")));
    valueFrame_ = value;
    timeFrame_ = time;
}

void MainWindow::buildLabels()
{
    QLabel* cap = label(this, model_.cap.name(), Qt::AlignHCenter);
    cap->setFont(fonts::arial(48));
    colours::paint(*cap, colours::System::TitleText);
    // The problem, "Correct!" and "Wrong!" are said as they come, wherever
    // the focus is.
    binding::bindLabel(model_.cap, *cap,
                       binding::Speech::announced(say(QT_TRANSLATE_NOOP("MainWindow", "Problem")), *announcer_));

    // The score is read out after each answer, the clock never by itself:
    // it changes every second.
    const std::array clockAndScore{
        std::pair{&model_.Timecap, binding::Speech::quiet(say(QT_TRANSLATE_NOOP("MainWindow", "Time left")))},
        std::pair{&model_.score, binding::Speech::described(say(QT_TRANSLATE_NOOP("MainWindow", "Score")))},
    };
    for (const auto& [model, speech] : clockAndScore) {
        QLabel* widget = label(this, model->name(), Qt::AlignHCenter);
        widget->setFont(fonts::arial(14.25));
        binding::bindLabel(*model, *widget, speech);
    }

    for (const FixedLabel& fixed : kFixedLabels) {
        QLabel* widget = label(fixed.inTimeFrame ? timeFrame_ : valueFrame_, fixed.name, Qt::AlignLeft);
        widget->setText(fixed.combo.empty() ? qtName(fixed.caption) : say(fixed.caption));
    }
}

void MainWindow::buildButtons()
{
    auto button = [this](QWidget* container, CommandButton& model, const QFont& font,
                         const binding::Speech& speech = binding::Speech::caption()) {
        auto* widget = placed<QPushButton>(container, model.name());
        widget->setFont(font);
        widget->setAutoDefault(false);
        widget->setDefault(false);
        binding::bindButton(model, *widget, speech);
        enterKey_->watch(*widget);
        return widget;
    };
    // An answer button is called by its slot; its value is its description.
    std::array<QPushButton*, 3> answers{};
    for (int i = 0; i < model_.but.count(); ++i) {
        answers.at(static_cast<std::size_t>(i)) =
            button(this, model_.but(i), fonts::arial(48),
                   binding::Speech::described(say(QT_TRANSLATE_NOOP("MainWindow", "Answer %1")).arg(i + 1)));
    }
    // Typed numbers and the arrow keys move the focus as a keyboard shortcut
    // does: the focus frame shows, and a screen reader says the answer.
    enterKey_->answerWith(model_.typed, answers);
    model_.typed.onFocus = [answers](int i) {
        answers.at(static_cast<std::size_t>(i))->setFocus(Qt::ShortcutFocusReason);
    };
    auto* start = button(this, model_.Start, fonts::arial(24));
    // Sounds come only during a run, so the sound library loads when the
    // pupil presses Start, not while the program sits waiting.
    connect(start, &QPushButton::pressed, sounds_, &Sounds::prepare);
    button(this, model_.Stop, fonts::arial(24));
    // Results and Reset lie over the empty lower band of the Time frame but
    // belong to the window; made after the frame, they are drawn above it.
    button(this, model_.results, fonts::arial(18));
    button(this, model_.clear, fonts::arial(18));
    button(valueFrame_, model_.selectall, font());
    button(valueFrame_, model_.unselect, font());
}

void MainWindow::buildSettings()
{
    for (int i = 0; i < model_.ck.count(); ++i) {
        auto* box = placed<QCheckBox>(valueFrame_, model_.ck(i).name());
        binding::bindCheckBox(model_.ck(i), *box);
    }

    auto radios = [](QWidget* container, OptionGroup& group) {
        std::vector<QRadioButton*> widgets;
        for (int i = 0; i < group.count(); ++i) {
            auto* radio = placed<QRadioButton>(container, group(i).name());
            radio->setText(binding::toQt(group(i).Caption()));
            // A narrow gap after the circle, so "Number" fits its 57 pixels.
            radio->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
            widgets.push_back(radio);
        }
        binding::bindOptionGroup(group, widgets);
    };
    radios(timeFrame_, model_.setp);
    // The operation choice belongs to the window, drawn above the Time
    // frame and never grouped with the end-mode buttons inside it.
    radios(this, model_.Option1);

    for (ComboBox* model : {&model_.maxtime, &model_.MaxNum, &model_.wrongnum, &model_.NumRepeat, &model_.ShockTime}) {
        auto* combo = placed<QComboBox>(timeFrame_, model->name());
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays exactly as typed: no completion from the list.
        combo->setCompleter(nullptr);
        binding::bindComboBox(*model, *combo);
    }
}

void MainWindow::buildPictures()
{
    for (int i = 0; i < model_.pic.count(); ++i) {
        auto* picture = placed<QLabel>(this, model_.pic(i).name());
        // Drawn for the screen the window opens on: the 120 px file at 1x,
        // the 240 px one on a 2x screen.
        picture->setPixmap(pictureForScreen(QStringLiteral(":/assets/pic%1.png").arg(i), picture->devicePixelRatio()));
        picture->setScaledContents(false);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFocusPolicy(Qt::NoFocus);
        binding::bindPicture(model_.pic(i), *picture);
    }
}

void MainWindow::buildSound()
{
    auto* holder = new SoundHolder(this);
    holder->setObjectName(binding::toQt(model_.scor.name()));
    holder->setGeometry(layout::pixels(layout::mainPlace(model_.scor.name()).box));

    // Each play request sounds once.
    model_.scor.onPlay = [this] { sounds_->chime(); };
    model_.beep.onPlay = [this] { sounds_->bell(); };
}

void MainWindow::buildTimers()
{
    for (Timer* timer : model_.timers()) {
        new QtTimerBinding(*timer, this);
    }
}

void MainWindow::nameForScreenReaders()
{
    for (int i = 0; i < 10; ++i) {
        findChild<QWidget*>(qtName(model_.ck(i).name()))
            ->setAccessibleName(say(QT_TRANSLATE_NOOP("MainWindow", "Number %1")).arg(i + 1));
    }
    for (const SpokenName& spoken : kSpokenNames) {
        findChild<QWidget*>(qtName(spoken.control))->setAccessibleName(say(spoken.name));
    }
    // A combo box is called by the label beside it; the text field inside,
    // which holds the focus, by the same name.
    for (const FixedLabel& fixed : kFixedLabels) {
        if (fixed.combo.empty()) {
            continue;
        }
        auto* label = findChild<QLabel*>(qtName(fixed.name));
        auto* combo = findChild<QComboBox*>(qtName(fixed.combo));
        label->setBuddy(combo);
        combo->setAccessibleName(say(fixed.caption));
        if (QLineEdit* field = combo->lineEdit()) {
            field->setAccessibleName(say(fixed.caption));
        }
    }
}

void MainWindow::timeOnRequest()
{
    // The clock is never read out by itself; T (for time), a key the drill
    // has no other use for, says it on request. A text field that has the
    // focus takes the letter as typed text instead.
    auto* tellTime = new QShortcut(QKeySequence(Qt::Key_T), this);
    tellTime->setContext(Qt::WindowShortcut);
    connect(tellTime, &QShortcut::activated, this,
            [this] { announcer_->announce(binding::toQt(model_.Timecap.Caption())); });
}

void MainWindow::keepCaptionsWhole()
{
    // Every caption, fixed or written by the drill, in whatever language.
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QAbstractButton*>(widget) != nullptr) {
            captionfit::keepWhole(*widget);
        }
    }
}

void MainWindow::orderTabs()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty()) {
            continue;
        }
        const std::string name = widget->objectName().toStdString();
        const auto places = layout::mainWindow();
        const auto place =
            std::find_if(places.begin(), places.end(), [&](const layout::Place& p) { return p.name == name; });
        if (place != places.end() && place->tab >= 0) {
            order.emplace_back(place->tab, widget);
        }
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
    // Reset has the lowest place: the focus starts there.
    if (!order.empty()) {
        order.front().second->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace korvane

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include <algorithm>
#include <array>
#include <iterator>
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
#include <QStringList>

#include "chime.h"
#include "frame_box.h"
#include "main_layout.h"
#include "qt_timer_binding.h"
#include "resources.h"
#include "sound_holder.h"
#include "ui/shared/announcer.h"
#include "ui/shared/caption_fit.h"
#include "ui/shared/fonts.h"
#include "ui/shared/program_keys.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

namespace {

QString qtName(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

// The words of this window in the desktop's language; `source` is one of
// the texts marked below.
QString say(std::string_view source) { return QCoreApplication::translate("MainWindow", source.data()); }

}  // namespace

// A child widget named after its control, at its place in the layout.
template <typename W>
W* MainWindow::placed(QWidget* container, std::string_view name)
{
    auto* widget = new W(container);
    widget->setObjectName(qtName(name));
    // Each control holds the window's font itself rather than inheriting
    // it: a desktop theme's font for a class of widgets (GNOME's for option
    // buttons and check boxes) would otherwise stand in for it wherever a
    // style sheet cuts the inheritance, and cut the captions.
    widget->setFont(font());
    placedNames_.emplace_back(name);
    placedWidgets_.push_back(widget);
    if (const layout::Place* place = layout::mainPlace(name)) {
        widget->setGeometry(layout::pixels(place->box));
        if (place->tab >= 0) {
            tabPlaces_.emplace_back(place->tab, widget);
        }
    } else {
        unplaced_.emplace_back(name);
    }
    return widget;
}

// Labels are opaque, borderless, wrap at blanks and clip at their height;
// their text sits at the top.
QLabel* MainWindow::label(QWidget* container, std::string_view name, Qt::Alignment horizontal)
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

namespace {

// Labels that name other controls; the drill never writes to them. A
// label that names one combo box also gives it its accessible name.
struct FixedLabel {
    std::string_view name;
    std::string_view caption;
    bool inTimeFrame;
    ComboBox Tallyquip::*combo = nullptr;
};

constexpr std::array kFixedLabels{
    FixedLabel{"L1to5", "    1        2         3         4        5", false},
    FixedLabel{"Lplusten", " +10", false},
    FixedLabel{"L610", "    6         7        8         9       10 ", false},
    //: Main window, Time frame: the label over the box of minutes a run lasts; 57 pixels wide, one line.
    FixedLabel{"Lmaxtime", QT_TRANSLATE_NOOP("MainWindow", "MaxTime"), true, &Tallyquip::maxtime},
    //: Main window, Time frame: the label over the box of how many problems a run has; 65 pixels, one line.
    FixedLabel{"Lmaxnumber", QT_TRANSLATE_NOOP("MainWindow", "MaxNumber"), true, &Tallyquip::MaxNum},
    //: Main window, Time frame: beside the box of how often a missed problem comes back; 49 pixels, one line.
    FixedLabel{"Label1", QT_TRANSLATE_NOOP("MainWindow", "Wrong"), true, &Tallyquip::wrongnum},
    //: Main window, Time frame: beside the box of right answers that retire a problem; 49 pixels, one line.
    FixedLabel{"Label2", QT_TRANSLATE_NOOP("MainWindow", "Right"), true, &Tallyquip::NumRepeat},
    //: Main window, Time frame: beside the box of seconds to answer one problem; 49 pixels, one line.
    FixedLabel{"Label3", QT_TRANSLATE_NOOP("MainWindow", "TimeLimit"), true, &Tallyquip::ShockTime},
};

}  // namespace

MainWindow::MainWindow(Tallyquip& model, ProgramKeys& keys)
    : model_(model), sounds_(new Sounds(Sounds::findChimeFile(), this)), keys_(keys), announcer_(new Announcer(*this))
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
    checkLayout();

    // Nothing is laid out again on a resize: every control keeps its place.
    placeCentred(*this, layout::pixels({0, 0, layout::kMainClientWidth, layout::kMainClientHeight}).size());
    rtl::mirror(*this);
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
    //: Main window: the title of the frame with the number boxes 1 to 10; about 150 pixels.
    value->setTitle(say(QT_TRANSLATE_NOOP("MainWindow", "Values")));
    auto* time = placed<FrameBox>(this, "Ftime");
    //: Main window: the title of the frame with the run's settings; about 150 pixels.
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
                       //: Spoken only: the name of the big line that shows the problem.
                       binding::Speech::announced(say(QT_TRANSLATE_NOOP("MainWindow", "Problem")), *announcer_));

    // The score is read out after each answer, the clock never by itself:
    // it changes every second.
    const std::array clockAndScore{
        //: Spoken only: the name of the line that counts down the seconds to answer.
        std::pair{&model_.Timecap, binding::Speech::quiet(say(QT_TRANSLATE_NOOP("MainWindow", "Time left")))},
        //: Spoken only: the name of the score line.
        std::pair{&model_.score, binding::Speech::described(say(QT_TRANSLATE_NOOP("MainWindow", "Score")))},
    };
    for (const auto& [model, speech] : clockAndScore) {
        QLabel* widget = label(this, model->name(), Qt::AlignHCenter);
        widget->setFont(fonts::arial(14.25));
        binding::bindLabel(*model, *widget, speech);
    }

    for (const FixedLabel& fixed : kFixedLabels) {
        QLabel* widget = label(fixed.inTimeFrame ? timeFrame_ : valueFrame_, fixed.name, Qt::AlignLeft);
        widget->setText(fixed.combo == nullptr ? qtName(fixed.caption) : say(fixed.caption));
        fixedLabels_.push_back(widget);
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
        keys_.watch(*widget);
        return widget;
    };
    // An answer button is called by its slot; its value is its description.
    std::array<QPushButton*, 3> answers{};
    for (int i = 0; i < model_.but.count(); ++i) {
        answers.at(static_cast<std::size_t>(i)) =
            button(this, model_.but(i), fonts::arial(48),
                   //: Spoken only: the name of answer button %1 (1, 2 or 3).
                   binding::Speech::described(say(QT_TRANSLATE_NOOP("MainWindow", "Answer %1")).arg(i + 1)));
    }
    // Typed numbers and the arrow keys move the focus as a keyboard shortcut
    // does: the focus frame shows, and a screen reader says the answer.
    keys_.answerWith(model_.typed, answers);
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
        ck_.at(static_cast<std::size_t>(i)) = box;
    }

    auto radios = [this](QWidget* container, OptionGroup& group) {
        std::vector<QRadioButton*> widgets;
        for (int i = 0; i < group.count(); ++i) {
            auto* radio = placed<QRadioButton>(container, group(i).name());
            radio->setText(binding::toQt(group(i).Caption()));
            // A narrow gap after the circle, so "Number" fits its 57 pixels.
            colours::followWithStyleSheet(*radio, QStringLiteral("QRadioButton { spacing: 3px; }"));
            widgets.push_back(radio);
        }
        binding::bindOptionGroup(group, widgets);
        return widgets;
    };
    radios(timeFrame_, model_.setp);
    // The operation choice belongs to the window, drawn above the Time
    // frame and never grouped with the end-mode buttons inside it.
    option1_ = radios(this, model_.Option1);

    for (ComboBox* model : {&model_.maxtime, &model_.MaxNum, &model_.wrongnum, &model_.NumRepeat, &model_.ShockTime}) {
        auto* combo = placed<QComboBox>(timeFrame_, model->name());
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays exactly as typed: no completion from the list.
        combo->setCompleter(nullptr);
        binding::bindComboBox(*model, *combo);
        combos_.emplace_back(model, combo);
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
        pic_.at(static_cast<std::size_t>(i)) = picture;
    }
}

void MainWindow::buildSound()
{
    scor_ = placed<SoundHolder>(this, model_.scor.name());

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
        ck_.at(static_cast<std::size_t>(i))
            //: Spoken only: the name of the box that puts number %1 (1 to 10) into the problems.
            ->setAccessibleName(say(QT_TRANSLATE_NOOP("MainWindow", "Number %1")).arg(i + 1));
    }
    // What a screen reader calls the controls whose caption says little or
    // nothing when read out: the number boxes have none, the operations are
    // signs, the pictures have no text.
    const std::array<std::pair<QWidget*, const char*>, 9> kSpokenNames{{
        //: Spoken only: the name of the +10 box, which adds 11 to 20 to the other number of + and - problems.
        {ck_[10], QT_TRANSLATE_NOOP("MainWindow", "Plus ten")},
        //: Spoken only: the name of the ( + ) option button, which chooses plus problems.
        {option1_.at(0), QT_TRANSLATE_NOOP("MainWindow", "Addition")},
        //: Spoken only: the name of the ( - ) option button, which chooses minus problems.
        {option1_.at(1), QT_TRANSLATE_NOOP("MainWindow", "Subtraction")},
        //: Spoken only: the name of the ( x ) option button, which chooses times problems.
        {option1_.at(2), QT_TRANSLATE_NOOP("MainWindow", "Multiplication")},
        //: Spoken only: the picture shown before a run, the program's logo.
        {pic_[0], QT_TRANSLATE_NOOP("MainWindow", "Belquist logo")},
        //: Spoken only: the picture shown after a time-out.
        {pic_[1], QT_TRANSLATE_NOOP("MainWindow", "Three question marks")},
        //: Spoken only: the picture shown after a right answer.
        {pic_[2], QT_TRANSLATE_NOOP("MainWindow", "Smiling face")},
        //: Spoken only: the picture shown after a wrong answer.
        {pic_[3], QT_TRANSLATE_NOOP("MainWindow", "Surprised face")},
        //: Spoken only: the name of the small sound control that plays the chime.
        {scor_, QT_TRANSLATE_NOOP("MainWindow", "Chime")},
    }};
    for (const auto& [widget, name] : kSpokenNames) {
        widget->setAccessibleName(say(name));
    }
    // A combo box is called by the label beside it; the text field inside,
    // which holds the focus, by the same name.
    for (std::size_t i = 0; i < kFixedLabels.size(); ++i) {
        const FixedLabel& fixed = kFixedLabels[i];
        if (fixed.combo == nullptr) {
            continue;
        }
        for (const auto& [model, combo] : combos_) {
            if (model != &(model_.*fixed.combo)) {
                continue;
            }
            fixedLabels_.at(i)->setBuddy(combo);
            combo->setAccessibleName(say(fixed.caption));
            if (QLineEdit* field = combo->lineEdit()) {
                field->setAccessibleName(say(fixed.caption));
            }
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
    for (QWidget* widget : placedWidgets_) {
        if (qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QAbstractButton*>(widget) != nullptr) {
            captionfit::keepWhole(*widget);
        }
    }
}

void MainWindow::orderTabs()
{
    std::vector<std::pair<int, QWidget*>> order;
    std::copy_if(tabPlaces_.begin(), tabPlaces_.end(), std::back_inserter(order),
                 [](const auto& entry) { return entry.second->focusPolicy() != Qt::NoFocus; });
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
    // Reset has the lowest place: the focus starts there.
    if (!order.empty()) {
        order.front().second->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::checkLayout()
{
    // Every control of the model has a widget at its place; one left out
    // would be missing from the window without a word.
    for (const Control* control : model_.controls()) {
        if (std::find(placedNames_.begin(), placedNames_.end(), control->name()) == placedNames_.end()) {
            unplaced_.push_back(control->name());
        }
    }
    if (!unplaced_.empty()) {
        QStringList names;
        for (const std::string& name : unplaced_) {
            names << binding::toQt(name);
        }
        qCritical("Controls left out of the main window's layout: %s", qPrintable(names.join(QStringLiteral(", "))));
    }
}

}  // namespace korvane

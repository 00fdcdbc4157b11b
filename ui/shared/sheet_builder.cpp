// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "sheet_builder.h"

#include <algorithm>
#include <array>
#include <map>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "caption_fit.h"
#include "fonts.h"
#include "program_keys.h"
#include "system_colours.h"
#include "ui/main/frame_box.h"
#include "ui/main/resources.h"
#include "ui/main/sound_holder.h"
#include "ui/results/drawing_widget.h"

namespace korvane::sheet {

QWidget* Built::widget(Role role) const
{
    const std::vector<QWidget*> found = widgets(role);
    return found.empty() ? nullptr : found.front();
}

std::vector<QWidget*> Built::widgets(Role role) const
{
    std::vector<QWidget*> found;
    for (const auto& [has, widget] : roles_) {
        if (has == role) {
            found.push_back(widget);
        }
    }
    return found;
}

namespace {

QFont fontOf(const Font& font, const QWidget& window)
{
    switch (font.face) {
    case Face::Window:
        break;
    case Face::Arial:
        return fonts::arial(font.points);
    case Face::ComicSans:
        return fonts::comicSans(font.points);
    case Face::Courier:
        return fonts::courier(font.points);
    }
    return window.font();
}

}  // namespace

// Makes one sheet's widgets; each row's widget is kept by row, in order.
class Builder {
public:
    Builder(QWidget& window, ControlWindow& model, const Sheet& sheet, const Needs& needs)
        : window_(window), model_(model), sheet_(sheet), needs_(needs)
    {
        containers_[kWindow] = &window;
    }

    Built run();

private:
    QString words(const char* source) const { return QCoreApplication::translate(sheet_.context, source); }
    QString spokenName(const Row& row) const;
    binding::Speech speechOf(const Row& row) const;
    template <typename W>
    W* place(const Row& row, const Control* control);
    // The row's fixed caption, in the desktop's language, into the model.
    template <typename C>
    C& captioned(const Row& row, Control& control);
    QWidget* make(const Row& row, Control* control);
    QLabel* makeLabel(const Row& row, Control* control);
    void nameBuddies();
    void orderTabs(std::vector<std::pair<int, QWidget*>> tabs);
    void reportUnplaced();

    QWidget& window_;
    ControlWindow& model_;
    const Sheet& sheet_;
    const Needs& needs_;
    std::array<QWidget*, kMostFrames + 1> containers_{};
    std::vector<QWidget*> made_;  // by row
    std::vector<const Control*> bound_;
    std::map<OptionGroup*, std::vector<QRadioButton*>> groups_;
    Built built_;
};

QString Builder::spokenName(const Row& row) const
{
    QString name = words(row.spoken);
    return name.contains(QStringLiteral("%1")) ? name.arg(row.target.index + 1) : name;
}

binding::Speech Builder::speechOf(const Row& row) const
{
    return binding::Speech::of(row.speech, row.spoken != nullptr ? spokenName(row) : QString(), needs_.announcer);
}

// A widget named after its control, at its place, in its font and colours.
template <typename W>
W* Builder::place(const Row& row, const Control* control)
{
    auto* widget = new W(containers_.at(static_cast<std::size_t>(row.in)));
    widget->setObjectName(control != nullptr ? binding::toQt(control->name()) : QString::fromUtf8(row.target.name));
    widget->setGeometry(layout::pixels(row.box));
    // Each control holds its font itself rather than inheriting it: a
    // desktop theme's font for a class of widgets (GNOME's for option
    // buttons and check boxes) would otherwise stand in for it wherever a
    // style sheet cuts the inheritance, and cut the captions.
    widget->setFont(fontOf(row.font, window_));
    if (row.look == Look::Problem) {
        colours::paint(*widget, colours::System::TitleText);
    } else if (row.look == Look::Alarm) {
        // Pure red on the button face, as the main window's labels; on
        // another ground where the face would leave the red harder to read
        // than in the light scheme.
        colours::paintInk(*widget, QColor(255, 0, 0));
    }
    return widget;
}

template <typename C>
C& Builder::captioned(const Row& row, Control& control)
{
    auto& captioned = static_cast<C&>(control);
    if (row.caption != nullptr) {
        captioned.setCaption(words(row.caption).toStdString());
    }
    return captioned;
}

// Labels are opaque, borderless, wrap at blanks and clip at their height;
// their text sits at the top.
QLabel* Builder::makeLabel(const Row& row, Control* control)
{
    auto* label = place<QLabel>(row, control);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::NoFrame);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    if (control == nullptr) {
        label->setText(row.translate ? words(row.caption) : QString::fromUtf8(row.caption));
    } else {
        binding::bindLabel(captioned<Label>(row, *control), *label, speechOf(row));
    }
    return label;
}

QWidget* Builder::make(const Row& row, Control* control)
{
    switch (row.target.kind) {
    case Kind::Frame: {
        auto* frame = place<FrameBox>(row, control);
        frame->setTitle(words(row.caption));
        containers_.at(static_cast<std::size_t>(row.frame)) = frame;
        return frame;
    }
    case Kind::Label:
        return makeLabel(row, control);
    case Kind::Button: {
        auto* button = place<QPushButton>(row, control);
        // Enter presses it because it has the focus, not as a default
        // button, and a held key presses it once.
        button->setAutoDefault(false);
        button->setDefault(false);
        binding::bindButton(captioned<CommandButton>(row, *control), *button, speechOf(row));
        needs_.keys.watch(*button);
        return button;
    }
    case Kind::Option: {
        auto* radio = place<QRadioButton>(row, control);
        radio->setText(binding::toQt(captioned<OptionButton>(row, *control).Caption()));
        // A narrow gap after the circle, so "Number" fits its 57 pixels.
        colours::followWithStyleSheet(*radio, QStringLiteral("QRadioButton { spacing: 3px; }"));
        // Bound as a group once all of it is made.
        OptionGroup* group = row.target.group(model_);
        std::vector<QRadioButton*>& widgets = groups_[group];
        widgets.resize(static_cast<std::size_t>(group->count()));
        widgets.at(static_cast<std::size_t>(row.target.index)) = radio;
        return radio;
    }
    case Kind::CheckBox: {
        auto* box = place<QCheckBox>(row, control);
        binding::bindCheckBox(static_cast<CheckBox&>(*control), *box);
        return box;
    }
    case Kind::Combo: {
        auto* combo = place<QComboBox>(row, control);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays exactly as typed: no completion from the list.
        combo->setCompleter(nullptr);
        binding::bindComboBox(static_cast<ComboBox&>(*control), *combo);
        return combo;
    }
    case Kind::Picture: {
        auto* picture = place<QLabel>(row, control);
        // Drawn for the screen the window opens on: the 120 px file at 1x,
        // the 240 px one on a 2x screen.
        picture->setPixmap(pictureForScreen(QString::fromUtf8(row.picture), picture->devicePixelRatio()));
        picture->setScaledContents(false);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFocusPolicy(Qt::NoFocus);
        binding::bindPicture(static_cast<Picture&>(*control), *picture);
        return picture;
    }
    case Kind::Sound:
        return place<SoundHolder>(row, control);
    case Kind::Drawing: {
        auto* drawing = new DrawingWidget(static_cast<DrawingArea&>(*control), *needs_.page,
                                          containers_.at(static_cast<std::size_t>(row.in)));
        drawing->setObjectName(binding::toQt(control->name()));
        drawing->setGeometry(layout::pixels(row.box));
        drawing->setFont(fontOf(row.font, window_));
        return drawing;
    }
    }
    return nullptr;
}

Built Builder::run()
{
    std::vector<std::pair<int, QWidget*>> tabs;
    for (const Row& row : sheet_.rows) {
        Control* control = row.target.get != nullptr ? row.target.get(model_) : nullptr;
        QWidget* widget = make(row, control);
        made_.push_back(widget);
        if (control != nullptr) {
            bound_.push_back(control);
        }
        if (row.spoken != nullptr && row.target.kind != Kind::Label && row.target.kind != Kind::Button) {
            widget->setAccessibleName(spokenName(row));
        }
        if (row.role != Role::None) {
            built_.roles_.emplace_back(row.role, widget);
        }
        if (row.tab >= 0) {
            tabs.emplace_back(row.tab, widget);
        }
    }
    for (auto& [group, widgets] : groups_) {
        binding::bindOptionGroup(*group, widgets);
    }
    nameBuddies();
    orderTabs(std::move(tabs));
    // Every caption, fixed or written by the drill, in whatever language.
    for (std::size_t i = 0; i < made_.size(); ++i) {
        QWidget* widget = made_[i];
        const bool caption = qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QAbstractButton*>(widget);
        if (caption && !sheet_.rows[i].fitted) {
            captionfit::keepWhole(*widget);
        }
    }
    reportUnplaced();
    return std::move(built_);
}

// A combo box is called by the label that names it; the text field inside,
// which holds the focus, by the same name.
void Builder::nameBuddies()
{
    for (std::size_t i = 0; i < made_.size(); ++i) {
        const Row& label = sheet_.rows[i];
        for (std::size_t j = 0; label.names.get != nullptr && j < made_.size(); ++j) {
            if (sheet_.rows[j].target == label.names) {
                const QString name = words(label.caption);
                static_cast<QLabel*>(made_[i])->setBuddy(made_[j]);
                made_[j]->setAccessibleName(name);
                if (QLineEdit* field = static_cast<QComboBox*>(made_[j])->lineEdit()) {
                    field->setAccessibleName(name);
                }
            }
        }
    }
}

// The focusable widgets by their place in the tab order; the first has the
// focus to begin with.
void Builder::orderTabs(std::vector<std::pair<int, QWidget*>> tabs)
{
    std::erase_if(tabs, [](const auto& entry) { return entry.second->focusPolicy() == Qt::NoFocus; });
    std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*>& order = built_.tabOrder_;
    for (const auto& [tab, widget] : tabs) {
        if (!order.empty()) {
            QWidget::setTabOrder(order.back(), widget);
        }
        order.push_back(widget);
    }
    if (!order.empty()) {
        order.front()->setFocus(Qt::OtherFocusReason);
    }
}

// Every control of the model has a widget at its place; one left out would
// be missing from the window without a word.
void Builder::reportUnplaced()
{
    QStringList names;
    for (const Control* control : model_.controls()) {
        if (std::find(bound_.begin(), bound_.end(), control) == bound_.end()) {
            built_.unplaced_.push_back(control->name());
            names << binding::toQt(control->name());
        }
    }
    if (!names.isEmpty()) {
        qCritical("Controls left out of the %s's layout: %s", sheet_.what,
                  qPrintable(names.join(QStringLiteral(", "))));
    }
}

Built build(QWidget& window, ControlWindow& model, const Sheet& sheet, const Needs& needs)
{
    return Builder(window, model, sheet, needs).run();
}

}  // namespace korvane::sheet

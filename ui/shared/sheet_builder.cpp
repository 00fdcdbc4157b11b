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
    for (const auto& [has, widget] : roles_) {
        if (has == role) {
            return widget;
        }
    }
    return nullptr;
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
    Control* controlOf(const Target& target) const;
    void dress(QWidget& widget, const Row& row) const;
    template <typename W>
    W* place(const Row& row, QWidget* parent);
    QWidget* make(const Row& row, QWidget* parent);
    QWidget* makeLabel(const Row& row, QWidget* parent);
    QWidget* makeButton(const Row& row, QWidget* parent);
    QWidget* makeOption(const Row& row, QWidget* parent);
    binding::Speech speechOf(const Row& row) const;
    void nameBuddies();
    void orderTabs();
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
    using binding::Speech;
    const QString name = row.spoken != nullptr ? spokenName(row) : QString();
    switch (row.speech) {
    case Speech::Kind::Caption:
        break;
    case Speech::Kind::Words:
        return Speech::words();
    case Speech::Kind::Description:
        return Speech::described(name);
    case Speech::Kind::Announced:
        return Speech::announced(name, *needs_.announcer);
    case Speech::Kind::Quiet:
        return Speech::quiet(name);
    }
    return Speech::caption();
}

// Labels are opaque, borderless, wrap at blanks and clip at their height;
// their text sits at the top.
QWidget* Builder::makeLabel(const Row& row, QWidget* parent)
{
    auto* label = place<QLabel>(row, parent);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::NoFrame);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    if (row.target.get == nullptr) {
        label->setText(row.translate ? words(row.caption) : QString::fromUtf8(row.caption));
        return label;
    }
    auto& model = *static_cast<Label*>(row.target.get(model_));
    if (row.caption != nullptr) {
        model.setCaption(words(row.caption).toStdString());
    }
    binding::bindLabel(model, *label, speechOf(row));
    bound_.push_back(&model);
    return label;
}

QWidget* Builder::makeButton(const Row& row, QWidget* parent)
{
    auto* button = place<QPushButton>(row, parent);
    // Enter presses it because it has the focus, not as a default button,
    // and a held key presses it once.
    button->setAutoDefault(false);
    button->setDefault(false);
    auto& model = *static_cast<CommandButton*>(row.target.get(model_));
    if (row.caption != nullptr) {
        model.setCaption(words(row.caption).toStdString());
    }
    binding::bindButton(model, *button, speechOf(row));
    needs_.keys.watch(*button);
    bound_.push_back(&model);
    return button;
}

QWidget* Builder::makeOption(const Row& row, QWidget* parent)
{
    auto* radio = place<QRadioButton>(row, parent);
    auto& group = *static_cast<OptionGroup*>(row.target.get(model_));
    OptionButton& model = group(row.target.index);
    if (row.caption != nullptr) {
        model.setCaption(words(row.caption).toStdString());
    }
    radio->setText(binding::toQt(model.Caption()));
    // A narrow gap after the circle, so "Number" fits its 57 pixels.
    colours::followWithStyleSheet(*radio, QStringLiteral("QRadioButton { spacing: 3px; }"));
    // Bound as a group once all of it is made.
    std::vector<QRadioButton*>& widgets = groups_[&group];
    widgets.resize(static_cast<std::size_t>(group.count()));
    widgets.at(static_cast<std::size_t>(row.target.index)) = radio;
    bound_.push_back(&model);
    return radio;
}

Control* Builder::controlOf(const Target& target) const
{
    void* made = target.get != nullptr ? target.get(model_) : nullptr;
    switch (made != nullptr ? target.kind : Kind::Frame) {
    case Kind::Label:
        return static_cast<Label*>(made);
    case Kind::Button:
        return static_cast<CommandButton*>(made);
    case Kind::CheckBox:
        return static_cast<CheckBox*>(made);
    case Kind::Option:
        return &(*static_cast<OptionGroup*>(made))(target.index);
    case Kind::Combo:
        return static_cast<ComboBox*>(made);
    case Kind::Picture:
        return static_cast<Picture*>(made);
    case Kind::Drawing:
        return static_cast<DrawingArea*>(made);
    case Kind::Frame:
    case Kind::Sound:
        break;
    }
    return nullptr;
}

// Name, place, font and colours of a row's widget, before it is bound.
void Builder::dress(QWidget& widget, const Row& row) const
{
    const Control* control = controlOf(row.target);
    widget.setObjectName(control != nullptr ? binding::toQt(control->name()) : QString::fromUtf8(row.target.name));
    widget.setGeometry(layout::pixels(row.box));
    // Each control holds its font itself rather than inheriting it: a
    // desktop theme's font for a class of widgets (GNOME's for option
    // buttons and check boxes) would otherwise stand in for it wherever a
    // style sheet cuts the inheritance, and cut the captions.
    widget.setFont(fontOf(row.font, window_));
    if (row.look == Look::Problem) {
        colours::paint(widget, colours::System::TitleText);
    } else if (row.look == Look::Alarm) {
        // Pure red on the button face, as the main window's labels; on
        // another ground where the face would leave the red harder to read
        // than in the light scheme.
        colours::paintInk(widget, QColor(255, 0, 0));
    }
}

template <typename W>
W* Builder::place(const Row& row, QWidget* parent)
{
    auto* widget = new W(parent);
    dress(*widget, row);
    return widget;
}

QWidget* Builder::make(const Row& row, QWidget* parent)
{
    switch (row.target.kind) {
    case Kind::Frame: {
        auto* frame = place<FrameBox>(row, parent);
        frame->setTitle(words(row.caption));
        containers_.at(static_cast<std::size_t>(row.frame)) = frame;
        return frame;
    }
    case Kind::Label:
        return makeLabel(row, parent);
    case Kind::Button:
        return makeButton(row, parent);
    case Kind::Option:
        return makeOption(row, parent);
    case Kind::CheckBox: {
        auto* box = place<QCheckBox>(row, parent);
        auto& model = *static_cast<CheckBox*>(row.target.get(model_));
        binding::bindCheckBox(model, *box);
        bound_.push_back(&model);
        return box;
    }
    case Kind::Combo: {
        auto* combo = place<QComboBox>(row, parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays exactly as typed: no completion from the list.
        combo->setCompleter(nullptr);
        auto& model = *static_cast<ComboBox*>(row.target.get(model_));
        binding::bindComboBox(model, *combo);
        bound_.push_back(&model);
        return combo;
    }
    case Kind::Picture: {
        auto* picture = place<QLabel>(row, parent);
        // Drawn for the screen the window opens on: the 120 px file at 1x,
        // the 240 px one on a 2x screen.
        picture->setPixmap(pictureForScreen(QString::fromUtf8(row.picture), picture->devicePixelRatio()));
        picture->setScaledContents(false);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFocusPolicy(Qt::NoFocus);
        auto& model = *static_cast<Picture*>(row.target.get(model_));
        binding::bindPicture(model, *picture);
        bound_.push_back(&model);
        return picture;
    }
    case Kind::Sound:
        return place<SoundHolder>(row, parent);
    case Kind::Drawing: {
        auto& model = *static_cast<DrawingArea*>(row.target.get(model_));
        bound_.push_back(&model);
        auto* drawing = new DrawingWidget(model, *needs_.page, parent);
        dress(*drawing, row);
        return drawing;
    }
    }
    return nullptr;
}

Built Builder::run()
{
    std::vector<std::pair<int, QWidget*>> tabs;
    for (const Row& row : sheet_.rows) {
        QWidget* widget = make(row, containers_.at(static_cast<std::size_t>(row.in)));
        made_.push_back(widget);
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

    std::erase_if(tabs, [](const auto& entry) { return entry.second->focusPolicy() == Qt::NoFocus; });
    std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tab, widget] : tabs) {
        built_.tabOrder_.push_back(widget);
    }
    orderTabs();

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
        if (label.names.get == nullptr) {
            continue;
        }
        for (std::size_t j = 0; j < made_.size(); ++j) {
            if (sheet_.rows[j].target == label.names) {
                const QString name = words(label.caption);
                static_cast<QLabel*>(made_[i])->setBuddy(made_[j]);
                made_[j]->setAccessibleName(name);
                if (auto* combo = qobject_cast<QComboBox*>(made_[j]); combo != nullptr && combo->lineEdit()) {
                    combo->lineEdit()->setAccessibleName(name);
                }
            }
        }
    }
}

void Builder::orderTabs()
{
    const std::vector<QWidget*>& order = built_.tabOrder_;
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    // The lowest place has the focus to begin with.
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

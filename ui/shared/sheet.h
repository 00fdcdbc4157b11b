// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A window's controls described once, one row each: what it is, where it
// sits (twips within its container), its place in the tab order, its font,
// its fixed caption and what a screen reader calls it. The sheet builder
// makes and binds every widget from these rows.
//
// A row names its model control by member pointer (and index, for control
// arrays and option groups), so the kind of widget follows from the type of
// the control and a row cannot point at a control the model does not have.

#include <span>
#include <type_traits>
#include <utility>

#include "engine/controls.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"

namespace korvane::sheet {

enum class Kind { Frame, Label, Button, CheckBox, Option, Combo, Picture, Sound, Drawing };

// What a window's own code asks the builder for, instead of naming controls.
enum class Role { None, Clock, Answer, Start, Headline, AnswerLine, Dismiss, Grid };

enum class Face { Window, Arial, ComicSans, Courier };

struct Font {
    Face face = Face::Window;  // the window's own font
    double points = 0;
};

enum class Look {
    Plain,    // the window's colours
    Problem,  // on the title-text ground: the problem and the answer line
    Alarm,    // red ink: the popup's headline
};

// The model control of a row; for rows that show no control (frames, fixed
// labels, the sound holder) only kind and name.
struct Target {
    Kind kind = Kind::Label;
    const char* name = nullptr;  // for rows without a control
    // The control, of the type `kind` says: the helpers below derive the
    // kind from the member's type.
    Control* (*get)(ControlWindow&) = nullptr;
    OptionGroup* (*group)(ControlWindow&) = nullptr;  // an option button's
    int index = 0;                                    // in its array or group
    // Whether `get` is set: a function's address is not a constant a
    // compile-time check may compare in every build (the sanitizers').
    bool bound = false;

    friend bool operator==(const Target& a, const Target& b) { return a.get == b.get; }
};

namespace detail {

template <typename>
struct MemberOf;
template <typename C, typename T>
struct MemberOf<T C::*> {
    using Model = C;
    using Type = T;
};

template <typename T>
constexpr Kind kindOf()
{
    if constexpr (std::is_same_v<T, Label>) {
        return Kind::Label;
    } else if constexpr (std::is_same_v<T, CommandButton>) {
        return Kind::Button;
    } else if constexpr (std::is_same_v<T, CheckBox>) {
        return Kind::CheckBox;
    } else if constexpr (std::is_same_v<T, OptionButton>) {
        return Kind::Option;
    } else if constexpr (std::is_same_v<T, ComboBox>) {
        return Kind::Combo;
    } else if constexpr (std::is_same_v<T, Picture>) {
        return Kind::Picture;
    } else {
        static_assert(std::is_base_of_v<Control, T>, "a row shows a control");
        return Kind::Drawing;
    }
}

template <auto Member>
auto& of(ControlWindow& window)
{
    return static_cast<typename MemberOf<decltype(Member)>::Model&>(window).*Member;
}

template <auto Member>
Control* member(ControlWindow& window)
{
    return &of<Member>(window);
}

template <auto Member, int Index>
Control* element(ControlWindow& window)
{
    return &of<Member>(window)(Index);
}

template <auto Member>
OptionGroup* group(ControlWindow& window)
{
    return &of<Member>(window);
}

}  // namespace detail

// The control `Member` of the model.
template <auto Member>
constexpr Target control()
{
    using Type = typename detail::MemberOf<decltype(Member)>::Type;
    return {detail::kindOf<Type>(), nullptr, &detail::member<Member>, nullptr, 0, true};
}

// Item `Index` of a control array or option group of the model.
template <auto Member, int Index>
constexpr Target item()
{
    using Type = typename detail::MemberOf<decltype(Member)>::Type;
    using Item = std::remove_reference_t<decltype(std::declval<Type&>()(0))>;
    OptionGroup* (*group)(ControlWindow&) = nullptr;
    if constexpr (std::is_same_v<Type, OptionGroup>) {
        group = &detail::group<Member>;
    }
    return {detail::kindOf<Item>(), nullptr, &detail::element<Member, Index>, group, Index, true};
}

// A widget of the window that shows no model control.
constexpr Target fixed(Kind kind, const char* name) { return {kind, name, nullptr, nullptr, 0, false}; }

// Containers: the window itself, or the frame that a Frame row opens.
inline constexpr int kWindow = 0;
inline constexpr int kMostFrames = 3;

struct Row {
    Target target;
    int in = kWindow;     // its container
    layout::Twips box{};  // within its container
    int tab = -1;         // place in the tab order; -1 for none
    Font font{};
    // A fixed caption: the source text, translated in the sheet's context
    // as the widget is made and written into the model control (or shown,
    // for a row without one). Null: the model's caption as it stands.
    const char* caption = nullptr;
    bool translate = true;  // false: `caption` is shown as written
    // What a screen reader calls it (translated; %1 is the item's number,
    // index + 1), and for a label or button how its caption reaches it.
    const char* spoken = nullptr;
    binding::Speech::Kind speech = binding::Speech::Kind::Caption;
    Look look = Look::Plain;
    bool centred = false;  // labels: centred, else left-aligned
    Role role = Role::None;
    int frame = 0;  // a Frame row: the container number it opens
    // A label that names a control: that control (a combo box) is called
    // by the label's words, and the label is its buddy.
    Target names{};
    const char* picture = nullptr;  // a Picture row: its resource file
    bool fitted = false;            // the window fits the caption itself
};

struct Sheet {
    const char* context;  // the translation context of the window
    const char* what;     // the window, as its faults are reported
    layout::Twips client;
    std::span<const Row> rows;
};

// A sheet for the model type it was written for.
template <typename Model>
struct SheetOf : Sheet {};

}  // namespace korvane::sheet

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Binds a Qt widget to the model control it shows. The model is the truth:
// its observer makes the widget follow every change, and the pupil's input
// on the widget goes into the model (click(), typeText()), never the other
// way round. Each binder copies the model's current state at once.
//
// A binding lives as long as the widget; after the widget is gone the
// model's observer does nothing.
//
// The binding also keeps what a screen reader hears in step with the model:
// a Speech says how a changing caption reaches the accessibility tree.

#include <span>
#include <string>
#include <utility>

#include <QString>

#include "engine/controls.h"

namespace korvane {
class Announcer;
}

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvane::binding {

QString toQt(const std::string& text);

// How a caption that the drill rewrites reaches a screen reader.
class Speech {
public:
    enum class Kind {
        Caption,      // the caption is the accessible name, each change announced
        Words,        // as Caption, but only its words, without the marks around them
        Description,  // a fixed name; the caption is the description, each change announced
        Announced,    // as Description, and each new caption is also said wherever the focus is
        Quiet,        // a fixed name; changes raise no accessibility events at all
    };

    static Speech caption() { return Speech(Kind::Caption, {}); }
    static Speech words() { return Speech(Kind::Words, {}); }
    static Speech described(QString name) { return Speech(Kind::Description, std::move(name)); }
    // For the problem: a screen reader says it even though the label never
    // has the focus.
    static Speech announced(QString name, Announcer& announcer)
    {
        return Speech(Kind::Announced, std::move(name), &announcer);
    }
    // A screen reader that asks still gets the caption of the moment as the
    // description; it is just never told that it changed. For a clock that
    // would otherwise be read out every second.
    static Speech quiet(QString name) { return Speech(Kind::Quiet, std::move(name)); }
    // Any kind; the announcer is used by Announced alone.
    static Speech of(Kind kind, QString name, Announcer* announcer)
    {
        return Speech(kind, std::move(name), kind == Kind::Announced ? announcer : nullptr);
    }

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    Announcer* announcer() const { return announcer_; }

private:
    Speech(Kind kind, QString name, Announcer* announcer = nullptr)
        : kind_(kind), name_(std::move(name)), announcer_(announcer)
    {}
    Kind kind_;
    QString name_;
    Announcer* announcer_;
};

// The words of a caption without the marks around them, blanks collapsed:
// " ^_^ !!Time Out!! ^_^ " becomes "Time Out".
QString spokenWords(const QString& caption);

// `text` without the marks that only order it on screen (U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069): what a screen reader is given.
QString spokenText(QString text);

// Quiet is for labels: on a button it only fixes the name, as Qt reports
// every new button text by itself.
void bindLabel(Label& model, QLabel& widget, const Speech& speech = Speech::caption());
void bindButton(CommandButton& model, QPushButton& widget, const Speech& speech = Speech::caption());
void bindCheckBox(CheckBox& model, QCheckBox& widget);
// widgets[i] shows model(i); the radios must not be auto-exclusive, the
// model decides which one is chosen.
void bindOptionGroup(OptionGroup& model, std::span<QRadioButton* const> widgets);
void bindComboBox(ComboBox& model, QComboBox& widget);
void bindPicture(Picture& model, QLabel& widget);

}  // namespace korvane::binding

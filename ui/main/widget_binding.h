#pragma once
// Binds a Qt widget to the model control it shows. The model is the truth:
// its observer makes the widget follow every change, and the pupil's input
// on the widget goes into the model (click(), typeText()), never the other
// way round. Each binder copies the model's current state at once.
//
// A binding lives as long as the widget; after the widget is gone the
// model's observer does nothing.

#include <span>
#include <string>

#include <QString>

#include "engine/controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvane::binding {

QString toQt(const std::string& text);

void bindLabel(Label& model, QLabel& widget);
void bindButton(CommandButton& model, QPushButton& widget);
void bindCheckBox(CheckBox& model, QCheckBox& widget);
// widgets[i] shows model(i); the radios must not be auto-exclusive, the
// model decides which one is chosen.
void bindOptionGroup(OptionGroup& model, std::span<QRadioButton* const> widgets);
void bindComboBox(ComboBox& model, QComboBox& widget);
void bindPicture(Picture& model, QLabel& widget);
// For controls whose only mirrored property is Enabled.
void bindEnabled(Control& model, QWidget& widget);

}  // namespace korvane::binding

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "widget_binding.h"

#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "announcer.h"
#include "caption_fit.h"
#include "own_accessible.h"

namespace korvane::binding {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

QString spokenWords(const QString& caption)
{
    QStringList words;
    for (const QString& token : caption.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qsizetype first = 0;
        qsizetype last = token.size();
        while (first < last && !token.at(first).isLetterOrNumber()) {
            ++first;
        }
        while (last > first && !token.at(last - 1).isLetterOrNumber()) {
            --last;
        }
        if (first < last) {
            words << token.mid(first, last - first);
        }
    }
    return words.join(QLatin1Char(' '));
}

QString spokenText(QString text)
{
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    });
    return text;
}

namespace {

void showChecked(QAbstractButton& widget, bool on)
{
    // Silent: a change made by the model must not come back as input.
    const QSignalBlocker quiet(widget);
    widget.setChecked(on);
}

// ---- accessibility interfaces of our own --------------------------------

// Marks a label whose caption changes are kept from screen readers.
constexpr const char* kQuietCaption = "korvaneQuietCaption";

// A label with a fixed name whose caption is its description, read when a
// screen reader asks for it. Qt's own interface for labels would announce
// every new caption as a new name.
class QuietLabelAccessible final : public QAccessibleWidget {
public:
    explicit QuietLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            return static_cast<const QLabel*>(object())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// An option button of a group the model keeps exclusive. Qt turns its own
// exclusivity off for these, and would then report them as check boxes.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            button()->click();  // as a mouse click: the model decides
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(object()); }
};

QAccessibleInterface* ownInterface(const QString& /*className*/, QObject* object)
{
    if (auto* label = qobject_cast<QLabel*>(object); label != nullptr && label->property(kQuietCaption).toBool()) {
        return new QuietLabelAccessible(label);
    }
    if (auto* radio = qobject_cast<QRadioButton*>(object); radio != nullptr && !radio->autoExclusive()) {
        return new OptionAccessible(radio);
    }
    return nullptr;
}

template <typename Own>
void useOwnInterface(QWidget& widget)
{
    accessibility::useOwn<Own>(widget, &ownInterface);
}

// Before the first caption: the fixed name, and for a quiet label the
// interface that keeps it quiet.
void prepareSpeech(QWidget& widget, const Speech& speech)
{
    if (speech.kind() == Speech::Kind::Quiet && qobject_cast<QLabel*>(&widget) != nullptr) {
        widget.setProperty(kQuietCaption, true);
        useOwnInterface<QuietLabelAccessible>(widget);
    }
    if (!speech.name().isEmpty()) {
        widget.setAccessibleName(speech.name());
    }
}

// After a new caption. Setting the same text again would raise a change
// event all the same, so only real changes are passed on.
void speak(QWidget& widget, const Speech& speech, const QString& caption)
{
    switch (speech.kind()) {
    case Speech::Kind::Caption:
    case Speech::Kind::Quiet:
        break;
    case Speech::Kind::Words:
        if (const QString words = spokenWords(caption); widget.accessibleName() != words) {
            widget.setAccessibleName(words);
        }
        break;
    case Speech::Kind::Description:
    case Speech::Kind::Announced:
        if (widget.accessibleDescription() != caption) {
            widget.setAccessibleDescription(caption);
            // Only what is on screen is said: not the first caption, bound
            // before the window shows.
            if (speech.announcer() != nullptr && widget.isVisible()) {
                speech.announcer()->announce(caption);
            }
        }
        break;
    }
}

// Caption, its speech and the enabled state follow the model from now on.
template <typename Model, typename Widget>
void followCaption(Model& model, Widget& widget, const Speech& speech)
{
    prepareSpeech(widget, speech);
    auto sync = [&model, view = QPointer<Widget>(&widget), speech] {
        if (view) {
            const QString caption = toQt(model.Caption());
            view->setText(caption);
            captionfit::refit(*view);
            speak(*view, speech, spokenText(caption));
            view->setEnabled(model.Enabled());
        }
    };
    model.setObserver(sync);
    sync();
}

}  // namespace

void bindLabel(Label& model, QLabel& widget, const Speech& speech) { followCaption(model, widget, speech); }

void bindButton(CommandButton& model, QPushButton& widget, const Speech& speech)
{
    followCaption(model, widget, speech);
    QObject::connect(&widget, &QPushButton::clicked, &widget, [&model] { model.click(); });
}

void bindCheckBox(CheckBox& model, QCheckBox& widget)
{
    auto sync = [&model, view = QPointer<QCheckBox>(&widget)] {
        if (view) {
            showChecked(*view, model.Value() == 1);
            view->setEnabled(model.Enabled());
        }
    };
    model.setObserver(sync);
    sync();
    // Qt has already toggled the box; the model decides what it shows.
    QObject::connect(&widget, &QCheckBox::clicked, &widget, [&model, sync] {
        model.click();
        sync();
    });
}

void bindOptionGroup(OptionGroup& model, std::span<QRadioButton* const> widgets)
{
    std::vector<QPointer<QRadioButton>> views(widgets.begin(), widgets.end());
    auto syncAll = [&model, views] {
        for (int i = 0; i < model.count(); ++i) {
            const auto& view = views.at(static_cast<std::size_t>(i));
            if (view) {
                showChecked(*view, model(i).Value());
                view->setEnabled(model(i).Enabled());
            }
        }
    };
    for (int i = 0; i < model.count(); ++i) {
        QRadioButton& widget = *widgets[static_cast<std::size_t>(i)];
        widget.setAutoExclusive(false);
        useOwnInterface<OptionAccessible>(widget);
        auto syncOne = [&button = model(i), view = QPointer<QRadioButton>(&widget)] {
            if (view) {
                // The operation's signs come in the desktop's language once
                // the program has loaded.
                if (const QString caption = toQt(button.Caption()); view->text() != caption) {
                    view->setText(caption);
                    captionfit::refit(*view);
                }
                showChecked(*view, button.Value());
                view->setEnabled(button.Enabled());
            }
        };
        model(i).setObserver(syncOne);
        // A click on the chosen one would otherwise un-choose it in Qt.
        QObject::connect(&widget, &QRadioButton::clicked, &widget, [&model, i, syncAll] {
            model(i).click();
            syncAll();
        });
    }
    syncAll();
}

void bindComboBox(ComboBox& model, QComboBox& widget)
{
    {
        const QSignalBlocker quiet(widget);
        widget.clear();
        for (const std::string& item : model.items()) {
            widget.addItem(toQt(item));
        }
    }
    auto sync = [&model, view = QPointer<QComboBox>(&widget)] {
        if (!view) {
            return;
        }
        const QString text = toQt(model.Text());
        if (view->currentText() != text) {
            const QSignalBlocker quiet(*view);
            view->setEditText(text);
        }
        view->setEnabled(model.Enabled());
    };
    model.setObserver(sync);
    sync();
    // Typing and choosing from the list both end up here.
    QObject::connect(&widget, &QComboBox::editTextChanged, &widget, [&model, sync](const QString& text) {
        model.typeText(text.toStdString());
        sync();
    });
}

void bindPicture(Picture& model, QLabel& widget)
{
    auto sync = [&model, view = QPointer<QLabel>(&widget)] {
        if (view) {
            view->setVisible(model.Visible());
        }
    };
    model.setObserver(sync);
    sync();
}

}  // namespace korvane::binding

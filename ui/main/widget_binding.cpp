#include "widget_binding.h"

#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace korvane::binding {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

namespace {

void showChecked(QAbstractButton& widget, bool on)
{
    // Silent: a change made by the model must not come back as input.
    const QSignalBlocker quiet(widget);
    widget.setChecked(on);
}

}  // namespace

void bindLabel(Label& model, QLabel& widget)
{
    auto sync = [&model, view = QPointer<QLabel>(&widget)] {
        if (view) {
            view->setText(toQt(model.Caption()));
            view->setEnabled(model.Enabled());
        }
    };
    model.setObserver(sync);
    sync();
}

void bindButton(CommandButton& model, QPushButton& widget)
{
    auto sync = [&model, view = QPointer<QPushButton>(&widget)] {
        if (view) {
            view->setText(toQt(model.Caption()));
            view->setEnabled(model.Enabled());
        }
    };
    model.setObserver(sync);
    sync();
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
        auto syncOne = [&button = model(i), view = QPointer<QRadioButton>(&widget)] {
            if (view) {
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

void bindEnabled(Control& model, QWidget& widget)
{
    auto sync = [&model, view = QPointer<QWidget>(&widget)] {
        if (view) {
            view->setEnabled(model.Enabled());
        }
    };
    model.setObserver(sync);
    sync();
}

}  // namespace korvane::binding

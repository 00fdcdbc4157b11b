// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "system_colours.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvane::colours {

namespace {

// The button face of the light scheme as the toolkit draws it.
const QColor kLightFace(239, 239, 239);

// What every text keeps against its ground (WCAG's AA for normal text).
constexpr double kLeastTextContrast = 4.5;

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

double luminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Sets a widget's colours from the desktop's palette, and sets them again
// when that palette changes: a window hears of it first, each widget in it
// when the palette it inherits changes.
class SchemeFollower final : public QObject {
public:
    SchemeFollower(QWidget& widget, std::function<void(QPalette&, const QPalette& desktop)> colours)
        : QObject(&widget), widget_(widget), colours_(std::move(colours))
    {
        apply();
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched == &widget_ && (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange)) {
            apply();
        }
        return false;
    }

private:
    void apply()
    {
        if (applying_) {
            return;  // the palette set below comes back as a change
        }
        applying_ = true;
        QPalette palette = widget_.palette();
        colours_(palette, QApplication::palette(&widget_));
        widget_.setPalette(palette);
        applying_ = false;
    }

    QWidget& widget_;  // the parent
    std::function<void(QPalette&, const QPalette& desktop)> colours_;
    bool applying_ = false;
};

// A colour `share` of the way from `from` to `to`, in whole 8-bit steps as
// a screen shows it.
QColor mixed(const QColor& from, const QColor& to, double share)
{
    auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue())};
}

// Applies a widget's style sheet again when the desktop's palette changes:
// a style sheet fixes the widget's palette as it was when first applied,
// and the widget would keep the old scheme's text on the new ground. The
// widget itself hears nothing of the change while it has a sheet; its
// window does.
class SheetRenewer final : public QObject {
public:
    explicit SheetRenewer(QWidget& widget) : QObject(&widget), widget_(widget)
    {
        widget.window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget_.window() && event->type() == QEvent::ApplicationPaletteChange) {
            const QString sheet = widget_.styleSheet();
            widget_.setStyleSheet(QString());
            widget_.setStyleSheet(sheet);
        }
        return false;
    }

private:
    QWidget& widget_;  // the parent
};

}  // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QPalette& desktop)
{
    return desktop.color(QPalette::Active, QPalette::WindowText).lightness() >
           desktop.color(QPalette::Active, QPalette::Window).lightness();
}

double boxStep() { return contrast(Qt::white, kLightFace); }

QColor boxGround(const QColor& ground, const QColor& face, const QColor& text)
{
    if (contrast(ground, face) >= boxStep()) {
        return ground;
    }
    // Darker than the face first, where light text reads better still;
    // lighter where the face is too dark for that.
    constexpr int kSteps = 64;
    for (const QColor& far : {QColor(Qt::black), QColor(Qt::white)}) {
        for (int step = 1; step <= kSteps; ++step) {
            const QColor candidate = mixed(face, far, static_cast<double>(step) / kSteps);
            if (contrast(candidate, text) < kLeastTextContrast) {
                break;
            }
            if (contrast(candidate, face) >= boxStep()) {
                return candidate;
            }
        }
    }
    return ground;
}

TextOnGround system(System number, const QPalette& desktop, QPalette::ColorGroup group)
{
    const bool dark = isDark(desktop);
    if (number == System::TitleText) {
        if (dark) {
            const QColor text = desktop.color(group, QPalette::Text);
            return {boxGround(desktop.color(group, QPalette::Base), desktop.color(group, QPalette::Window), text),
                    text};
        }
        return {QColor(Qt::white), desktop.color(group, QPalette::WindowText)};
    }
    const QColor ground = dark ? desktop.color(group, QPalette::Window) : QColor(212, 208, 200);
    return {ground, desktop.color(group, QPalette::WindowText)};
}

QColor groundFor(const QColor& ink, const QPalette& desktop, QPalette::ColorGroup group)
{
    const double wanted = contrast(ink, kLightFace);
    for (const QColor& ground :
         {desktop.color(group, QPalette::Window), system(System::TitleText, desktop, group).ground}) {
        if (contrast(ink, ground) >= wanted) {
            return ground;
        }
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(ink, black) >= contrast(ink, white) ? black : white;
}

void paint(QWidget& widget, System number)
{
    new SchemeFollower(widget, [number](QPalette& palette, const QPalette& desktop) {
        for (QPalette::ColorGroup group : kGroups) {
            const TextOnGround colours = system(number, desktop, group);
            palette.setColor(group, QPalette::Window, colours.ground);
            palette.setColor(group, QPalette::WindowText, colours.text);
        }
    });
}

void paintInk(QWidget& widget, const QColor& ink)
{
    new SchemeFollower(widget, [ink](QPalette& palette, const QPalette& desktop) {
        for (QPalette::ColorGroup group : kGroups) {
            palette.setColor(group, QPalette::Window, groundFor(ink, desktop, group));
            palette.setColor(group, QPalette::WindowText, ink);
        }
    });
}

void followWithStyleSheet(QWidget& widget, const QString& sheet)
{
    widget.setStyleSheet(sheet);
    new SheetRenewer(widget);
}

}  // namespace korvane::colours

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "qt_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "ui/main/app.h"

namespace korvane::qttest {

QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

QString nameOf(QWidget* widget)
{
    QAccessibleInterface* iface = accessible(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

QString descriptionOf(QWidget* widget)
{
    QAccessibleInterface* iface = accessible(widget);
    return iface != nullptr ? iface->text(QAccessible::Description) : QStringLiteral("(no interface)");
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

QStringList itemsOf(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items;
}

QString resolvedFamily(const QWidget& widget) { return QFontInfo(widget.font()).family(); }

bool hasInk(const QImage& image, const QRect& area, const QColor& background)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - background.red()) +
                                 std::abs(pixel.green() - background.green()) +
                                 std::abs(pixel.blue() - background.blue());
            if (distance > 60) {
                return true;
            }
        }
    }
    return false;
}

namespace {

double luminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// How often each colour occurs inside `area`.
void countColours(const QImage& image, const QRect& area, std::map<QRgb, int>& counts)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
}

}  // namespace

DrawnText drawnText(const QImage& image, const QRect& text, const QRegion& ground)
{
    std::map<QRgb, int> grounds;
    for (const QRect& part : ground) {
        countColours(image, part, grounds);
    }
    DrawnText drawn;
    int most = 0;
    for (const auto& [rgb, count] : grounds) {
        if (count > most) {
            most = count;
            drawn.ground = QColor::fromRgb(rgb);
        }
    }
    std::map<QRgb, int> inks;
    countColours(image, text, inks);
    drawn.ink = drawn.ground;
    for (const auto& [rgb, count] : inks) {
        if (contrastRatio(drawn.ground, QColor::fromRgb(rgb)) > drawn.contrast()) {
            drawn.ink = QColor::fromRgb(rgb);
        }
    }
    return drawn;
}

bool PressCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        ++presses_;
    }
    return QObject::eventFilter(watched, event);
}

QStringList tabChain(QWidget& window)
{
    QStringList names;
    for (QWidget* w = window.nextInFocusChain(); w != nullptr && w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        QWidget* control = w;
        if (auto* combo = qobject_cast<QComboBox*>(w->parentWidget())) {
            control = combo;
        }
        const QString name = control->objectName();
        if (!name.isEmpty() && !names.contains(name)) {
            names << name;
        }
    }
    return names;
}

void clickCentre(QWidget* target)
{
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

QWidget* answerButton(QWidget& mainWindow, int rightslot, bool right)
{
    return named(mainWindow, QStringLiteral("but(%1)").arg(right ? rightslot - 1 : rightslot % 3));
}

bool forgetFontEngines()
{
    // Adding or removing an application font clears Qt's engine cache.
    for (const char* file : {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                             "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0) {
            return QFontDatabase::removeApplicationFont(id);
        }
    }
    return false;
}

AppFixture::AppFixture() = default;
AppFixture::~AppFixture() = default;

void AppFixture::init()
{
    app_ = std::make_unique<App>();
    app_->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void AppFixture::cleanup() { app_.reset(); }

QWidget& AppFixture::window() { return app_->mainWindow(); }

QPushButton* AppFixture::answer(bool right)
{
    return qobject_cast<QPushButton*>(answerButton(window(), app_->data().rightslot, right));
}

void AppFixture::start() { click(widget(QStringLiteral("Start"))); }

QString AppFixture::problemOnScreen() { return widget<QLabel>(QStringLiteral("cap"))->text(); }

}  // namespace korvane::qttest

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "dark_switch.h"

#include <QApplication>
#include <QObject>
#include <QStyleHints>

#include "system_colours.h"

namespace korvane::colours {

QPalette adwaitaDark()
{
    struct Role {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    // Read from Qt 6.4's gtk3 platform theme under GTK_THEME=Adwaita:dark.
    const Role roles[] = {
        {QPalette::WindowText, 0xf0f0f0, 0x828282},    {QPalette::Button, 0x323232, 0x323232},
        {QPalette::Light, 0x4b4b4b, 0x4b4b4b},         {QPalette::Midlight, 0x2a2a2a, 0x2a2a2a},
        {QPalette::Dark, 0x212121, 0xbebebe},          {QPalette::Mid, 0x262626, 0x262626},
        {QPalette::Text, 0xf0f0f0, 0x828282},          {QPalette::BrightText, 0x4b4b4b, 0x4b4b4b},
        {QPalette::ButtonText, 0xf0f0f0, 0x828282},    {QPalette::Base, 0x242424, 0x323232},
        {QPalette::Window, 0x323232, 0x323232},        {QPalette::Shadow, 0x191919, 0x252525},
        {QPalette::Highlight, 0x308cc6, 0x919191},     {QPalette::HighlightedText, 0xf0f0f0, 0xf0f0f0},
        {QPalette::Link, 0x308cc6, 0x308cc6},          {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
        {QPalette::AlternateBase, 0x2b2b2b, 0x2b2b2b}, {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
        {QPalette::ToolTipText, 0x000000, 0x000000},   {QPalette::PlaceholderText, 0xf0f0f0, 0xf0f0f0},
    };
    QPalette palette;
    for (const Role& role : roles) {
        palette.setColor(QPalette::Active, role.role, QColor(role.normal));
        palette.setColor(QPalette::Inactive, role.role, QColor(role.normal));
        palette.setColor(QPalette::Disabled, role.role, QColor(role.disabled));
    }
    return palette;
}

DarkSwitch::DarkSwitch()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QStyleHints* hints = QGuiApplication::styleHints();
    hint_ = QObject::connect(hints, &QStyleHints::colorSchemeChanged,
                             [this](Qt::ColorScheme scheme) { follow(scheme == Qt::ColorScheme::Dark); });
    follow(hints->colorScheme() == Qt::ColorScheme::Dark);
#endif
}

DarkSwitch::~DarkSwitch()
{
    QObject::disconnect(hint_);
    follow(false);
}

void DarkSwitch::follow(bool dark)
{
    if (own_ == dark) {
        return;  // dark and already ours, or light and the desktop's
    }
    if (own_) {
        // An empty palette gives back the platform theme's.
        own_ = false;
        QApplication::setPalette(QPalette());
        return;
    }
    if (!isDark(QApplication::palette())) {
        own_ = true;
        QApplication::setPalette(adwaitaDark());
    }
}

}  // namespace korvane::colours

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program's own accessibility interfaces in front of Qt's: the option
// buttons, quiet labels and the results grid each come from a factory of
// their own, installed once.

#include <QAccessible>
#include <QList>
#include <QWidget>

namespace korvane::accessibility {

// Installed after the application's own factories, so asked first.
inline void installOnce(QAccessible::InterfaceFactory factory)
{
    static QList<QAccessible::InterfaceFactory> installed;
    if (!installed.contains(factory)) {
        QAccessible::installFactory(factory);
        installed.append(factory);
    }
}

// Makes `factory` answer for `widget` with an `Own`. Qt may have made and
// kept its own interface already (any accessibility event makes one), so
// that one is dropped and the next query comes to the factory.
template <typename Own>
void useOwn(QWidget& widget, QAccessible::InterfaceFactory factory)
{
    installOnce(factory);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made != nullptr && dynamic_cast<Own*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace korvane::accessibility

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The place of the chime on the main window: a small speaker glyph that
// takes no focus and no clicks.

#include <QWidget>

namespace korvane {

class SoundHolder : public QWidget {
public:
    explicit SoundHolder(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvane

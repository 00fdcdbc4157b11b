// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A frame with a caption: a thin etched rectangle whose inside is the
// window's own colour, so the opaque labels in it blend in.

#include <QGroupBox>

namespace korvane {

class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvane

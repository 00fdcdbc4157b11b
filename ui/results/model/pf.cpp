// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "pf.h"

namespace korvane {

Pf::Pf(const Data& data) : data_(data)
{
    show10.onClick = [this] { show10_Click(); };
    show20.onClick = [this] { show20_Click(); };
    okclose.onClick = [this] { okclose_Click(); };
}

void Pf::resetControls()
{
    show10.setEnabled(true);
    show20.setEnabled(true);
    dt.Clear();
}

void Pf::Form_Load()
{
    show10_Click();
    if (data_.numsel(11) == 0) {
        show20.setEnabled(false);
        show10.setEnabled(false);
    }
}

void Pf::show10_Click() { drawPage(1); }

void Pf::show20_Click() { drawPage(2); }

void Pf::okclose_Click() { Unload(); }

void Pf::showResults()
{
    Load();
    ShowModeless();
}

void Pf::place(int number, int left, int top)
{
    dt.MoveTo(number < 10 ? left + 100 : left, top);
    dt.WriteLine(gridNumber(number));
}

void Pf::drawPage(int p)
{
    shown_ = ResultsPage(data_, p);
    dt.Clear();
    for (int k = 1; k <= ResultsPage::kColumns; ++k) {
        place(shown_.column(k - 1), 700 * k + 100, 0);
    }
    for (int r = 0; r < shown_.rowCount(); ++r) {
        const int top = 200 * shown_.row(r) + 100;
        place(shown_.row(r), 0, top);
        for (int k = 1; k <= ResultsPage::kColumns; ++k) {
            const GridCell& cell = shown_.cell(r, k - 1);
            place(cell.right, 700 * k, top);
            dt.MoveTo(700 * k + 300, top);
            dt.WriteLine("/");
            place(cell.total, 700 * k + 300, top);
        }
    }
    dt.WriteLine(" ");
    dt.WriteLine(shown_.key());
    dt.WriteLine(" ");
    dt.WriteLine(shown_.totals());
}

}  // namespace korvane

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "tpop.h"

#include "engine/fact_text.h"
#include "engine/number_text.h"

namespace korvane {

std::string answerLine(int optype, const Fact& fact)
{
    return leftToRight(factText(optype, fact) + " = " + digits(fact.answer));
}

Tpop::Tpop(const Data& data) : data_(data)
{
    kill.onClick = [this] { kill_Click(); };
}

void Tpop::Form_Load() { giveanswer.setCaption(answerLine(data_.optype, data_.facts(data_.curfact))); }

void Tpop::resetControls()
{
    Label1.setCaption("");
    giveanswer.setCaption("");
}

void Tpop::kill_Click() { Unload(); }

void Tpop::showFeedback(const std::string& headline, Modality modality)
{
    const bool modal = modality == Modality::Modal;
    if (modal && IsLoaded()) {
        Unload();
    }
    Load();
    Label1.setCaption(headline);
    if (modal) {
        ShowModal();
    } else {
        ShowModeless();
    }
}

}  // namespace korvane

// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "tpop.h"

#include "engine/fact_text.h"
#include "engine/number_text.h"

namespace korvane {

std::string answerLine(int optype, const Fact& fact) { return factText(optype, fact) + " = " + digits(fact.answer); }

Tpop::Tpop(const Data& data) : data_(data)
{
    kill.onClick = [this] { kill_Click(); };
}

void Tpop::Form_Load() { giveanswer.setCaption(answerLine(data_.optype, data_.facts(data_.curfact))); }

void Tpop::Load()
{
    if (loaded_) {
        Form_Load();  // still open from an earlier miss: show the fact of now
        return;
    }
    loaded_ = true;
    ++creations_;
    Label1.setCaption("");
    giveanswer.setCaption("");
    if (view_ != nullptr) {
        view_->created();
    }
    Form_Load();
}

void Tpop::ShowModeless()
{
    if (!loaded_) {
        Load();
    }
    visible_ = true;
    modal_ = false;
    if (view_ != nullptr) {
        view_->showModeless();
    }
}

void Tpop::ShowModal()
{
    if (!loaded_) {
        Load();
    }
    visible_ = true;
    modal_ = true;
    if (view_ != nullptr) {
        view_->runModal();
    } else if (modalStep) {
        modalStep();
    }
    // Returns only with the popup gone, whatever ended the wait.
    if (loaded_) {
        Unload();
    }
}

void Tpop::Unload()
{
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    visible_ = false;
    modal_ = false;
    if (view_ != nullptr) {
        view_->destroyed();
    }
    releaseObservers();  // the next Load makes a fresh view that binds them
}

void Tpop::kill_Click() { Unload(); }

}  // namespace korvane

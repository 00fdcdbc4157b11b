// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "words.h"

#include <cstddef>
#include <vector>

#include "number_text.h"

namespace korvane {

namespace {

const Translator* current = nullptr;

std::string withCount(std::string text, int n)
{
    const std::string count = digits(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size())) {
        text.replace(at, 2, count);
    }
    return text;
}

}  // namespace

void useTranslator(const Translator* translator) { current = translator; }

std::string word(const char* context, const char* source)
{
    return current != nullptr ? current->translate(context, source, -1) : std::string(source);
}

std::string counted(const char* context, const char* source, int n)
{
    return current != nullptr ? current->translate(context, source, n) : withCount(source, n);
}

std::string filled(const std::string& text, std::initializer_list<std::string> arguments)
{
    const std::vector<std::string> args(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < args.size()) {
                result += args[index];
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

}  // namespace korvane

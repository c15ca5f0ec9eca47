#include "base/output_mode.h"

#include <array>
#include <utility>

namespace trevalunda {

DocumentForm FormOf(OutputMode mode) {
    switch (mode) {
        case OutputMode::Brevanta:
            return DocumentForm::Message;
        case OutputMode::Kestrin:
            return DocumentForm::Line;
        case OutputMode::Exexml:
        case OutputMode::Lumotex:
        case OutputMode::Morvale:
            break;
    }
    return DocumentForm::Xml;
}

namespace {

constexpr std::array<std::pair<std::string_view, OutputMode>, 5> kModeWords{{
    {"EXEXML", OutputMode::Exexml},
    {"Lumotex", OutputMode::Lumotex},
    {"Morvale", OutputMode::Morvale},
    {"Brevanta", OutputMode::Brevanta},
    {"Kestrin", OutputMode::Kestrin},
}};

}  // namespace

std::string OutputModeWordList() {
    std::string list;
    for (const auto& entry : kModeWords) {
        list += list.empty() ? "" : ", ";
        list += entry.first;
    }
    return list;
}

std::optional<OutputMode> OutputModeFromWord(std::string_view word) {
    for (const auto& [text, mode] : kModeWords) {
        if (text == word) {
            return mode;
        }
    }
    return std::nullopt;
}

}  // namespace trevalunda

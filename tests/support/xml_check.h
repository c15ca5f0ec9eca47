#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalunda::testing {

// A small checker for the XML that the sensor writes: elements without attributes, character
// data, the five named entities and numeric character references of characters that XML 1.0
// allows. Every byte must be plain ASCII (tab, CR, LF or printable), since a document must mean
// the same in whatever code page the host reads it, and a ">" in character data counts as a
// fault too, since the sensor always writes it as an entity. Each check gives what is wrong,
// or nothing.
namespace xml_check {

inline std::string At(std::size_t position) {
    return " at byte " + std::to_string(position);
}

inline std::optional<std::string> NonAsciiByte(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c < 0x7F))) {
            return "byte " + std::to_string(c) + " is not printable ASCII" + At(i);
        }
    }
    return std::nullopt;
}

inline bool IsXmlCharacter(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The character reference or named entity that begins with "&" at the position; the position
// moves past its ";".
inline std::optional<std::string> Reference(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    const std::size_t end = text.find(';', i);
    if (end == std::string_view::npos || end - i > 12) {
        return "\"&\" without its entity" + At(start);
    }
    const std::string_view name = text.substr(i + 1, end - i - 1);
    i = end + 1;
    for (std::string_view known : {"amp", "lt", "gt", "quot", "apos"}) {
        if (name == known) {
            return std::nullopt;
        }
    }
    const bool hex = name.starts_with("#x");
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (!name.starts_with("#") || digits.empty()) {
        return "unknown entity &" + std::string(name) + ";" + At(start);
    }
    std::uint32_t code = 0;
    for (char c : digits) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hexLetter = hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
        if (!decimal && !hexLetter) {
            return "malformed character reference &" + std::string(name) + ";" + At(start);
        }
        const std::uint32_t digit = decimal ? static_cast<std::uint32_t>(c - '0')
                                            : static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
        code = code * (hex ? 16U : 10U) + digit;
        if (code > 0x10FFFF) {
            break;
        }
    }
    if (!IsXmlCharacter(code)) {
        return "character reference &" + std::string(name) + "; names no XML character" + At(start);
    }
    return std::nullopt;
}

inline bool IsNameCharacter(char c, bool first) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return letter || (!first && ((c >= '0' && c <= '9') || c == '-' || c == '.'));
}

}  // namespace xml_check

// Character data meant to stand inside an element: no markup, only allowed references.
inline std::optional<std::string> XmlTextProblem(std::string_view text) {
    if (auto problem = xml_check::NonAsciiByte(text)) {
        return problem;
    }
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            if (auto problem = xml_check::Reference(text, i)) {
                return problem;
            }
        } else if (text[i] == '<' || text[i] == '>') {
            return std::string("markup character ") + text[i] + xml_check::At(i);
        } else {
            ++i;
        }
    }
    return std::nullopt;
}

// A whole document: one root element, blanks and line ends around it, every element closed in
// order.
inline std::optional<std::string> XmlDocumentProblem(std::string_view document) {
    using xml_check::At;
    if (auto problem = xml_check::NonAsciiByte(document)) {
        return problem;
    }
    std::vector<std::string> open;
    bool rootSeen = false;
    for (std::size_t i = 0; i < document.size();) {
        const char c = document[i];
        if (c == '<') {
            const std::size_t start = i;
            const bool closing = i + 1 < document.size() && document[i + 1] == '/';
            i += closing ? 2 : 1;
            const std::size_t nameStart = i;
            while (i < document.size() && xml_check::IsNameCharacter(document[i], i == nameStart)) {
                ++i;
            }
            const std::string name(document.substr(nameStart, i - nameStart));
            if (name.empty() || i >= document.size() || document[i] != '>') {
                return "malformed tag" + At(start);
            }
            ++i;
            if (closing) {
                if (open.empty() || open.back() != name) {
                    return "</" + name + "> closes no open element" + At(start);
                }
                open.pop_back();
            } else {
                if (open.empty() && rootSeen) {
                    return "a second root element <" + name + ">" + At(start);
                }
                rootSeen = true;
                open.push_back(name);
            }
        } else if (c == '&') {
            if (open.empty()) {
                return "reference outside the root element" + At(i);
            }
            if (auto problem = xml_check::Reference(document, i)) {
                return problem;
            }
        } else if (c == '>') {
            return "stray \">\"" + At(i);
        } else {
            if (open.empty() && c != ' ' && c != '\t' && c != '\n' && c != '\r') {
                return "text outside the root element" + At(i);
            }
            ++i;
        }
    }
    if (!open.empty()) {
        return "<" + open.back() + "> is not closed";
    }
    if (!rootSeen) {
        return std::string("no root element");
    }
    return std::nullopt;
}

}  // namespace trevalunda::testing

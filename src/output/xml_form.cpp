#include <cstdint>
#include <string>

#include "base/character_reading.h"
#include "output/form_writer.h"

namespace trevalunda {

namespace {

// Control characters, and the two code points that XML leaves out of its characters.
bool IsUnwritable(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return (control && c != '\t' && c != '\n' && c != '\r') || c == 0xFFFE || c == 0xFFFF;
}

}  // namespace

std::string EscapeXml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const TextCharacter character = ReadCharacterAt(text, i);
        i += character.length;
        const char32_t c = character.codePoint;
        if (IsUnwritable(c)) {
            escaped += '?';
        } else if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else if (c < 0x80) {
            escaped += static_cast<char>(c);
        } else {
            escaped += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
        }
    }
    return escaped;
}

namespace {

// The limits of a channel, each element on a line of its own like the channel's value.
std::string LimitElements(const ChannelLimits& limits) {
    if (!limits.Any()) {
        return {};
    }
    std::string elements = "\n<LimitMode>1</LimitMode>";
    if (limits.maxWarning) {
        elements +=
            "\n<LimitMaxWarning>" + std::to_string(*limits.maxWarning) + "</LimitMaxWarning>";
    }
    if (limits.maxError) {
        elements += "\n<LimitMaxError>" + std::to_string(*limits.maxError) + "</LimitMaxError>";
    }
    return elements;
}

// The error flag and the message, and the end of the document.
std::string ErrorElements(std::string_view message) {
    return "<Error>1</Error>\n<Text>" + EscapeXml(message) + "</Text>\n</Prtg>\n";
}

// PRTG's EXE/XML form, also read by the Lumotex and Morvale front-ends.
class XmlForm final : public FormWriter {
  public:
    std::string Opening() const override { return "\n<Prtg>\n"; }
    std::string TextStart() const override { return "\n<Text>"; }
    std::string Text(std::string_view text) const override { return EscapeXml(text); }
    std::string TextEnd(std::optional<long>, bool&) const override { return "</Text>\n"; }

    std::string Channel(const ChannelEntry& channel) const override {
        std::string piece = "\n<Result><Channel>" + EscapeXml(channel.name) + "</Channel>";
        if (!channel.unit.empty()) {
            piece +=
                "\n<Unit>Custom</Unit>\n<CustomUnit>" + EscapeXml(channel.unit) + "</CustomUnit>";
        }
        piece += "\n<Value>" + EscapeXml(channel.value) + "</Value>" +
                 LimitElements(channel.limits) + "</Result>\n";
        return piece;
    }

    std::string Closing() const override { return "\n</Prtg>\n"; }

    // The document under way is completed with the error, so that the channels already
    // written reach the host together with the reason the rest is missing.
    std::string FailureAfterOpening(std::string_view message) const override {
        return ErrorElements(message);
    }
};

}  // namespace

std::string ErrorDocument(std::string_view message) {
    return "<Prtg>\n" + ErrorElements(message);
}

std::unique_ptr<FormWriter> MakeXmlForm() {
    return std::make_unique<XmlForm>();
}

}  // namespace trevalunda

#include <string>

#include "output/form_writer.h"

namespace trevalunda {
namespace {

// The Kestrin front-end's line form: one "> name: value unit" line per channel, or, when the
// parameter text selects a channel with "CH=", that channel's bare value and nothing else.
class LineForm final : public FormWriter {
  public:
    std::string Opening() const override { return {}; }
    std::string TextStart() const override { return "\n# "; }
    std::string Text(std::string_view text) const override {
        return WithoutControlCharacters(text);
    }

    std::string TextEnd(std::optional<long> selectedChannel, bool& discardDocument) const override {
        discardDocument = selectedChannel.has_value();
        return {};
    }

    std::string Channel(const ChannelEntry& channel) const override {
        const std::string value = WithoutControlCharacters(channel.value);
        if (channel.selectedChannel.has_value()) {
            return *channel.selectedChannel == channel.number ? value : std::string();
        }
        return "\n> " + WithoutControlCharacters(channel.name) + ": " + value + " " +
               ShownUnit(WithoutControlCharacters(channel.unit));
    }

    std::string Closing() const override { return "\n"; }

    // The front-end reads a whole error document in place of the pieces written so far.
    std::string FailureAfterOpening(std::string_view message) const override {
        return ErrorDocument(message);
    }
};

}  // namespace

std::unique_ptr<FormWriter> MakeLineForm() {
    return std::make_unique<LineForm>();
}

}  // namespace trevalunda

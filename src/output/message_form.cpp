#include <string>

#include "output/form_writer.h"

namespace trevalunda {

std::string ShownUnit(std::string_view unit) {
    if (unit.empty()) {
        return "#";
    }
    if (unit == "PerCent") {
        return "%";
    }
    if (unit == "TimeResponse") {
        return "mSec";
    }
    return std::string(unit);
}

namespace {

constexpr int kMessageChannelLimit = 10;

// The key under which the message form reports a channel: its name with the characters that
// the front-end's keys cannot hold replaced by "_", and the first "." as well.
std::string ChannelKey(std::string_view name) {
    std::string key(name);
    for (char special : std::string_view(" /\\[]*():-")) {
        for (char& c : key) {
            if (c == special) {
                c = '_';
            }
        }
    }
    if (const auto dot = key.find('.'); dot != std::string::npos) {
        key[dot] = '_';
    }
    return key;
}

// The Brevanta front-end's message form: a text line and "Message."/"Statistic." pairs.
class MessageForm final : public FormWriter {
  public:
    std::string Opening() const override { return {}; }
    std::string TextStart() const override { return "\n# "; }
    std::string Text(std::string_view text) const override {
        return WithoutControlCharacters(text);
    }
    std::string TextEnd(std::optional<long>, bool&) const override { return {}; }

    std::string Channel(const ChannelEntry& channel) const override {
        if (channel.number > kMessageChannelLimit) {
            return {};
        }
        const std::string name = WithoutControlCharacters(channel.name);
        const std::string key = ChannelKey(name);
        return "\n\nMessage." + key + ": " + name + " (" +
               ShownUnit(WithoutControlCharacters(channel.unit)) + ")" + "\nStatistic." + key +
               ": " + WithoutControlCharacters(channel.value);
    }

    std::string Closing() const override { return "\n"; }

    // The front-end reads a whole error document in place of the pieces written so far.
    std::string FailureAfterOpening(std::string_view message) const override {
        return ErrorDocument(message);
    }
};

}  // namespace

std::unique_ptr<FormWriter> MakeMessageForm() {
    return std::make_unique<MessageForm>();
}

}  // namespace trevalunda

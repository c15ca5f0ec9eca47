// The result document with texts from outside in every place and every form: XML that parses
// and is plain ASCII, message and line forms whose lines stay the form's own.

#include <algorithm>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    const std::vector<std::string> fields = fuzz::Split(fuzz::AsText(data, size), '\0', 5);
    auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };

    const std::string text = field(0);
    const std::string escaped = EscapeXml(text);
    fuzz::RequireNoProblem(testing::XmlTextProblem(escaped), "an escaped text is XML text",
                           escaped);
    const bool plain =
        text.find_first_of("&<>") == std::string::npos &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < '\x7F'; });
    fuzz::Require(!plain || escaped == text, "printable ASCII stays as it is", text);
    fuzz::Require(WithoutControlCharacters(text).size() == text.size(),
                  "the message forms change no length");

    std::optional<long> channel;
    if (!field(4).empty()) {
        channel = static_cast<unsigned char>(field(4)[0]) % 4;
    }
    fuzz::RequireDocumentsKeepTheirShape({text, field(1), field(2), field(3)}, channel);
    fuzz::RequireErrorDocumentParses(text);
    return 0;
}

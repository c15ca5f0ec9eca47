// The report of trevalunda-profile check on any profile into which a stored password is put:
// the report is the same whichever password the stored value holds (so it never shows it), and
// each of its lines begins with the file's path.

#include "config/profile_password.h"
#include "fuzz_support.h"
#include "tool/profile_report.h"

namespace trevalunda::fuzz {
namespace {

constexpr std::string_view kPath = "in/PRD.P00";

// The profile text with the line put in at one of its line starts, chosen by the selector.
std::string WithLine(std::string_view text, const std::string& line, unsigned selector) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            starts.push_back(i + 1);
        }
    }
    const std::size_t choice = selector % (starts.size() + 1);
    std::string profile(text);
    if (choice == starts.size()) {
        if (!profile.empty() && profile.back() != '\n') {
            profile += '\n';
        }
        return profile + line + "\n";
    }
    return profile.insert(starts[choice], line + "\n");
}

void RequireReportLines(const std::string& text) {
    const std::string start = std::string(kPath) + ":";
    Require(text.empty() || text.back() == '\n', "a report ends with a line end", text);
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        Require(text.compare(at, start.size(), start) == 0, "each line begins with the path",
                text.substr(at));
    }
}

}  // namespace
}  // namespace trevalunda::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    constexpr std::size_t kHead = 3 + kPasswordBodyLength;
    if (size < kHead) {
        return 0;
    }
    const std::size_t offset = data[0] % (kLargestKeyOffset + 1);
    const std::size_t length = data[1] % (kPasswordBodyLength + 1);
    std::string body(fuzz::AsText(data + 3, kPasswordBodyLength));
    // A second password of the same length, every character another.
    std::string other = body;
    for (char& c : other) {
        c = static_cast<char>(c ^ 1);
    }
    if (body.find_first_of(std::string("\0\1", 2)) != std::string::npos) {
        return 0;  // neither may hold a zero byte
    }
    static const ProfileKey key = MakeProfileKey();
    std::string reports[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& chosen = i == 0 ? body : other;
        const std::string stored =
            EncodeProfilePassword(chosen.substr(0, length), chosen.substr(length), offset, key);
        if (stored.find_first_of(std::string("\0\r\n", 3)) != std::string::npos) {
            return 0;  // the line would end inside the stored value
        }
        const std::string profile = fuzz::WithLine(fuzz::AsText(data + kHead, size - kHead),
                                                   "Password...: " + stored, data[2]);
        reports[i] = tool::ReportProfile(fuzz::kPath, {platform::ReadStatus::Ok, profile},
                                         data[2] % 2 == 0, key)
                         .text;
        fuzz::RequireReportLines(reports[i]);
    }
    fuzz::Require(reports[0] == reports[1], "the report does not show the password", reports[0]);
    return 0;
}

#include "run/information_request.h"

#include <gtest/gtest.h>

#include "base/version.h"

namespace trevalunda {
namespace {

TEST(InformationRequestTest, OnlyAnExactFirstArgumentIsAnswered) {
    const std::string version =
        "trevalunda " + std::string(kBuildVersion) + " (Vers 4.3 / 29.08.22)\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string output;  // empty: the command line asks for a run
    } cases[] = {
        {{"trevalunda", "--help"}, SensorHelp()},
        {{"trevalunda", "/?"}, SensorHelp()},
        {{"trevalunda", "--version"}, version},
        {{"trevalunda", "--version", "PRD", "#"}, version},
        // Profile names, however close to a switch.
        {{"trevalunda", "--HELP"}, ""},
        {{"trevalunda", "--Version"}, ""},
        {{"trevalunda", "-h"}, ""},
        {{"trevalunda", "help"}, ""},
        {{"trevalunda", "--help.P00"}, ""},
        {{"trevalunda", " --version"}, ""},
        {{"trevalunda", "/?x"}, ""},
        {{"trevalunda", ""}, ""},
        // A switch anywhere but first is part of the parameter text.
        {{"trevalunda", "PRD", "--help"}, ""},
        {{"trevalunda", "PRD", "x", "--version"}, ""},
        {{"trevalunda"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        const std::string name = c.arguments.size() < 2 ? "(none)" : c.arguments[1];
        platform::StringSink out;
        const std::optional<ExitCode> answered = AnswerInformationRequest(c.arguments, out);
        EXPECT_EQ(answered.has_value(), !c.output.empty()) << name;
        if (answered) {
            EXPECT_EQ(*answered, ExitCode::Success) << name;
        }
        EXPECT_EQ(out.Text(), c.output) << name;
    }
}

}  // namespace
}  // namespace trevalunda

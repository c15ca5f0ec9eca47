// The arguments reach the sensor as they were given, whatever characters they hold; on
// Windows the child-process helper quotes them for the C runtime's command-line parser.

#include <gtest/gtest.h>

#include "e2e/installation.h"

namespace trevalunda::testing {
namespace {

TEST(CommandLineTest, ArgumentsArriveUnchanged) {
    Installation installation;
    // With "@" the sensor opens the profile where the name says and quotes the whole path.
    const std::string names[] = {
        "two words",  "  ",        "quote\"inside",  "\"quoted\"", "back\\slash",
        "trailing\\", "twice\\\\", "slash\\\"quote", "tab\tname",  "semi;colon|pipe",
    };
    for (const std::string& name : names) {
        const platform::ChildResult result = installation.Run({name, "@"});
        EXPECT_EQ(result.output,
                  ErrorDocumentFor("Error 1002: Profile " + name + ".P00 is missing..."))
            << "name: " << name;
        EXPECT_EQ(result.exitCode, 2) << "name: " << name;
    }
}

}  // namespace
}  // namespace trevalunda::testing

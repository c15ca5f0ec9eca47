// The packages' trevalunda.ini.example is a settings file that the sensor takes, and every
// default that it shows is the sensor's own: saved as trevalunda.ini, as it is or with any one
// of its settings put in force, it changes nothing.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/installation.h"
#include "support/profiles.h"

namespace trevalunda::testing {
namespace {

std::string SettingsExample() {
    std::ifstream in(BuildFolder() / "documentation" / "trevalunda.ini.example", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct ExampleVariant {
    std::string setting;  // the line put in force
    std::string text;
};

// The example with one setting put in force, for each setting: a setting's line begins with
// ";" and the key, where the comments that explain it begin with ";" and a blank.
std::vector<ExampleVariant> ExampleWithEachSetting(const std::string& example) {
    std::vector<ExampleVariant> variants;
    std::size_t line = 0;
    while (line < example.size()) {
        std::size_t end = example.find('\n', line);
        if (end == std::string::npos) {
            end = example.size();
        }
        if (example[line] == ';' && line + 1 < end &&
            std::isalpha(static_cast<unsigned char>(example[line + 1]))) {
            std::string setting = example.substr(line + 1, end - line - 1);
            if (setting.ends_with('\r')) {
                setting.pop_back();
            }
            variants.push_back({setting, example.substr(0, line) + example.substr(line + 1)});
        }
        line = end + 1;
    }
    return variants;
}

TEST(SettingsExampleTest, ItsDefaultsAreTheSensorsOwn) {
    const std::string example = SettingsExample();
    ASSERT_FALSE(example.empty()) << "no trevalunda.ini.example beside the tests";
    const std::vector<ExampleVariant> variants = ExampleWithEachSetting(example);
    ASSERT_FALSE(variants.empty()) << "no setting found in the example";

    Installation installation;
    installation.WriteInSensorFolder("PRD.P00", ProfileText());
    // Without settings the run reaches the default RFC library, which is not installed here:
    // the output names the library and shows the output mode's error document.
    const platform::ChildResult defaults = installation.Run({"PRD"});
    ASSERT_NE(defaults.output.find("Error 1050"), std::string::npos) << defaults.output;

    installation.WriteInSensorFolder("trevalunda.ini", example);
    const platform::ChildResult asIs = installation.Run({"PRD"});
    EXPECT_EQ(asIs.output, defaults.output) << "the example as it is";
    EXPECT_EQ(asIs.exitCode, defaults.exitCode) << "the example as it is";
    for (const ExampleVariant& variant : variants) {
        installation.WriteInSensorFolder("trevalunda.ini", variant.text);
        const platform::ChildResult result = installation.Run({"PRD"});
        EXPECT_EQ(result.output, defaults.output) << variant.setting;
        EXPECT_EQ(result.exitCode, defaults.exitCode) << variant.setting;
    }
}

}  // namespace
}  // namespace trevalunda::testing

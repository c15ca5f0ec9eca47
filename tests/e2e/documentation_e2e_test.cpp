// The examples of the documentation are what the programs print. An example is a fenced block
// after a line "<!-- checked: [Key=Value ...] PROGRAM ARGUMENTS -->": the block is compared
// byte for byte with the standard output of PROGRAM (trevalunda or trevalunda-profile), run on
// the example installation of examples/ with the settings given before it. A word
// "prtg_name=value" among them is not a setting but a variable of the run's environment, as
// PRTG passes the device's credentials.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

struct DocumentedExample {
    std::string where;  // file and line, for the failure message
    std::vector<std::string> settings;
    Environment environment;
    std::string program;
    std::vector<std::string> arguments;
    std::string output;
};

fs::path DocumentationCopy() { return BuildFolder() / "documentation"; }

// Splits a command at blanks; double quotes group words with blanks.
std::vector<std::string> SplitCommand(const std::string& command) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

std::vector<DocumentedExample> ExamplesOf(const fs::path& file) {
    constexpr std::string_view kMark = "<!-- checked: ";
    std::vector<DocumentedExample> examples;
    std::ifstream in(file);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.starts_with(kMark)) {
            continue;
        }
        DocumentedExample example;
        example.where = file.filename().string() + ":" + std::to_string(number);
        std::vector<std::string> words =
            SplitCommand(line.substr(kMark.size(), line.rfind(" -->") - kMark.size()));
        std::size_t first = 0;
        for (; first < words.size() && words[first].find('=') != std::string::npos; ++first) {
            const std::string& word = words[first];
            if (word.starts_with("prtg_")) {
                const std::size_t equals = word.find('=');
                example.environment.emplace_back(word.substr(0, equals), word.substr(equals + 1));
            } else {
                example.settings.push_back(word);
            }
        }
        if (first < words.size()) {
            example.program = words[first++];
        }
        example.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(first), words.end());
        std::getline(in, line);  // the opening fence
        ++number;
        while (std::getline(in, line) && !line.starts_with("```")) {
            ++number;
            example.output += line + "\n";
        }
        ++number;
        examples.push_back(example);
    }
    return examples;
}

std::vector<DocumentedExample> AllExamples() {
    std::vector<DocumentedExample> examples = ExamplesOf(DocumentationCopy() / "README.md");
    for (const auto& entry : fs::directory_iterator(DocumentationCopy() / "docs")) {
        if (entry.path().extension() == ".md") {
            const std::vector<DocumentedExample> more = ExamplesOf(entry.path());
            examples.insert(examples.end(), more.begin(), more.end());
        }
    }
    return examples;
}

// The example installation of examples/, with the settings of the example.
platform::ChildResult RunExample(const DocumentedExample& example) {
    RfcInstallation installation;
    const fs::path examples = DocumentationCopy() / "examples";
    std::string settings;
    bool frontEndMode = false;
    for (const std::string& setting : example.settings) {
        settings += setting + "\n";
        frontEndMode = frontEndMode || setting.starts_with("OutputMode=");
    }
    installation.Settings(settings);
    // The profiles are installed as an administrator keeps them: readable by their owner only.
    // Front-end modes read them from the working folder.
    const fs::path folder = frontEndMode ? installation.WorkingFolder()
                                         : installation.CustomSensorFolder();
    for (const auto& entry : fs::directory_iterator(examples / "installation")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const fs::path file = installation.Write(
            fs::relative(folder, installation.Drive()) / entry.path().filename(), bytes.str());
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    }
    std::ifstream landscape(examples / "rfcsim.ini", std::ios::binary);
    std::ostringstream text;
    text << landscape.rdbuf();
    installation.Landscape(text.str());
    if (example.program == "trevalunda-profile") {
        return installation.RunProfileTool(example.arguments);
    }
    return installation.Run(example.arguments, example.environment);
}

TEST(DocumentationTest, ExamplesAreWhatTheProgramsPrint) {
    const std::vector<DocumentedExample> examples = AllExamples();
    ASSERT_FALSE(examples.empty()) << "no checked examples found in " << DocumentationCopy();
    for (const DocumentedExample& example : examples) {
        ASSERT_TRUE(example.program == "trevalunda" || example.program == "trevalunda-profile")
            << example.where << ": unknown program " << example.program;
        EXPECT_EQ(RunExample(example).output, AsStandardOutput(example.output)) << example.where;
    }
}

}  // namespace
}  // namespace trevalunda::testing

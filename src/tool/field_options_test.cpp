#include "tool/field_options.h"

#include <gtest/gtest.h>

#include <set>

namespace trevalunda::tool {
namespace {

TEST(FieldOptionsTest, EveryFieldButThePasswordHasOneOption) {
    std::set<std::string_view> labels;
    for (const FieldOption& option : FieldOptions()) {
        ASSERT_NE(FindProfileField(option.label), nullptr) << option.name;
        EXPECT_TRUE(labels.insert(option.label).second) << option.name;
    }
    for (const ProfileField& field : ProfileFields()) {
        const bool isPassword = field.member == &SystemProfile::Password;
        EXPECT_EQ(labels.count(field.label), isPassword ? 0U : 1U) << field.label;
    }
}

TEST(FieldOptionsTest, LongestValueIsTheCapacityWithinALine) {
    EXPECT_EQ(LongestValue(*FindProfileField("Destination:")), 11U);
    EXPECT_EQ(LongestValue(*FindProfileField("Extcompany.:")), kValueLimit);
    EXPECT_EQ(LongestValue(*FindProfileField("Gwhost.....:")), kValueLimit);
}

TEST(FieldOptionsTest, ValuesAtTheLimitsOfEveryField) {
    for (const FieldOption& option : FieldOptions()) {
        const ProfileField& field = *FindProfileField(option.label);
        const std::size_t longest = LongestValue(field);
        EXPECT_FALSE(ValueProblem(field, std::string(field.minimum, 'v'))) << option.name;
        EXPECT_FALSE(ValueProblem(field, std::string(longest, 'v'))) << option.name;
        EXPECT_EQ(ValueProblem(field, std::string(longest + 1, 'v')),
                  "has " + std::to_string(longest + 1) + " characters; the sensor takes at most " +
                      std::to_string(longest))
            << option.name;
        if (field.minimum > 0) {
            const std::size_t shorter = field.minimum - 1;
            EXPECT_EQ(ValueProblem(field, std::string(shorter, 'v')),
                      "has " + std::to_string(shorter) +
                          (shorter == 1 ? " character" : " characters") +
                          "; the sensor needs at least " + std::to_string(field.minimum))
                << option.name;
        }
    }
}

TEST(FieldOptionsTest, ControlCharactersAreRefusedAndOtherBytesTaken) {
    const ProfileField& host = *FindProfileField("Hostname...:");
    struct Case {
        std::string value;
        std::optional<std::string> problem;
    } cases[] = {
        {"sap\tprd", "holds a control character (character 4), which would break its line"},
        {"sapprd\r", "holds a control character (character 7), which would break its line"},
        {"sap\x7F", "holds a control character (character 4), which would break its line"},
        {" sap prd ", std::nullopt},
        {"s\xC3\xA4p", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValueProblem(host, c.value), c.problem) << "value: " << c.value;
    }
}

}  // namespace
}  // namespace trevalunda::tool

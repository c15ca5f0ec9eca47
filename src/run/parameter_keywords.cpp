#include "run/parameter_keywords.h"

#include <algorithm>
#include <string_view>

namespace trevalunda {
namespace {

constexpr std::size_t kItemNameLimit = 90;
constexpr std::string_view kValueStops = " ,";

// One keyword of the parameter text (or a set of characters that act alike) and how it sets
// what it asks for. The first occurrence of a keyword counts; values are read from the
// unchanged text up to a blank or ",".
struct KeywordRule {
    std::string_view keyword;
    void (*apply)(std::string_view keyword, const ParameterText& text, ParameterKeywords& asked);
};

constexpr KeywordRule kKeywordRules[] = {
    {"ITEM=",
     [](std::string_view keyword, const ParameterText& text, ParameterKeywords& asked) {
         if (auto item = text.ValueAfter(keyword, kValueStops, kItemNameLimit)) {
             std::replace(item->begin(), item->end(), ':', ' ');
             asked.itemName = std::move(*item);
         }
     }},
    {"#@$%",
     [](std::string_view characters, const ParameterText& text, ParameterKeywords& asked) {
         asked.verboseConsole = text.ContainsAnyOf(characters);
     }},
    {"@", [](std::string_view keyword, const ParameterText& text,
             ParameterKeywords& asked) { asked.noSearch = text.ContainsAnyOf(keyword); }},
    {",SYSLOG", [](std::string_view keyword, const ParameterText& text,
                   ParameterKeywords& asked) { asked.callTrace = text.Contains(keyword); }},
    {"CH=", [](std::string_view, const ParameterText& text,
               ParameterKeywords& asked) { asked.selectedChannel = text.SelectedChannel(); }},
    {",HOST=",
     [](std::string_view keyword, const ParameterText& text, ParameterKeywords& asked) {
         asked.host = text.ValueAfter(keyword, kValueStops).value_or("");
     }},
    {",NO=",
     [](std::string_view keyword, const ParameterText& text, ParameterKeywords& asked) {
         asked.systemNumber = text.ValueAfter(keyword, kValueStops).value_or("");
     }},
};

}  // namespace

ParameterKeywords ReadParameterKeywords(const ParameterText& parameters) {
    ParameterKeywords asked;
    for (const KeywordRule& rule : kKeywordRules) {
        rule.apply(rule.keyword, parameters, asked);
    }
    return asked;
}

}  // namespace trevalunda

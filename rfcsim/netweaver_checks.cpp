#include "rfcsim/netweaver_checks.h"

#include <algorithm>
#include <optional>

#include "rfcsim/interface_checks.h"
#include "rfcsim/journal.h"
#include "rfcsim/text.h"
#include "rfcsim/utf16.h"

namespace trevalunda::rfcsim {
namespace {

constexpr std::string_view kKnownParameters[] = {"client", "user",  "passwd", "lang",  "dest",
                                                 "ashost", "sysnr", "gwhost", "gwserv"};
constexpr std::string_view kAlwaysRequired[] = {"client", "user", "passwd", "lang"};
constexpr std::string_view kServerParameters[] = {"ashost", "sysnr", "gwhost", "gwserv"};
constexpr std::string_view kNeverEmpty[] = {"dest", "ashost", "gwhost", "gwserv"};

void Require(bool holds, const std::string& what) {
    if (!holds) {
        InterfaceMismatch(what);
    }
}

bool IsKnown(std::string_view name) {
    return std::find(std::begin(kKnownParameters), std::end(kKnownParameters), name) !=
           std::end(kKnownParameters);
}

bool IsTwoDigits(std::string_view text) {
    return text.size() == 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckCombination(const LogonParameters& logon) {
    const std::string what = "RfcOpenConnection: ";
    for (std::string_view name : kAlwaysRequired) {
        Require(logon.Has(name), what + "parameter " + std::string(name) + " missing");
    }
    for (std::string_view name : kNeverEmpty) {
        Require(!logon.Has(name) || !logon.Value(name).empty(),
                what + std::string(name) + " is an empty text");
    }
    if (logon.Has("dest")) {
        for (std::string_view name : kServerParameters) {
            Require(!logon.Has(name), what + "dest together with " + std::string(name));
        }
    } else {
        Require(logon.Has("sysnr"), what + "parameter sysnr missing (and no dest)");
        Require(IsTwoDigits(logon.Value("sysnr")),
                what + "sysnr " + InQuotes(logon.Value("sysnr")) + " is not two digits");
    }
    const std::string user = logon.Value("user");
    Require(user == UpperAscii(user), what + "user " + InQuotes(user) + " not in upper case");
    Require(TrimPadding(user).size() == user.size(),
            what + "user " + InQuotes(user) + " padded with blanks");
    const std::string password = logon.Value("passwd");
    Require(TrimPadding(password).size() == password.size(), what + "passwd padded with blanks");
}

}  // namespace

std::string CheckedText(const char16_t* text, const std::string& what) {
    Require(text != nullptr, what + " is null");
    std::size_t length = 0;
    while (text[length] != u'\0') {
        Require(++length < kLongestText, what + " is not zero-terminated within " +
                                             std::to_string(kLongestText) + " code units");
    }
    const std::optional<std::string> converted = Utf8FromUtf16(std::u16string_view(text, length));
    Require(converted.has_value(), what + " is not UTF-16");
    return *converted;
}

void RequireAddress(const void* address, const std::string& what) {
    Require(address != nullptr, what + " is null");
}

std::string LogonParameters::Value(std::string_view name) const {
    for (const auto& [passedName, value] : passed) {
        if (passedName == name) {
            return value;
        }
    }
    return "";
}

bool LogonParameters::Has(std::string_view name) const {
    return std::any_of(passed.begin(), passed.end(),
                       [name](const auto& parameter) { return parameter.first == name; });
}

LogonParameters CheckedLogonParameters(const NwRfcConnectionParameter* parameters, unsigned count) {
    Require(parameters != nullptr, "RfcOpenConnection: parameters are null");
    Require(count > 0, "RfcOpenConnection: no parameters");
    LogonParameters logon;
    for (unsigned i = 0; i < count; ++i) {
        const std::string what = "RfcOpenConnection: parameter " + std::to_string(i + 1);
        std::string name = CheckedText(parameters[i].name, what + " name");
        Require(IsKnown(name), what + ": unknown name " + InQuotes(name));
        Require(!logon.Has(name), what + ": " + name + " given twice");
        std::string value = CheckedText(parameters[i].value, what + " (" + name + ") value");
        logon.passed.emplace_back(std::move(name), std::move(value));
    }
    CheckCombination(logon);
    return logon;
}

}  // namespace trevalunda::rfcsim

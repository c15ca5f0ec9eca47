#include "rfcsim/landscape.h"

#include <functional>
#include <limits>
#include <map>

#include "rfcsim/text.h"

namespace trevalunda::rfcsim {
namespace {

using Setter = std::function<void(SapSystem&, std::string_view)>;

template <typename Number>
void SetNumber(Number& field, std::string_view value) {
    const std::optional<std::int64_t> number = ParseNumber(value);
    if (number && *number >= static_cast<std::int64_t>(std::numeric_limits<Number>::min()) &&
        *number <= static_cast<std::int64_t>(std::numeric_limits<Number>::max())) {
        field = static_cast<Number>(*number);
    }
}

bool IsYes(std::string_view value) {
    for (std::string_view yes : {"YES", "TRUE", "ON", "1"}) {
        if (EqualsIgnoringCase(value, yes)) {
            return true;
        }
    }
    return false;
}

ErrorTexts ParseErrorTexts(std::string_view value) {
    std::vector<std::string> fields = Split(value, '|');
    fields.resize(4);
    return ErrorTexts{fields[0], fields[1], fields[2], fields[3]};
}

// The character that a backslash and this letter stand for in a message, if any.
std::optional<char> Escaped(char letter) {
    switch (letter) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '\\':
            return '\\';
        default:
            return std::nullopt;
    }
}

// A message of one line that stands for several: \n, \r and \t become a line feed, a
// carriage return and a tab, \\ one backslash; any other backslash stays.
std::string ResolveEscapes(std::string_view value) {
    std::string resolved;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::optional<char> escaped =
            value[i] == '\\' && i + 1 < value.size() ? Escaped(value[i + 1]) : std::nullopt;
        if (escaped) {
            resolved += *escaped;
            ++i;
        } else {
            resolved += value[i];
        }
    }
    return resolved;
}

Setter Text(std::string SapSystem::*field) {
    return [field](SapSystem& system, std::string_view value) { system.*field = value; };
}

Setter FaultText(std::string Faults::*field) {
    return [field](SapSystem& system, std::string_view value) { system.faults.*field = value; };
}

Setter FaultCode(int Faults::*field) {
    return [field](SapSystem& system, std::string_view value) {
        SetNumber(system.faults.*field, value);
    };
}

Setter FaultFlag(bool Faults::*field) {
    return
        [field](SapSystem& system, std::string_view value) { system.faults.*field = IsYes(value); };
}

// The keys of a section, upper-cased, and what each sets.
const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters{
        {"DESTINATION", Text(&SapSystem::destination)},
        {"HOST", Text(&SapSystem::host)},
        {"SYSTEMNUMBER", [](SapSystem& s, std::string_view v) { SetNumber(s.systemNumber, v); }},
        {"GATEWAYHOST", Text(&SapSystem::gatewayHost)},
        {"GATEWAYSERVICE", Text(&SapSystem::gatewayService)},
        {"MESSAGESERVER", Text(&SapSystem::messageServer)},
        {"LOGONGROUP", Text(&SapSystem::logonGroup)},
        {"CLIENT", Text(&SapSystem::client)},
        {"USER", Text(&SapSystem::user)},
        {"PASSWORD", Text(&SapSystem::password)},
        {"DATABASESYSTEM", Text(&SapSystem::databaseSystem)},
        {"HOSTNAME", Text(&SapSystem::hostName)},
        {"LOCKWAITERS", [](SapSystem& s, std::string_view v) { SetNumber(s.lockWaiters, v); }},
        {"SYSTEMINFOCALLCODE", FaultCode(&Faults::systemInfoCallCode)},
        {"SYSTEMINFORECEIVECODE", FaultCode(&Faults::systemInfoReceiveCode)},
        {"LOCKWAITERSCALLCODE", FaultCode(&Faults::lockWaitersCallCode)},
        {"LOCKWAITERSRECEIVECODE", FaultCode(&Faults::lockWaitersReceiveCode)},
        {"SYSTEMINFOINVOKECODE", FaultCode(&Faults::systemInfoInvokeCode)},
        {"LOCKWAITERSINVOKECODE", FaultCode(&Faults::lockWaitersInvokeCode)},
        {"ERRORMESSAGE",
         [](SapSystem& s, std::string_view v) { s.faults.errorMessage = ResolveEscapes(v); }},
        {"HANG", FaultText(&Faults::hang)},
        {"HANGSECONDS",
         [](SapSystem& s, std::string_view v) { SetNumber(s.faults.hangSeconds, v); }},
        {"EXCEPTION", FaultText(&Faults::exception)},
        {"HANDLERERROR", FaultText(&Faults::handlerError)},
        {"LASTERROR",
         [](SapSystem& s, std::string_view v) { s.faults.lastError = ParseErrorTexts(v); }},
        {"FAILINSTALLSTRUCTURE", FaultText(&Faults::failInstallStructure)},
        {"FAILITCREATE", FaultFlag(&Faults::failItCreate)},
        {"FAILITGETLINE",
         [](SapSystem& s, std::string_view v) { SetNumber(s.faults.failItGetLine, v); }},
        {"FAILITDELETE", FaultFlag(&Faults::failItDelete)},
        {"TRACELINE",
         [](SapSystem& s, std::string_view v) { s.faults.traceLines.emplace_back(v); }},
    };
    return setters;
}

bool IsComment(std::string_view line) {
    return line.empty() || line.front() == ';' || line.front() == '#';
}

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Fills in what a section left open.
void CompleteSystem(SapSystem& system) {
    if (system.hostName.empty()) {
        system.hostName = system.host.empty() ? system.name : system.host;
    }
}

}  // namespace

Landscape ParseLandscape(std::string_view text) {
    Landscape landscape;
    for (const std::string& rawLine : SplitLines(text)) {
        const std::string_view line = Trim(rawLine);
        if (IsComment(line)) {
            continue;
        }
        if (IsSectionHeader(line)) {
            landscape.systems.emplace_back();
            landscape.systems.back().name = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || landscape.systems.empty()) {
            continue;
        }
        const auto setter = Setters().find(UpperAscii(Trim(line.substr(0, equals))));
        if (setter != Setters().end()) {
            setter->second(landscape.systems.back(), Trim(line.substr(equals + 1)));
        }
    }
    for (SapSystem& system : landscape.systems) {
        CompleteSystem(system);
    }
    return landscape;
}

std::optional<Landscape> ReadLandscape(const std::filesystem::path& folder) {
    const std::optional<std::string> text = ReadWholeFile(folder / kLandscapeFileName);
    if (!text) {
        return std::nullopt;
    }
    return ParseLandscape(*text);
}

const Landscape* LandscapeFile::Get() {
    if (!read_) {
        landscape_ = ReadLandscape(folder_);
        read_ = true;
    }
    return landscape_ ? &*landscape_ : nullptr;
}

}  // namespace trevalunda::rfcsim

#include "config/sensor_listing.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/text.h"
#include "platform/file_system.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

constexpr std::size_t kLineRead = 199;
constexpr std::size_t kSensorNameLength = 10;
constexpr std::size_t kKeyLength = 18;
constexpr std::size_t kSystemsColumn = 20;    // the systems begin in column 21
constexpr std::size_t kParameterColumn = 19;  // the parameter text begins in column 20
constexpr std::size_t kItemNameLimit = 90;

// The value of a line from the column on; it ends at a zero byte.
std::string_view From(std::string_view line, std::size_t column) {
    return UpToZeroByte(line.size() > column ? line.substr(column) : std::string_view());
}

std::string WithBlanksForColons(std::string_view text) {
    std::string changed(text);
    std::replace(changed.begin(), changed.end(), ':', ' ');
    return changed;
}

// The label kind a parameter line asks for; Sid wins over Host over Alias over Profile.
LabelKind LabelKindOf(std::string_view line) {
    static constexpr std::array<std::pair<std::string_view, LabelKind>, 4> kKeywords{{
        {",Profile", LabelKind::Profile},
        {",Alias", LabelKind::Alias},
        {",Host", LabelKind::Host},
        {",Sid", LabelKind::Sid},
    }};
    LabelKind kind = LabelKind::Profile;
    for (const auto& [keyword, value] : kKeywords) {
        if (line.find(keyword) != std::string_view::npos) {
            kind = value;
        }
    }
    return kind;
}

// The item that a parameter text names after "Item=".
std::string ItemOf(std::string_view parameters) {
    const std::size_t found = parameters.find("Item=");
    if (found == std::string_view::npos) {
        return {};
    }
    std::string_view item = parameters.substr(found + 5);
    item = item.substr(0, std::min({item.find_first_of(" ,"), item.size(), kItemNameLimit}));
    return WithBlanksForColons(item);
}

// Hands each line to the handler with its line number, until the handler returns false.
template <typename LineHandler>
void ForEachLine(std::string_view text, LineHandler handle) {
    platform::TextReader reader(text);
    while (auto line = reader.Read(kLineRead)) {
        platform::StripLineEnd(*line);
        if (!handle(std::string_view(*line), reader.LineNumber())) {
            return;
        }
    }
}

void AddSystems(ListingReading& reading, std::string_view line, int lineNumber) {
    const std::string_view systems = From(line, kSystemsColumn);
    reading.listing.SystemList += systems;
    reading.systemsLines.push_back({lineNumber, std::string(systems)});
}

void ReadItemListing(std::string_view text, const ListingRequest& request,
                     ListingReading& reading) {
    reading.listing.ItemName = request.itemName;
    ForEachLine(text, [&](std::string_view line, int lineNumber) {
        if (line.starts_with(kItemSystemsMark)) {
            AddSystems(reading, line, lineNumber);
        }
        return true;
    });
}

void ReadGlobalListing(std::string_view text, const ListingRequest& request,
                       ListingReading& reading) {
    const std::string systemsKey = GlobalSystemsKey(request.upperParameters);
    const std::string parameterKey = GlobalParameterKey(request.upperParameters);
    SensorListing& listing = reading.listing;
    std::optional<std::string> sensorParameters;
    ForEachLine(text, [&](std::string_view line, int lineNumber) {
        const std::string key = UpperAscii(line.substr(0, kKeyLength));
        if (key == systemsKey) {
            AddSystems(reading, line, lineNumber);
        } else if (key == parameterKey && !sensorParameters) {
            reading.parameterLine = lineNumber;
            const std::string_view parameters = From(line, kParameterColumn);
            if (parameters.find(kOwnSensorMark) == std::string_view::npos) {
                reading.failure = ListingFailure{ListingFault::ForeignSensor, lineNumber};
                return false;
            }
            sensorParameters = std::string(parameters);
            listing.ParameterString =
                WithBlanksForColons(parameters.substr(0, parameters.find(",Sensor=")));
            listing.labelKind = LabelKindOf(UpToZeroByte(line));
        }
        return true;
    });
    if (reading.failure) {
        return;
    }
    if (!sensorParameters) {
        reading.failure = ListingFailure{ListingFault::SensorNotFound};
        return;
    }
    listing.ItemName = ItemOf(*sensorParameters);
}

std::optional<ListingFailure> FinalChecks(const ListingReading& reading) {
    if (reading.listing.SystemList.empty()) {
        return ListingFailure{ListingFault::NoSystems};
    }
    if (reading.listing.ItemName.empty()) {
        return ListingFailure{ListingFault::NoItem, reading.parameterLine};
    }
    return std::nullopt;
}

}  // namespace

std::string SensorNameOf(std::string_view upperParameters) {
    std::string name(upperParameters.substr(0, upperParameters.find(' ')));
    name.resize(kSensorNameLength, ' ');
    return name;
}

std::string GlobalSystemsKey(std::string_view upperParameters) {
    return "# GSNG: " + SensorNameOf(upperParameters);
}

std::string GlobalParameterKey(std::string_view upperParameters) {
    return "# GSNX: " + SensorNameOf(upperParameters);
}

ListingReading ReadListingLines(std::string_view text, const ListingRequest& request) {
    ListingReading reading;
    if (request.kind == ListingKind::Item) {
        ReadItemListing(text, request, reading);
    } else {
        ReadGlobalListing(text, request, reading);
    }
    if (!reading.failure) {
        reading.failure = FinalChecks(reading);
    }
    return reading;
}

std::string ListingFailureMessage(ListingFault fault, const ListingRequest& request) {
    switch (fault) {
        case ListingFault::ForeignSensor:
            return "Error 1029: Invalid Sensor-Allocation...";
        case ListingFault::SensorNotFound:
            return "Error 1030: Global Sensor " + request.secondArgument + " not found...";
        case ListingFault::NoSystems:
            return "Error 1025: Global Server Listing missing...";
        case ListingFault::NoItem:
            break;
    }
    return "Error 1026: Global Item Idenification missing...";
}

Result<SensorListing> ParseSensorListing(std::string_view text, const ListingRequest& request) {
    ListingReading reading = ReadListingLines(text, request);
    if (reading.failure) {
        return Fatal{ListingFailureMessage(reading.failure->fault, request)};
    }
    return std::move(reading.listing);
}

Result<SensorListing> ReadSensorListing(const platform::FileSystem& files, const std::string& path,
                                        const ListingRequest& request) {
    const platform::FileContent file = files.Read(path);
    if (file.status != platform::ReadStatus::Ok) {
        const char* number = request.kind == ListingKind::Item ? "1024" : "10x1";
        return Fatal{"Error " + std::string(number) + ": ProFile " + request.ProfileName +
                     " is missing..."};
    }
    return ParseSensorListing(file.bytes, request);
}

std::string TakeNextEntry(std::string& systemList) {
    const std::size_t end = std::min(systemList.find('#'), systemList.size());
    std::string entry = systemList.substr(0, end);
    systemList.erase(0, std::min(end + 1, systemList.size()));
    return entry;
}

std::string SystemLabelFor(LabelKind kind, std::string_view entry, std::string_view hostname,
                           std::string_view destination) {
    switch (kind) {
        case LabelKind::Alias:
            // An entry too short to carry an extension keeps its whole name, so that no
            // channel is left without one.
            return std::string(entry.size() > 4 ? entry.substr(0, entry.size() - 4) : entry);
        case LabelKind::Host:
            return std::string(hostname);
        case LabelKind::Sid:
            return std::string(destination);
        case LabelKind::Profile:
            break;
    }
    return std::string(entry);
}

}  // namespace trevalunda

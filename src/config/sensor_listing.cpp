#include "config/sensor_listing.h"

#include <algorithm>
#include <array>
#include <utility>

#include "config/text_rules.h"
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
constexpr std::string_view kItemSystemsMark = "# Gsng: ";
constexpr std::string_view kOwnSensor = "Sensor=\"SAP Trevalunda\"";

std::string_view From(std::string_view line, std::size_t column) {
    return line.size() > column ? line.substr(column) : std::string_view();
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

template <typename LineHandler>
Status ForEachLine(std::string_view text, LineHandler handle) {
    platform::TextReader reader(text);
    while (auto line = reader.Read(kLineRead)) {
        platform::StripLineEnd(*line);
        if (Status failed = handle(std::string_view(*line))) {
            return failed;
        }
    }
    return std::nullopt;
}

Result<SensorListing> ParseItemListing(std::string_view text, const ListingRequest& request) {
    SensorListing listing;
    listing.ItemName = request.itemName;
    ForEachLine(text, [&](std::string_view line) -> Status {
        if (line.starts_with(kItemSystemsMark)) {
            listing.SystemList += From(line, kSystemsColumn);
        }
        return std::nullopt;
    });
    return listing;
}

Result<SensorListing> ParseGlobalListing(std::string_view text, const ListingRequest& request) {
    const std::string name = SensorNameOf(request.upperParameters);
    const std::string systemsKey = "# GSNG: " + name;
    const std::string parameterKey = "# GSNX: " + name;
    SensorListing listing;
    std::optional<std::string> sensorParameters;
    Status failed = ForEachLine(text, [&](std::string_view line) -> Status {
        const std::string key = UpperAscii(line.substr(0, kKeyLength));
        if (key == systemsKey) {
            listing.SystemList += From(line, kSystemsColumn);
        } else if (key == parameterKey && !sensorParameters) {
            const std::string_view parameters = From(line, kParameterColumn);
            if (parameters.find(kOwnSensor) == std::string_view::npos) {
                return Fatal{"Error 1029: Invalid Sensor-Allocation..."};
            }
            sensorParameters = std::string(parameters);
            listing.ParameterString =
                WithBlanksForColons(parameters.substr(0, parameters.find(",Sensor=")));
            listing.labelKind = LabelKindOf(line);
        }
        return std::nullopt;
    });
    if (failed) {
        return *failed;
    }
    if (!sensorParameters) {
        return Fatal{"Error 1030: Global Sensor " + request.secondArgument + " not found..."};
    }
    listing.ItemName = ItemOf(*sensorParameters);
    return listing;
}

Status FinalChecks(const SensorListing& listing) {
    if (listing.SystemList.empty()) {
        return Fatal{"Error 1025: Global Server Listing missing..."};
    }
    if (listing.ItemName.empty()) {
        return Fatal{"Error 1026: Global Item Idenification missing..."};
    }
    return std::nullopt;
}

}  // namespace

std::string SensorNameOf(std::string_view upperParameters) {
    std::string name(upperParameters.substr(0, upperParameters.find(' ')));
    name.resize(kSensorNameLength, ' ');
    return name;
}

Result<SensorListing> ParseSensorListing(std::string_view text, const ListingRequest& request) {
    Result<SensorListing> listing = request.kind == ListingKind::Item
                                        ? ParseItemListing(text, request)
                                        : ParseGlobalListing(text, request);
    if (!listing.ok()) {
        return listing;
    }
    if (Status failed = FinalChecks(listing.value())) {
        return *failed;
    }
    return listing;
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

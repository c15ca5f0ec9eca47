#include "tool/listing_command.h"

#include "base/text.h"
#include "config/profile_location.h"
#include "config/sensor_listing.h"
#include "platform/file_system.h"
#include "run/parameter_keywords.h"
#include "tool/help_text.h"
#include "tool/listing_report.h"

namespace trevalunda::tool {
namespace {

constexpr std::string_view kItemOption = "--item";

bool IsGlobalListing(const std::string& path) {
    return EqualsIgnoringCase(platform::FileNameOf(path), kGlobalListingName);
}

// The request of a multi-system run for the listing that the arguments name.
Result<ListingRequest> RequestFor(const ListingArguments& arguments) {
    ListingRequest request;
    if (!IsGlobalListing(arguments.file)) {
        if (arguments.sensorName) {
            return Fatal{arguments.file +
                         " is read as an item listing, which has no SENSOR-NAME (only " +
                         std::string(kGlobalListingName) +
                         " is the global listing); give the item with --item"};
        }
        const ParameterText parameters("ITEM=" + arguments.item.value_or(std::string(kLockItem)));
        request.kind = ListingKind::Item;
        request.ProfileName = kItemListingName;
        request.itemName = ReadParameterKeywords(parameters).itemName.value_or("");
        return request;
    }
    if (arguments.item) {
        return Fatal{arguments.file +
                     " is the global listing, whose parameter lines name the items; --item is for "
                     "an item listing"};
    }
    if (!arguments.sensorName) {
        return Fatal{arguments.file +
                     " is the global listing: give the SENSOR-NAME, the sensor's parameter text "
                     "such as \"LOCKS CH=1\""};
    }
    // The sensor's parameter text, read as the sensor reads it: with "ITEM=" it would read the
    // item listing instead.
    const ParameterText parameters(*arguments.sensorName);
    if (ReadParameterKeywords(parameters).itemName) {
        return Fatal{"the SENSOR-NAME " + *arguments.sensorName +
                     " holds \"ITEM=\", with which the sensor reads " +
                     std::string(kItemListingName) + " instead of the global listing"};
    }
    request.kind = ListingKind::Global;
    request.ProfileName = kGlobalListingName;
    request.upperParameters = parameters.Upper();
    request.secondArgument = *arguments.sensorName;
    return request;
}

Status TakeItem(const std::vector<std::string>& arguments, std::size_t& i,
                ListingArguments& parsed) {
    const std::string& argument = arguments[i];
    if (parsed.item) {
        return Fatal{std::string(kItemOption) + " is given twice"};
    }
    if (argument.size() > kItemOption.size()) {
        parsed.item = argument.substr(kItemOption.size() + 1);
    } else if (i + 1 < arguments.size()) {
        parsed.item = arguments[++i];
    } else {
        return Fatal{std::string(kItemOption) + " needs a value"};
    }
    return std::nullopt;
}

}  // namespace

Result<ListingArguments> ParseListingArguments(const std::vector<std::string>& arguments) {
    ListingArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (argument == kItemOption || argument.starts_with(std::string(kItemOption) + "=")) {
            if (Status failed = TakeItem(arguments, i, parsed)) {
                return *failed;
            }
        } else if (argument.starts_with("--")) {
            return Fatal{"listing has no option " + argument.substr(0, argument.find('=')) +
                         " (see trevalunda-profile listing --help)"};
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.empty()) {
        return Fatal{"listing needs the FILE to read (see trevalunda-profile listing --help)"};
    }
    if (positional.size() > 2) {
        return Fatal{"listing reads one FILE for one SENSOR-NAME; " + positional[2] +
                     " would be a third argument (quote a SENSOR-NAME that holds blanks)"};
    }
    parsed.file = positional[0];
    if (positional.size() == 2) {
        parsed.sensorName = positional[1];
    }
    return parsed;
}

ToolExit RunListing(const std::vector<std::string>& arguments, ToolServices& services) {
    const Result<ListingArguments> parsed = ParseListingArguments(arguments);
    if (!parsed.ok()) {
        WriteMessage(services, parsed.fatal().message);
        return ToolExit::Failure;
    }
    if (parsed.value().help) {
        services.out << ListingHelp();
        return ToolExit::Success;
    }
    const std::string& path = parsed.value().file;
    const Result<ListingRequest> request = RequestFor(parsed.value());
    if (!request.ok()) {
        WriteMessage(services, request.fatal().message);
        return ToolExit::Failure;
    }
    const platform::FileContent file = services.files.Read(path);
    if (file.status != platform::ReadStatus::Ok) {
        const char* why =
            file.status == platform::ReadStatus::Missing ? "no such file" : "cannot be read";
        // The sensor opens the listing when it locates it, and a listing it cannot open
        // ends the run there.
        WriteMessage(services, path + ": " + why + "; the sensor would stop with " +
                                   MissingProfile(request.value().ProfileName).message);
        return ToolExit::Failure;
    }
    const ListingReport report = ReportListing(path, file.bytes, request.value());
    services.out << report.text;
    return report.accepted ? ToolExit::Success : ToolExit::Refused;
}

}  // namespace trevalunda::tool

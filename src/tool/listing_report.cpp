#include "tool/listing_report.h"

#include <optional>

#include "tool/listing_entries.h"
#include "tool/report_lines.h"

namespace trevalunda::tool {
namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string SystemsKeyOf(const ListingRequest& request) {
    return request.kind == ListingKind::Item ? std::string(kItemSystemsMark)
                                             : GlobalSystemsKey(request.upperParameters);
}

std::string SourcesText(const ListingRequest& request) {
    if (request.kind == ListingKind::Item) {
        return "item listing: systems from the lines that begin with " + Quoted(kItemSystemsMark) +
               " (in this letter case)";
    }
    return "global listing: systems from the lines that begin with " +
           Quoted(GlobalSystemsKey(request.upperParameters)) +
           ", the parameter text from the first line that begins with " +
           Quoted(GlobalParameterKey(request.upperParameters)) + " (in any letter case)";
}

// What in the listing makes the sensor refuse it.
std::string FailureCause(ListingFault fault, const ListingRequest& request) {
    switch (fault) {
        case ListingFault::ForeignSensor:
            return "the sensor's parameter line does not hold " + std::string(kOwnSensorMark);
        case ListingFault::SensorNotFound:
            return "no line begins with " + Quoted(GlobalParameterKey(request.upperParameters));
        case ListingFault::NoSystems:
            return "no line that begins with " + Quoted(SystemsKeyOf(request)) +
                   " has a system from column 21 on";
        case ListingFault::NoItem:
            break;
    }
    return request.kind == ListingKind::Item
               ? "--item gives no item"
               : "the sensor's parameter line names no item with \"Item=\"";
}

const char* LabelKindName(LabelKind kind) {
    switch (kind) {
        case LabelKind::Alias:
            return "Alias";
        case LabelKind::Host:
            return "Host";
        case LabelKind::Sid:
            return "Sid";
        case LabelKind::Profile:
            break;
    }
    return "Profile";
}

// How a system's channel is named under the label kind.
const char* LabelRule(LabelKind kind) {
    switch (kind) {
        case LabelKind::Alias:
            return "its entry without the last 4 characters";
        case LabelKind::Host:
            return "the Hostname of its profile";
        case LabelKind::Sid:
            return "the Destination of its profile";
        case LabelKind::Profile:
            break;
    }
    return "its entry as written";
}

// The label of the entry's channel; a label taken from the profile is named, not read.
std::string LabelText(LabelKind kind, const std::string& entry) {
    if (kind == LabelKind::Host || kind == LabelKind::Sid) {
        return std::string(", label: ") + LabelRule(kind);
    }
    return ", label " + Quoted(SystemLabelFor(kind, entry, "", ""));
}

// The line of one entry. Labels are shown only for a listing that the sensor takes.
std::string EntryText(const ListedEntry& listed, std::size_t number, const LabelKind* labelKind) {
    std::string text = "system " + std::to_string(number);
    if (listed.entry.empty()) {
        return text +
               " is empty: nothing stands before its \"#\"; the sensor counts it in NoSystems "
               "but reads no profile for it";
    }
    text += " " + Quoted(listed.entry);
    if (labelKind != nullptr) {
        text += LabelText(*labelKind, listed.entry);
    }
    if (listed.lastLine != listed.firstLine) {
        text += "; it runs on to line " + std::to_string(listed.lastLine) + " because line " +
                std::to_string(listed.firstLine) + " does not end with \"#\"";
    }
    if (!listed.closed) {
        text +=
            "; it has no closing \"#\", and the sensor takes it as the last system all the same";
    }
    return text;
}

std::string ItemText(const std::string& item) {
    std::string text = "item " + Quoted(item);
    if (item != kLockItem) {
        text += "; only " + std::string(kLockItem) +
                " writes a channel for each system, any other item is only counted in the summary";
    }
    return text;
}

void ReportVerdict(const ListingReading& reading, const ListingRequest& request,
                   ReportLines& report) {
    if (!reading.failure) {
        report.Add("the sensor accepts this listing");
        return;
    }
    const std::string message = ListingFailureMessage(reading.failure->fault, request);
    report.Add("the sensor refuses this listing: " + message);
    report.Add(reading.failure->lineNumber, FailureCause(reading.failure->fault, request) + " (" +
                                                message.substr(0, message.find(':')) + ")");
}

void ReportRunSettings(const ListingReading& reading, ReportLines& report) {
    const SensorListing& listing = reading.listing;
    report.Add(reading.parameterLine, ItemText(listing.ItemName));
    report.Add(reading.parameterLine,
               std::string("label kind ") + LabelKindName(listing.labelKind) +
                   ": each system's channel is named by " + LabelRule(listing.labelKind));
    if (listing.ParameterString) {
        report.Add(reading.parameterLine, "parameter text " + Quoted(*listing.ParameterString) +
                                              " replaces the command line's");
    }
}

}  // namespace

ListingReport ReportListing(std::string_view path, std::string_view text,
                            const ListingRequest& request) {
    ReportLines report(path);
    const ListingReading reading = ReadListingLines(text, request);
    const bool accepted = !reading.failure;
    ReportVerdict(reading, request, report);
    report.Add(SourcesText(request));
    const LabelKind* labelKind = accepted ? &reading.listing.labelKind : nullptr;
    std::size_t number = 0;
    for (const ListedEntry& listed : ListedEntries(reading)) {
        report.Add(listed.firstLine, EntryText(listed, ++number, labelKind));
    }
    if (accepted) {
        ReportRunSettings(reading, report);
    }
    return {accepted, report.Take()};
}

}  // namespace trevalunda::tool

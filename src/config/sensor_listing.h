#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/fatal.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// How a multi-system run names each system's channel.
enum class LabelKind {
    Profile,  // the listed profile file name as written
    Alias,    // the file name without its extension
    Host,     // the profile's host name
    Sid,      // the profile's destination
};

// What a listing says a multi-system run serves.
struct SensorListing {
    std::string SystemList;  // profile file names, each ended by "#"
    std::string ItemName;
    LabelKind labelKind = LabelKind::Profile;
    // The global listing's parameter text for the sensor, which replaces the command line's.
    std::optional<std::string> ParameterString;
};

// The two listings: the systems lines of "Vantorix.Prf" for an "ITEM=" run, and the global
// listing "SAP Vantorix.Gbl" with its per-sensor lines.
enum class ListingKind { Item, Global };

// What the command line contributes to reading a listing.
struct ListingRequest {
    ListingKind kind = ListingKind::Item;
    std::string ProfileName;      // quoted when the listing cannot be opened
    std::string itemName;         // an item run's "ITEM=" value
    std::string upperParameters;  // the upper-cased parameter text: its first word names the sensor
    std::string secondArgument;   // quoted when the sensor is not found
};

// The sensor name of a global run: the first word of the parameter text, blank-padded to the
// ten characters that take part in matching.
std::string SensorNameOf(std::string_view upperParameters);

// Reads a listing's text.
Result<SensorListing> ParseSensorListing(std::string_view text, const ListingRequest& request);

// Opens the listing at the path and reads it.
Result<SensorListing> ReadSensorListing(const platform::FileSystem& files, const std::string& path,
                                        const ListingRequest& request);

// Takes the next entry off the front of a system list: the text up to the next "#" (a last
// entry without its "#" counts too).
std::string TakeNextEntry(std::string& systemList);

// The channel label of a system for the label kind.
std::string SystemLabelFor(LabelKind kind, std::string_view entry, std::string_view hostname,
                           std::string_view destination);

}  // namespace trevalunda

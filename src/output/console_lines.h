#pragma once

#include <string>
#include <string_view>

#include "platform/output_sink.h"

namespace trevalunda {

// The program's name and version as the console lines show them.
inline constexpr std::string_view kItemTitle = "Trevalunda";
inline constexpr std::string_view kVersionText = "Vers 4.3 / 29.08.22";

// Prints "<indent blanks><label padded to width> : <value>\n"; a longer label is printed whole.
void PrintLabelValue(platform::OutputSink& out, std::string_view label, int indent, int width,
                     std::string_view value);

// The progress lines of a run, without their line ends. Each takes the time of day it shows.

// "* <time> SAP Trevalunda Vers 4.3 / 29.08.22"
std::string StartLine(std::string_view time);

// "* <time> <profile>, <host>, <destination>, <system number>, <client>"
struct SystemLineFields {
    std::string_view profile;
    std::string_view host;
    std::string_view destination;
    std::string_view systemNumber;
    std::string_view client;
};
std::string SystemLine(std::string_view time, const SystemLineFields& fields);

// "* <time> Trevalunda - <parameters> State=Executing" of a single-system run.
std::string SingleExecutingLine(std::string_view time, std::string_view parameters);

// "* <time> <parameters> State=Executing" of a multi-system run.
std::string MultiExecutingLine(std::string_view startTime, std::string_view parameters);

// "\n* <time> SAP Trevalunda now processed..."
std::string EndLine(std::string_view time);

// The parameter text that a single-system run shows: cut before the first "#" and the first
// "@", and "(No Parameters)" when nothing is left.
std::string SingleRunParameterText(std::string_view parameters);

// The parameter text that a multi-system run shows and keeps: every ":" a blank, cut before
// the first " @".
std::string MultiRunParameterText(std::string_view parameters);

}  // namespace trevalunda

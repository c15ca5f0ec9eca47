#include "output/console_lines.h"

#include <algorithm>

namespace trevalunda {

void PrintLabelValue(platform::OutputSink& out, std::string_view label, int indent, int width,
                     std::string_view value) {
    std::string line(static_cast<std::size_t>(std::max(indent, 0)), ' ');
    line += label;
    if (label.size() < static_cast<std::size_t>(std::max(width, 0))) {
        line.append(static_cast<std::size_t>(width) - label.size(), ' ');
    }
    line += " : ";
    line += value;
    line += '\n';
    out.Write(line);
}

std::string StartLine(std::string_view time) {
    return "* " + std::string(time) + " SAP " + std::string(kItemTitle) + " " +
           std::string(kVersionText);
}

std::string SystemLine(std::string_view time, const SystemLineFields& fields) {
    std::string line = "* " + std::string(time) + " " + std::string(fields.profile);
    for (std::string_view field :
         {fields.host, fields.destination, fields.systemNumber, fields.client}) {
        line += ", ";
        line += field;
    }
    return line;
}

std::string SingleExecutingLine(std::string_view time, std::string_view parameters) {
    return "* " + std::string(time) + " " + std::string(kItemTitle) + " - " +
           std::string(parameters) + " State=Executing";
}

std::string MultiExecutingLine(std::string_view startTime, std::string_view parameters) {
    return "* " + std::string(startTime) + " " + std::string(parameters) + " State=Executing";
}

std::string EndLine(std::string_view time) {
    return "\n* " + std::string(time) + " SAP " + std::string(kItemTitle) + " now processed...";
}

std::string SingleRunParameterText(std::string_view parameters) {
    std::string_view shown = parameters.substr(0, parameters.find('#'));
    shown = shown.substr(0, shown.find('@'));
    if (shown.empty() || shown == "(Parameters " || shown == "(No ") {
        return "(No Parameters)";
    }
    return std::string(shown);
}

std::string MultiRunParameterText(std::string_view parameters) {
    std::string shown(parameters);
    std::replace(shown.begin(), shown.end(), ':', ' ');
    return shown.substr(0, shown.find(" @"));
}

}  // namespace trevalunda

#include "run/run_context.h"

#include <algorithm>

#include "output/console_lines.h"

namespace trevalunda {
namespace {

constexpr std::size_t kItemNameLimit = 90;

}  // namespace

Result<RunContext> ReadCommandLine(const std::vector<std::string>& arguments,
                                   const std::string& startTime) {
    RunContext context;
    context.StartTime = startTime;
    context.startLine = StartLine(startTime);
    if (!arguments.empty()) {
        context.programPath = arguments[0];
    }
    if (arguments.size() < 2) {
        return Fatal{"Error 1001: Parameter for Profile-Name is missing !"};
    }
    context.ProfileName = arguments[1];
    std::string parameters;
    if (arguments.size() > 2) {
        context.secondArgument = arguments[2];
        parameters = arguments[2];
    }
    if (arguments.size() > 3) {
        parameters += ' ';
        parameters += arguments[3];
    }
    context.ParameterString = ParameterText(parameters);

    if (auto item = context.ParameterString.ValueAfter("ITEM=", " ,", kItemNameLimit)) {
        std::replace(item->begin(), item->end(), ':', ' ');
        context.ItemName = std::move(*item);
        context.itemRun = true;
    }
    context.VerboseConsole = context.ParameterString.ContainsAnyOf("#@$%");
    return context;
}

}  // namespace trevalunda

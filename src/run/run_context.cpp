#include "run/run_context.h"

#include "output/console_lines.h"
#include "run/parameter_keywords.h"

namespace trevalunda {

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

    const ParameterKeywords asked = ReadParameterKeywords(context.ParameterString);
    if (asked.itemName) {
        context.ItemName = *asked.itemName;
        context.itemRun = true;
    }
    context.VerboseConsole = asked.verboseConsole;
    return context;
}

}  // namespace trevalunda

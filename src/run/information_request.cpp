#include "run/information_request.h"

#include "output/version_line.h"

namespace trevalunda {

std::string SensorHelp() {
    return "Usage: trevalunda PROFILE [PARAMETERS [MORE]]\n"
           "       trevalunda --help | --version\n"
           "\n"
           "Counts the exclusive database lock waiters of the SAP system that the profile\n"
           "PROFILE describes and prints them as a result document for PRTG's EXE/XML\n"
           "sensors. PRD reads PRD.P00 from PRTG's custom-sensor folder; GLOBAL serves the\n"
           "systems of the global listing \"SAP Vantorix.Gbl\".\n"
           "\n"
           "PARAMETERS and MORE form the parameter text. Its keywords, in any letter case:\n"
           "  ITEM=<item>    serve the systems of Vantorix.Prf, reporting <item>\n"
           "  # @ $ %        progress lines, for a person running the sensor by hand\n"
           "  @              read the profile from the folder given with its name\n"
           "  ,SYSLOG        call trace to trevalunda.log in the working folder\n"
           "  CH=<n>         line form only: print the value of channel n alone\n"
           "  ,HOST=<host>   log on to this application server host\n"
           "  ,NO=<nn>       log on with this system number\n"
           "\n"
           "Exit codes: 0 measured, 1 the RFC library reported an error, 2 a failure\n"
           "reported by the error document.\n"
           "\n"
           "README.md beside the program describes the installation, the settings file\n"
           "trevalunda.ini, the profiles, the listings and every message.\n";
}

std::optional<ExitCode> AnswerInformationRequest(const std::vector<std::string>& arguments,
                                                 platform::OutputSink& out) {
    if (arguments.size() < 2) {
        return std::nullopt;
    }
    const std::string& first = arguments[1];
    if (first == "--help" || first == "/?") {
        out.Write(SensorHelp());
    } else if (first == "--version") {
        out.Write(VersionLine("trevalunda"));
    } else {
        return std::nullopt;
    }
    return ExitCode::Success;
}

}  // namespace trevalunda

#include "tool/diagnose_remedy.h"

#include <utility>

#include "base/text.h"

namespace trevalunda::tool {
namespace {

// A remedy for the texts that contain one of the words, in any letter case.
struct RemedyRule {
    std::initializer_list<std::string_view> words;
    std::string_view remedy;
};

std::string FirstMatch(std::string_view text, std::initializer_list<RemedyRule> rules,
                       std::string_view otherwise) {
    const std::string upper = UpperAscii(text);
    for (const RemedyRule& rule : rules) {
        for (std::string_view word : rule.words) {
            if (upper.find(UpperAscii(word)) != std::string::npos) {
                return std::string(rule.remedy);
            }
        }
    }
    return std::string(otherwise);
}

}  // namespace

std::string SettingsRemedy() {
    return "mend the line of the settings file that the message names "
           "(trevalunda.ini.example shows every setting)";
}

std::string ProfileSearchRemedy(std::string_view message, std::string_view profileName,
                                LocatePolicy policy) {
    if (message.starts_with("Sorry, invalid Path-Usage")) {
        return "move the profile into PRTG's custom-sensor folder (...\\Custom Sensors\\ExeXml\\, "
               "beside the sensor); a profile found elsewhere is refused";
    }
    if (policy == LocatePolicy::FolderFromName) {
        return "put " + std::string(profileName) + " where the profile argument names it";
    }
    return "put " + std::string(profileName) +
           " into PRTG's custom-sensor folder beside the sensor, or name the folder above "
           "it in C:\\PRTG_Path.Txt";
}

std::string ProfileReadRemedy(std::string_view message, std::string_view profilePath,
                              CredentialSource credentials) {
    if (message.starts_with("Error 1008")) {
        return "switch on \"Set placeholders as environment values\" in the sensor's settings "
               "in PRTG and give the device its " +
               std::string(credentials == CredentialSource::PrtgWindows ? "Windows" : "Linux") +
               " credentials";
    }
    if (message.starts_with("Error 1004") || message.starts_with("Error 1005")) {
        return "store the password again with trevalunda-profile encode";
    }
    return "mend the profile: trevalunda-profile check " + std::string(profilePath) +
           " lists every problem in it";
}

std::string LibraryRemedy(std::string_view message) {
    return FirstMatch(
        message,
        {
            {{"32-bit"}, "install the 64-bit RFC library; the sensor is a 64-bit program"},
            {{"which is missing", "a library it needs"},
             "put the libraries that the RFC library needs beside it (SAP's NetWeaver RFC "
             "library comes with its companion libraries)"},
            {{"not found"},
             "put the RFC library beside the sensor, or name it with RfcLibrary= in the "
             "settings file"},
            {{"Error 1051"},
             "name the classic or the NetWeaver RFC library with RfcLibrary= in the settings "
             "file; this library lacks a function that the sensor calls"},
        },
        "name a 64-bit RFC library for this system with RfcLibrary= in the settings file");
}

std::string LogonRemedy(std::string_view reason) {
    return FirstMatch(
        reason,
        {
            {{"password"},
             "check User, and store the password again with trevalunda-profile encode (with "
             "Credentials=PrtgLinux or PrtgWindows: the device's credentials in PRTG)"},
            {{"client"}, "check Client in the profile: the system has no such client"},
            {{"R/2 systems"}, "name the classic RFC library for R/2 systems"},
            {{"not reached", "partner", "connect", "host", "timeout"},
             "check Host and Sysnr in the profile (or ,HOST= and ,NO= of the parameters) and "
             "the network between the probe and the system"},
        },
        "check Host, Sysnr, Client, User and the password of the profile against the "
        "library's reason");
}

std::string DeadlineRemedy() {
    return "the system did not answer in time: check the network and the system, or raise "
           "Timeout= in the settings file (below PRTG's timeout of the sensor)";
}

std::string LibraryErrorRemedy() {
    return "the RFC library failed inside (its report is in the document): install a 64-bit "
           "classic or NetWeaver RFC library that fits the sensor";
}

std::string HandlerReportRemedy() {
    return "read the library's own report in the document: its message says what failed";
}

std::string RemoteCallRemedy(std::string_view function) {
    return "give the monitoring user the authorization to call " + std::string(function) +
           " remotely (authorization object S_RFC)";
}

std::string NotOracleRemedy() {
    return "the sensor measures systems on Oracle only: point the profile at an Oracle system";
}

std::string UnexplainedRemedy() {
    return "read the sensor's document above";
}

}  // namespace trevalunda::tool

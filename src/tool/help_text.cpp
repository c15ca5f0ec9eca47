#include "tool/help_text.h"

#include <algorithm>

#include "config/profile_password.h"
#include "config/system_profile.h"
#include "tool/field_options.h"

namespace trevalunda::tool {
namespace {

constexpr std::size_t kOptionColumn = 24;
constexpr std::size_t kLabelColumn = 14;
constexpr std::size_t kLengthColumn = 7;

std::string PaddedTo(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

std::string OptionLine(const FieldOption& option) {
    const ProfileField& field = *FindProfileField(option.label);
    const std::string length =
        std::to_string(field.minimum) + "-" + std::to_string(LongestValue(field));
    return "  " + PaddedTo(std::string(option.name) + " TEXT", kOptionColumn) +
           PaddedTo(std::string(option.label), kLabelColumn) + PaddedTo(length, kLengthColumn) +
           std::string(option.meaning) + "\n";
}

std::string PasswordRule() {
    return std::to_string(FindProfileField("Password...:")->minimum) + " to " +
           std::to_string(kPasswordBodyLength) + " characters of printable ASCII (blank to ~)";
}

}  // namespace

std::string ToolHelp() {
    return "Usage: trevalunda-profile COMMAND [ARGUMENTS]\n"
           "\n"
           "Writes and checks the system profiles of the Trevalunda sensor and shows what\n"
           "it reads from its listings.\n"
           "\n"
           "Commands:\n"
           "  encode   print the stored form of a password read from standard input\n"
           "  new      write a new system profile\n"
           "  check    report everything the sensor would refuse in system profiles\n"
           "  listing  show what a multi-system run reads from a sensor listing\n"
           "  diagnose run the sensor for one system step by step and say what went wrong\n"
           "\n"
           "trevalunda-profile COMMAND --help describes a command;\n"
           "trevalunda-profile --version prints the version.\n"
           "Exit codes: 0 done, 1 check or listing found a file that the sensor refuses\n"
           "or diagnose found that the scan fails, 2 the command failed (its message says\n"
           "why).\n";
}

std::string EncodeHelp() {
    return "Usage: trevalunda-profile encode\n"
           "\n"
           "Reads a password from standard input and prints the 24 characters that the\n"
           "\"Password...:\" line of a profile holds for it. At a terminal the password is\n"
           "asked for twice and not shown; from a pipe or a file the first line is the\n"
           "password. The password is never taken from the command line, where other\n"
           "users of the machine could read it.\n"
           "\n"
           "A password has " +
           PasswordRule() +
           ".\n"
           "Every run scrambles it another way, so the printed value changes from run to\n"
           "run; each of them gives the sensor the same password.\n";
}

std::string NewHelp() {
    std::string text =
        "Usage: trevalunda-profile new FILE OPTIONS [--replace] [--no-credentials]\n"
        "\n"
        "Writes the system profile FILE for the sensor, such as PRD.P00, which the sensor\n"
        "reads for the profile name PRD. Each option gives a field, with its label in\n"
        "the file and the length in characters that the sensor takes; every field is\n"
        "required, the user unless --no-credentials is given. The password comes from\n"
        "standard input as for encode:\n" +
        PasswordRule() +
        ".\n"
        "\n";
    for (const FieldOption& option : FieldOptions()) {
        text += OptionLine(option);
    }
    text +=
        "  --replace               replace FILE when it exists\n"
        "  --no-credentials        write neither user nor password (no --user, no password\n"
        "                          read): for an installation whose trevalunda.ini sets\n"
        "                          Credentials=PrtgWindows or PrtgLinux, where a single-\n"
        "                          system run takes them from PRTG\n"
        "\n"
        "An option takes its value as the next argument or after \"=\" (--client=100).\n"
        "A value that the sensor would refuse or cut is refused with the rule it breaks;\n"
        "no value may hold a control character. On POSIX only the owner may read FILE.\n";
    return text;
}

std::string CheckHelp() {
    return "Usage: trevalunda-profile check FILE...\n"
           "\n"
           "Reads each profile FILE as the sensor reads the profile of a single system and\n"
           "reports whether the sensor accepts it or the error it would give, then every\n"
           "field that breaks a rule, with its line; the verdict on the stored password\n"
           "(well formed, check digit, length), never the password itself; and warnings\n"
           "about what the sensor takes otherwise than it was probably meant: a value\n"
           "beyond 60 characters, a field given twice, a value not set off by a blank,\n"
           "and on POSIX a file that other users may read.\n"
           "\n"
           "The settings file trevalunda.ini in the folder of FILE counts as the sensor's:\n"
           "when it sets Credentials=PrtgWindows or PrtgLinux, a profile needs no user and\n"
           "password, and check says that the sensor takes them from PRTG.\n"
           "\n"
           "Exit code 0 when the sensor accepts every FILE, 1 when it refuses one.\n";
}

std::string DiagnoseHelp() {
    return "Usage: trevalunda-profile diagnose PROFILE [PARAMETERS]\n"
           "\n"
           "Runs the sensor beside the tool (trevalunda in the tool's folder) for one\n"
           "system, with the arguments that PRTG passes to it, in the current folder as its\n"
           "working folder. The sensor's own code runs step by step, and each step gets a\n"
           "line: the settings file, every place the profile search looked and what it\n"
           "found there, the profile's fields as the sensor reads them (the password only\n"
           "as set or not set), the logon data, the RFC library and its kind or why it\n"
           "cannot be loaded, the logon with the library's own reason when it fails, the\n"
           "reached system's database and host, and the lock-waiter count. Then the files\n"
           "that the run changed (the sensor's only: \"SapRfc.ini\", its log with ,SYSLOG,\n"
           "the removed \"Dev_Rfc.Trc\"; the library writes its trace file itself), the\n"
           "sensor's exit code and the exact document it prints, and at the end what to do.\n"
           "\n"
           "A listing (GLOBAL, ITEM=) is refused: diagnose its systems by their profiles.\n"
           "\n"
           "Exit code 0 when the scan succeeds, 1 when it fails, 2 for a wrong use.\n";
}

std::string ListingHelp() {
    return "Usage: trevalunda-profile listing FILE [SENSOR-NAME] [--item ITEM]\n"
           "\n"
           "Reads the sensor listing FILE as a multi-system run reads it and shows whether\n"
           "the sensor takes it or the error it would give, with its cause and line; then\n"
           "each system entry that the sensor read, in the order the run serves them, with\n"
           "the line it comes from (an empty entry, an entry that runs on over a line end\n"
           "and a last entry without \"#\" are called out). For a listing that the sensor\n"
           "takes it shows the label of each system's channel, the item, the label kind\n"
           "and, for the global listing, the parameter text that replaces the command\n"
           "line's. A label taken from a profile (label kind Host or Sid) is named, not\n"
           "read.\n"
           "\n"
           "The file name decides how FILE is read, in any letter case:\n"
           "  SAP Vantorix.Gbl   the global listing, read for the sensor that SENSOR-NAME\n"
           "                     names: the sensor's parameter text as PRTG passes it as\n"
           "                     the second argument, such as \"LOCKS CH=1\"; its first\n"
           "                     word is the sensor's name\n"
           "  any other name     an item listing such as Vantorix.Prf, read as for the\n"
           "                     parameter \"ITEM=\"\n"
           "\n"
           "  --item ITEM        the value of the sensor's \"ITEM=\" parameter for an item\n"
           "                     listing (default No_of_Locks); as in the sensor it ends\n"
           "                     at a blank or \",\" and \":\" stands for a blank\n"
           "\n"
           "Exit code 0 when the sensor takes the listing, 1 when it refuses it.\n";
}

}  // namespace trevalunda::tool

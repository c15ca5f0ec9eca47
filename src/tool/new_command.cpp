#include "tool/new_command.h"

#include "platform/file_system.h"
#include "tool/field_options.h"
#include "tool/help_text.h"
#include "tool/password_input.h"
#include "tool/profile_writer.h"

namespace trevalunda::tool {
namespace {

const FieldOption* FindOption(std::string_view name) {
    for (const FieldOption& option : FieldOptions()) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool IsUserOption(const FieldOption& option) {
    return FindProfileField(option.label)->member == &SystemProfile::User;
}

// Every value that is missing or that the sensor would not take, one message each.
std::vector<std::string> ValueProblems(const NewRequest& request) {
    std::vector<std::string> problems;
    for (const FieldOption& option : FieldOptions()) {
        const std::string named = std::string(option.name) + " (" + std::string(option.label) + ")";
        const auto given = request.values.find(option.name);
        if (request.noCredentials && IsUserOption(option)) {
            if (given != request.values.end()) {
                problems.push_back(named +
                                   " cannot go with --no-credentials, which writes no user");
            }
        } else if (given == request.values.end()) {
            problems.push_back(named + " is missing; every field of a profile is required");
        } else if (const auto problem =
                       ValueProblem(*FindProfileField(option.label), given->second)) {
            problems.push_back(named + " " + *problem);
        }
    }
    return problems;
}

SystemProfile ValuesOf(const NewRequest& request) {
    SystemProfile values;
    for (const auto& [name, value] : request.values) {
        values.*FindProfileField(FindOption(name)->label)->member = value;
    }
    return values;
}

// The profile as the sensor's single-system run reads it must give back what was asked for:
// the password given, or, without credentials, a profile that PRTG's credentials complete.
Status VerifyProfile(const std::string& text, const NewRequest& request,
                     const std::string& password, const ProfileKey& key) {
    const std::string name(platform::FileNameOf(request.file));
    const ProfileCredentials credentials =
        request.noCredentials ? ProfileCredentials::FromElsewhere : ProfileCredentials::InProfile;
    const Result<SystemProfile> read =
        ReadSystemProfile(text, name, ReadPolicy::Strict, key, credentials);
    if (!read.ok()) {
        return Fatal{"the profile would not pass the sensor's reading: " + read.fatal().message};
    }
    if (read.value().Password != password) {
        return Fatal{"the stored password would not decode to the password given"};
    }
    return std::nullopt;
}

// The text of the profile, with the password read from standard input unless it has none.
Result<std::string> ComposeProfile(const NewRequest& request, ToolServices& services) {
    if (request.noCredentials) {
        std::string text = ProfileTextWithoutCredentials(ValuesOf(request));
        if (Status failed = VerifyProfile(text, request, "", services.key)) {
            return *failed;
        }
        return text;
    }
    const Result<std::string> stored = ReadStoredPassword(services);
    if (!stored.ok()) {
        return stored.fatal();
    }
    std::string text = ProfileText(ValuesOf(request), stored.value());
    const DecodedPassword decoded = DecodeProfilePassword(stored.value(), services.key);
    if (Status failed = VerifyProfile(text, request, decoded.password, services.key)) {
        return *failed;
    }
    return text;
}

Status WriteProfile(const NewRequest& request, ToolServices& services) {
    const bool exists = services.files.Read(request.file).status != platform::ReadStatus::Missing;
    const std::string existsMessage = request.file + " exists; give --replace to replace it";
    if (exists && !request.replace) {
        return Fatal{existsMessage};
    }
    const Result<std::string> composed = ComposeProfile(request, services);
    if (!composed.ok()) {
        return composed.fatal();
    }
    const std::string& text = composed.value();
    switch (services.files.WritePrivate(request.file, text, request.replace)) {
        case platform::WriteStatus::Written:
            return std::nullopt;
        case platform::WriteStatus::Exists:
            return Fatal{existsMessage};
        case platform::WriteStatus::Failed:
            break;
    }
    return Fatal{request.file + " cannot be written"};
}

}  // namespace

Result<NewRequest> ParseNewArguments(const std::vector<std::string>& arguments) {
    NewRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            request.help = true;
            return request;
        }
        if (argument == "--replace") {
            request.replace = true;
            continue;
        }
        if (argument == "--no-credentials") {
            request.noCredentials = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0) {
            if (!request.file.empty()) {
                return Fatal{"new writes one FILE; " + argument + " would be a second one"};
            }
            request.file = argument;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const FieldOption* option = FindOption(name);
        if (option == nullptr) {
            return Fatal{"new has no option " + name + " (see trevalunda-profile new --help)"};
        }
        if (request.values.count(option->name) != 0) {
            return Fatal{name + " is given twice"};
        }
        if (equals != std::string::npos) {
            request.values[option->name] = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            request.values[option->name] = arguments[++i];
        } else {
            return Fatal{name + " needs a value"};
        }
    }
    if (request.file.empty()) {
        return Fatal{"new needs the FILE to write (see trevalunda-profile new --help)"};
    }
    return request;
}

ToolExit RunNew(const std::vector<std::string>& arguments, ToolServices& services) {
    const Result<NewRequest> request = ParseNewArguments(arguments);
    if (!request.ok()) {
        WriteMessage(services, request.fatal().message);
        return ToolExit::Failure;
    }
    if (request.value().help) {
        services.out << NewHelp();
        return ToolExit::Success;
    }
    const std::vector<std::string> problems = ValueProblems(request.value());
    for (const std::string& problem : problems) {
        WriteMessage(services, problem);
    }
    if (!problems.empty()) {
        return ToolExit::Failure;
    }
    if (const Status failed = WriteProfile(request.value(), services)) {
        WriteMessage(services, failed->message);
        return ToolExit::Failure;
    }
    services.out << "profile " << request.value().file << " written";
    if (request.value().noCredentials) {
        services.out << ", without user and password: the sensor takes them from PRTG where "
                        "trevalunda.ini sets Credentials=PrtgWindows or PrtgLinux";
    }
    services.out << "\n";
    return ToolExit::Success;
}

}  // namespace trevalunda::tool

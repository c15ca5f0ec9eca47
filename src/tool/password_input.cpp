#include "tool/password_input.h"

#include "tool/stored_password.h"

namespace trevalunda::tool {
namespace {

std::string Ask(ToolServices& services, const char* prompt) {
    services.err << prompt << std::flush;
    std::string line = services.readSecretLine().value_or("");
    // The line end that the person typed was not shown either.
    services.err << '\n';
    return line;
}

Result<std::string> ReadPassword(ToolServices& services) {
    if (!services.inputIsTerminal()) {
        return services.readSecretLine().value_or("");
    }
    std::string password = Ask(services, "Password: ");
    if (PasswordProblem(password)) {
        return password;
    }
    if (Ask(services, "Password again: ") != password) {
        return Fatal{"the two passwords differ"};
    }
    return password;
}

}  // namespace

Result<std::string> ReadStoredPassword(ToolServices& services) {
    const Result<std::string> password = ReadPassword(services);
    if (!password.ok()) {
        return password.fatal();
    }
    if (const auto problem = PasswordProblem(password.value())) {
        return Fatal{*problem};
    }
    if (auto stored = StorePassword(password.value(), services.key, services.random)) {
        return std::move(*stored);
    }
    return Fatal{
        "this password cannot be stored: whichever way it is scrambled, one of its characters "
        "turns into a control character; change a character"};
}

}  // namespace trevalunda::tool

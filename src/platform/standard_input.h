#pragma once

#include <optional>
#include <string>

namespace trevalunda::platform {

// True when standard input is a terminal (a console on Windows), where a person types, rather
// than a pipe or a file.
bool IsTerminalInput();

// Reads one line of standard input, without its line end (a line feed, and a carriage return
// before it). Nothing when the input ends before it gives a character.
std::optional<std::string> ReadInputLine();

// ReadInputLine, but when standard input is a terminal the typed characters are not shown.
std::optional<std::string> ReadSecretLine();

}  // namespace trevalunda::platform

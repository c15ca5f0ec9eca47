#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "config/profile_password.h"

namespace trevalunda::tool {

// Why a password cannot go into a profile, or nothing when it can: it needs as many
// characters as the sensor demands of a password and at most as many as the stored value
// holds, each of them printable ASCII (blank to tilde). The text never quotes the password.
std::optional<std::string> PasswordProblem(std::string_view password);

// A stored value for a password that passed PasswordProblem, with a key offset and a filler
// drawn at random: it decodes to the password and every character of it is printable and not
// a blank, so that it survives a text file and a copy from the screen. Only a password of the
// body's full length, whose check digit no filler can change, may need a blank as the first
// character. Nothing when no draw gives such a value.
std::optional<std::string> StorePassword(std::string_view password, const ProfileKey& key,
                                         std::mt19937& random);

// A generator seeded from the system's random source and the clock: another sequence on
// every run.
std::mt19937 FreshRandom();

}  // namespace trevalunda::tool

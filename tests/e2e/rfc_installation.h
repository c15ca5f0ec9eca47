#pragma once

#include <string>

#include "e2e/installation.h"
#include "support/profiles.h"

namespace trevalunda::testing {

// An installation whose settings name the stand-in RFC library rfcsim, with its landscape in
// the working folder.
class RfcInstallation : public Installation {
  public:
    RfcInstallation();

    // The installation's settings file, naming rfcsim and any further lines.
    void Settings(const std::string& extraLines);
    void Landscape(const std::string& text);
    void Profile(const std::string& fileName, const ProfileValues& values = {});

    std::string ReadWorking(const std::string& name) const;
    bool HasWorking(const std::string& name) const;
    std::string Journal() const { return ReadWorking("rfcsim.journal"); }
};

// A landscape section for a system reachable with the default test profile's data.
std::string SystemSection(const std::string& name, const std::string& extraLines = "",
                          int lockWaiters = 5);

// The output with every time of day ("hh:mm:ss") replaced by "hh:mm:ss".
std::string WithoutTimes(const std::string& output);

}  // namespace trevalunda::testing

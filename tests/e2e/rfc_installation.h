#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/installation.h"
#include "support/profiles.h"

namespace trevalunda::testing {

// The kinds of RFC library, each with its stand-in: rfcsim for the classic library, rfcsimnw
// (with its companion library on Windows) for SAP's NetWeaver RFC library.
enum class RfcKind { Classic, NetWeaver };

// The stand-in's file name, and the file names it needs beside it.
std::string StandInFile(RfcKind kind);
std::vector<std::string> StandInFiles(RfcKind kind);

// For the names of parameterized tests.
std::string KindName(const ::testing::TestParamInfo<RfcKind>& info);

// An installation whose settings name a stand-in RFC library, with its landscape in the
// working folder.
class RfcInstallation : public Installation {
  public:
    explicit RfcInstallation(RfcKind kind = RfcKind::Classic);

    RfcKind Kind() const { return kind_; }

    // The installation's settings file, naming rfcsim and any further lines.
    void Settings(const std::string& extraLines);
    void Landscape(const std::string& text);
    void Profile(const std::string& fileName, const ProfileValues& values = {});

    std::string ReadWorking(const std::string& name) const;
    bool HasWorking(const std::string& name) const;
    std::string Journal() const { return ReadWorking("rfcsim.journal"); }

  private:
    RfcKind kind_;
};

// A landscape section for a system reachable with the default test profile's data.
std::string SystemSection(const std::string& name, const std::string& extraLines = "",
                          int lockWaiters = 5);

// The output with every time of day ("hh:mm:ss") replaced by "hh:mm:ss".
std::string WithoutTimes(const std::string& output);

}  // namespace trevalunda::testing

#include "e2e/rfc_installation.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace trevalunda::testing {

namespace fs = std::filesystem;

std::string StandInFile(RfcKind kind) {
    return kind == RfcKind::Classic ? TREVALUNDA_RFCSIM_FILE : TREVALUNDA_RFCSIM_NW_FILE;
}

std::vector<std::string> StandInFiles(RfcKind kind) {
    std::vector<std::string> files{StandInFile(kind)};
    if (kind == RfcKind::NetWeaver && !std::string(TREVALUNDA_RFCSIM_NW_COMPANION_FILE).empty()) {
        files.emplace_back(TREVALUNDA_RFCSIM_NW_COMPANION_FILE);
    }
    return files;
}

std::string KindName(const ::testing::TestParamInfo<RfcKind>& info) {
    return info.param == RfcKind::Classic ? "Classic" : "NetWeaver";
}

RfcInstallation::RfcInstallation(RfcKind kind) : kind_(kind) {
    for (const std::string& file : StandInFiles(kind)) {
        fs::copy_file(BuildFolder() / file, CustomSensorFolder() / file,
                      fs::copy_options::overwrite_existing);
    }
    Settings("");
}

void RfcInstallation::Settings(const std::string& extraLines) {
    WriteInSensorFolder("trevalunda.ini", "RfcLibrary=" + StandInFile(kind_) + "\n" + extraLines);
}

void RfcInstallation::Landscape(const std::string& text) {
    Write(fs::relative(WorkingFolder(), Drive()) / "rfcsim.ini", text);
}

void RfcInstallation::Profile(const std::string& fileName, const ProfileValues& values) {
    WriteInSensorFolder(fileName, ProfileText(values));
}

std::string RfcInstallation::ReadWorking(const std::string& name) const {
    std::ifstream in(WorkingFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool RfcInstallation::HasWorking(const std::string& name) const {
    return fs::exists(WorkingFolder() / name);
}

std::string SystemSection(const std::string& name, const std::string& extraLines, int lockWaiters) {
    std::string host = "sap" + name;
    for (char& c : host) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "[" + name + "]\n" + "Destination=" + name + "\nHost=" + host +
           "\nSystemNumber=0\nClient=100\nUser=MONITOR\nPassword=secret\n"
           "DatabaseSystem=ORACLE\nHostName=h" +
           name + "\nLockWaiters=" + std::to_string(lockWaiters) + "\n" + extraLines + "\n";
}

std::string WithoutTimes(const std::string& output) {
    static const std::regex kTime("[0-9]{2}:[0-9]{2}:[0-9]{2}");
    return std::regex_replace(output, kTime, "hh:mm:ss");
}

}  // namespace trevalunda::testing

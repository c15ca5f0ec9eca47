#include "e2e/rfc_installation.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace trevalunda::testing {

namespace fs = std::filesystem;

RfcInstallation::RfcInstallation() {
    fs::copy_file(BuildFolder() / TREVALUNDA_RFCSIM_FILE,
                  CustomSensorFolder() / TREVALUNDA_RFCSIM_FILE,
                  fs::copy_options::overwrite_existing);
    Settings("");
}

void RfcInstallation::Settings(const std::string& extraLines) {
    WriteInSensorFolder("trevalunda.ini",
                        std::string("RfcLibrary=") + TREVALUNDA_RFCSIM_FILE + "\n" + extraLines);
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

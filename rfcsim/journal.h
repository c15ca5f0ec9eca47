#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "classic_rfc_api.h"

namespace trevalunda::rfcsim {

inline constexpr std::string_view kJournalFileName = "rfcsim.journal";

// rfcsim.journal in a folder: one line for every call the caller makes, so that tests can
// see what the sensor passed.
class Journal {
  public:
    explicit Journal(std::filesystem::path folder) : folder_(std::move(folder)) {}
    void Write(std::string_view line) const;

  private:
    std::filesystem::path folder_;
};

// A text in double quotes (nothing inside is escaped), or null for a null pointer.
std::string InQuotes(std::string_view text);
std::string Quoted(const char* text);

// A password with every character but blanks replaced by an asterisk.
std::string Masked(std::string_view password);

// The journal lines, one for each call.
std::string EnvironmentLine(const RfcEnvironmentRecord& record);
std::string OpenLine(const RfcOpenOptions& options, RfcHandle handle);
std::string OpenExLine(std::string_view maskedConnectString, RfcHandle handle);
// Shows the type handle handed out, or 1 when the installation failed.
std::string InstallStructureLine(const char* name, std::uint32_t rows, std::uint32_t shown);
std::string CallLine(RfcHandle handle, std::string_view function, int code);
std::string ReceiveLine(RfcHandle handle, std::string_view function, int code);
std::string CloseLine(RfcHandle handle);
std::string LastErrorLine();
std::string ItCreateLine(const char* name, std::uint32_t lineLength);
std::string ItFillLine(std::uint32_t lines);
std::string ItGetLineLine(std::uint32_t number);
std::string ItDeleteLine(int result);
// Written when a call reports its failure through the caller's error handler.
std::string ErrorHandlerLine(std::string_view operation);
// Written when a call begins to wait at a step its system is told to hang at.
std::string HangLine(std::string_view step, std::int64_t seconds);

}  // namespace trevalunda::rfcsim

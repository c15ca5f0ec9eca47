#include "run/multi_system_run.h"

#include <cstdint>
#include <string>
#include <utility>

#include "config/sensor_listing.h"
#include "config/system_profile.h"
#include "measure/measure_system.h"
#include "output/console_lines.h"
#include "platform/file_system.h"
#include "run/lock_channels.h"
#include "run/parameter_keywords.h"
#include "run/rfc_access.h"

namespace trevalunda {
namespace {

struct SystemCounters {
    std::uint32_t NoSystems = 0;
    std::uint32_t Processed = 0;
    std::uint32_t Failed = 0;
    // Entries whose system got its value this scan; a system with a faulty profile that was
    // measured all the same counts here, though it counts as failed.
    std::uint32_t Measured = 0;
};

// One listed system while it is served.
struct ListedSystem {
    std::string entry;
    std::string SystemLabel;
    SystemProfile profile;
    bool Measured = false;
    std::string systemLine;
};

void PrintLine(RunServices& services, const std::string& line) {
    services.out.Write(line + "\n");
}

Result<SensorListing> ReadListing(const RunRecords& records, const RunServices& services) {
    const RunContext& run = records.context;
    ListingRequest request;
    request.kind = run.itemRun ? ListingKind::Item : ListingKind::Global;
    request.ProfileName = records.location.ProfileName;
    request.itemName = run.ItemName;
    request.upperParameters = run.ParameterString.Upper();
    request.secondArgument = run.secondArgument;
    return ReadSensorListing(services.files, records.location.ProfilePath, request);
}

// Takes over the listing's item and parameter text, prints the opening lines and writes the
// document's opening.
void Prepare(RunRecords& records, RunServices& services, const SensorListing& listing) {
    RunContext& run = records.context;
    run.ItemName = listing.ItemName;
    if (listing.ParameterString) {
        run.ParameterString = ParameterText(*listing.ParameterString);
    }
    if (run.VerboseConsole) {
        PrintLine(services, run.startLine);
    }
    run.ParameterString.BlankColons();
    records.document.SelectChannel(ReadParameterKeywords(run.ParameterString).selectedChannel);
    if (run.VerboseConsole) {
        PrintLine(services, MultiExecutingLine(run.StartTime,
                                               MultiRunParameterText(run.ParameterString.Text())));
    }
    // What the document notes about its opening must agree with the output at any time.
    const platform::OutputHold hold = services.out.Hold();
    services.out.Write(records.document.OpeningPiece() + "\n");
}

// Logon, identity check and measurement of one system. A failed logon or lock-waiter call
// only marks the system; a failed identity check ends the run.
Status MeasureListedSystem(RunRecords& records, RunServices& services, ListedSystem& system) {
    RunContext& run = records.context;
    if (Status failed = StartRfcClient(records, services)) {
        return failed;
    }
    run.StatusWord = kStatusError;
    Result<SystemMeasurement> measured = MeasureSystem(
        *records.rfc, LogonDataFor(system.profile, run.ParameterString), records.rfcStep);
    if (!measured.ok()) {
        return measured.fatal();
    }
    if (measured.value().reportedHost) {
        records.shownHost = *measured.value().reportedHost;
    }
    switch (measured.value().ending) {
        case SystemEnding::LogonFailed:
            system.profile.Valid = false;
            return std::nullopt;
        case SystemEnding::LockWaitersFailed:
            return std::nullopt;
        case SystemEnding::Measured:
            break;
    }
    run.StatusWord = kStatusOk;
    system.Measured = true;
    if (run.ItemName == kLockItem) {
        services.out.Write(records.document.ChannelPiece(system.SystemLabel,
                                                         std::to_string(measured.value().count), "",
                                                         LockChannelLimits(records.settings)));
    }
    return std::nullopt;
}

const char* StateWord(const ListedSystem& system, const RunContext& run) {
    if (!system.profile.Valid || run.StatusWord != kStatusOk) {
        return "Rfc Failure";
    }
    return system.Measured ? "Processed" : "Not Found";
}

// Serves the next entry of the list; fatal failures end the run.
Status ServeSystem(RunRecords& records, RunServices& services, std::string& systemList,
                   SystemCounters& counters) {
    RunContext& run = records.context;
    ListedSystem system;
    ++counters.NoSystems;
    system.entry = TakeNextEntry(systemList);
    const platform::FileContent file =
        services.files.Read(records.location.InstallationFolder + system.entry);
    if (file.status != platform::ReadStatus::Ok) {
        return std::nullopt;
    }
    system.profile =
        ReadSystemProfile(file.bytes, system.entry, ReadPolicy::Lenient, records.profileKey)
            .value();
    if (!system.profile.Hostname.empty()) {
        records.shownHost = system.profile.Hostname;
    }
    system.SystemLabel = SystemLabelFor(records.listing.labelKind, system.entry,
                                        system.profile.Hostname, system.profile.Destination);
    system.systemLine = SystemLine(services.timeOfDay(),
                                   {system.entry, records.shownHost, system.profile.Destination,
                                    system.profile.Sysnr, system.profile.Client});
    if (Status failed = MeasureListedSystem(records, services, system)) {
        return failed;
    }
    const bool processed = system.profile.Valid && run.StatusWord == kStatusOk && system.Measured;
    ++(processed ? counters.Processed : counters.Failed);
    if (system.Measured) {
        ++counters.Measured;
    }
    if (run.VerboseConsole) {
        services.out.Write("\n" + system.systemLine + " State=" + StateWord(system, run) + "\n");
    }
    return std::nullopt;
}

// The counters as channels, so that PRTG can raise an alarm on them: the three counts of the
// summary text, and the entries that got no value this scan (a missing profile, a failed logon
// or a failed lock-waiter call), which is an error as soon as it is above 0.
void WriteSummaryChannels(RunRecords& records, RunServices& services,
                          const SystemCounters& counters) {
    const std::uint32_t unmeasured = counters.NoSystems - counters.Measured;
    const std::pair<const char*, std::uint32_t> channels[] = {
        {"Systems", counters.NoSystems},
        {"Processed", counters.Processed},
        {"Failed", counters.Failed},
    };
    std::string pieces;
    for (const auto& [name, count] : channels) {
        pieces += records.document.ChannelPiece(name, std::to_string(count), "");
    }
    pieces += records.document.ChannelPiece("Unmeasured", std::to_string(unmeasured), "",
                                            UnmeasuredChannelLimits());
    services.out.Write(pieces);
}

// The summary text with the counters, and the document's closing.
void WriteSummary(RunRecords& records, RunServices& services, const SystemCounters& counters) {
    services.out.Write(
        records.document.TextPiece("(***) " + records.context.ItemName +
                                   ": NoSystems=" + std::to_string(counters.NoSystems) +
                                   ", Processed=" + std::to_string(counters.Processed) +
                                   ", Failed=" + std::to_string(counters.Failed) + " ") +
        "\n");
}

}  // namespace

Result<ExitCode> MultiSystemRun(RunRecords& records, RunServices& services) {
    Result<SensorListing> listing = ReadListing(records, services);
    if (!listing.ok()) {
        return listing.fatal();
    }
    records.listing = listing.value();
    Prepare(records, services, records.listing);

    SystemCounters counters;
    std::string systemList = records.listing.SystemList;
    while (!systemList.empty()) {
        if (Status failed = ServeSystem(records, services, systemList, counters)) {
            return *failed;
        }
    }
    const platform::OutputHold answer = services.out.BeginAnswer();
    if (records.settings.summaryChannels && records.context.ItemName == kLockItem) {
        WriteSummaryChannels(records, services, counters);
    }
    WriteSummary(records, services, counters);
    if (records.context.VerboseConsole) {
        PrintLine(services, EndLine(services.timeOfDay()));
    }
    return ExitCode::Success;
}

}  // namespace trevalunda

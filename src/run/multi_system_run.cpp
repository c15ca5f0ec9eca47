#include "run/multi_system_run.h"

#include <cstdint>

#include "config/sensor_listing.h"
#include "config/system_profile.h"
#include "measure/lock_waiters.h"
#include "output/console_lines.h"
#include "platform/file_system.h"

namespace trevalunda {
namespace {

struct SystemCounters {
    std::uint32_t NoSystems = 0;
    std::uint32_t Processed = 0;
    std::uint32_t Failed = 0;
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
    records.document.SelectChannel(run.ParameterString.SelectedChannel());
    if (run.VerboseConsole) {
        PrintLine(services, MultiExecutingLine(run.StartTime,
                                               MultiRunParameterText(run.ParameterString.Text())));
    }
    records.document.OpenDocument();
    services.out.Write(records.document.Text() + "\n");
    records.document.ClearDocument();
    records.openingWritten = true;
}

// Logon, identity check and measurement of one system. A failed logon or lock-waiter call
// only marks the system; a failed identity check ends the run.
Status MeasureListedSystem(RunRecords& records, RunServices& services, ListedSystem& system) {
    RunContext& run = records.context;
    if (Status failed = StartRfcSession(records, services)) {
        return failed;
    }
    RfcSession& rfc = *records.rfc;
    InstallRfcEnvironment(records, services);
    records.document.ClearDocument();
    run.StatusWord = kStatusError;
    run.connection =
        rfc.connector.OpenConnection(system.profile, OverridesFrom(run.ParameterString));
    if (run.connection == 0) {
        system.profile.Valid = false;
        return std::nullopt;
    }
    if (Status failed = IdentifyReachedSystem(records, services)) {
        return failed;
    }
    run.StatusWord = kStatusError;
    Result<LockWaiterOutcome> locks =
        MeasureLockWaiters(rfc.Functions(), rfc.calls, run.connection);
    if (!locks.ok()) {
        return locks.fatal();
    }
    if (locks.value().code != kRfcOk) {
        return std::nullopt;
    }
    run.StatusWord = kStatusOk;
    system.Measured = true;
    if (run.ItemName == kLockItem) {
        records.document.ClearDocument();
        records.document.AddChannel(system.SystemLabel, std::to_string(locks.value().count), "");
        services.out.Write(records.document.Text());
        records.document.ClearDocument();
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
    Status failed = MeasureListedSystem(records, services, system);
    if (failed && failed->libraryError) {
        return failed;
    }
    CloseConnection(records);
    if (failed) {
        return failed;
    }
    const bool processed = system.profile.Valid && run.StatusWord == kStatusOk && system.Measured;
    ++(processed ? counters.Processed : counters.Failed);
    if (run.VerboseConsole) {
        services.out.Write("\n" + system.systemLine + " State=" + StateWord(system, run) + "\n");
    }
    return std::nullopt;
}

// The summary text with the counters, and the document's closing.
void WriteSummary(RunRecords& records, RunServices& services, const SystemCounters& counters) {
    ResultDocument& document = records.document;
    document.ClearDocument();
    document.OpenText();
    document.AppendText("(***) " + records.context.ItemName +
                        ": NoSystems=" + std::to_string(counters.NoSystems) +
                        ", Processed=" + std::to_string(counters.Processed) +
                        ", Failed=" + std::to_string(counters.Failed) + " ");
    document.CloseText();
    document.CloseDocument();
    services.out.Write(document.Text() + "\n");
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
    WriteSummary(records, services, counters);
    CloseConnection(records);
    if (records.context.VerboseConsole) {
        PrintLine(services, EndLine(services.timeOfDay()));
    }
    return ExitCode::Success;
}

}  // namespace trevalunda

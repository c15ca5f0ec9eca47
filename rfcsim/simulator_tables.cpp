#include "rfcsim/interface_checks.h"
#include "rfcsim/simulator.h"

namespace trevalunda::rfcsim {

void* Simulator::ItCreate(char* name, std::uint32_t lineLength, std::uint32_t extra1,
                          std::uint32_t extra2) {
    CheckTableCreation(name, lineLength, extra1, extra2);
    const SapSystem* system = CurrentSystem();
    void* table = nullptr;
    if (system == nullptr || !system->faults.failItCreate) {
        table = tables_.Create(name, lineLength);
    }
    journal_.Write(ItCreateLine(name, lineLength));
    return table;
}

std::uint32_t Simulator::ItFill(void* table) {
    const std::uint32_t lines = CheckedTable(tables_, table, "ItFill").LineCount();
    journal_.Write(ItFillLine(lines));
    return lines;
}

void* Simulator::ItGetLine(void* table, std::uint32_t lineNumber) {
    InternalTable& checked = CheckedTable(tables_, table, "ItGetLine");
    const SapSystem* system = CurrentSystem();
    const bool fails = system != nullptr && system->faults.failItGetLine != 0 &&
                       system->faults.failItGetLine == lineNumber;
    journal_.Write(ItGetLineLine(lineNumber));
    return fails ? nullptr : checked.Line(lineNumber);
}

int Simulator::ItDelete(void* table) {
    CheckedTable(tables_, table, "ItDelete");
    const SapSystem* system = CurrentSystem();
    int result = 1;
    if (system == nullptr || !system->faults.failItDelete) {
        tables_.Delete(table);
        result = 0;
    }
    journal_.Write(ItDeleteLine(result));
    return result;
}

}  // namespace trevalunda::rfcsim

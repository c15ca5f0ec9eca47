#include "rfc/classic/structures.h"

#include "classic_rfc_api.h"

namespace trevalunda {

const std::vector<StructureField>& SystemInfoStructure() {
    static const std::vector<StructureField> kFields{
        {"RFCPROTO", kRfcTypeChar, 3},   {"RFCCHARTYP", kRfcTypeChar, 4},
        {"RFCINTTYP", kRfcTypeChar, 3},  {"RFCFLOTYP", kRfcTypeChar, 3},
        {"RFCDEST", kRfcTypeChar, 32},   {"RFCHOST", kRfcTypeChar, 8},
        {"RFCSYSID", kRfcTypeChar, 8},   {"RFCDATABS", kRfcTypeChar, 8},
        {"RFCDBHOST", kRfcTypeChar, 32}, {"RFCDBSYS", kRfcTypeChar, 10},
        {"RFCSAPRL", kRfcTypeChar, 4},   {"RFCMACH", kRfcTypeChar, 5},
        {"RFCOPSYS", kRfcTypeChar, 10},  {"RFCTZONE", kRfcTypeChar, 6},
        {"RFCDAYST", kRfcTypeChar, 1},   {"RFCIPADDR", kRfcTypeChar, 15},
        {"RFCKERNRL", kRfcTypeChar, 4},  {"RFCSI_RESV", kRfcTypeChar, 44},
    };
    return kFields;
}

const std::vector<StructureField>& LockWaiterStructure() {
    static const std::vector<StructureField> kFields{
        {"OBJ_NAME", kRfcTypeChar, 81},   {"HOLDER_SID", kRfcTypeInt, 4},
        {"H_HOSTNAME", kRfcTypeChar, 32}, {"HOLDER_PID", kRfcTypeInt, 4},
        {"WAITER_SID", kRfcTypeInt, 4},   {"W_HOSTNAME", kRfcTypeChar, 32},
        {"WAITER_PID", kRfcTypeInt, 4},   {"HELD_SINCE", kRfcTypeInt, 4},
        {"WAITSSINCE", kRfcTypeInt, 4},   {"LOCK_LEVEL", kRfcTypeInt2, 2},
        {"ADD_INFO", kRfcTypeChar, 100},
    };
    return kFields;
}

}  // namespace trevalunda

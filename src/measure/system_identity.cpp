#include "measure/system_identity.h"

namespace trevalunda {

bool RunsOnOracle(std::string_view databaseSystem) {
    return databaseSystem.starts_with("ORA");
}

}  // namespace trevalunda

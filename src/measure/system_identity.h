#pragma once

#include <string_view>

namespace trevalunda {

// The lock waiters the sensor counts exist only on Oracle: the database system name must
// begin with "ORA", in this case.
bool RunsOnOracle(std::string_view databaseSystem);

}  // namespace trevalunda

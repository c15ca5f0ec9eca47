#include "rfcsim/netweaver_companion.h"

namespace trevalunda::rfcsim {

void UseCompanion() {}

}  // namespace trevalunda::rfcsim

#include "rfcsim/netweaver_companion.h"

#include "rfcsim/companion/rfcsimnw_companion.h"

namespace trevalunda::rfcsim {

void UseCompanion() {
    static_cast<void>(rfcsimnw_companion_version());
}

}  // namespace trevalunda::rfcsim

#include "rfcsim/companion/rfcsimnw_companion.h"

extern "C" int rfcsimnw_companion_version() {
    return 1;
}

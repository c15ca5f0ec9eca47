#pragma once

namespace trevalunda::rfcsim {

// On Windows rfcsimnw.dll imports a function from a companion DLL beside it, as SAP's
// NetWeaver RFC library needs its companions beside it: the DLL then loads only where the
// companion is found. Elsewhere there is no companion and this does nothing.
void UseCompanion();

}  // namespace trevalunda::rfcsim

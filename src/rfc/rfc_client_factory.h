#pragma once

#include <memory>
#include <string>

#include "base/result.h"
#include "rfc/rfc_client.h"
#include "rfc/rfc_client_services.h"

namespace trevalunda {

// Loads the RFC library the installation names (the default library when the name is empty)
// and gives the sensor's client for it. A library that cannot be loaded, or that lacks a
// function the sensor needs, is a failure that names it.
Result<std::unique_ptr<RfcClient>> OpenRfcClient(const std::string& libraryName,
                                                 const std::string& executablePath,
                                                 const RfcClientServices& services);

}  // namespace trevalunda

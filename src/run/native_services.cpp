#include "run/native_services.h"

#include "platform/environment.h"
#include "platform/process.h"
#include "rfc/rfc_client_factory.h"

namespace trevalunda {

RunServices NativeRunServices(platform::FileSystem& files, platform::OutputSink& out) {
    const std::string executablePath = platform::ExecutablePath();
    RfcClientFactory rfcClients = [&files, &out, executablePath](const std::string& library,
                                                                 RunLog& log) {
        return OpenRfcClient(library, executablePath, {files, out, log});
    };
    return {files,
            out,
            platform::LocalTimeOfDay,
            executablePath,
            std::move(rfcClients),
            platform::EnvironmentVariable};
}

}  // namespace trevalunda

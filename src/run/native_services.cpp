#include "run/native_services.h"

#include "platform/environment.h"
#include "platform/process.h"
#include "rfc/rfc_client_factory.h"

namespace trevalunda {

RunServices NativeRunServices(platform::FileSystem& files, platform::OutputSink& out) {
    const std::string executablePath = platform::ExecutablePath();
    RfcClientFactory rfcClients = [&files, executablePath](const std::string& library, RunLog& log,
                                                           platform::OutputSink& output) {
        return OpenRfcClient(library, executablePath, {files, output, log});
    };
    return {files,
            out,
            platform::LocalTimeOfDay,
            executablePath,
            std::move(rfcClients),
            platform::EndProcess,
            platform::EnvironmentVariable};
}

}  // namespace trevalunda

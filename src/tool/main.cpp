#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/standard_input.h"
#include "run/native_services.h"
#include "tool/profile_tool.h"
#include "tool/stored_password.h"

int main(int argc, char** argv) {
    using namespace trevalunda;
    platform::PrepareProcess();
    const auto files = platform::MakeNativeFileSystem();
    std::mt19937 random = tool::FreshRandom();
    tool::ToolServices services{*files,
                                platform::IsTerminalInput,
                                platform::ReadSecretLine,
                                random,
                                std::cout,
                                std::cerr,
                                MakeProfileKey(),
                                [](platform::FileSystem& runFiles, platform::OutputSink& out) {
                                    return NativeRunServices(runFiles, out);
                                }};
    const std::vector<std::string> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    return static_cast<int>(tool::RunProfileTool(arguments, services));
}

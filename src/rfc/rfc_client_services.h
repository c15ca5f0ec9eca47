#pragma once

namespace trevalunda {

namespace platform {
class FileSystem;
class OutputSink;
}  // namespace platform
class RunLog;

// What an RFC client needs of the run: the files of the working folder ("SapRfc.ini",
// "Dev_Rfc.Trc"), the output for the lines a library prints and the run log for the call
// trace.
struct RfcClientServices {
    platform::FileSystem& files;
    platform::OutputSink& out;
    RunLog& log;
};

}  // namespace trevalunda

#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rfcsim/remote_functions.h"

namespace trevalunda::rfcsim {

enum class HandleKind { Connection, Description, Function, Structure, Table };

// What rfcsimnw handed out behind one handle.
struct HandleEntry {
    HandleKind kind;
    std::size_t system = 0;  // connection: the system reached; description: the system asked
    RemoteFunction function = RemoteFunction::SystemInfo;  // all but a connection
    std::uintptr_t owner = 0;  // structure, table: the function it belongs to
    bool released = false;     // a connection closed, a function destroyed
    // Function: the system whose answer it holds after a successful RfcInvoke.
    std::optional<std::size_t> answeredBy = std::nullopt;
    std::uintptr_t part = 0;  // function: its structure or table, once handed out
};

// The handles rfcsimnw hands out: numbers 1, 2, 3 and so on for the life of the process, one
// count for all kinds, so that no two handles are ever equal and the journal shows them
// plainly. Released handles stay known, so that their use is named as such.
class HandleRegistry {
  public:
    // The new handle's number.
    std::uintptr_t Add(HandleEntry entry);

    // The entry behind a handle of that kind, which must have been handed out and not be
    // released (a structure or table: nor its function); an interface mismatch that names the
    // operation otherwise.
    HandleEntry& Checked(const void* handle, HandleKind kind, std::string_view operation);

    // What the caller has not released, one text each ("connection 1 is still open",
    // "function 3 (RFC_SYSTEM_INFO) is not destroyed").
    std::vector<std::string> Unreleased() const;

  private:
    std::map<std::uintptr_t, HandleEntry> entries_;
    std::uintptr_t next_ = 1;
};

std::uintptr_t NumberOf(const void* handle);

template <typename Handle>
Handle HandleOf(std::uintptr_t number) {
    return reinterpret_cast<Handle>(number);
}

}  // namespace trevalunda::rfcsim

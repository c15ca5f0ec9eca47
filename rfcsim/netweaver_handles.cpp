#include "rfcsim/netweaver_handles.h"

#include "rfcsim/interface_checks.h"

namespace trevalunda::rfcsim {
namespace {

std::string_view NameOf(HandleKind kind) {
    switch (kind) {
        case HandleKind::Connection:
            return "connection";
        case HandleKind::Description:
            return "function description";
        case HandleKind::Function:
            return "function";
        case HandleKind::Structure:
            return "structure";
        case HandleKind::Table:
            return "table";
    }
    return "handle";
}

std::string Named(HandleKind kind, std::uintptr_t number) {
    return std::string(NameOf(kind)) + " " + std::to_string(number);
}

}  // namespace

std::uintptr_t NumberOf(const void* handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

std::uintptr_t HandleRegistry::Add(HandleEntry entry) {
    const std::uintptr_t number = next_++;
    entries_.emplace(number, entry);
    return number;
}

HandleEntry& HandleRegistry::Checked(const void* handle, HandleKind kind,
                                     std::string_view operation) {
    const std::string what = std::string(operation) + ": ";
    if (handle == nullptr) {
        InterfaceMismatch(what + std::string(NameOf(kind)) + " handle is null");
    }
    const std::uintptr_t number = NumberOf(handle);
    const auto found = entries_.find(number);
    if (found == entries_.end()) {
        InterfaceMismatch(what + std::string(NameOf(kind)) + " handle " + std::to_string(number) +
                          " was never handed out");
    }
    HandleEntry& entry = found->second;
    if (entry.kind != kind) {
        InterfaceMismatch(what + "handle " + std::to_string(number) + " is a " +
                          std::string(NameOf(entry.kind)) + ", not a " + std::string(NameOf(kind)));
    }
    if (entry.released) {
        InterfaceMismatch(what + Named(kind, number) +
                          (kind == HandleKind::Connection ? " is closed" : " is destroyed"));
    }
    if (entry.owner != 0 && entries_.at(entry.owner).released) {
        InterfaceMismatch(what + Named(kind, number) + " belongs to destroyed " +
                          Named(HandleKind::Function, entry.owner));
    }
    return entry;
}

std::vector<std::string> HandleRegistry::Unreleased() const {
    std::vector<std::string> unreleased;
    for (const auto& [number, entry] : entries_) {
        if (entry.released) {
            continue;
        }
        if (entry.kind == HandleKind::Connection) {
            unreleased.push_back(Named(entry.kind, number) + " is still open");
        } else if (entry.kind == HandleKind::Function) {
            unreleased.push_back(Named(entry.kind, number) + " (" +
                                 std::string(FunctionName(entry.function)) + ") is not destroyed");
        }
    }
    return unreleased;
}

}  // namespace trevalunda::rfcsim

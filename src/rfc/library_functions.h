#pragma once

#include "platform/process.h"

namespace trevalunda {

// Resolves functions of a loaded library by name into the slots of a function table,
// remembering the first one the library lacks. Every kind of RFC library fills its table
// this way.
class FunctionResolver {
  public:
    explicit FunctionResolver(const platform::SharedLibrary& library) : library_(library) {}

    template <typename Function>
    FunctionResolver& operator()(const char* name, Function& slot) {
        void* address = library_.Resolve(name);
        // Converting an object pointer to a function pointer is how every dynamic loader hands
        // out functions; both have the same size on the platforms the sensor runs on.
        slot = reinterpret_cast<Function>(address);
        if (address == nullptr && missing_ == nullptr) {
            missing_ = name;
        }
        return *this;
    }

    const char* Missing() const { return missing_; }

  private:
    const platform::SharedLibrary& library_;
    const char* missing_ = nullptr;
};

}  // namespace trevalunda

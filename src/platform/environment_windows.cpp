// The environment is read in its wide form, which Windows keeps, rather than through the C
// runtime's 8-bit copy made at start-up: the conversion to 8-bit text is then the sensor's own,
// without best-fit replacements that would turn a character into a different letter.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <vector>

#include "platform/environment.h"

namespace trevalunda::platform {
namespace {

std::wstring Wide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                             nullptr, 0, "?", nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, "?",
                          nullptr);
    return text;
}

}  // namespace

std::optional<std::string> EnvironmentVariable(std::string_view name) {
    const std::wstring wideName = Wide(name);
    std::vector<wchar_t> value(256);
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                       static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
                return std::nullopt;
            }
            return std::string();
        }
        if (length < value.size()) {
            return Narrow(std::wstring(value.data(), length));
        }
        value.resize(length);  // the size it needs, its terminator included
    }
}

}  // namespace trevalunda::platform

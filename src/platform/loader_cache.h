#pragma once

#include <string>
#include <string_view>

namespace trevalunda::platform {

// The path that the cache of the Linux dynamic loader ("/etc/ld.so.cache", the format that
// glibc writes since 2.x: "glibc-ld.so.cache1.1") gives for a library's file name, as a
// 64-bit x86-64 program would take it; empty when the cache does not list the name.
std::string LoaderCachePath(std::string_view cache, std::string_view name);

}  // namespace trevalunda::platform

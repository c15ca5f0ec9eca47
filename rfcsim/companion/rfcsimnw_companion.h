#pragma once

// rfcsimnw_companion.dll, the companion rfcsimnw.dll imports from on Windows: one function.
extern "C" int rfcsimnw_companion_version();

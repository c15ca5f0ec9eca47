#pragma once

#include <cstdint>
#include <string_view>

namespace trevalunda {

class ResultDocument;

// The result of a single-system run: the count as text, grouped by thousands, and as the
// channel "No_of_Locks".
void WriteLockResult(ResultDocument& document, std::string_view destination, std::uint32_t count);

}  // namespace trevalunda

#include "measure/lock_waiters.h"

#include <string>

#include "output/result_document.h"

namespace trevalunda {

void WriteLockResult(ResultDocument& document, std::string_view destination, std::uint32_t count,
                     const ChannelLimits& limits) {
    const std::string value = std::to_string(count);
    document.OpenDocument();
    document.OpenText();
    document.AppendText("(");
    document.AppendText(destination);
    document.AppendText(") Oracle-Locks: ");
    document.AppendText("No_of_Locks=");
    document.AppendText(GroupThousands(value));
    document.AppendText(" ");
    document.CloseText();
    document.AddChannel("No_of_Locks", value, "", limits);
    document.CloseDocument();
}

}  // namespace trevalunda

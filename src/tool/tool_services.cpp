#include "tool/tool_services.h"

namespace trevalunda::tool {

void WriteMessage(ToolServices& services, const std::string& message) {
    services.err << "trevalunda-profile: " << message << '\n';
}

}  // namespace trevalunda::tool

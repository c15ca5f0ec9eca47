#pragma once

#include <string>
#include <vector>

#include "tool/tool_services.h"

namespace trevalunda::tool {

// trevalunda-profile diagnose: runs the sensor's own steps for one system, as the sensor beside
// the tool would run them, and tells in plain words what each step found, the exact document
// the sensor prints with its exit code, and what to do when the scan fails. Exit code 0 when
// the scan succeeds, 1 when it fails.
ToolExit RunDiagnose(const std::vector<std::string>& arguments, ToolServices& services);

// The sensor beside the profile tool: the tool's path with the sensor's name, keeping the
// tool's extension ("C:\x\trevalunda-profile.exe" gives "C:\x\trevalunda.exe").
std::string SensorBesideTool(const std::string& toolPath);

}  // namespace trevalunda::tool

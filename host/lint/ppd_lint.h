// The checks of a printer description against what the plug-in compares:
// "VX" keywords a slip away from a feature slot's, governed features that
// lack the option keywords the plug-in looks for, and constraints naming
// features or options the description does not have.
#pragma once

#include "lint_finding.h"

#include <string>
#include <string_view>
#include <vector>

std::vector<Finding> LintPpd(const std::string &fileName, std::string_view text);

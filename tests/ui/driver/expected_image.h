#pragma once

#include <string>
#include <vector>

#include "engine/conversion_settings.h"

namespace pinmover::testing {

// The bytes the core itself makes for this conversion, with the creation date and time of
// every slot taken from the written file (the one thing a second run cannot repeat).
std::vector<char> ExpectedPointFile(const std::string& sjisInputPath,
                                    const std::vector<char>& writtenFile, int iconPosition,
                                    int voiceEntry, const std::string& sjisScratchPath,
                                    Datum datum = Datum::Tokyo);

std::vector<char> FileBytes(const std::wstring& path);

}  // namespace pinmover::testing

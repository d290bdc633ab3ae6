#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "ui/dialog/point_review.h"
#include "unitfile/point_file_inspection.h"

namespace pinmover::testing {

// The bytes the core itself makes for this conversion, with the creation date and time of
// every slot taken from the written file (the one thing a second run cannot repeat).
std::vector<char> ExpectedPointFile(const std::string& sjisInputPath,
                                    const std::vector<char>& writtenFile, int iconPosition,
                                    int voiceEntry, const std::string& sjisScratchPath,
                                    Datum datum = Datum::Tokyo);

// The same for the points chosen in the point list window: choose does to a review of the list
// what the user did in the window (the output's points on top when it appends to
// sjisScratchPath, which then holds a copy of the output file). One file's worth, with the first
// icon and voice.
std::vector<char> ExpectedChosenPointFile(const std::string& sjisInputPath,
                                          const std::vector<char>& writtenFile,
                                          const std::function<void(PointReview&)>& choose,
                                          const std::string& sjisScratchPath);

// A point file of a list's points, written by the core at a set time: one a card held before.
void WritePointFile(const std::string& sjisInputPath, const std::string& sjisOutputPath);

std::vector<char> FileBytes(const std::wstring& path);
// What the unit reads from the file at path.
PointFileInspection Inspect(const std::wstring& path);
// The bytes of a point file's slot.
std::vector<char> FileSlot(const std::vector<char>& file, std::size_t slot);

}  // namespace pinmover::testing

// The shared rights table UziPrava seen through its tag "URT" (task code
// followed by user or group code): reading, setting and removing the row of
// one task and one code. The table is opened once with its index file and
// stays open for the run; UserRights closes it.
#pragma once

#include <optional>
#include <string>

namespace tarvela {

class TData;

// Opens UziPrava with its index file unless it is open, and selects "URT".
void openRightsTable(TData& data);

// The task's row for the code: its URS_URS, or nothing when there is none.
std::optional<int> rightStatus(TData& data, const std::string& taskCode, const std::string& code);

// Writes 1 (allowed) or 0 into the row, appending it when missing. False when
// the row's lock could not be had (the user has been told).
bool writeRight(TData& data, const std::string& taskCode, const std::string& code, bool allowed);

// Deletes the row; false when there was none or its lock could not be had.
bool removeRight(TData& data, const std::string& taskCode, const std::string& code);

// A code as the key holds it: 3 characters, blank-padded.
std::string rightsCode(std::string code);

} // namespace tarvela

// The page snapshot: our own file of generated pages that the preview can
// open again. Saving and loading it gives back exactly the same page model.
//
// Format, version 1: UTF-8 text, one record per line, fields split by a tab.
//   TARVELA-SNAPSHOT <version>
//   pages <count>
//   page <width cm> <height cm> <operation count>      once per page, followed
//   text <x> <baseline> <width> <line> <align> <font name> <size pt> <charset>
//        <styles> <red> <green> <blue> <text>          by its operations
//   rect <x> <y> <width> <height> <red> <green> <blue>
//   line <x1> <y1> <x2> <y2> <pen width> <red> <green> <blue>
//   end <CRC-32 of every byte before this line, 8 hex digits>
// Numbers are shortest round-trip decimals with '.'; align is L, R or C;
// styles are four 0/1 flags (bold, italic, underline, strike-out). In names
// and texts a backslash, tab, line feed and carriage return are written as
// \\, \t, \n and \r. Reading checks every record and the checksum; anything
// else is a damaged snapshot and raises an Error, never a partial report.
#pragma once

#include <filesystem>
#include <string>

#include "report/PageModel.h"

namespace tarvela {

inline constexpr int kSnapshotVersion = 1;

std::string snapshotBytes(const ReportDocument& document);
// sourceName names the file in error messages.
ReportDocument parseSnapshot(const std::string& bytes, const std::string& sourceName);

void writeSnapshot(const ReportDocument& document, const std::filesystem::path& path);
ReportDocument readSnapshot(const std::filesystem::path& path);

} // namespace tarvela

// Writes report data as an Excel binary workbook (.xls, BIFF8 records in a
// compound file) with one worksheet: one row per table row, one column per
// field, no title row. Texts are Unicode label cells, numbers number cells,
// dates number cells shown "d.m.yyyy" (1.2.2007, no leading zeros), empty
// values blank cells. The file is written whole or not at all.
//
// Format notes relied on (from the published BIFF8 and compound-file
// descriptions): the workbook stream holds the globals (BOF, CODEPAGE 1200,
// WINDOW1, FONT, FORMAT, XF, STYLE, BOUNDSHEET pointing at the sheet's BOF
// offset, EOF) followed by the sheet (BOF, DIMENSIONS, WINDOW2, cells, EOF);
// a record is a 2-byte type, a 2-byte length and at most 8224 data bytes;
// a sheet has at most 65536 rows and 256 columns; date cells are day serials
// of the 1900 system, which count from 30 December 1899 as our dates do.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "report/TextExport.h"

namespace tarvela {

// keepGoing is told the percentage of rows done after each row; when it
// answers false the writing stops, nothing is written and false returned.
// Raises an Error when the file cannot be written or the table does not fit
// a sheet; an earlier file of that name is then left as it was.
bool writeXlsWorkbook(const ExportTable& table, const std::string& sheetName, const std::filesystem::path& path,
                      const std::function<bool(int percent)>& keepGoing);

} // namespace tarvela

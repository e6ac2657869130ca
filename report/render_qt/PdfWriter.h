// Saves a report as a PDF file through Qt, with the report font embedded so
// that every Czech letter comes out right and can be copied as text. The
// file is written whole or not at all; failures raise an Error.
#pragma once

#include <QString>

#include "report/PageModel.h"

namespace tarvela {

void writePdf(const ReportDocument& document, const QString& path);

} // namespace tarvela

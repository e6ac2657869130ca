// Messages about a field name what the user sees beside it, not the name of
// the table column: the text of the label that the window gives the edit.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace tarvela {

// The label's text without its "&" and a trailing ":"; empty without one.
QString fieldCaption(const QWidget& edit);

// `message` with the column name `fieldName` replaced by the edit's caption
// in quotes; unchanged when the edit has no label.
std::string withFieldCaption(const std::string& message, const std::string& fieldName, const QWidget& edit);

} // namespace tarvela

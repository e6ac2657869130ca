// The kinds of value the validating edits take, and when a data-bound edit
// checks its value. Screens set them once, before the edit is shown.
#pragma once

namespace tarvela {

// Kinds of TEditOrvo and TVEdit.
enum class EditType { ttString, ttInteger, ttFloat, ttDate, ttTime };

// Kinds of TDBEditOrvo.
enum class DBEditType { setStandard, setDate, setTime, setFloat };

// When TDBEditOrvo validates on leaving.
enum class WhenValid { swvAlways, swvWhenEdit, swvWhenChange, swvNone };

// Default date and time that TDBEditOrvo completes a partial value from.
enum class DateTimeType { sdtNow, sdtUser };

} // namespace tarvela

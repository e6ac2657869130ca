// One column of a table browser: the field it shows, its title (the field's
// label from the record layout when empty) and its width in pixels (worked
// out from the field when 0). A looked-up column (a name from another
// table) has no field of its own: `lookup` gives its text for the record.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace tarvela {

class DbfTable;

struct BrowserColumn {
    std::string field;
    QString title;
    int width = 0;
    std::function<std::string(const DbfTable&)> lookup = {};
};

} // namespace tarvela

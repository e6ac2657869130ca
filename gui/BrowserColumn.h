// One column of a table browser: the field it shows, its title (the field's
// label from the record layout when empty) and its width in pixels (worked
// out from the field when 0).
#pragma once

#include <QString>
#include <string>

namespace tarvela {

struct BrowserColumn {
    std::string field;
    QString title;
    int width = 0;
};

} // namespace tarvela

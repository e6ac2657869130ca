// A small list of codes, mostly the lookup of a dialog's code field: a
// ListWindow with only the browser, or with the navigator (previous, next)
// and the idle buttons "F4 Oprava" and "F2 Nový" that the sibling system's
// lists show. The table must be open.
#pragma once

#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "gui/ListWindow.h"

namespace tarvela {

class CodeLookupList : public ListWindow {
    Q_OBJECT
public:
    struct Shape {
        QString title;
        QSize size;
        std::vector<BrowserColumn> columns;  // the code first
        bool withPanel = false;              // navigator and the idle "F4 Oprava", "F2 Nový"
    };

    CodeLookupList(QWidget* owner, Ui& ui, DbfTable& table, const Shape& shape);

    // Shows the list in selection mode at the opener's position plus `offset`;
    // the chosen code, nothing when cancelled.
    std::optional<std::string> chooseAt(QWidget& opener, QPoint offset);

    // Whether a row holds exactly this 3-character code in its code field.
    static bool codeExists(DbfTable& table, const std::string& codeField, const std::string& code);

private:
    DbfTable& table_;
    std::string codeField_;
};

} // namespace tarvela

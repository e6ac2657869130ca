// A small list of codes over a TableBrowser, mostly the lookup of a dialog's
// code field: in selection mode Enter or a double click closes it with OK and
// the table stands on the chosen row. The table must be open.
#pragma once

#include <QDialog>
#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "gui/BrowserColumn.h"

namespace tarvela {

class DbfTable;
class TableBrowser;
class Ui;

class CodeLookupList : public QDialog {
    Q_OBJECT
public:
    struct Shape {
        QString title;
        QSize size;
        std::vector<BrowserColumn> columns;  // the code first
        bool withPanel = false;              // navigator and the idle "F4 Oprava", "F2 Nový"
    };

    CodeLookupList(QWidget* owner, Ui& ui, DbfTable& table, const Shape& shape);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    TableBrowser& browser() const { return *browser_; }

    // Shows the list in selection mode at the opener's position plus `offset`;
    // the chosen code, nothing when cancelled.
    std::optional<std::string> chooseAt(QWidget& opener, QPoint offset);

    // Whether a row holds exactly this 3-character code in its code field.
    static bool codeExists(DbfTable& table, const std::string& codeField, const std::string& code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCurrent();

    DbfTable& table_;
    std::string codeField_;
    TableBrowser* browser_;
    bool selectionMode_ = false;
};

} // namespace tarvela

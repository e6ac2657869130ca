// The product range list ("Přehled položek sortimentu"), Merkan's Sortiment
// read-only: F5 searches by name, card number or price; in selection mode
// Enter or a double click closes it with OK, Sortiment standing on the
// chosen card. It edits and deletes nothing. Sortiment must be open.
#pragma once

#include <QDialog>

namespace tarvela {

class TData;
class TableBrowser;

class TPrehledSortimentu : public QDialog {
    Q_OBJECT
public:
    TPrehledSortimentu(QWidget* owner, TData& data);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    TableBrowser& browser() const { return *browser_; }
    void search();

    // SorValidNew's list: selection mode, at the last activated document
    // browser's position plus 50, 102; true on OK.
    static bool choose(QWidget* opener, TData& data);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCurrent();

    TData& data_;
    TableBrowser* browser_;
    bool selectionMode_ = false;
};

} // namespace tarvela

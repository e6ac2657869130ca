// The salesmen list: browse, add (F2), change (F4, under the record lock),
// delete (Ctrl+Delete after "Delete record?"). In selection mode it is the
// lookup of a salesman code: Enter or a double click closes it with OK and
// the table stands on the chosen salesman. Obchodnici must be open.
#pragma once

#include <QDialog>

class QTableView;

namespace tarvela {

class DbfTable;
class TData;
class TableRowsModel;

class TPrehledObchZas : public QDialog {
    Q_OBJECT
public:
    TPrehledObchZas(QWidget* owner, TData& data);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    bool selectionMode() const { return selectionMode_; }
    QTableView& grid() const { return *grid_; }

    void newSalesman();
    void changeSalesman();
    void deleteSalesman();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs the edit form on a record that start() puts into edit or insert state.
    void editInForm(bool isNew, void (DbfTable::*start)());
    void addShortcut(const QKeySequence& keys, void (TPrehledObchZas::*command)());
    void showCards();
    void chooseCurrent();
    void followGrid();
    void showCurrentRow();
    void refreshRows();

    TData& data_;
    bool selectionMode_ = false;
    TableRowsModel* rows_;
    QTableView* grid_;
};

} // namespace tarvela

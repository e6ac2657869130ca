// The commission cards of one salesman ("Přehled provizí na kartu"): his
// rows of ProvKar in card order, F2 adds a row, F4 changes the percentage,
// Ctrl+Delete deletes a row after "Delete record?"; existing rows are
// changed and deleted under their record lock. The opener opens Sortiment
// (tag "KAV") and ProvKar (tag "KOD") restricted to the salesman.
#pragma once

#include <QDialog>
#include <string>

namespace tarvela {

class DbfTable;
class TData;
class TableBrowser;

class TPrehledProvKarta : public QDialog {
    Q_OBJECT
public:
    TPrehledProvKarta(QWidget* owner, TData& data, const std::string& salesman);

    TableBrowser& browser() const { return *browser_; }

    void newRow();
    void changeRow();
    void deleteRow();

    // Opens the tables for the salesman's cards, shows the list at the
    // opener's position plus 50, 40 and closes them again.
    static void showFor(QWidget& opener, TData& data, const std::string& salesman);

private:
    bool formAccepted(bool isNew);

    TData& data_;
    std::string salesman_;
    TableBrowser* browser_;
};

} // namespace tarvela

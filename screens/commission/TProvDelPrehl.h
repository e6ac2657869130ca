// The commission split of one document ("Přehled rozdělení provizí "): its
// rows of DelProv, F2 adds a row (document, kind "001", shares 100), F4
// changes one, Ctrl+Delete deletes one after "Delete record?"; existing rows
// are changed and deleted under their record lock. The opener opens
// Obchodnici and DelProv with the tag "DO1" restricted to the document and
// stands the header table on it; the list shows only the rows whose number
// is exactly the document's.
#pragma once

#include <QDialog>
#include <string>

namespace tarvela {

class DbfTable;
class TData;
class TableBrowser;

class TProvDelPrehl : public QDialog {
    Q_OBJECT
public:
    enum Mode { InvoiceMode = 1, CreditNoteMode = 2 };

    TProvDelPrehl(QWidget* owner, TData& data, Mode mode);

    TableBrowser& browser() const { return *browser_; }
    const std::string& document() const { return document_; }

    void newRow();
    void changeRow();
    void deleteRow();

private:
    // Runs the row dialog on the row DelProv inserts or edits; true when
    // the row was stored.
    bool formAccepted();

    TData& data_;
    std::string document_;
    TableBrowser* browser_;
};

} // namespace tarvela

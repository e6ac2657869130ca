// The device settings dialog: the main printer of the reports and the
// receipt printer of the shop system, chosen from the installed printers and
// stored by position. "Ulož" stores both; "Storno" changes nothing. A list
// with nothing selected keeps its printer's previous value.
#pragma once

#include <QDialog>

namespace tarvela {

class InstalledPrinters;
class TComboBoxOrvo;
class TData;

class TSystemNastaveni : public QDialog {
    Q_OBJECT
public:
    TSystemNastaveni(QWidget* owner, TData& data, const InstalledPrinters& printers);

    TComboBoxOrvo& mainPrinter() const { return *main_; }
    TComboBoxOrvo& receiptPrinter() const { return *receipt_; }

private:
    void save();

    TData& data_;
    TComboBoxOrvo* main_;
    TComboBoxOrvo* receipt_;
};

} // namespace tarvela

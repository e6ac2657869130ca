// The stock movement browser "Přehled pohybů skladu": the journal Denik of
// the warehouse system, only for looking (it edits and deletes nothing), in
// the order of its active tag; F5 searches. The opener has opened Denik with
// its index file; the journal stays open with the last chosen tag.
#pragma once

#include <QDialog>

namespace tarvela {

class TData;
class OuterHeight;
class TableBrowser;

class TPrehledPohybu : public QDialog {
    Q_OBJECT
public:
    TPrehledPohybu(QWidget* owner, TData& data);

    TableBrowser& browser() const { return *browser_; }
    void search();
    void done(int result) override;

private:
    TData& data_;
    TableBrowser* browser_;
    OuterHeight* height_;
};

} // namespace tarvela

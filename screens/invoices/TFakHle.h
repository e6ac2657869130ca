// The invoice search: four searches (number, customer name, customer order
// number, pro-forma number) and the text to seek. "&Hledej" (or Enter in the
// text) sets the search's tag on Faktury, seeks the nearest key and closes
// with OK; the tag stays active, so the browser is then ordered by it.
// TDobHle is the same search on the credit notes, TSorHle the product
// range's search with its own choices.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "data/documents/DocumentSearch.h"

class QPushButton;
class QRadioButton;

namespace tarvela {

class DbfTable;
class TData;
class TEditOrvo;

class TFakHle : public QDialog {
    Q_OBJECT
public:
    TFakHle(QWidget* owner, TData& data);

    QRadioButton& choice(int index) const { return *choices_[index]; }
    TEditOrvo& textEdit() const { return *text_; }
    QPushButton& searchButton() const { return *search_; }

protected:
    // The key sought for a choice (its index) and the text typed.
    using KeyOf = std::function<SearchKey(int choice, const std::string& text)>;
    TFakHle(QWidget* owner, TData& data, DbfTable& table, const QStringList& captions, KeyOf keyOf);
    int chosen() const;
    // The choice whose text is a price: while it is selected the field takes
    // a number (10 digits, 2 decimals) instead of any text.
    void setPriceChoice(int choice);
    // The document searches: a number typed is completed from the number
    // of the document the table stands on.
    static KeyOf documentKeyOf(DbfTable& documents);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void followChoice();

    TData& data_;
    DbfTable& table_;
    KeyOf keyOf_;
    std::vector<QRadioButton*> choices_;
    TEditOrvo* text_;
    QPushButton* search_;
    int priceChoice_ = -1;
};

} // namespace tarvela

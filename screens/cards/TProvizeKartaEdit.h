// The dialog of one commission card row: the stock card number (checked
// against the product range, with the product range list as lookup; a new
// row refuses a card retired from sale) with the card's name below it, and
// the commission percentage. The opener puts the ProvKar row into insert or
// edit state and posts it when "Zapiš" closes the dialog with OK.
#pragma once

#include <QDialog>
#include <string>

class QLabel;

namespace tarvela {

class TDBEditOrvo;
class TData;

class TProvizeKartaEdit : public QDialog {
    Q_OBJECT
public:
    TProvizeKartaEdit(QWidget* owner, TData& data, bool newRow);

    TDBEditOrvo& cardEdit() const { return *card_; }
    TDBEditOrvo& percentEdit() const { return *percent_; }
    QLabel& cardNameLabel() const { return *cardName_; }
    void refreshFields();

private:
    // The card check; on success the text becomes the card's SOR_KAV.
    bool checkCard(QString& text);
    void showCardName(const std::string& card);
    void write();

    TData& data_;
    bool newRow_;
    TDBEditOrvo* card_;
    QLabel* cardName_;
    TDBEditOrvo* percent_;
};

} // namespace tarvela

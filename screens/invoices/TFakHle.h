// The invoice search: four searches (number, customer name, customer order
// number, pro-forma number) and the text to seek. "&Hledej" (or Enter in the
// text) sets the search's tag on Faktury, seeks the nearest key and closes
// with OK; the tag stays active, so the browser is then ordered by it.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace tarvela {

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();

    TData& data_;
    QRadioButton* choices_[4];
    TEditOrvo* text_;
    QPushButton* search_;
};

} // namespace tarvela

// The stock journal search: by document number, by date or by card number.
// Choosing the date search makes the text field a date field. "&Hledej"
// sets the search's tag on Denik, seeks the text as typed as the nearest key
// and closes with OK; the tag stays active.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace tarvela {

class TData;
class TEditOrvo;

class TPohybyHledej : public QDialog {
    Q_OBJECT
public:
    TPohybyHledej(QWidget* owner, TData& data);

    QRadioButton& choice(int index) const { return *choices_[index]; }
    TEditOrvo& textEdit() const { return *text_; }
    QPushButton& searchButton() const { return *search_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followChoice();
    void search();

    TData& data_;
    QRadioButton* choices_[3];
    TEditOrvo* text_;
    QPushButton* search_;
};

} // namespace tarvela

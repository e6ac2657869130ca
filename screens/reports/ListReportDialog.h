// The common frame of the list report dialogs (invoice overview, sales by
// salesman, customer rebate): a fixed window 269 pixels wide with the period,
// the note, the date-kind choice and the spreadsheet check box, and a
// lowered panel with "Start" and "Storno" along the bottom. Esc cancels;
// Enter moves on through the dialog as each dialog's rules say, and clicks
// a focused button.
#pragma once

#include <QDate>
#include <QDialog>
#include <array>

#include "commission/ReportRequest.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QPushButton;

namespace tarvela {

class TPelzarDateEdit;

class ListReportDialog : public QDialog {
    Q_OBJECT
public:
    TPelzarDateEdit* firstDate() const { return firstDate_; }
    TPelzarDateEdit* secondDate() const { return secondDate_; }
    QButtonGroup* dateKind() const { return dateKind_; }
    QCheckBox* xlsBox() const { return xls_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The period from 30 days before today to today.
    void presetPeriod(const QDate& today);
    // Period, date basis and spreadsheet flag as chosen.
    virtual ReportRequest request() const;

protected:
    // firstLabel and the date-kind items name the dialog's documents.
    ListReportDialog(QWidget* owner, const QString& title, int clientHeight, const QString& firstLabel,
                     const std::array<QString, 3>& dateKinds);

    // A choice of three items in a frame, the first one chosen.
    QButtonGroup* addChoice(const std::array<QString, 3>& items);
    QCheckBox* addCheckBox(const QString& text, int width);
    // Places the spreadsheet box next; called by the dialog at its turn.
    void addXlsBox();
    int nextTop() const { return nextTop_; }
    void skip(int pixels) { nextTop_ += pixels; }

    // Where Enter on a control moves the focus; nullptr: no rule here.
    virtual QWidget* enterTarget(QObject* control);
    // The focus widget of a choice: its chosen item.
    static QWidget* focusOf(QButtonGroup* choice);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void watchEnter(QWidget* control);

private:
    int nextTop_ = 12;
    TPelzarDateEdit* firstDate_ = nullptr;
    TPelzarDateEdit* secondDate_ = nullptr;
    QButtonGroup* dateKind_ = nullptr;
    QCheckBox* xls_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tarvela

// The salesmen list: browse, add (F2), change (F4, under the record lock),
// delete (Ctrl+Delete after "Delete record?"), F9 the salesman's commission
// cards. In selection mode it is the lookup of a salesman code: Enter or a
// double click closes it with OK and the table stands on the chosen
// salesman. Obchodnici must be open.
#pragma once

#include "gui/ListWindow.h"

namespace tarvela {

class TData;

class TPrehledObchZas : public ListWindow {
    Q_OBJECT
public:
    TPrehledObchZas(QWidget* owner, TData& data);

    void newSalesman();
    void changeSalesman();
    void deleteSalesman();

private:
    bool runForm(bool isNew);
    void showCards();

    TData& data_;
};

} // namespace tarvela

// The salesmen list: browse, add (F2), change (F4, under the record lock),
// delete (Ctrl+Delete after "Delete record?"). In selection mode it is the
// lookup of a salesman code: Enter or a double click closes it with OK and
// the table stands on the chosen salesman. Obchodnici must be open.
#pragma once

#include "gui/CodeListWindow.h"

namespace tarvela {

class TPrehledObchZas : public CodeListWindow {
    Q_OBJECT
public:
    TPrehledObchZas(QWidget* owner, TData& data);

    void newSalesman();
    void changeSalesman();
    void deleteSalesman();

private:
    bool runForm(bool isNew);
    void showCards();
};

} // namespace tarvela

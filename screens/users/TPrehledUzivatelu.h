// The users list: browse, F2 a new user and F4 a change of the current one
// (both need the right "004"; the change holds the record lock), F10 the
// rights of the current user. Uzivatele must be open.
#pragma once

#include "gui/ListWindow.h"

namespace tarvela {

class TData;
class UserRights;

class TPrehledUzivatelu : public ListWindow {
    Q_OBJECT
public:
    TPrehledUzivatelu(QWidget* owner, TData& data, UserRights& rights);

    void newUser();
    void changeUser();
    void showRights();

private:
    bool runForm(bool isNew);

    TData& data_;
    UserRights& rights_;
};

} // namespace tarvela

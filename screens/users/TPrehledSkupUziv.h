// The user groups list: browse, F10 the rights of the current group, Ctrl+
// Delete deletes it (right "004", and only while no user belongs to it). In
// selection mode it is the lookup of a group code: Enter or a double click
// closes it with OK, UzivSkup standing on the chosen group. UzivSkup must be
// open.
#pragma once

#include "gui/ListWindow.h"

namespace tarvela {

class TData;
class UserRights;

class TPrehledSkupUziv : public ListWindow {
    Q_OBJECT
public:
    TPrehledSkupUziv(QWidget* owner, TData& data, UserRights& rights);

    void showRights();
    void deleteGroup();

private:
    TData& data_;
    UserRights& rights_;
};

} // namespace tarvela

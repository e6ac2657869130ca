// The edit dialog of one user, its six fields bound to the record that the
// users table is editing or inserting; the opener posts or cancels it. The
// login name is upper-cased as it is typed, the password is masked, and the
// group must be an existing group code (exactly as stored) or is picked from
// the groups list. "Zapis" refuses a blank code and a code or login name
// that another user has; a changed user keeps his code.
#pragma once

#include <QDialog>

namespace tarvela {

class TDBEditOrvo;
class TData;
class UserRights;

class TUsrPolEdit : public QDialog {
    Q_OBJECT
public:
    TUsrPolEdit(QWidget* owner, TData& data, UserRights& rights, bool newUser);

    enum Field { Code, Login, Password, Name, Initials, Group, FieldCount };
    TDBEditOrvo& edit(Field field) const { return *edits_[field]; }
    // Shows the values of the record the table now stands on.
    void refreshFields();
    // The group field's check: a group of exactly this code exists, or one
    // is picked from the list; false when the list was cancelled.
    bool checkGroup(QString& text);

private:
    void pickGroup();
    // Opens the groups list at its place; true on OK, UzivSkup then on the group.
    bool chooseGroup();
    void write();

    TData& data_;
    UserRights& rights_;
    bool newUser_;
    TDBEditOrvo* edits_[FieldCount];
};

} // namespace tarvela

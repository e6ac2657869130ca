// The login dialog: access name and password (shown as "*"), OK and Storno.
// Centred on the desktop; it has no title-bar buttons, so only its own
// buttons (or Esc) close it.
#pragma once

#include <QDialog>

namespace tarvela {

class TEditOrvo;

class TLoginForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoginForm(QWidget* parent = nullptr);

    TEditOrvo& nameEdit() const { return *name_; }
    TEditOrvo& passwordEdit() const { return *password_; }

private:
    TEditOrvo* name_;
    TEditOrvo* password_;
};

} // namespace tarvela

#include "app/TLoginForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "controls/TEditOrvo.h"

namespace tarvela {

TLoginForm::TLoginForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      name_(new TEditOrvo(this)), password_(new TEditOrvo(this))
{
    setWindowTitle(QStringLiteral("Přihlašovací dialog uživatele"));
    setFixedSize(337, 151);
    auto* notice = new QLabel(QStringLiteral("Přihlašovací jméno z Windows není v seznamu uživatelů systému"), this);
    notice->setWordWrap(true);
    notice->setGeometry(8, 4, 321, 30);
    auto* nameLabel = new QLabel(QStringLiteral("Přístupové jméno uživatele "), this);
    nameLabel->setGeometry(8, 40, 170, 16);
    name_->setGeometry(184, 37, 145, 21);
    auto* passwordLabel = new QLabel(QStringLiteral("Přístupové heslo uživatele"), this);
    passwordLabel->setGeometry(8, 72, 170, 16);
    password_->setGeometry(184, 69, 145, 21);
    password_->setEchoMode(QLineEdit::Password);
    nameLabel->setBuddy(name_);
    passwordLabel->setBuddy(password_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(88, 112, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(174, 112, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    name_->setFocus();
}

} // namespace tarvela

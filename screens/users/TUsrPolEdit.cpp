#include "screens/users/TUsrPolEdit.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "data/rights/UserAccounts.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/users/TPrehledSkupUziv.h"

namespace tarvela {

namespace {

struct FieldRow {
    const char* field;
    const char* label;
    int width;
};

const FieldRow kFieldRows[TUsrPolEdit::FieldCount] = {
    {"USR_KOD", "Kod uživatele", 40},
    {"USR_LNA", "Logovací jméno do OS", 90},
    {"USR_PSW", "Heslo", 90},
    {"USR_NAC", "Plné jméno", 130},
    {"USR_INI", "Iniciály uživatele", 30},
    {"USR_GRP", "Uživatelská skupina", 50},
};

} // namespace

TUsrPolEdit::TUsrPolEdit(QWidget* owner, TData& data, UserRights& rights, bool newUser)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data), rights_(rights), newUser_(newUser)
{
    setWindowTitle(QStringLiteral("Editace položky uživatele"));
    setFixedSize(261, 238);
    QLabel* labels[FieldCount];
    int labelWidth = 112;
    for (int i = 0; i < FieldCount; ++i) {
        labels[i] = new QLabel(QString::fromUtf8(kFieldRows[i].label), this);
        labelWidth = std::max(labelWidth, labels[i]->sizeHint().width());
    }
    // The edits start after the longest label and stay inside the dialog.
    const int editLeft = 12 + labelWidth;
    for (int i = 0; i < FieldCount; ++i) {
        const int top = 8 + 32 * i;
        QLabel* label = labels[i];
        label->setGeometry(8, top, labelWidth, 21);
        edits_[i] = new TDBEditOrvo(this);
        edits_[i]->setGeometry(editLeft, top, std::min(kFieldRows[i].width, width() - 8 - editLeft), 21);
        edits_[i]->setColorDisable(palette().color(QPalette::Base));
        edits_[i]->bind(&data.Uzivatele, kFieldRows[i].field);
        label->setBuddy(edits_[i]);
    }
    edit(Code).setEnabled(newUser);
    edit(Password).setEchoMode(QLineEdit::Password);
    connect(&edit(Login), &QLineEdit::textEdited, this, [this](const QString& typed) {
        const int cursor = edit(Login).cursorPosition();
        edit(Login).setText(typed.toUpper());
        edit(Login).setCursorPosition(cursor);
    });
    edit(Group).setButtonVisible(true);
    edit(Group).OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { valid = checkGroup(text); };
    edit(Group).OnClickButton = [this](TDBEditOrvo&) { pickGroup(); };

    auto* ok = new QPushButton(QStringLiteral("Zapis"), this);
    ok->setGeometry(92, 205, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(178, 205, 75, 25);
    // A click on "Storno" must not first check the field being left.
    cancel->setFocusPolicy(Qt::TabFocus);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TUsrPolEdit::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    (newUser ? edit(Code) : edit(Login)).setFocus();
}

void TUsrPolEdit::refreshFields()
{
    for (auto* field : edits_)
        field->refresh();
}

bool TUsrPolEdit::chooseGroup()
{
    TPrehledSkupUziv list(this, data_, rights_);
    list.setSelectionMode(true);
    placeAt(list, *this, 190, 80);
    return list.exec() == QDialog::Accepted;
}

bool TUsrPolEdit::checkGroup(QString& text)
{
    try {
        ScopedTableOpen groups(data_.UzivSkup);
        if (groupExists(data_, text.toStdString()))
            return true;
        data_.UzivSkup.first();
        if (!chooseGroup())
            return false;
        text = QString::fromStdString(withoutTrailingBlanks(data_.UzivSkup.asString("UGR_KOD")));
        return true;
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return false;
    }
}

void TUsrPolEdit::pickGroup()
{
    try {
        ScopedTableOpen groups(data_.UzivSkup);
        if (chooseGroup()) {
            edit(Group).setText(QString::fromStdString(withoutTrailingBlanks(data_.UzivSkup.asString("UGR_KOD"))));
            edit(Group).updateRecord();
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

void TUsrPolEdit::write()
{
    if (edit(Code).text().trimmed().isEmpty()) {
        data_.ui().showMessage("Zadejte kód uživatele.");
        edit(Code).setFocus(Qt::OtherFocusReason);
        return;
    }
    QString group = edit(Group).text();
    if (!checkGroup(group)) {
        edit(Group).setFocus(Qt::OtherFocusReason);
        return;
    }
    edit(Group).setText(group);
    try {
        const auto conflict = userConflict(data_, edit(Code).text().toStdString(),
                                                  edit(Login).text().toStdString(),
                                                  newUser_ ? 0 : data_.Uzivatele.recordNumber());
        if (conflict) {
            data_.ui().showMessage(conflict->message);
            edit(conflict->ofCode ? Code : Login).setFocus(Qt::OtherFocusReason);
            return;
        }
        for (auto* field : edits_)
            field->updateRecord();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela

#include "screens/salesmen/TObchEditForm.h"

#include <QLabel>
#include <QPushButton>

#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

struct FieldRow {
    const char* field;
    const char* label;
    int width;
};

const FieldRow fieldRows[5] = {
    {"OBC_KOD", "Kód odbchodníka ", 40},
    {"OBC_NAC", "Příjm.jméno, tit.", 209},
    {"OBC_LIM", "Limitní sleva obchodníka  ", 60},
    {"OBC_KRA", "Koeficient krácení při překročení limitní slevy", 60},
    {"OBC_SPL", "Počet dní po které je nárok na provizi ( od DZP)", 40},
};

// A label that wraps gets the smaller font that fits two lines into its
// height; the design's font was smaller than the desktop's.
void fitTwoLines(QLabel& label)
{
    if (label.fontMetrics().horizontalAdvance(label.text()) <= label.width())
        return;
    QFont font = label.font();
    while (font.pointSize() > 6 && 2 * QFontMetrics(font).lineSpacing() > label.height())
        font.setPointSize(font.pointSize() - 1);
    label.setFont(font);
}

const char* const kCodeLengthMessage = "Kód obchodníka musí mít právě 3 znaky.";

} // namespace

TObchEditForm::TObchEditForm(QWidget* owner, TData& data, bool newSalesman)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data), newSalesman_(newSalesman)
{
    setWindowTitle(QStringLiteral("Editace položky obchodníka"));
    setFixedSize(335, 187);
    for (int i = 0; i < 5; ++i) {
        const int top = 8 + 28 * i;
        auto* label = new QLabel(QString::fromUtf8(fieldRows[i].label), this);
        label->setWordWrap(true);
        label->setGeometry(8, top, 311 - fieldRows[i].width, 26);
        fitTwoLines(*label);
        edits_[i] = new TDBEditOrvo(this);
        edits_[i]->setGeometry(327 - fieldRows[i].width, top + 2, fieldRows[i].width, 21);
        edits_[i]->setColorDisable(palette().color(QPalette::Base));
        edits_[i]->bind(&data.Obchodnici, fieldRows[i].field);
        label->setBuddy(edits_[i]);
    }
    codeEdit().OnValid = [](TDBEditOrvo&, QString& text, bool& valid) { valid = text.trimmed().size() == 3; };
    codeEdit().setErrorString(QString::fromUtf8(kCodeLengthMessage));
    codeEdit().setEnabled(newSalesman);

    auto* ok = new QPushButton(QStringLiteral("Zapiš"), this);
    ok->setGeometry(168, 154, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(252, 154, 75, 25);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TObchEditForm::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    (newSalesman ? codeEdit() : nameEdit()).setFocus();
}

void TObchEditForm::refreshFields()
{
    for (auto* edit : edits_)
        edit->refresh();
}

bool TObchEditForm::codeIsFree(const QString& code)
{
    DbfTable others;
    data_.nameSecondHandle(others, data_.Obchodnici);
    others.open();
    const bool taken = others.locate({"OBC_KOD"}, {FieldValue(code.toStdString())});
    others.close();
    return !taken;
}

void TObchEditForm::write()
{
    const QString code = codeEdit().text().trimmed();
    if (code.size() != 3) {
        data_.ui().showMessage(kCodeLengthMessage);
        codeEdit().setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        if (newSalesman_ && !codeIsFree(code)) {
            data_.ui().showMessage("Obchodník s kódem " + code.toStdString()
                                   + " již existuje. Zadejte jiný kód.");
            codeEdit().setFocus(Qt::OtherFocusReason);
            return;
        }
        for (auto* edit : edits_)
            edit->updateRecord();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela

#include "screens/reports/SalesmanField.h"

#include <QFocusEvent>
#include <QTimer>

#include "gui/WindowPlacement.h"
#include "controls/FocusCheck.h"
#include "controls/TEditOrvo.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"
#include "screens/salesmen/TPrehledObchZas.h"

namespace tarvela {

SalesmanField::SalesmanField(TEditOrvo& field, TData& data)
    : QObject(&field), field_(field), data_(data)
{
    field.installEventFilter(this);
    field.OnClickButton = [this](TEditOrvo&) { check(); };
}

bool SalesmanField::holdsCode() const
{
    return field_.text().trimmed().size() == 3;
}

bool SalesmanField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &field_ && event->type() == QEvent::FocusOut
        && isLeavingWithinWindow(static_cast<QFocusEvent&>(*event), field_)) {
        // Let the focus settle on the next control before a list may open.
        QTimer::singleShot(0, this, &SalesmanField::check);
    }
    return false;
}

bool SalesmanField::salesmanExists(const QString& code)
{
    return data_.Obchodnici.locate({"OBC_KOD"}, {FieldValue(code.toStdString())});
}

void SalesmanField::check()
{
    if (checking_ || !field_.isVisible())
        return;
    checking_ = true;
    try {
        ScopedTableOpen salesmen(data_.Obchodnici);
        if (!holdsCode() || !salesmanExists(field_.text().trimmed()))
            pickFromList();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    checking_ = false;
}

void SalesmanField::pickFromList()
{
    DbfTable& salesmen = data_.Obchodnici;
    salesmen.first();
    QWidget& dialog = *field_.window();
    TPrehledObchZas list(&dialog, data_);
    list.setSelectionMode(true);
    placeAt(list, dialog, 40, 30);
    if (list.exec() == QDialog::Accepted) {
        field_.setText(QString::fromStdString(salesmen.asString("OBC_KOD")).trimmed());
        return;
    }
    field_.clear();
    field_.setFocus(Qt::OtherFocusReason);
}

} // namespace tarvela

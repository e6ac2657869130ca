#include "controls/CalendarPopup.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace tarvela {

CalendarPopup::CalendarPopup(QWidget& edit)
    : QFrame(&edit, Qt::Popup), edit_(edit), calendar_(new QCalendarWidget(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar_);
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setGridVisible(true);
    const auto choose = [this](const QDate& date) {
        hide();
        emit chosen(date);
    };
    connect(calendar_, &QCalendarWidget::clicked, this, choose);
    connect(calendar_, &QCalendarWidget::activated, this, choose);
}

void CalendarPopup::dropDown(const QDate& shown)
{
    calendar_->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    adjustSize();
    QPoint place = edit_.mapToGlobal(QPoint(0, edit_.height()));
    if (const QScreen* screen = edit_.screen()) {
        const QRect area = screen->availableGeometry();
        if (place.y() + height() > area.bottom())
            place.setY(edit_.mapToGlobal(QPoint(0, 0)).y() - height());
        place.setX(std::min(place.x(), area.right() - width()));
    }
    move(place);
    show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

} // namespace tarvela

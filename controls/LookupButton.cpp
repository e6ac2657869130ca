#include "controls/LookupButton.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

namespace tarvela {

namespace {
constexpr int kSmallestWidth = 15;
}

LookupButton::LookupButton(QLineEdit& edit)
    : QToolButton(&edit), edit_(edit), glyph_(builtInGlyph())
{
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    setIcon(QIcon(glyph_));
    hide();
    edit.installEventFilter(this);
}

QPixmap LookupButton::builtInGlyph()
{
    QPixmap picture(9, 6);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    for (int row = 0; row < 5; ++row)
        painter.drawLine(row, row, 8 - row, row);
    return picture;
}

void LookupButton::setButtonVisible(bool visible)
{
    visible_ = visible;
    place();
}

void LookupButton::setButtonWidth(int width)
{
    requestedWidth_ = width;
    place();
}

int LookupButton::buttonWidth() const
{
    return std::clamp(requestedWidth_, kSmallestWidth, std::max(kSmallestWidth, edit_.width()));
}

void LookupButton::setGlyph(const QPixmap& glyph, int count)
{
    glyph_ = glyph.isNull() ? builtInGlyph() : glyph;
    numGlyphs_ = std::max(1, count);
    const int single = glyph_.width() / numGlyphs_;
    setIcon(QIcon(glyph_.copy(0, 0, std::max(1, single), glyph_.height())));
}

bool LookupButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &edit_ && event->type() == QEvent::Resize)
        place();
    return false;
}

void LookupButton::place()
{
    const int width = buttonWidth();
    const int frame = 1;
    setVisible(visible_);
    setGeometry(edit_.width() - width - frame, frame, width, std::max(0, edit_.height() - 2 * frame));
    setIconSize(QSize(std::max(1, width - 4), std::max(1, edit_.height() - 6)).boundedTo(glyph_.size()));
    edit_.setTextMargins(0, 0, visible_ ? width : 0, 0);
}

} // namespace tarvela

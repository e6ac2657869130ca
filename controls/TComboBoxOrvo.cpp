#include "controls/TComboBoxOrvo.h"

namespace tarvela {

TComboBoxOrvo::TComboBoxOrvo(QWidget* parent)
    : QComboBox(parent), keys_(new KeyRules(*this))
{
}

void TComboBoxOrvo::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (keys_->takeTabExit() && OnTabExit)
        OnTabExit(*this, keys_->tabExitModifiers());
}

} // namespace tarvela

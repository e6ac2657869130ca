// A drop-down list with the keys of the validating edits (Enter moves on,
// Space calls OnClickSpace when set) and no check of its own.
#pragma once

#include <QComboBox>
#include <functional>

#include "controls/KeyRules.h"

namespace tarvela {

class TComboBoxOrvo : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBoxOrvo(QWidget* parent = nullptr);

    void setEnterIsTab(bool on) { keys_->enterIsTab = on; }
    bool enterIsTab() const { return keys_->enterIsTab; }
    void setOnClickSpace(std::function<void()> handler) { keys_->onClickSpace = std::move(handler); }
    std::function<void(TComboBoxOrvo&, Qt::KeyboardModifiers)> OnTabExit;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyRules* keys_;
};

} // namespace tarvela

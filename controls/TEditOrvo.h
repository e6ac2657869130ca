// The validating edit with a lookup button inside its right end. Besides the
// checks of TVEdit it filters keys in every kind but ttString (a refused key
// beeps), turns "," and "." into the system's decimal separator (into the
// date separator "." in a date), selects its whole text when it gets the
// focus and lets Esc reach the window.
#pragma once

#include <functional>

#include "controls/LookupButton.h"
#include "controls/TVEdit.h"

namespace tarvela {

class TEditOrvo : public TVEdit {
    Q_OBJECT
public:
    explicit TEditOrvo(QWidget* parent = nullptr);

    void setButtonVisible(bool visible) { button_->setButtonVisible(visible); }
    bool buttonVisible() const { return button_->isButtonVisible(); }
    void setButtonWidth(int width) { button_->setButtonWidth(width); }
    int buttonWidth() const { return button_->buttonWidth(); }
    void setGlyph(const QPixmap& glyph, int numGlyphs = 1) { button_->setGlyph(glyph, numGlyphs); }
    int numGlyphs() const { return button_->numGlyphs(); }
    LookupButton& lookupButton() { return *button_; }

    std::function<void(TEditOrvo&)> OnClickButton;

signals:
    // A typed key was dropped with a beep.
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool acceptsCharacter(QChar typed) const;

    LookupButton* button_;
};

} // namespace tarvela

// The small lookup button that sits at the right end inside an edit and
// opens the list of the field's codes. The edit's text area is narrowed so
// that text never runs under it; the button follows the edit's size.
#pragma once

#include <QIcon>
#include <QToolButton>

class QLineEdit;

namespace tarvela {

class LookupButton : public QToolButton {
    Q_OBJECT
public:
    explicit LookupButton(QLineEdit& edit);

    void setButtonVisible(bool visible);
    bool isButtonVisible() const { return visible_; }
    // Below 15 pixels it is raised to 15, above the edit's width cut to it.
    void setButtonWidth(int width);
    int buttonWidth() const;
    // A picture strip of `count` equal glyphs (up, disabled, pressed ...);
    // the first one is shown.
    void setGlyph(const QPixmap& glyph, int count);
    const QPixmap& glyph() const { return glyph_; }
    int numGlyphs() const { return numGlyphs_; }

    static QPixmap builtInGlyph();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QLineEdit& edit_;
    bool visible_ = false;
    int requestedWidth_ = 15;
    QPixmap glyph_;
    int numGlyphs_ = 1;
};

} // namespace tarvela

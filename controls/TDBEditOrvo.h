// The data-bound validating edit with a lookup button: shows one field of the
// record its table stands on and, when the focus leaves it, validates the
// text (by WhenValid, through OnValid) and writes it to the field. A failed
// validation keeps the focus. Call refresh() after the record changes.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QLineEdit>
#include <functional>

#include "controls/EditType.h"
#include "controls/FieldBinding.h"
#include "controls/KeyRules.h"
#include "controls/LookupButton.h"

namespace tarvela {

class TDBEditOrvo : public QLineEdit {
    Q_OBJECT
public:
    explicit TDBEditOrvo(QWidget* parent = nullptr);

    void bind(DbfTable* table, const std::string& fieldName);
    const FieldBinding& binding() const { return binding_; }
    // Shows the field's stored value.
    void refresh();
    // Writes the text to the field now (before the record is posted);
    // throws Error when it is no value of the field's kind.
    void updateRecord();

    void setEnterIsTab(bool on) { keys_->enterIsTab = on; }
    bool enterIsTab() const { return keys_->enterIsTab; }
    void setButtonVisible(bool visible) { button_->setButtonVisible(visible); }
    bool buttonVisible() const { return button_->isButtonVisible(); }
    void setButtonWidth(int width) { button_->setButtonWidth(width); }
    int buttonWidth() const { return button_->buttonWidth(); }
    void setGlyph(const QPixmap& glyph, int numGlyphs = 1) { button_->setGlyph(glyph, numGlyphs); }
    void setEditType(DBEditType type) { editType_ = type; }
    DBEditType editType() const { return editType_; }
    void setWhenValid(WhenValid when) { whenValid_ = when; }
    WhenValid whenValid() const { return whenValid_; }
    void setDateTimeType(DateTimeType type) { dateTimeType_ = type; }
    DateTimeType dateTimeType() const { return dateTimeType_; }
    // The default of sdtUser.
    void setUserDateTime(const QDateTime& value) { userDateTime_ = value; }
    void setColorDisable(const QColor& color);
    const QColor& colorDisable() const { return colorDisable_; }
    void setErrorString(const QString& text) { errorString_ = text; }
    const QString& errorString() const { return errorString_; }

    std::function<void(TDBEditOrvo&)> OnClickButton;
    // (sender, text, valid): may change the text and set valid to false.
    std::function<void(TDBEditOrvo&, QString&, bool&)> OnValid;
    std::function<void(TDBEditOrvo&)> OnError;

    // Runs the validation as leaving the edit does; true when valid.
    bool validate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool needsValidation() const;
    bool completeDateOrTime(QString& text) const;
    QDateTime defaultDateTime() const;
    bool isFloatInput() const;
    void reportInvalid();

    KeyRules* keys_;
    LookupButton* button_;
    FieldBinding binding_;
    DBEditType editType_ = DBEditType::setStandard;
    WhenValid whenValid_ = WhenValid::swvAlways;
    DateTimeType dateTimeType_ = DateTimeType::sdtNow;
    QDateTime userDateTime_;
    QColor colorDisable_;
    QString errorString_;
};

} // namespace tarvela

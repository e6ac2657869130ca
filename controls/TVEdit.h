// A plain validating edit: the value is checked by its kind when the focus
// leaves it, and rewritten (dates "dd.mm.yyyy", times "hh:mm:ss", floats in
// fixed notation). A failed check shows " Chybný formát dat " and keeps the
// focus. Keys are not filtered.
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>

#include "controls/EditType.h"
#include "controls/KeyRules.h"

namespace tarvela {

class TVEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TVEdit(QWidget* parent = nullptr);

    void setEnterIsTab(bool on) { keys_->enterIsTab = on; }
    bool enterIsTab() const { return keys_->enterIsTab; }
    void setEditType(EditType type) { editType_ = type; }
    EditType editType() const { return editType_; }
    void setFloatPrecision(int precision) { floatPrecision_ = precision; }
    int floatPrecision() const { return floatPrecision_; }
    void setFloatDigits(int digits) { floatDigits_ = digits; }
    int floatDigits() const { return floatDigits_; }
    void setConvertDecimalSymbol(bool on) { convertDecimalSymbol_ = on; }
    bool convertDecimalSymbol() const { return convertDecimalSymbol_; }
    void setBlankDate(const QString& text) { blankDate_ = text; }
    const QString& blankDate() const { return blankDate_; }
    void setBlankTime(const QString& text) { blankTime_ = text; }
    const QString& blankTime() const { return blankTime_; }

    // When set, Space calls it and is not typed.
    void setOnClickSpace(std::function<void()> handler) { keys_->onClickSpace = std::move(handler); }
    // Called after a successful check when the edit was left with Tab.
    std::function<void(TVEdit&, Qt::KeyboardModifiers)> OnTabExit;

    // The text rewritten by the kind's check, or nothing when it fails.
    std::optional<QString> checkedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    KeyRules& keyRules() { return *keys_; }
    // Hands a key to the plain edit after this edit's own rules.
    void typeKey(QKeyEvent& event, const QString& text);

private:
    KeyRules* keys_;
    EditType editType_ = EditType::ttString;
    int floatPrecision_ = 0;
    int floatDigits_ = 0;
    bool convertDecimalSymbol_ = false;
    QString blankDate_;
    QString blankTime_;
};

} // namespace tarvela

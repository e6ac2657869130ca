// Remembers whether the user entered an edit or changed its text. A dialog's
// "Zapiš" checks only such fields: one the user never visited was not
// checked by leaving it either, and its stored value stands as it is.
#pragma once

#include <QObject>

class QLineEdit;

namespace tarvela {

class EnteredField : public QObject {
    Q_OBJECT
public:
    // Lives as long as the edit (it is the edit's child).
    explicit EnteredField(QLineEdit& edit);

    bool wasEntered() const { return entered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool entered_ = false;
};

} // namespace tarvela

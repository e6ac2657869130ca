// The check of a salesman code field shared by the report dialogs. When the
// focus leaves the field, or its lookup button is clicked, a 3-character code
// of an existing salesman is kept; anything else opens the salesmen list in
// selection mode: OK takes the chosen code, cancel empties the field and
// keeps the focus in it.
#pragma once

#include <QObject>

namespace tarvela {

class TData;
class TEditOrvo;

class SalesmanField : public QObject {
    Q_OBJECT
public:
    SalesmanField(TEditOrvo& field, TData& data);

    // Runs the check now.
    void check();
    // The field's text, trimmed, has exactly 3 characters.
    bool holdsCode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool salesmanExists(const QString& code);
    void pickFromList();

    TEditOrvo& field_;
    TData& data_;
    bool checking_ = false;
};

} // namespace tarvela

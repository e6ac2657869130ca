// The list of commission kinds (TypProvize), the lookup of the split row
// dialog's kind field: in selection mode Enter or a double click closes it
// with OK and the table stands on the chosen kind. TypProvize must be open.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

namespace tarvela {

class TData;
class TableBrowser;

class TPrehledTypProvize : public QDialog {
    Q_OBJECT
public:
    TPrehledTypProvize(QWidget* owner, TData& data);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    TableBrowser& browser() const { return *browser_; }

    // Whether a kind of exactly this 3-character code exists.
    static bool kindExists(TData& data, const std::string& code);
    // Shows the list in selection mode at the opener's position plus 40, 90
    // on the first kind; the chosen code, nothing when cancelled.
    static std::optional<std::string> choose(QWidget& opener, TData& data);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCurrent();

    TableBrowser* browser_;
    bool selectionMode_ = false;
};

} // namespace tarvela

// The list of payment types (TypPlatby), mostly as the lookup of the payment
// dialog's type field: in selection mode Enter or a double click closes it
// with OK and the table stands on the chosen type. Its "F4 Oprava" and
// "F2 Nový" do nothing. TypPlatby must be open.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

namespace tarvela {

class TData;
class TableBrowser;

class TPrehledTypPlateb : public QDialog {
    Q_OBJECT
public:
    TPrehledTypPlateb(QWidget* owner, TData& data);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    TableBrowser& browser() const { return *browser_; }

    // Whether a type of exactly this 3-character code exists.
    static bool typeExists(TData& data, const std::string& code);
    // Shows the list in selection mode at the opener's position plus 40, 45
    // on the first type; the chosen code, nothing when cancelled.
    static std::optional<std::string> choose(QWidget& opener, TData& data);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCurrent();

    TableBrowser* browser_;
    bool selectionMode_ = false;
};

} // namespace tarvela

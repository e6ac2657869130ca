#include "screens/credit_notes/TDobropisyPrehled.h"

#include <QKeySequence>

#include "data/company/TData.h"
#include "gui/CommandButton.h"
#include "gui/TableBrowser.h"
#include "platform/Error.h"

namespace tarvela {

TDobropisyPrehled::TDobropisyPrehled(QWidget* owner, TData& data, CommissionItems items)
    : TFakturyPrehled(owner, data, std::move(items), DocumentKind::CreditNote)
{
    addKeyCommand(*this, QKeySequence(Qt::CTRL | Qt::Key_F12), [this] { repairHeader(); });
}

void TDobropisyPrehled::repairHeader()
{
    if (!hasCurrentDocument())
        return;
    commissionItems();
    if (!hasCurrentDocument())
        return;
    try {
        if (data().OpravaHlavicky(documents().asString("HLA_DO1"), kCreditNoteKind))
            data().ui().showMessage("Hlavička dokladu rekonstruována");
    } catch (const Error& error) {
        data().ui().showMessage(error.what());
    }
    browser().refresh();
    browser().setFocus();
}

} // namespace tarvela

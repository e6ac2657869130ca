#include "commission/SalesmanSelection.h"

#include <algorithm>
#include <map>
#include <optional>

#include "commission/CommissionTablesOpen.h"
#include "commission/DocumentCommission.h"
#include "commission/PaymentTerms.h"
#include "commission/SalesmanShares.h"
#include "commission/TDataSestavy.h"
#include "data/documents/DocumentBooks.h"

namespace tarvela {

bool SalesmanSelection::listsDocuments() const
{
    return std::ranges::any_of(documents, [](const SelectedDocument& document) { return document.shown; });
}

std::vector<SalesmanSelection>::iterator findSelection(std::vector<SalesmanSelection>& selections,
                                                       const std::string& salesman)
{
    return std::ranges::find_if(selections,
                                [&](const SalesmanSelection& selection) { return selection.salesman.code == salesman; });
}

namespace {

class DocumentWalk {
public:
    DocumentWalk(TDataSestavy& sestavy, ReportSelector selector, const SettlementPeriod& period, DayNumber today,
                 std::vector<SalesmanSelection>& selections)
        : sestavy_(sestavy), selector_(selector), period_(period), today_(today), selections_(selections),
          payments_(sestavy.data().Vypisy), splits_(sestavy.data().DelProv)
    {
    }

    void document(const DocumentHeader& header, DocumentKind kind)
    {
        if (selector_ == ReportSelector::SpecialSettlement) {
            cards_.reset();
            const PaymentStatus payment = payments_.of(header.number);
            for (SalesmanSelection& selection : selections_)
                chooseAtCardRates(selection, header, kind, payment);
            return;
        }
        const std::vector<SplitShare>& splits = splits_.of(header.number);
        // Most documents are nobody's of the command: their payments are not looked up.
        std::optional<PaymentStatus> payment;
        for (SalesmanSelection& selection : selections_) {
            const SalesmanShares shares = sharesOf(header, splits, selection.salesman.code);
            if (!(shares.commission > 0))
                continue;
            if (!payment)
                payment = payments_.of(header.number);
            if (const auto block = groupRateBlock(selection.salesman, header, *payment, shares))
                keep(selection, kind, *block, CommissionRates::ProductGroups);
        }
    }

private:
    std::optional<SettlementBlock> groupRateBlock(const ReportSalesman& salesman, const DocumentHeader& header,
                                                  const PaymentStatus& payment, const SalesmanShares& shares) const
    {
        SettlementBlock block{header, shares.type, payment.lastPaymentDate, delayOf(header, payment.lastPaymentDate),
                              payment.paidSum, shares.commission, shares.turnover};
        if (selector_ != ReportSelector::Disallowed)
            return isSettled(header, payment, period_, salesman.paymentLimit) ? std::optional(block) : std::nullopt;
        const LatePayment late = latePayment(header, payment, salesman.paymentLimit, today_);
        if (!late.listed)
            return std::nullopt;
        block.paymentDate = late.paymentDate;
        block.delay = late.delay;
        return block;
    }

    // Every document is a candidate, whoever its salesman; an invoice that
    // passes the payment tests is kept even without a card of his.
    void chooseAtCardRates(SalesmanSelection& selection, const DocumentHeader& header, DocumentKind kind,
                           const PaymentStatus& payment)
    {
        if (!isSettled(header, payment, period_, selection.salesman.paymentLimit))
            return;
        if (!holdsCardOf(header, selection.salesman.code)) {
            if (kind == DocumentKind::Invoice) {
                SelectedDocument dropped;
                dropped.shown = false;
                selection.documents.push_back(std::move(dropped));
            }
            return;
        }
        const SettlementBlock block{header, {}, payment.lastPaymentDate, delayOf(header, payment.lastPaymentDate),
                                    payment.paidSum};
        keep(selection, kind, block, CommissionRates::CommissionCards);
    }

    // Zarad, with the document's cards read once for all the salesmen and
    // each salesman's answer for a card remembered for the whole walk.
    bool holdsCardOf(const DocumentHeader& header, const std::string& salesman)
    {
        if (!cards_)
            cards_ = sestavy_.DocumentCards(header.number);
        return std::ranges::any_of(*cards_, [&](const std::string& card) {
            const auto [known, added] = commissionCards_.try_emplace({salesman, card}, false);
            if (added)
                known->second = sestavy_.HasCommissionCard(salesman, card);
            return known->second;
        });
    }

    void keep(SalesmanSelection& selection, DocumentKind kind, const SettlementBlock& block, CommissionRates rates)
    {
        computeDocumentCommission(sestavy_, block.header, kind, selection.salesman.code, rates);
        selection.documents.push_back({kind, true, block, sestavy_.DokladObsahFak.takeContents()});
        sestavy_.DokladObsahFak.close();
    }

    TDataSestavy& sestavy_;
    ReportSelector selector_;
    const SettlementPeriod& period_;
    DayNumber today_;
    std::vector<SalesmanSelection>& selections_;
    const PaymentBook payments_;
    const SplitBook splits_;
    std::optional<std::vector<std::string>> cards_;
    std::map<std::pair<std::string, std::string>, bool> commissionCards_;
};

} // namespace

std::vector<SalesmanSelection> selectDocuments(TDataSestavy& sestavy, ReportSelector selector,
                                               const std::vector<ReportSalesman>& salesmen,
                                               const SettlementPeriod& period, DayNumber today,
                                               const DocumentProgress& progress)
{
    std::vector<SalesmanSelection> selections;
    for (const ReportSalesman& salesman : salesmen)
        selections.push_back({salesman, {}});
    TData& data = sestavy.data();
    const CommissionTablesOpen open(data);
    std::optional<TDataSestavy::CardIndexForPass> cards;
    if (selector == ReportSelector::SpecialSettlement)
        cards.emplace(sestavy);
    DocumentWalk walk(sestavy, selector, period, today, selections);
    // The disallowed commissions are those of invoices only.
    std::vector<std::pair<DbfTable*, DocumentKind>> books{{&data.Faktury, DocumentKind::Invoice}};
    if (selector != ReportSelector::Disallowed)
        books.emplace_back(&data.Dobropisy, DocumentKind::CreditNote);
    std::size_t total = 0;
    for (const auto& [table, kind] : books)
        total += table->recordCount();
    std::size_t done = 0;
    for (const auto& [table, kind] : books) {
        for (table->first(); !table->eof(); table->next()) {
            walk.document(readDocumentHeader(*table), kind);
            if (progress)
                progress(++done, std::max(done, total));
        }
    }
    return selections;
}

} // namespace tarvela

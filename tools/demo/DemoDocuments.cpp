// Invoices and credit notes with their journal rows, document discounts,
// payments and commission splits, plus the other movements of the stock
// journal (receipts, transfers, stocktaking corrections), day by day so that
// the journal is in time order as the sibling system appends it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "DemoGenerators.h"
#include "DemoPayments.h"
#include "DemoSchemas.h"
#include "DemoTable.h"
#include "DemoTotals.h"

namespace tarvela::demo {

namespace {

constexpr int kInvoicesPerScale = 1000;

double cents(double amount)
{
    return std::round(amount * 100) / 100;
}

struct Item {
    const Card* card;
    std::string variant;
    int quantity;
    double discountPercent;  // 0: no trade-discount row
};

struct Document {
    std::string number;
    std::string invoiceNumber;  // of a credit note: the invoice it corrects
    const Customer* customer;
    std::string branch;
    std::string salesman;
    DayNumber day;
    std::vector<Item> items;
    bool hasSplit = false;
    std::string splitPartner;
    std::string partnerKind;
    double partnerRate = 0;
};

class DocumentWriter {
public:
    explicit DocumentWriter(DemoModel& model);
    void run();

private:
    std::string nextNumber(char letter, DayNumber day);
    std::string timeOfDay();
    void writeInvoice(DayNumber day);
    void writeCreditNote(Document creditNote);
    void writeStockMovement(char letter, const char* operation, DayNumber day);
    void journalRow(const Document& doc, const Item& item, const char* operation, int quantity,
                    double value, double cost);
    std::vector<DocumentDiscount> writeDiscounts(const Document& doc, double gross);
    void writeSplit(const Document& doc);
    void writeHeader(DemoTable& table, const Document& doc, bool invoice,
                     const std::vector<TotalsRow>& rows, const std::vector<DocumentDiscount>& discounts);
    std::vector<Item> pickItems();

    DemoModel& model_;
    DemoRandom& random_;
    DemoTable invoices_, creditNotes_, journal_, discounts_, splits_;
    std::vector<Payment> payments_;
    std::multimap<DayNumber, Document> pendingCreditNotes_;
    std::unordered_map<std::string, int> stock_;
    std::unordered_map<std::string, int> sequences_;
    int journalRows_ = 0;
    int minuteOfDay_ = 0;
    DayNumber today_ = 0;
};

DocumentWriter::DocumentWriter(DemoModel& model)
    : model_(model),
      random_(model.random),
      invoices_(model.dataDirectory, model.fileName("Faktury"), schemas::faktury(), model.lastUpdate()),
      creditNotes_(model.dataDirectory, model.fileName("Dobropisy"), schemas::dobropisy(), model.lastUpdate()),
      journal_(model.dataDirectory, model.fileName("Denik"), schemas::denik(), model.lastUpdate()),
      discounts_(model.dataDirectory, model.fileName("FaktSlevy"), schemas::faktSlevy(), model.lastUpdate()),
      splits_(model.dataDirectory, model.fileName("DelProv"), schemas::delProv(), model.lastUpdate())
{
}

// "F070000123": kind letter, year, number within the year.
std::string DocumentWriter::nextNumber(char letter, DayNumber day)
{
    const int year = toCivilDate(day).year % 100;
    const int sequence = ++sequences_[std::string(1, letter) + std::to_string(year)];
    char text[32];
    std::snprintf(text, sizeof text, "%c%02d%07d", letter, year, sequence);
    return text;
}

std::string DocumentWriter::timeOfDay()
{
    minuteOfDay_ = std::min(minuteOfDay_ + random_.between(1, 9), 17 * 60 + 59);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay_ / 60, minuteOfDay_ % 60);
    return text;
}

std::vector<Item> DocumentWriter::pickItems()
{
    std::vector<Item> items;
    const int count = random_.between(1, 12);
    for (int i = 0; i < count; ++i) {
        const Card& card = random_.pick(model_.cards);
        if (card.retired && today_ >= toDayNumber({2007, 1, 1}))
            continue;
        const bool gift = card.group == "POU";
        const double discount = random_.chance(0.35) ? random_.between(3, 45) : 0;
        items.push_back({&card, random_.pick(card.variants), random_.between(1, gift ? 3 : 20),
                         gift ? 0 : discount});
    }
    if (items.empty())
        items.push_back({&model_.cards.front(), model_.cards.front().variants.front(), 1, 0});
    return items;
}

void DocumentWriter::journalRow(const Document& doc, const Item& item, const char* operation, int quantity,
                                double value, double cost)
{
    const std::string key = item.card->number + item.variant;
    auto [at, added] = stock_.try_emplace(key, 500);
    at->second += quantity;
    journal_.begin()
        .number("DEN_RAD", ++journalRows_)
        .date("DEN_DAT", doc.day)
        .text("DEN_KDY", timeOfDay())
        .text("DEN_DOK", doc.number)
        .text("DEN_KAV", item.card->number)
        .text("DEN_IND", item.variant)
        .text("DEN_OPE", operation)
        .number("DEN_KUS", quantity)
        .number("DEN_HPC", value)
        .number("DEN_HNC", cost)
        .number("DEN_DAN", item.card->vatRate)
        .number("DEN_ZAS", at->second)
        .text("DEN_USR", "001")
        .end();
}

std::vector<DocumentDiscount> DocumentWriter::writeDiscounts(const Document& doc, double gross)
{
    if (gross <= 0 || !random_.chance(0.15))
        return {};
    const int kind = random_.between(1, 10);
    const double percent = random_.between(1, 5);
    const double amount = cents(gross * percent / 100);
    const DocumentDiscount discount{amount, 19, kind <= 6 || kind == 10, kind == 10};
    const char* text = kind <= 6 ? "Sleva za odběr" : (kind == 10 ? "Sleva rozpuštěná do položek"
                                                                   : "Skonto za platbu předem");
    discounts_.begin()
        .text("FAS_FAK", doc.number)
        .text("FAS_TYP", kind <= 6 ? "OBJ" : (kind == 10 ? "ROZ" : "SKO"))
        .text("FAS_NAZ", text)
        .number("FAS_HOD", gross)
        .number("FAS_PRO", percent)
        .number("FAS_SLE", amount)
        .number("FAS_DAN", 19)
        .flag("FAS_DPH", discount.reducesVatBase)
        .flag("FAS_ROZ", discount.spreadIntoItems)
        .end();
    return {discount};
}

// Split between the document's salesman and a partner, by commission kind
// "001" (group rates) or "002" (a fixed rate).
void DocumentWriter::writeSplit(const Document& doc)
{
    if (!doc.hasSplit)
        return;
    splits_.begin()
        .text("DPR_FAK", doc.number)
        .text("DPR_OBC", doc.salesman)
        .number("DPR_PRO", 60)
        .number("DPR_OBR", 50)
        .text("DPR_TYP", "001")
        .end();
    splits_.begin()
        .text("DPR_FAK", doc.number)
        .text("DPR_OBC", doc.splitPartner)
        .number("DPR_PRO", 40)
        .number("DPR_OBR", 50)
        .text("DPR_TYP", doc.partnerKind)
        .number("DPR_PRS", doc.partnerRate)
        .end();
}

void DocumentWriter::writeHeader(DemoTable& table, const Document& doc, bool invoice,
                                 const std::vector<TotalsRow>& rows,
                                 const std::vector<DocumentDiscount>& discounts)
{
    const DocumentTotals totals = computeTotals(rows, discounts);
    double beforeDiscounts = 0;
    for (const TotalsRow& row : rows)
        beforeDiscounts += row.net * (1 + row.vatRate / 100);
    const DayNumber due = doc.day + doc.customer->dueDays;
    const PaymentSummary paid = planPayments(model_, doc.number, totals.total, doc.day, due, payments_);
    table.begin()
        .date("HLA_DAT", doc.day)
        .text("HLA_DO1", doc.number)
        .text("HLA_DO2", invoice ? (random_.chance(0.3) ? "OBJ" + doc.number.substr(3) : "") : doc.invoiceNumber)
        .text("HLA_DO3", invoice && random_.chance(0.05) ? "PF" + doc.number.substr(3) : "")
        .text("HLA_ODB", doc.customer->id)
        .text("HLA_ODP", doc.branch)
        .text("HLA_NAC", doc.customer->name)
        .number("HLA_CUH", totals.total)
        .number("HLA_FHV", totals.roundingDifference)
        .number("HLA_PCA", beforeDiscounts)
        .number("HLA_NCA", totals.costTotal)
        .date("HLA_DVS", doc.day)
        .date("HLA_DZP", doc.day)
        .date("HLA_DSP", due)
        .text("HLA_FUH", random_.chance(0.8) ? "P" : "H")
        .number("HLA_SBD", totals.discountsOutsideVat)
        .text("HLA_FDO", random_.chance(0.7) ? "V" : "O")
        .number("HLA_Z00", totals.zeroBase)
        .number("HLA_Z05", totals.reducedBase)
        .number("HLA_Z22", totals.basicBase)
        .number("HLA_D05", totals.reducedVat)
        .number("HLA_D22", totals.basicVat)
        .flag("HLA_PLA", !(totals.total > paid.paidSum))
        .flag("HLA_EDT", false)
        .flag("HLA_PRN", true)
        .number("HLA_SLE", 0)
        .text("HLA_CEN", "1")
        .flag("HLA_TSK", true)
        .text("HLA_OBC", doc.salesman)
        .text("HLA_DO4", random_.chance(0.1) ? "Z" + doc.number.substr(1) : "")
        .date("HLA_BDP", paid.lastDate)
        .number("HLA_BPL", paid.paidSum)
        .text("HLA_USR", "001")
        .text("HLA_KDY", timeOfDay());
    if (invoice)
        table.flag("HLA_PR1", false).flag("HLA_PR2", false);
    table.end();
}

void DocumentWriter::writeInvoice(DayNumber day)
{
    Document doc;
    doc.number = nextNumber('F', day);
    doc.customer = &random_.pick(model_.customers);
    doc.branch = random_.pick(doc.customer->branches);
    doc.salesman = doc.customer->salesman;
    doc.day = day;
    doc.items = pickItems();
    if (!doc.salesman.empty() && random_.chance(0.12)) {
        const Salesman& partner = random_.pick(model_.salesmen);
        if (partner.code != doc.salesman) {
            doc.hasSplit = true;
            doc.splitPartner = partner.code;
            doc.partnerKind = random_.chance(0.5) ? "001" : "002";
            doc.partnerRate = doc.partnerKind == "002" ? random_.between(4, 12) / 2.0 : 0;
        }
    }
    std::vector<TotalsRow> rows;
    double gross = 0;
    for (const Item& item : doc.items) {
        const double value = cents(item.quantity * item.card->price);
        const double cost = cents(item.quantity * item.card->cost);
        const std::string key = item.card->number + item.variant;
        journalRow(doc, item, "004", -item.quantity, -value, -cost);
        rows.push_back({key, value, cost, double(item.card->vatRate)});
        double net = value;
        if (item.discountPercent > 0) {
            const double discount = cents(value * item.discountPercent / 100);
            journalRow(doc, item, "300", 0, discount, 0);
            rows.push_back({key, -discount, 0, double(item.card->vatRate)});
            net -= discount;
        }
        if (random_.chance(0.04)) {
            const double quantityDiscount = cents(value * 0.02);
            journalRow(doc, item, "301", 0, quantityDiscount, 0);
            rows.push_back({key, -quantityDiscount, 0, double(item.card->vatRate)});
            net -= quantityDiscount;
        }
        gross += net * (1 + item.card->vatRate / 100.0);
    }
    writeHeader(invoices_, doc, true, rows, writeDiscounts(doc, cents(gross)));
    writeSplit(doc);
    if (random_.chance(0.08)) {
        Document credit = doc;
        credit.invoiceNumber = doc.number;
        const DayNumber due = day + random_.between(3, 40);
        credit.items.resize(random_.between(1, std::min<int>(3, doc.items.size())));
        for (Item& item : credit.items)
            item.quantity = random_.between(1, item.quantity);
        pendingCreditNotes_.emplace(due, std::move(credit));
    }
}

void DocumentWriter::writeCreditNote(Document doc)
{
    doc.number = nextNumber('D', doc.day);
    std::vector<TotalsRow> rows;
    for (const Item& item : doc.items) {
        const double value = cents(item.quantity * item.card->price);
        const double cost = cents(item.quantity * item.card->cost);
        const std::string key = item.card->number + item.variant;
        journalRow(doc, item, "008", item.quantity, value, cost);
        rows.push_back({key, value, cost, double(item.card->vatRate)});
        if (item.discountPercent > 0) {
            const double discount = cents(value * item.discountPercent / 100);
            journalRow(doc, item, "300", 0, -discount, 0);
            rows.push_back({key, -discount, 0, double(item.card->vatRate)});
        }
    }
    writeHeader(creditNotes_, doc, false, rows, {});
    writeSplit(doc);
}

// Receipts from suppliers ("001"), transfers to another store ("002") and
// stocktaking corrections ("005").
void DocumentWriter::writeStockMovement(char letter, const char* operation, DayNumber day)
{
    Document doc;
    doc.number = nextNumber(letter, day);
    doc.day = day;
    const int count = random_.between(2, 8);
    for (int i = 0; i < count; ++i) {
        const Card& card = random_.pick(model_.cards);
        const Item item{&card, random_.pick(card.variants), random_.between(1, 100), 0};
        const int sign = letter == 'V' || (letter == 'I' && random_.chance(0.5)) ? -1 : 1;
        const int quantity = letter == 'I' ? sign * random_.between(1, 3) : sign * item.quantity;
        journalRow(doc, item, operation, quantity, cents(quantity * card.price), cents(quantity * card.cost));
    }
}

void DocumentWriter::run()
{
    const int invoiceCount = kInvoicesPerScale * model_.scale;
    const int span = model_.lastDay - model_.firstDay + 1;
    DayNumber previousDay = 0;
    for (int i = 0; i < invoiceCount; ++i) {
        DayNumber day = model_.firstDay + static_cast<DayNumber>(static_cast<long long>(i) * span / invoiceCount);
        while ((day + 5) % 7 >= 5)  // Saturday and Sunday move to Monday
            ++day;
        day = std::min(day, model_.lastDay);
        if (day != previousDay) {
            minuteOfDay_ = 7 * 60 + 30;
            previousDay = day;
        }
        today_ = day;
        while (!pendingCreditNotes_.empty() && pendingCreditNotes_.begin()->first <= day) {
            Document credit = std::move(pendingCreditNotes_.begin()->second);
            pendingCreditNotes_.erase(pendingCreditNotes_.begin());
            credit.day = day;
            writeCreditNote(std::move(credit));
        }
        writeInvoice(day);
        if (i % 25 == 0)
            writeStockMovement('P', "001", day);
        if (i % 60 == 30)
            writeStockMovement('V', "002", day);
        if (i % 200 == 100)
            writeStockMovement('I', "005", day);
    }
    invoices_.finish();
    creditNotes_.finish();
    journal_.finish();
    discounts_.finish();
    splits_.finish();
    writePayments(model_, std::move(payments_));
}

} // namespace

void writeDocuments(DemoModel& model)
{
    DocumentWriter(model).run();
}

} // namespace tarvela::demo

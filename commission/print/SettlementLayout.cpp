#include "commission/print/SettlementLayout.h"

#include "commission/SalesmanSelection.h"
#include "data/mem/MemTable.h"
#include "platform/CodePage.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

namespace {

constexpr int kInnerMargin = 5;
constexpr int kShade = 10;
constexpr double kHiddenUpTo = 0.1;  // invoice rows of this sold value or less are left out

enum class RowKind { Header, Item, Sum };

struct ItemCell {
    double width;
    Justification justification;
};

const ItemCell kItemCells[] = {
    {2.0, Justification::Left},  {4.0, Justification::Left},  {1.0, Justification::Left},
    {2.5, Justification::Right}, {2.5, Justification::Right}, {1.5, Justification::Right},
    {1.5, Justification::Right}, {1.5, Justification::Right}, {2.5, Justification::Right},
};
constexpr int kItemCellCount = int(std::size(kItemCells));

// Outer edges on every row, the top edge on the header, the bottom edge on
// the sum row: together a closed frame around the table.
int bordersOf(RowKind kind, int cell)
{
    int borders = 0;
    if (cell == 0)
        borders |= kBorderLeft;
    if (cell == kItemCellCount - 1)
        borders |= kBorderRight;
    if (kind == RowKind::Header)
        borders |= kBorderTop;
    if (kind == RowKind::Sum)
        borders |= kBorderBottom;
    return borders;
}

void setItemCells(TBaseReport& canvas, RowKind kind, DocumentKind document)
{
    canvas.ClearTabStops();
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        Justification justification = kItemCells[cell].justification;
        if (cell == 2 && document == DocumentKind::CreditNote)
            justification = Justification::Right;
        canvas.AddTabStop(cell == 0 ? std::optional<double>(1.0) : std::nullopt, justification,
                          kItemCells[cell].width, kInnerMargin, bordersOf(kind, cell),
                          kind == RowKind::Item ? 0 : kShade);
    }
}

std::string amount(double value)
{
    return formatFixed(value, 12, 2);
}

std::string days(double value)
{
    return formatFixed(value, 4, 0);
}

std::string itemLine(const MemTable& rows)
{
    return "\t" + rows.asString("DOK_KAV") + "/" + rows.asString("DOK_IND") + "\t"
           + firstCharacters(rows.asString("DOK_NAZ"), 25) + "\t" + rows.asString("DOK_SKU") + "\t"
           + formatPlain(rows.asFloat("DOK_PCC")) + "\t" + formatPlain(rows.asFloat("DOK_PCS")) + "\t"
           + formatPlain(rows.asFloat("DOK_RAP")) + "\t" + formatPlain(rows.asFloat("DOK_PSA")) + "\t"
           + formatPlain(rows.asFloat("DOK_PSP")) + "\t" + formatPlain(rows.asFloat("DOK_PSK"));
}

} // namespace

std::string firstCharacters(const std::string& text, std::size_t count)
{
    const std::u32string characters = utf8ToUtf32(text);
    if (characters.size() <= count)
        return text;
    return utf32ToUtf8(std::u32string_view(characters).substr(0, count));
}

SettlementLayout::SettlementLayout(TBaseReport& canvas, std::string salesmanCode, DayNumber today)
    : canvas_(canvas), salesmanCode_(std::move(salesmanCode)), todayText_(formatReportDate(today))
{
}

void SettlementLayout::titleBlock(const std::string& title, const std::string& salesmanName)
{
    canvas_.SelectFont("ArialCE", 13);
    canvas_.SelectCharset(238);
    canvas_.SetMargins(1, 1, 2, 2);
    canvas_.StartAtTop();
    canvas_.WriteLine(title);
    canvas_.WriteLine("");
    canvas_.WriteText("Obchodní zástupce :");
    canvas_.SetTextColor(kRed);
    canvas_.WriteText(salesmanName);
    canvas_.SetTextColor(kBlack);
    canvas_.WriteLine("");
    canvas_.WriteLine("");
}

void SettlementLayout::endPage(const std::string& leftFooter)
{
    canvas_.LineFeed();
    canvas_.WriteFooter(leftFooter, Justification::Left);
    canvas_.WriteFooter("Datum " + todayText_, Justification::Right);
    canvas_.PageBreak();
}

void SettlementLayout::breakBelow(int lines)
{
    if (canvas_.RemainingLines() < lines)
        endPage("Strana " + std::to_string(canvas_.PageNumber()));
}

void SettlementLayout::breakBelowForCreditNote(int lines)
{
    if (canvas_.RemainingLines() < lines)
        endPage("Strana " + std::to_string(canvas_.PageNumber()) + "Obch." + salesmanCode_);
}

void SettlementLayout::settlementInvoiceBlock(const SettlementBlock& block)
{
    canvas_.SelectFont("ArialCE", 10);
    breakBelow(8);
    canvas_.ClearTabStops();
    canvas_.AddTabStop(1.0, Justification::Left, 6.0, kInnerMargin, 0, 0);
    canvas_.AddTabStop(std::nullopt, Justification::Left, 5.0, kInnerMargin, 0, 0);
    const DocumentHeader& header = block.header;
    canvas_.WriteLine("\tČíslo faktury \t" + header.number);
    canvas_.WriteLine("\tOdběratel \t" + header.customer);
    canvas_.WriteLine("\tTyp provize\t" + block.type);
    canvas_.WriteLine("\tSplatná dne \t" + formatReportDate(header.dueDate));
    canvas_.WriteLine("\tUhrazena dne  \t" + formatReportDate(block.paymentDate));
    canvas_.WriteLine("\tProdleva\t" + trimmedLeft(days(block.delay)));
    canvas_.WriteLine("\tCelková částka \t" + trimmedLeft(amount(header.total)));
    canvas_.WriteLine("\tUhrazena částka\t" + trimmedLeft(amount(block.paidSum)));
    canvas_.WriteLine("\tPodíl provize\t" + trimmedLeft(amount(block.commissionShare * 100)));
    canvas_.WriteLine("\tPodíl obratu\t" + trimmedLeft(amount(block.turnoverShare * 100)));
    canvas_.WriteLine("");
}

// The tab-stop list is empty here, so every value follows its label with
// the leading spaces of its number format.
void SettlementLayout::customerAndPaymentLines(const SettlementBlock& block)
{
    const DocumentHeader& header = block.header;
    canvas_.WriteLine("Odběratel \t" + header.customer);
    canvas_.WriteLine("Celková částka \t" + amount(header.total));
    canvas_.WriteLine("Splatná dne \t" + formatReportDate(header.dueDate));
    canvas_.WriteLine("Uhrazena dne  \t" + formatReportDate(block.paymentDate));
    canvas_.WriteLine("Prodleva\t" + days(block.delay));
    canvas_.WriteLine("Uhrazena částka\t" + amount(block.paidSum));
}

void SettlementLayout::runOnLines(const SettlementBlock& block, bool withShares)
{
    const DocumentHeader& header = block.header;
    canvas_.WriteLine("Číslo faktury \t" + header.number);
    customerAndPaymentLines(block);
    if (withShares) {
        canvas_.WriteLine("Podíl provize\t" + amount(block.commissionShare * 100));
        canvas_.WriteLine("Podíl obratu\t" + amount(block.turnoverShare * 100));
    }
    canvas_.WriteLine("");
}

void SettlementLayout::disallowedInvoiceBlock(const SettlementBlock& block)
{
    canvas_.SelectFont("ArialCE", 10);
    breakBelow(8);
    runOnLines(block, true);
}

void SettlementLayout::prepareSpecialInvoiceBlock()
{
    canvas_.SelectFont("ArialCE", 10);
    breakBelow(8);
}

void SettlementLayout::specialInvoiceBlock(const SettlementBlock& block)
{
    runOnLines(block, false);
}

void SettlementLayout::creditNoteBlock(const SettlementBlock& block)
{
    canvas_.SelectFont("ArialCE", 10);
    breakBelowForCreditNote(10);
    const DocumentHeader& header = block.header;
    canvas_.WriteLine("Číslo dobropisu \t" + header.number);
    canvas_.WriteLine("Číslo faktury \t" + header.correctedInvoice);
    customerAndPaymentLines(block);
    canvas_.WriteLine("");
}

ItemSums SettlementLayout::itemTable(MemTable& rows, DocumentKind kind, ItemSums& reportSums)
{
    const bool invoice = kind == DocumentKind::Invoice;
    breakBelow(invoice ? 3 : 4);
    canvas_.SelectFont("Arial CE", 9);
    canvas_.SelectCharset(238);
    setItemCells(canvas_, RowKind::Header, kind);
    canvas_.WriteLine("\tČís.karty\tNázev zboží\tSkup.\tProd.Cena\tCen.Cena\tRab%\tPr.t.%\tPr.sk %\tProv. Kč");
    setItemCells(canvas_, RowKind::Item, kind);

    ItemSums sums;
    for (rows.first(); !rows.eof(); rows.next()) {
        breakBelow(invoice ? 4 : 3);
        canvas_.SelectFont("ArialCE", 8);
        if (invoice && rows.asFloat("DOK_PCC") <= kHiddenUpTo)
            continue;
        canvas_.WriteLine(itemLine(rows));
        for (ItemSums* target : {&sums, &reportSums}) {
            target->soldValue += rows.asFloat("DOK_PCC");
            target->priceListValue += rows.asFloat("DOK_PCS");
            target->commission += rows.asFloat("DOK_PSK");
        }
    }

    setItemCells(canvas_, RowKind::Sum, kind);
    canvas_.WriteLine("\tCelkem\t\t\t" + amount(sums.soldValue) + "\t" + amount(sums.priceListValue) + "\t\t\t\t"
                      + amount(sums.commission));
    canvas_.WriteLine("");
    canvas_.ClearTabStops();
    return sums;
}

ItemSums SettlementLayout::itemTable(MemTable& rows, SelectedDocument& document, ItemSums& reportSums)
{
    rows.restoreContents(std::move(document.items));
    const ItemSums sums = itemTable(rows, document.kind, reportSums);
    rows.close();
    return sums;
}

void SettlementLayout::settlementClosingLines(const ItemSums& reportSums)
{
    canvas_.SelectFont("ArialCE", 12);
    canvas_.WriteLine("Celková částka v PC \t" + amount(reportSums.soldValue));
    canvas_.WriteLine("Celková částka provize \t" + amount(reportSums.commission));
}

void SettlementLayout::disallowedClosingLine(double commission)
{
    canvas_.SelectFont("ArialCE", 12);
    canvas_.WriteLine("Celková částka nevyplacené provize \t" + amount(commission));
}

} // namespace tarvela

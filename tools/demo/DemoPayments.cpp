#include "DemoPayments.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "DemoSchemas.h"
#include "DemoTable.h"

namespace tarvela::demo {

namespace {

std::string statementNumber(const std::string& type, DayNumber day, int sequence)
{
    const CivilDate date = toCivilDate(day);
    char text[32];
    if (type == "HOT")
        std::snprintf(text, sizeof text, "PPD%02d%05d", date.year % 100, sequence % 100000);
    else
        std::snprintf(text, sizeof text, "BV%02d%02d%02d", date.year % 100, date.month, date.day);
    return text;
}

double cents(double amount)
{
    return std::round(amount * 100) / 100;
}

// Amounts and days of the payments, before they are cut at the data's end.
std::vector<std::pair<DayNumber, double>> scenario(DemoRandom& random, double total, DayNumber issued,
                                                   DayNumber due)
{
    const int kind = random.between(1, 100);
    if (kind <= 40)
        return {{std::max(issued + 1, due - random.between(0, 7)), total}};
    if (kind <= 47)
        return {{issued + random.between(0, 3), total}};
    if (kind <= 65)
        return {{due + random.between(1, 90), total}};
    if (kind <= 75) {
        const int parts = random.between(2, 3);
        std::vector<std::pair<DayNumber, double>> instalments;
        double left = total;
        DayNumber day = due - 10;
        for (int i = 1; i <= parts; ++i) {
            day += random.between(5, 30);
            const double amount = i == parts ? left : cents(total / parts);
            instalments.emplace_back(day, cents(amount));
            left -= amount;
        }
        return instalments;
    }
    if (kind <= 85)
        return {};
    if (kind <= 91)
        return {{due + random.between(-5, 40), cents(total * random.between(30, 90) / 100.0)}};
    const double over = random.amount(1, 200);
    if (kind <= 96)
        return {{due - random.between(0, 5), cents(total + over)}};
    return {{due - random.between(0, 5), cents(total + over)}, {due + random.between(10, 30), -over}};
}

} // namespace

PaymentSummary planPayments(DemoModel& model, const std::string& document, double total,
                            DayNumber issued, DayNumber due, std::vector<Payment>& payments)
{
    PaymentSummary summary;
    if (total <= 0)
        return summary;
    for (const auto& [day, amount] : scenario(model.random, total, issued, due)) {
        if (day > model.paymentsUntil)
            continue;
        Payment payment;
        payment.document = document;
        payment.type = model.random.chance(0.15) ? "HOT" : (model.random.chance(0.05) ? "ZAP" : "BAN");
        payment.paid = day;
        payment.entered = std::min(day + model.random.between(0, 3), model.paymentsUntil);
        payment.amount = amount;
        payment.statement = statementNumber(payment.type, day, static_cast<int>(payments.size()));
        payments.push_back(payment);
        summary.paidSum += amount;
        summary.lastDate = std::max(summary.lastDate, day);
        if (model.random.chance(0.01)) {
            payment.deleted = true;
            payments.push_back(payment);
        }
    }
    summary.paidSum = cents(summary.paidSum);
    return summary;
}

void writePayments(DemoModel& model, std::vector<Payment> payments)
{
    std::ranges::stable_sort(payments, {}, &Payment::entered);
    DemoTable table(model.dataDirectory, model.fileName("Vypisy"), schemas::vypisy(), model.lastUpdate());
    for (const Payment& p : payments) {
        table.begin()
            .text("VYP_DO2", p.statement)
            .date("VYP_DVS", p.paid)
            .text("VYP_TYP", p.type)
            .number("VYP_HOD", p.amount)
            .flag("VYP_PRN", true)
            .text("VYP_DO1", p.document)
            .date("VYP_DAT", p.entered)
            .number("VYP_KOE", 1)
            .text("VYP_USR", "002");
        if (p.deleted)
            table.deleted();
        table.end();
    }
    table.finish();
}

} // namespace tarvela::demo

// What the demo company is made of, shared by the generators of its tables:
// salesmen, product groups, cards and customers, the period of its documents
// and where its files go. Filled by the code-list generators first.
#pragma once

#include <string>
#include <vector>

#include "DemoRandom.h"
#include "platform/Date.h"

namespace tarvela::demo {

struct Salesman {
    std::string code;
    std::string name;
    double discountLimit;
    double reductionCoefficient;
    int paymentLimitDays;
};

struct ProductGroup {
    std::string code;
    std::string name;
    double commissionRate;
    int vatRate;
};

struct Card {
    std::string number;
    std::string name;
    std::string group;     // blank for a card without a group
    std::string oldGroup;  // group before 2007
    std::vector<std::string> variants;
    double price;
    double cost;
    int vatRate;
    bool retired;
};

struct Customer {
    std::string id;
    std::string name;
    std::vector<std::string> branches;  // "" for the head office
    std::string salesman;
    int dueDays;
};

struct DemoModel {
    std::string dataDirectory;
    std::string company = "0001";
    int scale = 1;
    // Cards without a group and customers without a salesman, on purpose.
    bool anomalies = false;
    DemoRandom random;
    DayNumber firstDay;
    DayNumber lastDay;       // the last journal day
    DayNumber paymentsUntil; // payments are known up to this day
    std::vector<Salesman> salesmen;
    std::vector<ProductGroup> groups;
    std::vector<Card> cards;
    std::vector<Customer> customers;

    DemoModel(std::string directory, std::uint32_t seed, int scaleFactor, bool withAnomalies);
    CivilDate lastUpdate() const { return toCivilDate(paymentsUntil); }
    // The file base name of a table of the catalogue, e.g. "Fak0001".
    std::string fileName(const std::string& member) const;
};

} // namespace tarvela::demo

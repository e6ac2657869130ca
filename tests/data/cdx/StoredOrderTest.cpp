#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "data/cdx/Collation.h"
#include "data/cdx/TagBuilder.h"
#include "platform/CodePage.h"

using namespace tarvela;
using namespace tarvela::cdx;

namespace {

// Keys of few letters with long shared beginnings, so that they tie across
// the first sixteen bytes and differ at every place after, added in an order
// unrelated to their records.
KeyList randomKeys(std::uint32_t keyLength, bool collated, unsigned seed)
{
    const std::string letters = utf8ToOem("Čcč CdD") + std::string("\x01\xFF", 2);
    std::mt19937 random(seed);
    KeyList keys(keyLength);
    std::vector<std::uint32_t> records(400);
    std::iota(records.begin(), records.end(), 1u);
    std::shuffle(records.begin(), records.end(), random);
    for (const std::uint32_t record : records) {
        std::string key(keyLength, collated ? 'M' : '\0');
        const std::size_t from = random() % keyLength;
        for (std::size_t i = from; i < keyLength; ++i)
            key[i] = letters[random() % (random() % 3 == 0 ? letters.size() : 2)];
        keys.add(key, record);
    }
    return keys;
}

// The order written out plainly: by key through the collation or as bytes,
// equal keys by record.
std::vector<std::uint32_t> expectedOrder(const KeyList& keys, bool collated, bool unique, bool descending)
{
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto compare = [&](std::uint32_t a, std::uint32_t b) {
        return collated ? compareCollated(keys.key(a), keys.key(b)) : keys.key(a).compare(keys.key(b));
    };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int byKey = compare(a, b);
        return byKey != 0 ? byKey < 0 : keys.record(a) < keys.record(b);
    });
    if (unique)
        order.erase(std::unique(order.begin(), order.end(), [&](auto a, auto b) { return compare(a, b) == 0; }),
                    order.end());
    if (descending)
        std::reverse(order.begin(), order.end());
    return order;
}

} // namespace

TEST(StoredOrder, AgreesWithThePlainOrderForShortAndLongKeys)
{
    for (const std::uint32_t keyLength : {4u, 8u, 12u, 16u, 17u, 30u})
        for (const bool collated : {true, false})
            for (unsigned seed = 1; seed <= 3; ++seed) {
                const KeyList keys = randomKeys(keyLength, collated, seed);
                for (const bool unique : {false, true})
                    for (const bool descending : {false, true})
                        EXPECT_EQ(storedOrder(keys, collated, unique, descending),
                                  expectedOrder(keys, collated, unique, descending))
                            << "length " << keyLength << (collated ? " collated" : " bytes")
                            << (unique ? " unique" : "") << (descending ? " descending" : "");
            }
}

// The order of character keys in the shared index files: code page 852 bytes
// compared position by position through the sibling system's weight table;
// when one key is a prefix of the other, the shorter comes first.
#pragma once

#include <string>
#include <string_view>

namespace tarvela::cdx {

unsigned char collationWeight(unsigned char byte);

// <0, 0, >0 like memcmp, shorter prefix first.
int compareCollated(std::string_view a, std::string_view b);

// The key mapped to its weights: plain byte comparison of two such strings
// gives the collation order, which makes sorting cheap.
std::string toWeights(std::string_view key);
// The same into a buffer of the key's size.
void writeWeights(std::string_view key, char* into);

} // namespace tarvela::cdx

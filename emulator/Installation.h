#pragma once
// What the library finds at its first start, when there is no state yet: the reader on port 3
// holding an issued demonstration card, and two terminals (machines 1 and 2) on port 4 at
// 19200 baud with some stored records.

#include "emulator/Card.h"
#include "emulator/DeviceState.h"

#include <cstdint>

namespace emulator {

constexpr int kDemoCardNumber = 123;
constexpr std::uint32_t kDemoPersonalFen = 10000; // 100.00 yuan
constexpr std::uint32_t kDemoSubsidyFen = 5000;   // 50.00 yuan

DeviceState NewInstallation(std::int64_t now);

// A blank card, as bought.
Card BlankCard();
// A card issued on sector 0: the record of card `cardNumber` held by 张三, valid for three
// more years, and money in both purses.
Card IssuedCard(int cardNumber, std::int64_t now);

// A terminal as delivered, on the given link, with no records.
Terminal NewTerminal(int port, int baud, int machine);

} // namespace emulator

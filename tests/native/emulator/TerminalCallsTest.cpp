// The terminals' calls against the installed terminals (machines 1 and 2 on port 4, 19200
// baud; 23 and 8 stored records).

#include "emulator/Emulator.h"
#include "emulator/LocalTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace emulator {
namespace {

constexpr int kPort = 4;
constexpr int kBaud = 19200;

class TerminalCalls : public ::testing::Test {
protected:
    TerminalCalls() : library_(Options()) {}
    EmulatorOptions Options() {
        EmulatorOptions options;
        options.clock = [this] { return now_; };
        return options;
    }
    const Terminal& Machine(int machine) {
        for (const Terminal& t : library_.State().terminals) {
            if (t.machine == machine)
                return t;
        }
        throw std::runtime_error("no such machine");
    }
    // Every record of a terminal, fetched batch by batch as the record download does.
    std::vector<std::string> Download(int machine) {
        std::vector<std::string> records;
        for (int start = 0;;) {
            const std::string reply = library_.downlssjrecd(kPort, kBaud, machine, start);
            if (reply == "85" || reply.empty())
                return records;
            for (std::size_t i = 0; i + 49 <= reply.size(); i += 49)
                records.push_back(reply.substr(i, 49));
            start += static_cast<int>(reply.size() / 49);
        }
    }

    std::int64_t now_ = SecondsFromCivil(2024, 5, 6, 12, 30, 45); // a Monday
    Emulator library_;
};

TEST_F(TerminalCalls, ClockRepliesAndIsSetToTheComputersTime) {
    EXPECT_EQ(library_.gettime(kPort, kBaud, 1), "2024050601122910"); // 95 s slow
    EXPECT_EQ(library_.gettime(kPort, kBaud, 2), "2024050601123125");
    ASSERT_TRUE(library_.settime(kPort, kBaud, 1));
    EXPECT_EQ(library_.gettime(kPort, kBaud, 1), "2024050601123045");
    now_ = SecondsFromCivil(2024, 5, 12, 23, 59, 59);
    EXPECT_EQ(library_.gettime(kPort, kBaud, 1), "2024051207235959"); // Sunday
}

TEST_F(TerminalCalls, AnUnknownLinkIsASilentDevice) {
    for (const auto& [port, baud, machine] :
         {std::tuple{3, kBaud, 1}, std::tuple{kPort, 9600, 1}, std::tuple{kPort, kBaud, 3},
          std::tuple{-1, INT_MIN, INT_MAX}}) {
        EXPECT_EQ(library_.gettime(port, baud, machine), "");
        EXPECT_EQ(library_.getnum(port, baud, machine), -1);
        EXPECT_EQ(library_.getje(port, baud, machine), -1);
        EXPECT_EQ(library_.getmaxnum(port, baud, machine), -1);
        EXPECT_EQ(library_.downlssjrecd(port, baud, machine, 0), "");
        EXPECT_FALSE(library_.settime(port, baud, machine));
        EXPECT_FALSE(library_.gskh(port, baud, machine, 1));
        EXPECT_FALSE(library_.setjh(port, baud, machine, 9));
    }
}

TEST_F(TerminalCalls, CountsTotalsAndDeviceInformation) {
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23);
    EXPECT_EQ(library_.getnum(kPort, kBaud, 2), 8);
    EXPECT_EQ(library_.getmaxnum(kPort, kBaud, 1), 50000);
    long total = 0;
    for (const std::string& record : Download(1))
        total += std::stol(record.substr(24, 7));
    EXPECT_EQ(library_.getje(kPort, kBaud, 1), total);
    EXPECT_GT(total, 0);
    // "IC消费机 V1.06" in GBK, as hex.
    EXPECT_EQ(library_.getxx(kPort, kBaud, 1), "4943CFFBB7D1BBFA2056312E3036");
}

TEST_F(TerminalCalls, RecordsHaveTheirFixedLayout) {
    const std::vector<std::string> records = Download(2);
    ASSERT_EQ(records.size(), 8u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string& r = records[i];
        EXPECT_EQ(r.substr(0, 3), "002");
        EXPECT_EQ(r.substr(10, 8), "20240506") << r;
        EXPECT_EQ(std::stoul(r.substr(39, 6)), i + 1) << r; // serial
        EXPECT_EQ(r.substr(45, 2), "00");                   // fixed-amount mode
    }
}

TEST_F(TerminalCalls, DownloadsInBatchesUntilTheEndMarker) {
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, 0).size(), 10u * 49u);
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, 20).size(), 3u * 49u);
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, 23), "85");
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, INT_MAX), "85");
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, -1), "");
    EXPECT_EQ(Download(1).size(), 23u);
    // Downloading takes nothing off the terminal.
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23);
}

TEST_F(TerminalCalls, MonitoringTakesRecordsOnlyWhenTold) {
    const std::vector<std::string> all = Download(1);
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1), all[0] + all[1] + all[2] + all[3] + all[4] +
                                                           all[5] + all[6] + all[7] + all[8] +
                                                           all[9]);
    // Not confirmed: the same records come again.
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1).substr(0, 49), all[0]);
    ASSERT_TRUE(library_.cleardbdata(kPort, kBaud, 1, 2));
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1).substr(0, 49), all[2]);
    EXPECT_FALSE(library_.cleardbdata(kPort, kBaud, 1, -1));
    ASSERT_TRUE(library_.cleardbdata(kPort, kBaud, 1, INT_MAX));
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1), "85");
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23);
}

TEST_F(TerminalCalls, ClearedRecordsCanBeRestored) {
    const std::vector<std::string> all = Download(1);
    ASSERT_TRUE(library_.cleardata(kPort, kBaud, 1));
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 0);
    EXPECT_EQ(library_.getje(kPort, kBaud, 1), 0);
    EXPECT_EQ(library_.downlssjrecd(kPort, kBaud, 1, 0), "85");
    EXPECT_EQ(library_.getnum(kPort, kBaud, 2), 8); // the other machine keeps its records

    ASSERT_TRUE(library_.hfdata(kPort, kBaud, 1, 5));
    EXPECT_EQ(Download(1), std::vector<std::string>(all.end() - 5, all.end()));
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1), "85"); // already collected once
    ASSERT_TRUE(library_.hfdata(kPort, kBaud, 1, 1000));
    EXPECT_EQ(Download(1), all);
    EXPECT_TRUE(library_.hfdata(kPort, kBaud, 1, 1)); // nothing left to restore
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23);
    EXPECT_FALSE(library_.hfdata(kPort, kBaud, 1, -1));
}

TEST_F(TerminalCalls, KeepsLostAndRestrictedCardsApart) {
    EXPECT_TRUE(library_.gskh(kPort, kBaud, 1, 0));
    EXPECT_TRUE(library_.gskh(kPort, kBaud, 1, 12345));
    EXPECT_TRUE(library_.gskh1(kPort, kBaud, 1, 777));
    EXPECT_FALSE(library_.gskh(kPort, kBaud, 1, 0x100000));
    EXPECT_FALSE(library_.gskh1(kPort, kBaud, 1, -1));
    EXPECT_EQ(Machine(1).lostCards, (std::set<std::uint32_t>{0, 12345}));
    EXPECT_EQ(Machine(1).barredCards, (std::set<std::uint32_t>{777}));
    EXPECT_TRUE(Machine(2).lostCards.empty());

    EXPECT_TRUE(library_.jgkh(kPort, kBaud, 1, 0));
    EXPECT_TRUE(library_.jgkh(kPort, kBaud, 1, 999)); // not on the list: nothing to do
    EXPECT_EQ(Machine(1).lostCards, (std::set<std::uint32_t>{12345}));
    EXPECT_TRUE(library_.clearallhmd(kPort, kBaud, 1));
    EXPECT_TRUE(Machine(1).lostCards.empty());
    EXPECT_EQ(Machine(1).barredCards.size(), 1u);
    EXPECT_TRUE(library_.jgkh1(kPort, kBaud, 1, 777));
    EXPECT_TRUE(Machine(1).barredCards.empty());
    EXPECT_TRUE(library_.gskh1(kPort, kBaud, 1, 5));
    EXPECT_TRUE(library_.clearallhmd1(kPort, kBaud, 1));
    EXPECT_TRUE(Machine(1).barredCards.empty());
}

TEST_F(TerminalCalls, CardAmountEntriesReplaceAndClear) {
    EXPECT_TRUE(library_.downczj(kPort, kBaud, 1, 1, 1, 2, 100 * 10000));
    EXPECT_TRUE(library_.downczj(kPort, kBaud, 1, 1, 2, 3, 125000));
    EXPECT_TRUE(library_.downczj(kPort, kBaud, 1, 2, 1, 2, 50 * 10000)); // card 2 again
    ASSERT_EQ(Machine(1).cardAmounts.size(), 2u);
    EXPECT_EQ(Machine(1).cardAmounts.at(2).group, 2);
    EXPECT_EQ(Machine(1).cardAmounts.at(2).amountFen, 5000u);
    EXPECT_EQ(Machine(1).cardAmounts.at(3).amountFen, 1250u);
    EXPECT_FALSE(library_.downczj(kPort, kBaud, 1, 1, 100, 4, 10000)); // numbers run to 99
    EXPECT_FALSE(library_.downczj(kPort, kBaud, 1, 0, 1, 4, 10000));
    EXPECT_FALSE(library_.downczj(kPort, kBaud, 1, 1, 1, 4, -10000));
    EXPECT_FALSE(library_.downczj(kPort, kBaud, 1, 1, 1, 4, 123456)); // 12.3456 yuan
    EXPECT_FALSE(library_.downczj(kPort, kBaud, 1, 1, 1, 4, INT64_MAX));
    EXPECT_TRUE(library_.clearczj(kPort, kBaud, 1, 3));
    EXPECT_EQ(Machine(1).cardAmounts.count(3), 0u);
    EXPECT_TRUE(library_.clearallczj(kPort, kBaud, 1));
    EXPECT_TRUE(Machine(1).cardAmounts.empty());
}

TEST_F(TerminalCalls, SettingsAcceptOnlyWhatTheTerminalCanHold) {
    EXPECT_TRUE(library_.setxfms(kPort, kBaud, 1, "02"));
    EXPECT_FALSE(library_.setxfms(kPort, kBaud, 1, "04"));
    EXPECT_FALSE(library_.setxfms(kPort, kBaud, 1, nullptr));
    EXPECT_EQ(Machine(1).modeCode, "02");

    EXPECT_TRUE(library_.setzk(kPort, kBaud, 1, "4A", 850));
    EXPECT_FALSE(library_.setzk(kPort, kBaud, 1, "4B", 850));
    EXPECT_FALSE(library_.setzk(kPort, kBaud, 1, "41", 1001));
    EXPECT_FALSE(library_.setzk(kPort, kBaud, 1, "41", -1));
    EXPECT_FALSE(library_.setzk(kPort, kBaud, 1, nullptr, 1000));
    EXPECT_EQ(Machine(1).discounts.at("4A"), 850);
    EXPECT_EQ(Machine(1).discounts.at("41"), 1000);

    const std::string title = std::string(4, ' ') + "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3" +
                              std::string(4, ' ') + "0123456789ABCDEF";
    EXPECT_TRUE(library_.downlogin(kPort, kBaud, 1, title.c_str()));
    EXPECT_TRUE(library_.downloginxb(kPort, kBaud, 1, "Standby"));
    EXPECT_FALSE(library_.downlogin(kPort, kBaud, 1, (title + "X").c_str()));
    EXPECT_FALSE(library_.downloginxb(kPort, kBaud, 1, nullptr));
    EXPECT_EQ(Machine(1).loginTitle, title);
    EXPECT_EQ(Machine(1).standbyTitle, "Standby");

    EXPECT_TRUE(library_.updateyy(kPort, kBaud, 1, "01"));
    EXPECT_FALSE(library_.updateyy(kPort, kBaud, 1, "03"));
    EXPECT_TRUE(library_.setsq(kPort, kBaud, 1, "15"));
    EXPECT_FALSE(library_.setsq(kPort, kBaud, 1, "16"));
    EXPECT_FALSE(library_.setsq(kPort, kBaud, 1, "0A"));
    EXPECT_TRUE(library_.mmkg(kPort, kBaud, 1, "00"));
    EXPECT_FALSE(library_.mmkg(kPort, kBaud, 1, "02"));
    EXPECT_TRUE(library_.setglk(kPort, kBaud, 1, 42));
    EXPECT_FALSE(library_.setglk(kPort, kBaud, 1, -42));
    EXPECT_TRUE(library_.downmaxje(kPort, kBaud, 1, 9999900));
    EXPECT_FALSE(library_.downmaxje(kPort, kBaud, 1, INT_MAX));
    EXPECT_TRUE(library_.downsjjg(kPort, kBaud, 1, 255));
    EXPECT_FALSE(library_.downsjjg(kPort, kBaud, 1, 300));

    EXPECT_TRUE(library_.downcd(kPort, kBaud, 1, 1, 100 * 10000,
                                "\xBC\xD2\xB3\xA3\xC1\xB9\xB2\xCB")); // 家常凉菜
    EXPECT_FALSE(library_.downcd(kPort, kBaud, 1, 0, 100 * 10000, "A"));
    EXPECT_FALSE(library_.downcd(kPort, kBaud, 1, 1, 100 * 10000, nullptr));
    EXPECT_FALSE(library_.downcd(kPort, kBaud, 1, 1, -1, "A"));
    EXPECT_EQ(Machine(1).menus.at(1).amountFen, 10000u);

    const Terminal& t = Machine(1);
    EXPECT_EQ(t.languageCode, "01");
    EXPECT_EQ(t.freeSector, 15);
    EXPECT_EQ(t.passwordFunction, "00");
    EXPECT_EQ(t.managementCard, 42u);
    EXPECT_EQ(t.swipeInterval, 255);
}

TEST_F(TerminalCalls, PasswordChangesNeedTheOldPassword) {
    EXPECT_FALSE(library_.downpassword(kPort, kBaud, 1, "000000", "654321"));
    EXPECT_FALSE(library_.downpassword(kPort, kBaud, 1, nullptr, "654321"));
    EXPECT_FALSE(library_.downpassword(kPort, kBaud, 1, "123456", nullptr));
    EXPECT_FALSE(library_.downpassword(kPort, kBaud, 1, "123456", "1234567890123"));
    EXPECT_TRUE(library_.downpassword(kPort, kBaud, 1, "123456", "654321"));
    EXPECT_FALSE(library_.downpassword(kPort, kBaud, 1, "123456", "111111"));
    EXPECT_TRUE(library_.downpassword(kPort, kBaud, 1, "654321", "111111"));
    EXPECT_EQ(Machine(1).password, "111111");
}

TEST_F(TerminalCalls, MachineNumberChangesKeepNumbersUniqueOnTheLine) {
    EXPECT_FALSE(library_.setjh(kPort, kBaud, 1, 2)); // machine 2 is on the line already
    EXPECT_FALSE(library_.setjh(kPort, kBaud, 1, 0));
    EXPECT_FALSE(library_.setjh(kPort, kBaud, 1, 256));
    ASSERT_TRUE(library_.setjh(kPort, kBaud, 1, 5));
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), -1);
    EXPECT_EQ(library_.getnum(kPort, kBaud, 5), 23);
    EXPECT_EQ(Download(5).front().substr(0, 3), "001"); // stored records keep their machine
    EXPECT_TRUE(library_.setjh(kPort, kBaud, 5, 5));
}

TEST_F(TerminalCalls, BaudRateChangesTakeEffectAtOnce) {
    ASSERT_TRUE(library_.setbtl(kPort, kBaud, 2, 2));
    EXPECT_EQ(library_.getnum(kPort, kBaud, 2), -1);
    EXPECT_EQ(library_.getnum(kPort, 38400, 2), 8);
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23);
    EXPECT_FALSE(library_.setbtl(kPort, 38400, 2, 5));
    EXPECT_FALSE(library_.setbtl(kPort, 38400, 2, -1));
    EXPECT_FALSE(library_.setbtl(kPort, kBaud, 2, 0)); // no longer at 19200
    ASSERT_TRUE(library_.setbtl(kPort, 38400, 2, 4));
    EXPECT_EQ(library_.getnum(kPort, 115200, 2), 8);
}

TEST_F(TerminalCalls, OpenMonitorLineBringsNewTransactions) {
    ASSERT_TRUE(library_.cleardbdata(kPort, kBaud, 1, 23));
    ASSERT_TRUE(library_.cleardbdata(kPort, kBaud, 2, 8));
    now_ += 60;
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 23); // nothing happens while the line is shut

    ASSERT_TRUE(library_.opencom1("COM4", kBaud));
    now_ += 2;
    EXPECT_EQ(library_.downlssjrecd1(kPort, kBaud, 1), "85");
    now_ += 1;
    const int total = library_.getnum(kPort, kBaud, 1) + library_.getnum(kPort, kBaud, 2);
    EXPECT_EQ(total, 23 + 8 + 1);
    // A long quiet spell brings a short burst, not a flood.
    now_ += 3600;
    library_.getnum(kPort, kBaud, 1);
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1) + library_.getnum(kPort, kBaud, 2), total + 10);
    // The new records are new to monitoring, and both terminals get their share.
    EXPECT_NE(library_.downlssjrecd1(kPort, kBaud, 1), "85");
    EXPECT_NE(library_.downlssjrecd1(kPort, kBaud, 2), "85");

    EXPECT_TRUE(library_.closecom());
    EXPECT_FALSE(library_.closecom());
    now_ += 600;
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1) + library_.getnum(kPort, kBaud, 2), total + 10);
}

TEST_F(TerminalCalls, GeneratedTransactionsStopWhenTheTerminalIsFull) {
    library_.Change([](DeviceState& state) {
        for (Terminal& t : state.terminals)
            t.capacity = t.records.size() + 2;
    });
    ASSERT_TRUE(library_.opencom1("COM4", kBaud));
    now_ += 3600;
    EXPECT_EQ(library_.getnum(kPort, kBaud, 1), 25);
    EXPECT_EQ(library_.getnum(kPort, kBaud, 2), 10);
}

TEST_F(TerminalCalls, OpensOnlyAnExistingTerminalLine) {
    EXPECT_TRUE(library_.opencom1("COM04", kBaud));
    EXPECT_TRUE(library_.opencom1("com4", 9600)); // any standard rate opens the port
    for (const char* name : {"", "COM", "COM3", "COM9", "COMx", "LPT4", "COM 4", "COM0004"})
        EXPECT_FALSE(library_.opencom1(name, kBaud)) << name;
    EXPECT_FALSE(library_.opencom1(nullptr, kBaud));
    EXPECT_FALSE(library_.opencom1("COM4", 1200));
    EXPECT_FALSE(library_.opencom1("COM4", -1));
}

} // namespace
} // namespace emulator

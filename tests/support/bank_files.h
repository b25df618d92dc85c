// The bank files of a test, where the program looks for them: the first
// beside the program, the other two where bankPath() puts them, which on
// Windows is the system folder and not the test's own. A test that asks for
// such a place has it to itself: what lay there is put aside, and put back
// when the test ends.
#pragma once

#include "banks/bank_catalog.h"

#include <filesystem>
#include <string>
#include <vector>

namespace teaser::testing {

class BankFiles {
public:
    explicit BankFiles(std::filesystem::path programDirectory);
    ~BankFiles();
    BankFiles(const BankFiles &) = delete;
    BankFiles &operator=(const BankFiles &) = delete;

    std::filesystem::path path(Bank bank);
    void write(Bank bank, const std::string &bytes);

private:
    struct Claimed {
        std::filesystem::path path;
        std::filesystem::path aside;
    };

    std::filesystem::path programDirectory_;
    std::vector<Claimed> claimed_; // places outside the program folder
};

}

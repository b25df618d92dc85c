#include "support/bank_files.h"

#include <algorithm>
#include <fstream>

namespace teaser::testing {

BankFiles::BankFiles(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory))
{
}

BankFiles::~BankFiles()
{
    std::error_code ignored;
    for (const Claimed &claimed : claimed_) {
        std::filesystem::remove_all(claimed.path, ignored);
        if (std::filesystem::exists(claimed.aside, ignored))
            std::filesystem::rename(claimed.aside, claimed.path, ignored);
    }
}

std::filesystem::path BankFiles::path(Bank bank)
{
    std::filesystem::path file = bankPath(bank, programDirectory_);
    const bool known =
        std::any_of(claimed_.begin(), claimed_.end(), [&](const Claimed &claimed) { return claimed.path == file; });
    if (file.parent_path() == programDirectory_ || known)
        return file;
    std::filesystem::create_directories(file.parent_path());
    Claimed claimed{file, file};
    claimed.aside += ".before-test";
    if (std::filesystem::exists(file))
        std::filesystem::rename(file, claimed.aside);
    claimed_.push_back(std::move(claimed));
    return file;
}

void BankFiles::write(Bank bank, const std::string &bytes)
{
    std::ofstream(path(bank), std::ios::binary) << bytes;
}

}

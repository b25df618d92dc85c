#include "banks/bank_catalog.h"

namespace teaser {

std::filesystem::path bankPath(Bank bank, const std::filesystem::path &programDirectory)
{
    switch (bank) {
    case Bank::first:
        return programDirectory / "date.dat";
#ifdef _WIN32
    case Bank::second:
        return R"(c:\WINDOWS\SYSTEM\ti2.dat)";
    case Bank::third:
        return R"(c:\WINDOWS\SYSTEM\hao2.dat)";
#else
    case Bank::second:
        return programDirectory / "ti2.dat";
    case Bank::third:
        return programDirectory / "hao2.dat";
#endif
    }
    return {};
}

std::int32_t announcedLastQuestion(Bank bank)
{
    switch (bank) {
    case Bank::first:
        return 300;
    case Bank::second:
        return 502;
    case Bank::third:
        return 1262;
    }
    return 0;
}

MenuItem menuItem(Bank bank)
{
    switch (bank) {
    case Bank::first:
        return MenuItem::题库1;
    case Bank::second:
        return MenuItem::题库2;
    case Bank::third:
        return MenuItem::题库3;
    }
    return MenuItem::题库1;
}

}

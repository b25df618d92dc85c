#include "support/quiz_fixture.h"

#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"

#include <fstream>

namespace teaser::testing {

std::string makeBankText(int count, const std::string &separator)
{
    std::string text = std::to_string(count) + "\r\n";
    for (int n = 1; n <= count; ++n)
        text += std::to_string(n) + separator + "Q" + std::to_string(n) + "\r\nA" + std::to_string(n) + "\r\n";
    return text;
}

void QuizFixture::writeProgramFile(const std::string &fileName, const std::string &bytes)
{
    std::ofstream(directory.path() / fileName, std::ios::binary) << bytes;
}

void QuizFixture::writeThreeBanks()
{
    writeProgramFile("date.dat", makeBankText(300));
    writeProgramFile("ti2.dat", makeBankText(502));
    writeProgramFile("hao2.dat", makeBankText(1262, ":"));
}

void QuizFixture::loadFirstBank(const std::string &bytes)
{
    writeProgramFile("date.dat", bytes);
    ASSERT_TRUE(LoadBank(quiz, bankPath(Bank::first, directory.path())));
    log.clear();
}

}

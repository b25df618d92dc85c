#include "support/quiz_fixture.h"

#include "banks/bank_selection.h"

namespace teaser::testing {

std::string makeBankText(int count, const std::string &separator)
{
    std::string text = std::to_string(count) + "\r\n";
    for (int n = 1; n <= count; ++n)
        text += std::to_string(n) + separator + "Q" + std::to_string(n) + "\r\nA" + std::to_string(n) + "\r\n";
    return text;
}

void QuizFixture::writeThreeBanks()
{
    banks.write(Bank::first, makeBankText(300));
    banks.write(Bank::second, makeBankText(502));
    banks.write(Bank::third, makeBankText(1262, ":"));
}

void QuizFixture::loadFirstBank(const std::string &bytes)
{
    banks.write(Bank::first, bytes);
    ASSERT_TRUE(LoadBank(quiz, banks.path(Bank::first)));
    log.clear();
}

}

// A million random user events through the real handlers, with the quiz's
// invariants checked after each one and the heap compared at start and end.
#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "banks/question_lookup.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "sound/music_menu.h"
#include "support/quiz_fixture.h"

#include <malloc.h>
#include <random>

namespace teaser::testing {
namespace {

constexpr int eventCount = 1'000'000;

class SoakTest : public QuizFixture {
protected:
    void SetUp() override
    {
        writeThreeBanks();
        loadFirstBank(makeBankText(300));
        log.recording = false;
    }

    void randomEvent()
    {
        static const char *const typedNumbers[] = {"1",   "300", "502",         "1262", "0",   "-7",
                                                   "abc", "",    "99999999999", "3.5",  "1e3", "\xA3\xB5"};
        switch (std::uniform_int_distribution<int>(0, 15)(random)) {
        case 0:
            FirstQuestion(quiz);
            break;
        case 1:
            NextQuestion(quiz);
            break;
        case 2:
            PreviousQuestion(quiz);
            break;
        case 3:
            LastQuestion(quiz);
            break;
        case 4:
            RandomQuestion(quiz);
            break;
        case 5:
            window.texts[TextBox::编辑框2] = typedNumbers[random() % std::size(typedNumbers)];
            GoToNumber(quiz);
            break;
        case 6:
            ShowAnswer(quiz);
            break;
        case 7:
            window.texts[TextBox::答案] = random() % 2 ? state.currentAnswer : "A1";
            JudgeGuess(quiz);
            break;
        case 8:
            SelectBank(quiz, allBanks[random() % 3]);
            break;
        case 9:
            window.noCountdown = !window.noCountdown;
            break;
        case 10:
            ToggleMusic(quiz);
            break;
        case 11:
            PlaySong(quiz, allSongs[random() % allSongs.size()]);
            break;
        case 12:
            // Now and then the third bank's file goes bad, or is mended.
            if (random() % 64 == 0)
                banks.write(Bank::third, random() % 2 ? makeBankText(1262, ":") : "1262\r\nQ\r\n");
            break;
        default:
            if (window.timerInterval > 0)
                CountdownTick(quiz);
            break;
        }
        window.messages.clear();
        sound.played.clear();
    }

    void checkInvariants(int event)
    {
        ASSERT_GE(state.elapsedSeconds, 0) << "event " << event;
        ASSERT_LE(state.elapsedSeconds, 30) << "event " << event;
        ASSERT_TRUE(window.timerInterval == 0 || window.timerInterval == 1000) << "event " << event;
        const int checkedBanks =
            window.checked[MenuItem::题库1] + window.checked[MenuItem::题库2] + window.checked[MenuItem::题库3];
        ASSERT_EQ(checkedBanks, 1) << "event " << event;
        const std::string &label = window.captions[Label::标签4];
        ASSERT_TRUE(!label.empty() && label.find_first_not_of("0123456789") == std::string::npos
                    && std::stoi(label) <= 30)
            << "event " << event << " label " << label;
        // A number may outlive a switch to a smaller bank, never the largest.
        ASSERT_GE(state.currentNumber, 0) << "event " << event;
        ASSERT_LE(state.currentNumber, 1262) << "event " << event;
        // Reads outside bankLines stop the run at the list's own check in
        // the sanitizer build, where assertions are on.
    }

    static std::size_t heapInUse() { return mallinfo2().uordblks; }

    std::mt19937 random{20261208};
};

TEST_F(SoakTest, aMillionRandomEventsKeepEveryInvariantAndTheHeapFlat)
{
    for (int event = 0; event < 20'000; ++event)
        randomEvent();
    const std::size_t heapAtStart = heapInUse();
    for (int event = 0; event < eventCount; ++event) {
        randomEvent();
        checkInvariants(event);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    const std::size_t heapAtEnd = heapInUse();
    // A bank reload may leave its buffer larger or smaller; nothing piles up.
    EXPECT_LT(heapAtEnd, heapAtStart + 256 * 1024) << "heap grew from " << heapAtStart << " to " << heapAtEnd;
}

}
}

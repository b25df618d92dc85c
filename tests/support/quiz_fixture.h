// A quiz over a recording window and sound, with banks written to a scratch folder.
#pragma once

#include "core/quiz_context.h"
#include "support/bank_files.h"
#include "support/recording_sound.h"
#include "support/recording_window.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

namespace teaser::testing {

// A bank text in the installed format with `count` questions "Qn" / answers "An".
std::string makeBankText(int count, const std::string &separator = ".");

class QuizFixture : public ::testing::Test {
protected:
    // Writes the text as the first bank's file and loads it.
    void loadFirstBank(const std::string &bytes);
    // Writes the three bank files with as many questions as their menu captions say.
    void writeThreeBanks();
    // The question text of question n as makeBankText writes it.
    static std::string questionText(int n) { return std::to_string(n) + ".Q" + std::to_string(n); }

    EventLog log;
    ScratchDirectory directory;
    BankFiles banks{directory.path()};
    QuizState state;
    RecordingWindow window{log};
    RecordingSound sound{log};
    QuizContext quiz{state, window, sound, directory.path(), [this] { return nextSeed++; }};
    std::uint32_t nextSeed = 1;
};

}

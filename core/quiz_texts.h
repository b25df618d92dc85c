// The fixed texts that the quiz logic writes into the window, in GBK.
#pragma once

#include "core/gbk_text.h"

namespace teaser::texts {

const Text &thinkAgain(); // answer box while a question is open
const Text &correctVerdict();
const Text &wrongVerdict();
const Text &alreadyFirstQuestion(); // the message of Previous question at question 1
const Text &noQuestionsInBank();    // a command that needs a question, with an empty bank
const Text &noQuestionYet();        // judging a guess before any question is shown
const Text &noProgramFolder();      // at start-up, when the program cannot tell where it lies

}

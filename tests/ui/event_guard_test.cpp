#include "ui/event_guard.h"

#include <QString>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace teaser {
namespace {

std::vector<std::string> logged;

void keep(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged.push_back(message.toStdString());
}

TEST(EventGuardTest, whatAHandlerThrowsBecomesAWarning)
{
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keep);
    guarded("Next question", [] { throw std::runtime_error("no such question"); });
    guarded("Go to number", [] { throw 42; });
    const int value = guarded("start-up", []() -> int { throw std::bad_alloc(); });
    qInstallMessageHandler(previous);

    EXPECT_EQ(value, 0);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_NE(logged[0].find("Next question"), std::string::npos);
    EXPECT_NE(logged[0].find("no such question"), std::string::npos);
    EXPECT_NE(logged[1].find("Go to number"), std::string::npos);
}

TEST(EventGuardTest, aHandlerThatReturnsIsLeftAlone)
{
    int calls = 0;
    EXPECT_EQ(guarded("counting", [&] { return ++calls; }), 1);
    EXPECT_EQ(calls, 1);
}

}
}

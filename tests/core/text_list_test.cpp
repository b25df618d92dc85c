#include "core/text_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace teaser {
namespace {

std::vector<std::string> linesOf(const std::string &text)
{
    const TextList list = TextList::fromCrLfText(ByteBuffer::copyOf(text));
    std::vector<std::string> lines;
    for (std::size_t i = 1; i <= list.size(); ++i)
        lines.emplace_back(list.at(i));
    return lines;
}

struct CutCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(TextListTest, cutsAtCrLfOnly)
{
    const CutCase cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb\r\n\r\n", {"a", "b", ""}},
        {"a\nb\r\n", {"a\nb"}},
        {"a\rb\r\nc", {"a\rb", "c"}},
        {"\r\r\n\n\r\n", {"\r", "\n"}},
        {"\n", {"\n"}},
        {"x\r", {"x\r"}},
        {"\r\n\r\n\r\n", {"", "", ""}},
    };
    for (const CutCase &row : cases)
        EXPECT_EQ(linesOf(row.text), row.lines) << "text: " << ::testing::PrintToString(row.text);
}

TEST(TextListTest, isOneBasedAndKnowsItsBounds)
{
    const TextList list = TextList::fromCrLfText(ByteBuffer::copyOf("one\r\ntwo\r\n"));
    EXPECT_FALSE(list.contains(0));
    EXPECT_TRUE(list.contains(1));
    EXPECT_TRUE(list.contains(2));
    EXPECT_FALSE(list.contains(3));
    EXPECT_EQ(list.at(1), "one");
}

TEST(TextListTest, removeFirstMovesEveryElementUp)
{
    TextList list = TextList::fromCrLfText(ByteBuffer::copyOf("3\r\nq\r\na\r\n"));
    list.removeFirst();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(1), "q");
    EXPECT_EQ(list.at(2), "a");

    TextList empty;
    empty.removeFirst();
    EXPECT_EQ(empty.size(), 0u);
}

}
}

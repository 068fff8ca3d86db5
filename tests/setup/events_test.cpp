// The script knows an event word by the sum of its first two characters.
#include <events.h>

#include <gtest/gtest.h>

using namespace setup;

TEST(Events, WordsAreToldApartByTheSumOfTheirFirstTwoCharacters)
{
    const struct {
        const char* word;
        int sum;
        Event event;
    } rows[] = {
        {"CANCEL", 132, Event::Cancel},
        {"BACK", 131, Event::Back},
        {"CONTINUE", 146, Event::Continue},
        {"EXIT", 157, Event::Exit},
        {"CAT", 132, Event::Cancel},      // only "CA" counts
        {"COFFEE", 146, Event::Continue}, // "CO"
        {"EX", 157, Event::Exit},
        {"AC", 132, Event::Cancel},       // the order of the two does not matter
        {"HELP", 141, Event::Other},
        {"", 0, Event::Other},
        {"\x84", -124, Event::Other},     // a lone character counts the terminating zero
        {"\xff\xff", -2, Event::Other},   // signed bytes
        {"\xc3\xa9t\xc3\xa9", -148, Event::Other},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EventSum(QByteArray(row.word)), row.sum) << row.word;
        EXPECT_EQ(ClassifyEvent(QByteArray(row.word)), row.event) << row.word;
    }
}

TEST(Events, TrailingSlashes)
{
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
    EXPECT_EQ(WithoutTrailingSlash(QStringLiteral("/a/b/")), QStringLiteral("/a/b"));
    EXPECT_EQ(WithoutTrailingSlash(QStringLiteral("/a/b//")), QStringLiteral("/a/b/")) << "one slash only";
    EXPECT_EQ(WithoutTrailingSlash(QStringLiteral("/a/b")), QStringLiteral("/a/b"));
}

#include "CallerIdLine.h"

#include <gtest/gtest.h>

TEST(CallerIdLineTest, ReadsTheFieldsAndKeepsOnlyPrintableText)
{
    struct Case {
        QString line;
        CallerIdLine::Field field;
        QString value;
        bool withheld;
    };
    const Case cases[] = {
        {"DATE=1210", CallerIdLine::Date, "1210", false},
        {"TIME = 1301", CallerIdLine::Time, "1301", false},
        {"NMBR=0312345678", CallerIdLine::Number, "0312345678", false},
        {"nmbr=P", CallerIdLine::Number, "P", true},
        {"NMBR=", CallerIdLine::Number, "", true},
        {"NAME=TARO YAMADA", CallerIdLine::Name, "TARO YAMADA", false},
        {QString("NMBR=03\x01\x1b[2J12\x7f") + QChar(0x3042) + "34", CallerIdLine::Number, "03[2J1234", false},
        {"NAME=" + QString(300, 'A'), CallerIdLine::Name, QString(CallerIdLine::kLongestValue, 'A'), false},
    };
    for (const Case& c : cases) {
        const std::optional<CallerIdLine> id = CallerIdLine::parse(c.line);
        ASSERT_TRUE(id) << c.line.toStdString();
        EXPECT_EQ(id->field, c.field) << c.line.toStdString();
        EXPECT_EQ(id->value, c.value) << c.line.toStdString();
        EXPECT_EQ(id->withheld(), c.withheld) << c.line.toStdString();
    }
}

TEST(CallerIdLineTest, OtherLinesAreNoCallerId)
{
    for (const char* line : {"RING", "OK", "MESG=0102", "CONNECT", "=0123", ""})
        EXPECT_FALSE(CallerIdLine::parse(line)) << line;
}

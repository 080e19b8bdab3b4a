#include "SipCallerId.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* user;
    const char* display;
    const char* host;
    std::optional<QString> number;
    std::optional<QString> name;
};

TEST(SipCallerIdTest, TheFromHeaderGivesACleanNumberAndName)
{
    const Case cases[] = {
        {"0312345678", "\"Hanako\"", "127.0.0.1", QString("0312345678"), QString("Hanako")},
        {"0312345678", "", "127.0.0.1", QString("0312345678"), std::nullopt},
        {"%2B81312345678", "Yamada Taro", "pbx", QString("+81312345678"), QString("Yamada Taro")},
        {"anonymous", "\"Anonymous\"", "anonymous.invalid", std::nullopt, std::nullopt},
        {"", "\"Hanako\"", "127.0.0.1", std::nullopt, std::nullopt},
        {"0312", "\"Anonymous\"", "127.0.0.1", QString("0312"), std::nullopt},
        // Control characters and line breaks could forge a line of the call log: they are dropped.
        {"0312%0D%0A9999", "\"Ha\x01na\x7fko\r\nX\"", "127.0.0.1", QString("03129999"), QString("Hanako X")},
        {"%00%07", "\"x\"", "127.0.0.1", std::nullopt, std::nullopt},
        // Invalid UTF-8 is dropped, valid text of any script is kept.
        {"0312", "\"\xff\xfe\xe5\xb1\xb1\xe7\x94\xb0 \xf0\x9f\x93\x9e\"", "127.0.0.1", QString("0312"),
         QString::fromUtf8("\xe5\xb1\xb1\xe7\x94\xb0 \xf0\x9f\x93\x9e")},
        {"0312", "\"say \\\"hi\\\"\"", "127.0.0.1", QString("0312"), QString("say \"hi\"")},
    };
    for (const Case& c : cases) {
        const SipCallerId id = SipCallerId::fromHeader(c.user, c.display, c.host);
        EXPECT_EQ(id.number, c.number) << c.user;
        EXPECT_EQ(id.name, c.name) << c.display;
    }
}

TEST(SipCallerIdTest, LongTextIsCut)
{
    const SipCallerId id = SipCallerId::fromHeader(QByteArray(100, '5'), '"' + QByteArray(200, 'a') + '"', "h");
    EXPECT_EQ(id.number->size(), SipCallerId::kMaxNumber);
    EXPECT_EQ(id.name->size(), SipCallerId::kMaxName);
}

} // namespace

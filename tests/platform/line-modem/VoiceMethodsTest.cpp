#include "VoiceMethods.h"

#include <gtest/gtest.h>

TEST(VoiceMethodsTest, ChoosesTheBestEightKilohertzMethodTheModemOffers)
{
    struct Case {
        const char* name;
        QStringList reply;
        int id;
        SampleCoding coding;
    };
    const Case cases[] = {
        {"16-bit over 8-bit and u-law",
         {"AT+VSM=?", "128,\"8-BIT LINEAR\",8,0,(7200,8000,11025),(0),(0)",
          "130,\"16-BIT LINEAR\",16,0,(7200-11025),(0),(0)", "131,\"8-BIT ULAW\",8,0,(8000),(0),(0)", "OK"},
         130,
         SampleCoding::Linear16},
        {"8-bit only, bare numbers",
         {"1,\"UNSIGNED PCM\",8,0,8000,0,0", "2,\"ADPCM\",2,0,8000,0,0"},
         1,
         SampleCoding::Unsigned8},
        {"signed 8-bit", {"5,\"SIGNED PCM\",8,0,(8000),(0),(0)"}, 5, SampleCoding::Signed8},
        {"u-law only", {"4,\"G.711U\",8,0,(8000),(0),(0)"}, 4, SampleCoding::MuLaw},
        {"a-law over nothing",
         {"7,\"8-BIT ALAW\",8,0,(8000),(0),(0)", "140,\"IMA ADPCM\",4,0,(8000),(0),(0)"},
         7,
         SampleCoding::ALaw},
        {"16-bit without 8 kHz loses",
         {"130,\"16-BIT LINEAR\",16,0,(11025),(0),(0)", "4,\"ULAW\",8,0,(8000),(0),(0)"},
         4,
         SampleCoding::MuLaw},
    };
    for (const Case& c : cases) {
        const Result<VoiceMethod> chosen = VoiceMethods::choose(VoiceMethods::parse(c.reply));
        ASSERT_TRUE(chosen.ok()) << c.name;
        EXPECT_EQ(chosen->id, c.id) << c.name;
        EXPECT_EQ(chosen->coding, c.coding) << c.name;
    }
}

TEST(VoiceMethodsTest, AModemWithoutAUsableMethodIsRefusedWithAReason)
{
    for (const QStringList& reply : {QStringList{}, QStringList{"ERROR"}, QStringList{"2,\"ADPCM\",4,0,(8000),(0),(0)"},
                                     QStringList{"x,\"PCM\",8,0,8000", "1,PCM,8,0,8000"}}) {
        const Result<VoiceMethod> chosen = VoiceMethods::choose(VoiceMethods::parse(reply));
        EXPECT_FALSE(chosen.ok()) << reply.join('|').toStdString();
        EXPECT_FALSE(chosen.error().isEmpty());
    }
}

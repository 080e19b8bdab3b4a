#include "DleParser.h"

#include "DleFraming.h"

#include <gtest/gtest.h>

namespace {

using Item = DleParser::Item;

// What the items say, one word each: "L:OK", "E:5", "V:<hex>", "END".
QStringList describe(const QList<Item>& items)
{
    QStringList out;
    for (const Item& i : items) {
        switch (i.kind) {
        case Item::Line: out << "L:" + i.line; break;
        case Item::Event: out << QStringLiteral("E:") + QChar(i.event); break;
        case Item::Voice: out << "V:" + QString::fromLatin1(i.voice.toHex()); break;
        case Item::ReceiveEnded: out << "END"; break;
        }
    }
    return out;
}

// Feeds the reads one after the other, merging the voice items they give.
QStringList feedAll(DleParser& parser, const QList<QByteArray>& reads)
{
    QList<Item> all;
    for (const QByteArray& r : reads) {
        for (const Item& i : parser.feed(r)) {
            if (i.kind == Item::Voice && !all.isEmpty() && all.last().kind == Item::Voice)
                all.last().voice += i.voice;
            else
                all.append(i);
        }
    }
    return describe(all);
}

} // namespace

TEST(DleParserTest, SplitsLinesEventsAndVoiceWhateverTheReadsAre)
{
    const QByteArray dle(1, DleFraming::kDle);
    const QByteArray etx(1, DleFraming::kEtx);
    struct Case {
        const char* name;
        bool receive;
        QList<QByteArray> reads;
        QStringList expected;
    };
    const Case cases[] = {
        {"lines across reads", false, {"\r\nRI", "NG\r\n\r\nNMBR=0123\r", "\n"}, {"L:RING", "L:NMBR=0123"}},
        {"event in command mode", false, {"\r\nOK\r\n" + dle + "5" + dle, "b"}, {"L:OK", "E:5", "E:b"}},
        {"connect without receive stays text", false, {"\r\nCONNECT\r\n\x01\x02\r\n"}, {"L:CONNECT", "L:\x01\x02"}},
        {"voice with doubled DLE split between reads",
         true,
         {"\r\nCONNECT\r\n\x01" + dle, dle + "\x02" + dle + "#\x03" + dle, etx + "\r\nOK\r\n"},
         {"L:CONNECT", "V:011002", "E:#", "V:03", "END", "L:OK"}},
        {"voice right after connect in one read",
         true,
         {"\r\nCONNECT\r\n\x10\x10\x7f" + dle + "s"},
         {"L:CONNECT", "V:107f", "E:s"}},
    };
    for (const Case& c : cases) {
        DleParser parser;
        if (c.receive)
            parser.expectReceive();
        EXPECT_EQ(feedAll(parser, c.reads), c.expected) << c.name;
    }
}

TEST(DleParserTest, AFailedReceiveCommandDoesNotTurnALaterConnectIntoVoice)
{
    DleParser parser;
    parser.expectReceive();
    EXPECT_EQ(describe(parser.feed("\r\nERROR\r\n")), QStringList{"L:ERROR"});
    EXPECT_EQ(describe(parser.feed("\r\nCONNECT\r\nOK\r\n")), (QStringList{"L:CONNECT", "L:OK"}));
    EXPECT_FALSE(parser.receiving());
}

TEST(DleParserTest, EscapedVoiceComesBackUnchanged)
{
    QByteArray voice;
    for (int i = 0; i < 512; ++i)
        voice.append(char(i % 7 == 0 ? DleFraming::kDle : i & 0xff));
    const QByteArray stream = "\r\nCONNECT\r\n" + DleFraming::escape(voice) + DleFraming::code(DleFraming::kEtx);
    EXPECT_EQ(DleFraming::escape("a\x10"
                                 "b")
                  .size(),
              4);
    DleParser parser;
    parser.expectReceive();
    QByteArray back;
    // One byte a read: the worst split there is.
    for (char c : stream) {
        for (const DleParser::Item& i : parser.feed(QByteArray(1, c))) {
            if (i.kind == DleParser::Item::Voice)
                back += i.voice;
        }
    }
    EXPECT_EQ(back, voice);
    EXPECT_FALSE(parser.receiving());
}

TEST(DleParserTest, AnEndlessLineIsCutInsteadOfGrowing)
{
    DleParser parser;
    const QList<DleParser::Item> items = parser.feed(QByteArray(100000, 'x') + "\r\n");
    ASSERT_EQ(items.size(), 1);
    EXPECT_LE(items.first().line.size(), 512);
}

#include "IniDocument.h"

#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral("; a comment\n"
                                       "orphan=before any section\n"
                                       "[Tapi]\n"
                                       "  Card =  Talvero Virtual Line  \n"
                                       "NumRings=2\n"
                                       "card=second match is ignored\n"
                                       "a line without equals\n"
                                       "[tapi]\n"
                                       "NumRings=7\n"
                                       "[Quoted]\n"
                                       "Q=\"  kept spaces  \"\n"
                                       "Half=\"open\n");

} // namespace

TEST(IniDocument, ReadsWithProfileSemantics)
{
    const IniDocument doc(kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected; // nullptr: missing
    } cases[] = {
        {"Tapi", "Card", "Talvero Virtual Line"},
        {"TAPI", "CARD", "Talvero Virtual Line"},
        {" tapi ", " numrings ", "2"}, // the first section wins over its duplicate
        {"Quoted", "Q", "  kept spaces  "},
        {"Quoted", "Half", "\"open"},
        {"Tapi", "a line without equals", nullptr},
        {"Tapi", "orphan", nullptr},
        {"Missing", "Card", nullptr},
        {"Tapi", "Missing", nullptr},
    };
    for (const Case& c : cases) {
        const QString v = doc.value(QString::fromUtf8(c.section), QString::fromUtf8(c.key));
        if (c.expected) {
            EXPECT_EQ(v, QString::fromUtf8(c.expected)) << c.section << "/" << c.key;
        } else {
            EXPECT_TRUE(v.isNull()) << c.section << "/" << c.key;
        }
    }
}

TEST(IniDocument, WriteTouchesOnlyItsLine)
{
    IniDocument doc(kSample);
    ASSERT_TRUE(doc.setValue(u"TAPI", u"numrings", u"4"));
    ASSERT_TRUE(doc.setValue(u"Tapi", u"NewKey", u"x"));
    ASSERT_TRUE(doc.setValue(u"Fresh", u"Key", u""));
    QString expected = kSample;
    expected.replace(QStringLiteral("NumRings=2\n"), QStringLiteral("numrings=4\n"));
    expected.replace(QStringLiteral("card=second match is ignored\n"),
                     QStringLiteral("card=second match is ignored\nNewKey=x\n"));
    expected += QStringLiteral("[Fresh]\nKey=\n");
    EXPECT_EQ(doc.toString(), expected);
    EXPECT_EQ(doc.value(u"Fresh", u"Key"), QString(""));
    EXPECT_FALSE(doc.value(u"Fresh", u"Key").isNull()) << "an empty value keeps the key";
}

TEST(IniDocument, KeepsCrLfLineEnds)
{
    IniDocument doc(QStringLiteral("[A]\r\nx=1\r\n"));
    ASSERT_TRUE(doc.setValue(u"A", u"y", u"2"));
    EXPECT_EQ(doc.toString(), QStringLiteral("[A]\r\nx=1\r\ny=2\r\n"));
}

TEST(IniDocument, RefusesNamesThatCannotBeStoredAndFlattensValues)
{
    IniDocument doc;
    EXPECT_FALSE(doc.setValue(u"", u"k", u"v"));
    EXPECT_FALSE(doc.setValue(u"S", u"", u"v"));
    EXPECT_FALSE(doc.setValue(u"S", u"a=b", u"v"));
    EXPECT_FALSE(doc.setValue(u"S]x", u"k", u"v"));
    EXPECT_FALSE(doc.setValue(u"S", u"k\nx", u"v"));
    ASSERT_TRUE(doc.setValue(u"S", u"k", u"v\n[Evil]\nPass=1"));
    EXPECT_TRUE(doc.value(u"Evil", u"Pass").isNull()) << "a value cannot plant another section";
}

TEST(IniDocument, BadInputReadsWithoutCrash)
{
    QString junk;
    for (int i = 0; i < 4096; ++i)
        junk += QChar(static_cast<char16_t>((i * 7919) % 0xD7FF));
    const QString inputs[] = {
        QString(),
        QStringLiteral("=\n==\n[\n[]\n]\n"),
        junk,
        QStringLiteral("[A]\nk=") + QString(100000, u'x') + QStringLiteral("\n[B]\nz=1"),
    };
    for (const QString& text : inputs) {
        IniDocument doc(text);
        doc.value(u"A", u"k");
        ASSERT_TRUE(doc.setValue(u"New", u"Key", u"v"));
        EXPECT_EQ(IniDocument(doc.toString()).value(u"New", u"Key"), QString("v"));
    }
    EXPECT_EQ(IniDocument(inputs[3]).value(u"B", u"z"), QString("1"));
}

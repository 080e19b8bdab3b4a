#include "VoiceModemProfile.h"

int VoiceModemProfile::methodId(int index) const
{
    return methods.at(index).listLine.section(u',', 0, 0).toInt();
}

VoiceModemProfile VoiceModemProfile::fullRange()
{
    VoiceModemProfile p;
    p.methods = {
        {QStringLiteral("128,\"8-BIT LINEAR\",8,0,(7200,8000,11025),(0),(0)"), SampleCoding::Unsigned8},
        {QStringLiteral("130,\"16-BIT LINEAR\",16,0,(7200-11025),(0),(0)"), SampleCoding::Linear16},
        {QStringLiteral("131,\"8-BIT ULAW\",8,0,(8000),(0),(0)"), SampleCoding::MuLaw},
        {QStringLiteral("140,\"IMA ADPCM\",4,0,(8000),(0),(0)"), SampleCoding::Unusable},
    };
    return p;
}

VoiceModemProfile VoiceModemProfile::eightBitOnly()
{
    VoiceModemProfile p;
    p.manufacturer.clear(); // identifies itself only by ATI3
    p.ati3 = QStringLiteral("Old8 Voice 33.6");
    p.methods = {
        {QStringLiteral("1,\"UNSIGNED PCM\",8,0,8000,0,0"), SampleCoding::Unsigned8},
        {QStringLiteral("2,\"ADPCM\",2,0,8000,0,0"), SampleCoding::Unusable},
    };
    p.answerReply = QStringLiteral("VCON");
    return p;
}

VoiceModemProfile VoiceModemProfile::muLawOnly()
{
    VoiceModemProfile p;
    p.model = QStringLiteral("VM-ULAW");
    p.methods = {{QStringLiteral("4,\"G.711U\",8,0,(8000),(0),(0)"), SampleCoding::MuLaw}};
    p.refused = {QStringLiteral("AT+IFC=2,2")};
    return p;
}

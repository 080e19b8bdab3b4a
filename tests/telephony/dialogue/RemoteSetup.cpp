#include "RemoteSetup.h"

#include "DataFolder.h"
#include "Settings.h"
#include "TestWav.h"

void writeRemoteSettings()
{
    WriteSetting(u"Feature", u"AnsweringMachine", u"1");
    WriteSetting(u"AnsweringMachine", u"Remote", u"1");
    WriteSetting(u"AnsweringMachine", u"Pass", u"1234");
    WriteSetting(u"AnsweringMachine", u"Play", u"1");
    WriteSetting(u"AnsweringMachine", u"Skip", u"2");
    WriteSetting(u"Feature", u"IRRemote", u"1");
    WriteSetting(u"IRRemote", u"Pass", u"99");
}

void writeShortPrompts(double seconds)
{
    for (const char* name : {"sys01", "sys02", "sys03", "sys05", "sys07", "sys08", "sys09", "0", "1", "2", "10"})
        writeToneWav(DataFolder::path(QString("\\Ans\\System\\%1.wav").arg(name)), seconds);
}

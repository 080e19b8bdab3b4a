#include "KeyTables.h"

#include "Settings.h"

namespace KeyTables {

namespace {

// The telephony switches are numbers; anything that does not read as 1 is off.
bool isOn(QStringView section, QStringView key)
{
    return ReadSetting(section, key).trimmed().toInt() == 1;
}

} // namespace

DtmfKeyTable passwords()
{
    QList<DtmfKeyTable::Entry> entries;
    if (isOn(u"Feature", u"AnsweringMachine") && isOn(u"AnsweringMachine", u"Remote"))
        entries.append({kPlaybackPassword.toString(), ReadSetting(u"AnsweringMachine", u"Pass")});
    if (isOn(u"Feature", u"IRRemote"))
        entries.append({kOperationPassword.toString(), ReadSetting(u"IRRemote", u"Pass")});
    return DtmfKeyTable(std::move(entries));
}

DtmfKeyTable playbackKeys()
{
    return DtmfKeyTable({{kPlay.toString(), ReadSetting(u"AnsweringMachine", u"Play")},
                         {kSkip.toString(), ReadSetting(u"AnsweringMachine", u"Skip")}});
}

DtmfKeyTable deviceKeys()
{
    static const DtmfKeyTable table = [] {
        QList<DtmfKeyTable::Entry> entries;
        for (int k = 1; k <= 10; ++k)
            entries.append({QStringLiteral("DevNo"), QString::number(k % 10)});
        return DtmfKeyTable(std::move(entries));
    }();
    return table;
}

DtmfKeyTable buttonKeys()
{
    static const DtmfKeyTable table = [] {
        QList<DtmfKeyTable::Entry> entries;
        for (int k = 1; k <= 100; ++k)
            entries.append({QStringLiteral("ButtonNo"), QString::asprintf("%02d", k - 1)});
        return DtmfKeyTable(std::move(entries));
    }();
    return table;
}

} // namespace KeyTables

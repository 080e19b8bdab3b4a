#include "Greetings.h"

#include "DataFolder.h"
#include "Settings.h"
#include "SpeakIntoFile.h"
#include "SpeakingCharacter.h"

namespace {

// The recording runs a moment before the greeting is spoken.
constexpr int kLeadInMs = 100;

QString key(int index)
{
    return QStringLiteral("Reception%1").arg(index);
}

} // namespace

QString greetingPath(int index)
{
    return DataFolder::path(QStringLiteral("\\Ans\\Reception%1.wav").arg(index));
}

QString defaultGreetingText(int index)
{
    return index == 0 ? QStringLiteral("お電話ありがとうございます。ただいま電話に出ることができません。")
                      : QStringLiteral("発信音のあとに、お名前とご用件をお話しください。");
}

QString greetingText(int index)
{
    const QString stored = ReadSetting(u"Reception", key(index));
    return stored.isEmpty() ? defaultGreetingText(index) : stored;
}

bool RecordGreeting(int index, const QString& text)
{
    Speech* character = LoadSpeakingCharacter();
    if (!character)
        return false;
    const bool recorded = speakIntoFile(*character, text, greetingPath(index), kLeadInMs);
    WriteSetting(u"Reception", key(index), text);
    return recorded;
}

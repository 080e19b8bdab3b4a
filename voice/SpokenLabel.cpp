#include "SpokenLabel.h"

#include "DataFolder.h"
#include "SpeakIntoFile.h"
#include "SpeakingCharacter.h"

QString spokenLabelPath(const QString& device, const QString& button)
{
    return DataFolder::path(QStringLiteral("\\Ans\\") + device + button + QStringLiteral(".wav"));
}

QString spokenLabelText(const QString& name, const QString& description)
{
    return name + u',' + description;
}

bool MakeSpokenLabel(const QString& device, const QString& button, const QString& name, const QString& description)
{
    Speech* character = LoadSpeakingCharacter();
    return character && speakIntoFile(*character, spokenLabelText(name, description), spokenLabelPath(device, button));
}

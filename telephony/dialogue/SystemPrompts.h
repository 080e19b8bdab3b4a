#pragma once

#include <QString>
#include <QStringView>

// The fixed prompt files of the dialogue, in "\Ans\System" of the data folder.
namespace SystemPrompts {

inline constexpr QStringView kPlaybackPassword = u"sys01.wav";  // before the message count
inline constexpr QStringView kPlaybackMenu = u"sys02.wav";      // after the count: Play or Skip
inline constexpr QStringView kOperationPassword = u"sys03.wav"; // device entry follows
inline constexpr QStringView kNotInCatalogue = u"sys05.wav";
inline constexpr QStringView kNextDevice = u"sys07.wav";
inline constexpr QStringView kCancelled = u"sys08.wav";
inline constexpr QStringView kLabelMissing = u"sys09.wav";

// The full path of a file of the system prompt folder.
QString path(QStringView name);

} // namespace SystemPrompts

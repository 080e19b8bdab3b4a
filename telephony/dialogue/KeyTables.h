#pragma once

#include "DtmfKeyTable.h"

// The key tables of the four dialogue modes. The first two follow setting.ini at the moment they
// are built.
namespace KeyTables {

inline constexpr QStringView kPlaybackPassword = u"AM_Remote";
inline constexpr QStringView kOperationPassword = u"IRR_Pass";
inline constexpr QStringView kPlay = u"Play";
inline constexpr QStringView kSkip = u"Skip";

// Mode 1: "AM_Remote" ([AnsweringMachine] Pass) when the answering machine and its remote playback
// are on, then "IRR_Pass" ([IRRemote] Pass) when remote operation is on.
DtmfKeyTable passwords();
// Mode 2: "Play" and "Skip" with the keys of [AnsweringMachine] Play and Skip.
DtmfKeyTable playbackKeys();
// Mode 3: ten entries "DevNo" with the codes "1" … "9", "0".
DtmfKeyTable deviceKeys();
// Mode 4: a hundred entries "ButtonNo" with the codes "00" … "99".
DtmfKeyTable buttonKeys();

} // namespace KeyTables

#pragma once

#include "Speech.h"

// libespeak-ng's Japanese voice, which reads kana (and ASCII digits as numbers). The library is
// one per process; calls are serialised.
namespace EspeakVoice {

// Loads the library and the Japanese voice once; the error names what is missing.
Status open();
Result<SpeechAudio> synthesize(const QString& kana);

} // namespace EspeakVoice

#include "SpeakingCharacter.h"

#include "Prompt.h"
#include "Speech.h"
#include "WaveDevice.h"

#include <memory>

Speech* LoadSpeakingCharacter()
{
    static std::unique_ptr<Speech> character = makeSpeech(waveAudio());
    if (Status s = character->load(); !s) {
        Prompts::exclamation(QStringLiteral("音声合成エンジンを使うことができません。\n%1\n"
                                            "メニューの「音声合成エンジンのインストール」で組み込んでください。")
                                 .arg(s.error()));
        return nullptr;
    }
    return character.get();
}

// Build step: speaks the shipped prompts into a folder laid out like a data folder.
#include "JapaneseVoice.h"
#include "Resampler.h"
#include "ShippedPrompts.h"
#include "WavFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    JapaneseVoice voice;
    if (Status s = voice.open(); !s) {
        std::fprintf(stderr, "%s\n", s.error().toUtf8().constData());
        return 1;
    }
    for (const ShippedPrompt& prompt : shippedPrompts()) {
        QString relative = prompt.file;
        relative.replace(u'\\', u'/');
        const QString path = QDir(root).filePath(relative.mid(1));
        QDir().mkpath(QFileInfo(path).absolutePath());
        const Result<SpeechAudio> speech = voice.synthesize(prompt.text);
        Status written =
            speech ? writeWav(path, kLineAudioRate, resample(speech->samples, speech->sampleRate, kLineAudioRate))
                   : Status::failure(speech.error());
        if (!written) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), written.error().toUtf8().constData());
            return 1;
        }
    }
    return 0;
}

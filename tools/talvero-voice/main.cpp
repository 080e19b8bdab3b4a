// talvero-voice: speaks a text into a WAV file the way a spoken label is made (the PC's output is
// recorded while the character speaks), and shows the kana reading the voice speaks from.
#include "ConsolePrompt.h"
#include "DataFolder.h"
#include "JapaneseVoice.h"
#include "SpeakIntoFile.h"
#include "SpeakingCharacter.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

constexpr const char* kUsage = "usage: talvero-voice [--home DIR] say TEXT --out FILE\n"
                               "       talvero-voice reading TEXT\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int printReading(const QString& text)
{
    JapaneseVoice voice;
    if (Status s = voice.open(); !s) {
        std::fprintf(stderr, "%s\n", s.error().toUtf8().constData());
        return 1;
    }
    std::printf("%s\n", voice.reading(text).toUtf8().constData());
    return 0;
}

int say(const QString& text, const QString& out)
{
    Speech* character = LoadSpeakingCharacter();
    if (!character)
        return 1;
    return speakIntoFile(*character, text, QDir::current().absoluteFilePath(out)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The character's window needs a window system; without one he speaks unseen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ConsolePrompt prompt;
    Prompts::install(&prompt);

    QStringList args = app.arguments().mid(1);
    if (Status s = DataFolder::setUp(&args); !s) {
        std::fprintf(stderr, "%s\n", s.error().toUtf8().constData());
        return 1;
    }
    if (args.size() == 2 && args[0] == u"reading")
        return printReading(args[1]);
    if (args.size() == 4 && args[0] == u"say" && args[2] == u"--out")
        return say(args[1], args[3]);
    return usage();
}

#include "ShippedPrompts.h"

#include "DataFolder.h"
#include "WavFile.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(ShippedPrompts, AreSpokenLineAudioFiles)
{
    const QString home = DataFolder::shippedDataDir(QCoreApplication::applicationDirPath()) + "/home";
    double shortest = 1e9;
    double sys07 = 0;
    for (const ShippedPrompt& prompt : shippedPrompts()) {
        QString file = prompt.file;
        file.replace(u'\\', u'/');
        const Result<WavData> wav = readWav(home + file);
        ASSERT_TRUE(wav) << wav.error().toStdString();
        EXPECT_EQ(wav->format, (WavFormat{kLineAudioRate, 1, 16})) << file.toStdString();
        EXPECT_GT(measureLevel(wav->monoSamples()).rms, 500) << file.toStdString();
        shortest = std::min(shortest, wav->seconds());
        if (file.endsWith(u"sys07.wav"))
            sys07 = wav->seconds();
    }
    EXPECT_GT(shortest, 0.15);
    EXPECT_GT(sys07, 5.0);
}

TEST(ShippedPrompts, CoverTheDialoguePromptsNumberWordsAndGreetings)
{
    QStringList files;
    for (const ShippedPrompt& prompt : shippedPrompts())
        files << prompt.file;
    for (const char* name :
         {"sys01", "sys02", "sys03", "sys05", "sys07", "sys08", "sys09", "0", "9", "10", "100", "b00", "p00"})
        EXPECT_TRUE(files.contains(QStringLiteral("\\Ans\\System\\%1.wav").arg(QString::fromLatin1(name)))) << name;
    EXPECT_TRUE(files.contains(QStringLiteral("\\Ans\\Reception0.wav")));
    EXPECT_TRUE(files.contains(QStringLiteral("\\Ans\\Reception1.wav")));
}

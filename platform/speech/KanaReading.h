#pragma once

#include "Result.h"

#include <QString>

#include <memory>

namespace MeCab {
class Tagger;
}

// Turns Japanese text into its pronunciation in katakana (the Japanese voice reads kana only):
// each word by its dictionary pronunciation, words the dictionary does not know as written. An
// ASCII comma becomes "、" so that it is spoken as a pause.
class KanaReader {
public:
    KanaReader();
    ~KanaReader();

    // Loads the dictionary; the error names what is missing.
    Status open();
    QString reading(const QString& text) const;

private:
    std::unique_ptr<MeCab::Tagger> m_tagger;
};

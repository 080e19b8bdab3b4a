#include "KanaReading.h"

#include <QStringList>

#include <mecab.h>

namespace {

constexpr int kPronunciationField = 8; // ipadic: part of speech ×4, conjugation ×2, base, reading, pronunciation

} // namespace

KanaReader::KanaReader() = default;
KanaReader::~KanaReader() = default;

Status KanaReader::open()
{
    m_tagger.reset(MeCab::createTagger(""));
    if (!m_tagger) {
        const QString why = QString::fromUtf8(MeCab::getTaggerError()).trimmed();
        return Status::failure(QStringLiteral("読み仮名の辞書 (MeCab) を読み込めません。") + why);
    }
    return {};
}

QString KanaReader::reading(const QString& text) const
{
    QString prepared = text;
    prepared.replace(u',', u'、');
    if (!m_tagger)
        return prepared;
    const QByteArray utf8 = prepared.toUtf8();
    QString out;
    for (const MeCab::Node* node = m_tagger->parseToNode(utf8.constData(), size_t(utf8.size())); node;
         node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const QString surface = QString::fromUtf8(node->surface, node->length);
        const QStringList features = QString::fromUtf8(node->feature).split(u',');
        const bool known = node->stat != MECAB_UNK_NODE && features.size() > kPronunciationField &&
                           features[kPronunciationField] != u"*";
        // rlength counts the white space before the word, which MeCab leaves out of the surface.
        if (node->rlength > node->length && !out.isEmpty())
            out += u' ';
        out += known ? features[kPronunciationField] : surface;
    }
    return out;
}

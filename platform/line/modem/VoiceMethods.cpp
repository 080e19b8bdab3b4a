#include "VoiceMethods.h"

#include <algorithm>

namespace {

constexpr int kLineRate = 8000;

// Splits at commas outside quotes and parentheses.
QStringList fields(const QString& line)
{
    QStringList out;
    QString current;
    bool quoted = false;
    int depth = 0;
    for (QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u'(')
            ++depth;
        else if (!quoted && c == u')')
            depth = std::max(0, depth - 1);
        if (c == u',' && !quoted && depth == 0) {
            out.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    out.append(current.trimmed());
    return out;
}

// "(7200,8000,11025)", "(7200-11025)" or "8000".
QList<std::pair<int, int>> rateRanges(QString text)
{
    QList<std::pair<int, int>> out;
    text.remove(u'(').remove(u')');
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(u'-');
        bool okLow = false, okHigh = false;
        const int low = ends.first().trimmed().toInt(&okLow);
        const int high = ends.last().trimmed().toInt(&okHigh);
        if (okLow && okHigh && low <= high)
            out.append({low, high});
    }
    return out;
}

int preference(SampleCoding coding)
{
    switch (coding) {
    case SampleCoding::Linear16: return 0;
    case SampleCoding::Unsigned8:
    case SampleCoding::Signed8: return 1;
    case SampleCoding::MuLaw: return 2;
    case SampleCoding::ALaw: return 3;
    case SampleCoding::Unusable: break;
    }
    return 99;
}

} // namespace

bool VoiceMethod::supportsRate(int rate) const
{
    return std::any_of(rates.begin(), rates.end(),
                       [rate](const auto& r) { return r.first <= rate && rate <= r.second; });
}

namespace VoiceMethods {

SampleCoding codingOf(const QString& name, int bitsPerSample)
{
    const QString n = name.toUpper();
    if (n.contains(u"ADPCM") || n.contains(u"GSM") || n.contains(u"CELP"))
        return SampleCoding::Unusable;
    if (bitsPerSample == 8 && (n.contains(u"ULAW") || n.contains(u"U-LAW") || n.contains(u"MU-LAW") ||
                               n.contains(u"G.711U") || n.contains(u"G711U")))
        return SampleCoding::MuLaw;
    if (bitsPerSample == 8 &&
        (n.contains(u"ALAW") || n.contains(u"A-LAW") || n.contains(u"G.711A") || n.contains(u"G711A")))
        return SampleCoding::ALaw;
    if (!n.contains(u"PCM") && !n.contains(u"LINEAR"))
        return SampleCoding::Unusable;
    if (bitsPerSample == 16)
        return SampleCoding::Linear16;
    if (bitsPerSample == 8)
        return n.contains(u"SIGNED") && !n.contains(u"UNSIGNED") ? SampleCoding::Signed8 : SampleCoding::Unsigned8;
    return SampleCoding::Unusable;
}

QList<VoiceMethod> parse(const QStringList& replyLines)
{
    QList<VoiceMethod> out;
    for (const QString& line : replyLines) {
        const QStringList f = fields(line);
        if (f.size() < 5 || !f.at(1).startsWith(u'"'))
            continue;
        bool okId = false, okBits = false;
        VoiceMethod m;
        m.id = f.at(0).toInt(&okId);
        m.name = QString(f.at(1)).remove(u'"').trimmed();
        m.bitsPerSample = f.at(2).toInt(&okBits);
        if (!okId || !okBits || m.id < 0)
            continue;
        m.rates = rateRanges(f.at(4));
        m.coding = codingOf(m.name, m.bitsPerSample);
        out.append(m);
    }
    return out;
}

Result<VoiceMethod> choose(const QList<VoiceMethod>& methods)
{
    const VoiceMethod* best = nullptr;
    for (const VoiceMethod& m : methods) {
        if (m.coding == SampleCoding::Unusable || !m.supportsRate(kLineRate))
            continue;
        if (!best || preference(m.coding) < preference(best->coding))
            best = &m;
    }
    if (!best)
        return Result<VoiceMethod>::failure(
            QStringLiteral("the modem offers no 8 kHz linear, µ-law or A-law voice method"));
    return *best;
}

} // namespace VoiceMethods

#include "DleParser.h"

#include "DleFraming.h"

namespace {

constexpr qsizetype kLongestLine = 512;

DleParser::Item item(DleParser::Item::Kind kind)
{
    DleParser::Item i;
    i.kind = kind;
    return i;
}

bool isFinalReply(const QString& line)
{
    return line == u"OK" || line == u"ERROR" || line == u"NO CARRIER" || line == u"VCON";
}

} // namespace

void DleParser::reset()
{
    m_line.clear();
    m_dle = false;
    m_receiving = false;
    m_expectReceive = false;
    m_skipLineFeed = false;
}

QList<DleParser::Item> DleParser::feed(const QByteArray& bytes)
{
    QList<Item> out;
    for (char c : bytes) {
        if (m_dle) {
            m_dle = false;
            if (c == DleFraming::kDle && m_receiving) {
                voiceByte(out, c);
            } else if (c == DleFraming::kEtx && m_receiving) {
                m_receiving = false;
                out.append(item(Item::ReceiveEnded));
            } else if (c != DleFraming::kDle && c != DleFraming::kEtx) {
                out.append(item(Item::Event));
                out.last().event = c;
            }
            continue;
        }
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (c == '\n')
                continue; // the rest of CONNECT's line end
        }
        if (c == DleFraming::kDle) {
            m_dle = true;
        } else if (m_receiving) {
            voiceByte(out, c);
        } else if (c == '\r' || c == '\n') {
            endLine(out);
        } else if (m_line.size() < kLongestLine) {
            m_line.append(c);
        }
    }
    return out;
}

void DleParser::endLine(QList<Item>& out)
{
    if (m_line.isEmpty())
        return;
    const QString line = QString::fromLatin1(m_line).trimmed();
    m_line.clear();
    if (line.isEmpty())
        return;
    out.append(item(Item::Line));
    out.last().line = line;
    if (m_expectReceive && line == u"CONNECT") {
        m_expectReceive = false;
        m_receiving = true;
        m_skipLineFeed = true;
    } else if (isFinalReply(line)) {
        m_expectReceive = false;
    }
}

void DleParser::voiceByte(QList<Item>& out, char c)
{
    if (out.isEmpty() || out.last().kind != Item::Voice)
        out.append(item(Item::Voice));
    out.last().voice.append(c);
}

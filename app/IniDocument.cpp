#include "IniDocument.h"

namespace {

bool isComment(QStringView trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// Windows drops one pair of matching quotes around a value.
QString unquote(QString v)
{
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

bool hasLineBreak(QStringView s)
{
    return s.contains(u'\n') || s.contains(u'\r');
}

} // namespace

IniDocument::IniDocument(const QString& text)
{
    if (text.contains(QStringLiteral("\r\n")))
        m_eol = QStringLiteral("\r\n");
    m_lines = text.split(u'\n');
    m_finalEol = text.isEmpty() || text.endsWith(u'\n');
    if (m_finalEol)
        m_lines.removeLast();
    for (QString& line : m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
}

bool IniDocument::sectionName(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    *name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

bool IniDocument::keyLine(const QString& line, KeyLine* out)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(u'['))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return false;
    out->key = t.left(eq).trimmed();
    out->value = unquote(t.mid(eq + 1).trimmed());
    return true;
}

int IniDocument::findSection(QStringView section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    QString name;
    int i = header + 1;
    while (i < m_lines.size() && !sectionName(m_lines[i], &name))
        ++i;
    return i;
}

QString IniDocument::value(QStringView section, QStringView key) const
{
    const int header = findSection(section.trimmed());
    if (header < 0)
        return {};
    const int end = sectionEnd(header);
    KeyLine kv;
    for (int i = header + 1; i < end; ++i) {
        if (keyLine(m_lines[i], &kv) && kv.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return kv.value.isNull() ? QStringLiteral("") : kv.value;
    }
    return {};
}

bool IniDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    const QStringView s = section.trimmed();
    const QStringView k = key.trimmed();
    if (s.isEmpty() || k.isEmpty() || hasLineBreak(s) || hasLineBreak(k) || s.contains(u']') || k.contains(u'=') ||
        k.startsWith(u'[') || isComment(k))
        return false;
    // A line break in a value would start a new line in the file and could plant other keys.
    QString v = value.toString();
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = k.toString() + u'=' + v;
    m_finalEol = true;

    const int header = findSection(s);
    if (header < 0) {
        m_lines << (u'[' + s.toString() + u']') << line;
        return true;
    }
    const int end = sectionEnd(header);
    KeyLine kv;
    int lastKey = header;
    for (int i = header + 1; i < end; ++i) {
        if (!keyLine(m_lines[i], &kv))
            continue;
        if (kv.key.compare(k, Qt::CaseInsensitive) == 0) {
            m_lines[i] = line;
            return true;
        }
        lastKey = i;
    }
    m_lines.insert(lastKey + 1, line);
    return true;
}

QString IniDocument::toString() const
{
    QString out = m_lines.join(m_eol);
    if (m_finalEol && !m_lines.isEmpty())
        out += m_eol;
    return out;
}

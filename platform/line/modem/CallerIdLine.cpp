#include "CallerIdLine.h"

#include <QList>

#include <algorithm>

namespace {

QString printable(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out.append(c);
    }
    return out.trimmed().left(CallerIdLine::kLongestValue);
}

} // namespace

bool CallerIdLine::withheld() const
{
    return field == Number && std::none_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); });
}

std::optional<CallerIdLine> CallerIdLine::parse(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QString key = line.left(equals).trimmed().toUpper();
    static const QList<std::pair<QString, Field>> kFields{{QStringLiteral("DATE"), Date},
                                                          {QStringLiteral("TIME"), Time},
                                                          {QStringLiteral("NMBR"), Number},
                                                          {QStringLiteral("NAME"), Name}};
    for (const auto& [name, field] : kFields) {
        if (key == name)
            return CallerIdLine{field, printable(QStringView(line).mid(equals + 1))};
    }
    return std::nullopt;
}

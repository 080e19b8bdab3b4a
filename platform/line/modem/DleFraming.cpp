#include "DleFraming.h"

namespace DleFraming {

QByteArray escape(const QByteArray& data)
{
    QByteArray out;
    out.reserve(data.size() + data.count(kDle));
    for (char c : data) {
        out.append(c);
        if (c == kDle)
            out.append(kDle);
    }
    return out;
}

QByteArray code(char c)
{
    QByteArray out; // not QByteArray{kDle, c}: that is the (size, fill) constructor
    out.append(kDle);
    out.append(c);
    return out;
}

} // namespace DleFraming

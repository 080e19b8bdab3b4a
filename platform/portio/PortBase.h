#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The three port bases of the IR module and the setting texts that name them ([PPort] Addr).
inline constexpr std::uint16_t kPortBases[3] = {0x378, 0x278, 0x3BC};
inline const QString kPortBaseTexts[3] = {QStringLiteral("378"), QStringLiteral("278"), QStringLiteral("3BC")};

// The base a setting text names, compared as text: "378", "278" or "3BC", nothing else.
inline std::optional<std::uint16_t> portBaseFromText(QStringView text)
{
    for (int i = 0; i < 3; ++i) {
        if (text == kPortBaseTexts[i])
            return kPortBases[i];
    }
    return std::nullopt;
}

#pragma once

#include <QByteArray>

// The shielding of a voice modem's data stream: a DLE byte starts a two-byte code, a data byte of
// DLE's value is sent twice.
namespace DleFraming {

constexpr char kDle = 0x10;
constexpr char kEtx = 0x03;
constexpr char kCan = 0x18;
constexpr char kAbort = '!';

// The bytes with every DLE doubled.
QByteArray escape(const QByteArray& data);
// The two-byte code DLE c.
QByteArray code(char c);

} // namespace DleFraming

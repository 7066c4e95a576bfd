#pragma once

#include <QByteArray>

// One gzip member (RFC 1952) around a raw deflate stream at zlib's default level: the 10-byte header
// 1f 8b 08 00 00000000 02 ff, the deflate data, the CRC-32 and the length, both little-endian. The
// sharing service expects exactly this framing for request bodies sent with "Content-Encoding: gzip".
class GzipMember
{
public:
    // An empty input gives a valid member with an empty deflate stream (03 00), never a broken one.
    static QByteArray compress(const QByteArray& data);
};

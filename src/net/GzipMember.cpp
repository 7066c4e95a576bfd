#include "GzipMember.h"

#include <zlib.h>

namespace
{

void appendLittleEndian32(QByteArray* pOut, quint32 nValue)
{
    for (int i = 0; i < 4; ++i)
        pOut->append(char((nValue >> (8 * i)) & 0xff));
}

bool appendRawDeflate(const QByteArray& data, QByteArray* pOut)
{
    z_stream stream{};
    // Negative window bits: raw deflate, without the zlib header and Adler-32 trailer that qCompress adds.
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    const int nStart = pOut->size();
    // deflateBound promises room for the whole stream, so one Z_FINISH call completes it.
    pOut->resize(nStart + int(deflateBound(&stream, uLong(data.size()))));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(pOut->data() + nStart);
    stream.avail_out = uInt(pOut->size() - nStart);
    const int nResult = deflate(&stream, Z_FINISH);
    pOut->resize(nStart + int(stream.total_out));
    deflateEnd(&stream);
    return nResult == Z_STREAM_END;
}

} // namespace

QByteArray GzipMember::compress(const QByteArray& data)
{
    static const char HEADER[10] = {'\x1f', '\x8b', '\x08', 0, 0, 0, 0, 0, '\x02', '\xff'};
    QByteArray member(HEADER, sizeof(HEADER));
    if (!appendRawDeflate(data, &member))
        return QByteArray();
    const uLong nCrc =
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
    appendLittleEndian32(&member, quint32(nCrc));
    appendLittleEndian32(&member, quint32(data.size()));
    return member;
}

#include "ZipBuilder.h"

#include <QFile>

#include <zlib.h>

namespace
{
void put16(QByteArray* pOut, quint32 nValue)
{
    pOut->append(char(nValue & 0xff));
    pOut->append(char((nValue >> 8) & 0xff));
}

void put32(QByteArray* pOut, quint32 nValue)
{
    put16(pOut, nValue & 0xffff);
    put16(pOut, nValue >> 16);
}
} // namespace

void ZipBuilder::addFile(const QString& sName, const QByteArray& content)
{
    m_lstMembers.append({sName.toUtf8(), content, 0100644});
}

void ZipBuilder::addLink(const QString& sName, const QString& sTarget)
{
    m_lstMembers.append({sName.toUtf8(), sTarget.toUtf8(), 0120777});
}

QByteArray ZipBuilder::bytes() const
{
    QByteArray out;
    QByteArray central;
    for (const Member& member : m_lstMembers) {
        const quint32 nCrc = quint32(crc32(0, reinterpret_cast<const Bytef*>(member.content.constData()),
                                           uInt(member.content.size())));
        const quint32 nOffset = quint32(out.size());
        put32(&out, 0x04034b50);
        put16(&out, 10);     // version needed
        put16(&out, 0x0800); // names in UTF-8
        put16(&out, 0);      // stored
        put16(&out, 0);      // time
        put16(&out, 0x21);   // date: 1980-01-01
        put32(&out, nCrc);
        put32(&out, quint32(member.content.size()));
        put32(&out, quint32(member.content.size()));
        put16(&out, quint32(member.name.size()));
        put16(&out, 0);
        out += member.name;
        out += member.content;

        put32(&central, 0x02014b50);
        put16(&central, 0x031e); // made by Unix
        put16(&central, 10);
        put16(&central, 0x0800);
        put16(&central, 0);
        put16(&central, 0);
        put16(&central, 0x21);
        put32(&central, nCrc);
        put32(&central, quint32(member.content.size()));
        put32(&central, quint32(member.content.size()));
        put16(&central, quint32(member.name.size()));
        put16(&central, 0); // extra
        put16(&central, 0); // comment
        put16(&central, 0); // disk
        put16(&central, 0); // internal attributes
        put32(&central, member.nMode << 16);
        put32(&central, nOffset);
        central += member.name;
    }
    const quint32 nCentralOffset = quint32(out.size());
    out += central;
    put32(&out, 0x06054b50);
    put16(&out, 0);
    put16(&out, 0);
    put16(&out, quint32(m_lstMembers.size()));
    put16(&out, quint32(m_lstMembers.size()));
    put32(&out, quint32(central.size()));
    put32(&out, nCentralOffset);
    put16(&out, 0);
    return out;
}

bool ZipBuilder::write(const QString& sPath) const
{
    QFile file(sPath);
    const QByteArray data = bytes();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size() &&
           file.flush();
}

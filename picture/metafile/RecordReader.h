#pragma once

#include <QByteArrayView>
#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace picture::metafile {

// Reads little-endian fields of one record; anything past its end reads as 0
// and marks the record as short.
class RecordReader {
public:
    RecordReader(QByteArrayView data)
        : m_data(data) {}

    qsizetype size() const { return m_data.size(); }
    bool has(qsizetype offset, qsizetype bytes) const {
        return offset >= 0 && bytes >= 0 && offset <= m_data.size() - bytes;
    }
    bool shortRead() const { return m_short; }

    quint32 u32(qsizetype at) const { return read<quint32>(at); }
    qint32 i32(qsizetype at) const { return read<qint32>(at); }
    quint16 u16(qsizetype at) const { return read<quint16>(at); }
    qint16 i16(qsizetype at) const { return read<qint16>(at); }
    quint8 u8(qsizetype at) const { return has(at, 1) ? quint8(m_data[at]) : (m_short = true, 0); }
    float f32(qsizetype at) const {
        const quint32 bits = u32(at);
        float f;
        static_assert(sizeof f == sizeof bits);
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    QByteArrayView bytes(qsizetype at, qsizetype n) const {
        if (!has(at, n)) {
            m_short = true;
            return {};
        }
        return m_data.sliced(at, n);
    }

private:
    template <typename T> T read(qsizetype at) const {
        if (!has(at, sizeof(T))) {
            m_short = true;
            return 0;
        }
        return qFromLittleEndian<T>(m_data.data() + at);
    }

    QByteArrayView m_data;
    mutable bool m_short = false;
};

} // namespace picture::metafile

#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Builds small EMF and WMF files record by record for the player's tests.
class EmfBuilder {
public:
    // A frame of `width` x `height` device pixels on a 96-dpi reference device.
    EmfBuilder(int width, int height)
        : m_width(width)
        , m_height(height) {}

    EmfBuilder& record(quint32 type, const QList<qint32>& fields, const QByteArray& tail = {}) {
        QByteArray r;
        put(r, type);
        put(r, quint32(8 + fields.size() * 4 + ((tail.size() + 3) & ~3)));
        for (qint32 f : fields)
            put(r, quint32(f));
        r += tail;
        while (r.size() % 4)
            r += '\0';
        m_records += r;
        ++m_count;
        return *this;
    }

    QByteArray build(bool withEof = true) {
        if (withEof)
            record(14, {0, 16, 20});
        QByteArray h;
        const double mmPerPixel = 25.4 / 96;
        put(h, quint32(1));
        put(h, quint32(88));
        for (qint32 v : {0, 0, m_width - 1, m_height - 1}) // bounds, pixels
            put(h, quint32(v));
        for (qint32 v :
             {0, 0, qint32(m_width * mmPerPixel * 100), qint32(m_height * mmPerPixel * 100)})
            put(h, quint32(v)); // frame, .01 mm
        put(h, quint32(0x464D4520));
        put(h, quint32(0x10000));
        put(h, quint32(88 + m_records.size()));
        put(h, quint32(m_count + 1));
        put(h, quint32(16)); // handles
        put(h, quint32(0));  // description: size and offset
        put(h, quint32(0));
        put(h, quint32(0)); // palette entries
        for (qint32 v : {960, 960, qint32(960 * mmPerPixel), qint32(960 * mmPerPixel)})
            put(h, quint32(v)); // reference device: pixels and millimetres
        return h + m_records;
    }

    static void put(QByteArray& b, quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        b.append(bytes, 4);
    }

private:
    int m_width, m_height;
    QByteArray m_records;
    int m_count = 1;
};

class WmfBuilder {
public:
    // Placeable when `bounds` is given (left, top, right, bottom in logical units).
    WmfBuilder& record(quint16 function, const QList<qint16>& params, const QByteArray& tail = {}) {
        QByteArray r;
        const int words = 3 + params.size() + (tail.size() + 1) / 2;
        put32(r, quint32(words));
        put16(r, function);
        for (qint16 p : params)
            put16(r, quint16(p));
        r += tail;
        if (r.size() % 2)
            r += '\0';
        m_records += r;
        return *this;
    }

    QByteArray build(QList<qint16> bounds = {}, bool withEof = true) {
        if (withEof)
            record(0, {});
        QByteArray out;
        if (bounds.size() == 4) {
            put32(out, 0x9AC6CDD7);
            put16(out, 0);
            for (qint16 v : bounds)
                put16(out, quint16(v));
            put16(out, 96); // units per inch
            put32(out, 0);
            put16(out, 0); // checksum, not checked
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, quint32(9 + m_records.size() / 2));
        put16(out, 16);
        put32(out, 64);
        put16(out, 0);
        return out + m_records;
    }

    static void put16(QByteArray& b, quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        b.append(bytes, 2);
    }
    static void put32(QByteArray& b, quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        b.append(bytes, 4);
    }

private:
    QByteArray m_records;
};

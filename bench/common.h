#pragma once

// Small helpers of the benchmark harnesses.
#include <QFile>
#include <QProcess>
#include <QString>

#include <cstdio>

namespace bench {

// Peak resident memory of this process so far, in MiB (VmHWM).
inline double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

} // namespace bench

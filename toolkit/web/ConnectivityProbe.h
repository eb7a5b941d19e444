#pragma once

#include <QUrl>

namespace toolkit {

// Whether the host of `url` can be reached now: a TCP connection to its port
// (80 for http), name resolution included. Synchronous and bounded: it never
// takes much longer than `timeoutMs`, whatever the network does.
bool probeConnection(const QUrl& url, int timeoutMs = 3000);

} // namespace toolkit

#pragma once

#include <QtGlobal>

// The computer's own IPv4 address as the network sees it: the first address of the first
// interface that is up and not the loopback, first octet most significant; 0 when there is
// none. (Resolving the host name, as other systems do, gives 127.0.1.1 on a Debian machine.)
quint32 LocalHostAddress();

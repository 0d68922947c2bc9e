#pragma once

#include <netinet/in.h>

// Makes the system resolve a printer's hardware address again: for every IPv4 neighbour (ARP)
// entry that holds the address, every learned IPv4 neighbour entry of that entry's interface
// is flushed. Entries set up by hand (permanent) stay. Without the right to change the table
// (CAP_NET_ADMIN), or on any other failure, nothing happens.
void FlushArpEntries(const sockaddr_in& address);

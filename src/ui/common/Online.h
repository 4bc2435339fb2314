#pragma once

namespace tolvex
{

// Whether the computer reports an internet connection: the system's network
// information backend when one loads (reachability Online), otherwise an
// interface that is up, running, not loopback and has an address.
bool isOnline();

} // namespace tolvex

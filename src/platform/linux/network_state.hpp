#pragma once

#include <string_view>

namespace quillo::linux_platform {

// Whether /proc/net/route (its text) lists a usable IPv4 default route: an
// entry with destination 00000000 whose flags say the route is up.
bool ipv4TableHasDefaultRoute(std::string_view routeTable);

// Whether /proc/net/ipv6_route (its text) lists a default route (::/0) on an
// interface other than the loopback.
bool ipv6TableHasDefaultRoute(std::string_view routeTable);

// Whether an interface other than the loopback is up and running and carries
// an IPv4 or IPv6 address.
bool hasActiveInterface();

// The network check of the program: an active non-loopback interface or a
// default route. Reads only local kernel state; sends nothing.
bool networkConnected();

}  // namespace quillo::linux_platform

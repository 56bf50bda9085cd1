#include "platform/linux/network_state.hpp"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

#include <charconv>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quillo::linux_platform {
namespace {

constexpr unsigned long kRouteUp = 0x0001;  // RTF_UP

std::vector<std::string> fields(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::string readWhole(const char* path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct IfaddrsDeleter {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

}  // namespace

bool ipv4TableHasDefaultRoute(std::string_view routeTable) {
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...; the first
    // line is the header.
    std::istringstream in{std::string(routeTable)};
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const std::vector<std::string> f = fields(line);
        if (f.size() < 4 || f[0] == "lo" || f[1] != "00000000") {
            continue;
        }
        unsigned long flags = 0;
        const auto [end, error] =
            std::from_chars(f[3].data(), f[3].data() + f[3].size(), flags, 16);
        if (error == std::errc{} && (flags & kRouteUp) != 0) {
            return true;
        }
    }
    return false;
}

bool ipv6TableHasDefaultRoute(std::string_view routeTable) {
    // dest dest_len src src_len next_hop metric refcnt use flags iface; no
    // header. The kernel lists unreachable ::/0 entries on "lo".
    std::istringstream in{std::string(routeTable)};
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = fields(line);
        if (f.size() < 10 || f[9] == "lo") {
            continue;
        }
        if (f[0] == std::string(32, '0') && f[1] == "00") {
            return true;
        }
    }
    return false;
}

bool hasActiveInterface() {
    ifaddrs* raw = nullptr;
    if (getifaddrs(&raw) != 0) {
        return false;
    }
    const std::unique_ptr<ifaddrs, IfaddrsDeleter> list(raw);
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr) {
            continue;
        }
        const int family = entry->ifa_addr->sa_family;
        const unsigned int flags = entry->ifa_flags;
        if ((family == AF_INET || family == AF_INET6) && (flags & IFF_LOOPBACK) == 0 &&
            (flags & IFF_UP) != 0 && (flags & IFF_RUNNING) != 0) {
            return true;
        }
    }
    return false;
}

bool networkConnected() {
    return hasActiveInterface() || ipv4TableHasDefaultRoute(readWhole("/proc/net/route")) ||
           ipv6TableHasDefaultRoute(readWhole("/proc/net/ipv6_route"));
}

}  // namespace quillo::linux_platform

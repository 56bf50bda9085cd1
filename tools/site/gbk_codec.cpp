#include "site/gbk_codec.hpp"

#include <iconv.h>

#include <cerrno>

#include <memory>
#include <type_traits>

namespace quillo::site {
namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t raw = iconv_open(to, from);
    if (raw == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    IconvHandle cd(raw);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    std::string out;
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> gbkToUtf8(std::string_view gbkBytes) {
    return convert("UTF-8", "GBK", gbkBytes);
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8);
}

}  // namespace quillo::site

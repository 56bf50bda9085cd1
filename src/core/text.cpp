#include "core/text.hpp"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace quillo {
namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

IconvHandle openConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "quillo: iconv cannot convert %s to %s\n", from, to);
        std::abort();
    }
    return IconvHandle(cd);
}

// Converts as far as possible. On an invalid or unconvertible input sequence
// it calls onBadInput(out) and skips `skip` input bytes, or returns false when
// onBadInput is null.
template <typename OnBad>
bool convert(iconv_t cd, std::string_view in, std::string& out, OnBad onBadInput) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc != static_cast<size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG) {
            continue;
        }
        // EILSEQ or EINVAL (truncated sequence at the end).
        if (!onBadInput(out)) {
            return false;
        }
        ++inPtr;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

}  // namespace

Text textFromBytes(std::string_view bytes) {
    return Text(bytes.substr(0, bytes.find('\0')));
}

Text gbk(std::string_view utf8) {
    IconvHandle cd = openConverter("GBK", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    if (!convert(cd.get(), utf8, out, [](std::string&) { return false; })) {
        std::fprintf(stderr, "quillo: literal is not representable in GBK: %.*s\n",
                     static_cast<int>(utf8.size()), utf8.data());
        std::abort();
    }
    return textFromBytes(out);
}

std::string utf8FromGbk(std::string_view gbkText) {
    std::string_view text = gbkText.substr(0, gbkText.find('\0'));
    IconvHandle cd = openConverter("UTF-8", "GBK");
    std::string out;
    out.reserve(text.size() * 3 / 2);
    convert(cd.get(), text, out, [](std::string& o) {
        o += "\xEF\xBF\xBD";
        return true;
    });
    return out;
}

}  // namespace quillo

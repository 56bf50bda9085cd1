#include "ui/model/picture.hpp"

#include <fstream>
#include <iterator>
#include <utility>

namespace quillo::ui {

Picture readPicture(const std::filesystem::path& file) {
    Picture picture{file, nullptr};
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return picture;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return picture;
    }
    picture.bytes = std::make_shared<const std::string>(std::move(bytes));
    return picture;
}

}  // namespace quillo::ui

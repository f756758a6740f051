// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>

class QPixmap;

namespace tarvo::platform {

// A loaded picture; the empty picture shows nothing.
class Picture {
public:
    Picture() = default;
    Picture(std::shared_ptr<const QPixmap> pixmap, std::string source);

    bool isEmpty() const { return pixmap_ == nullptr; }
    const std::string& source() const { return source_; }  // the file it came from
    const QPixmap* pixmap() const { return pixmap_.get(); }

private:
    std::shared_ptr<const QPixmap> pixmap_;
    std::string source_;
};

// Loads a picture file by full path, written with either separator; a file that cannot be
// read as a picture is a run-time error naming it.
Picture loadPicture(std::string_view path);

}  // namespace tarvo::platform

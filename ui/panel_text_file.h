#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// The most file bytes the panel takes; a larger file is refused before it is read.
inline constexpr std::size_t PanelFileCapacity = std::size_t{16} * 1024 * 1024;

// A panel file that cannot be opened or read. The message, in UTF-8, is
// `Cannot open file "<full path>". <the system's reason>`.
class FileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A panel file larger than the panel can hold.
class TextCapacityError : public std::runtime_error {
public:
    TextCapacityError() : std::runtime_error("Text exceeds memo capacity") {}
};

// Reads the whole panel file `name` (relative to the working directory) as raw bytes. Only
// regular files are read: a folder, FIFO, socket or device is refused without blocking.
// Throws FileOpenError or TextCapacityError; the file is closed in every case.
std::string ReadPanelTextFile(const std::string& name);

// The system's description of an error as the message shows it: trailing white space, control
// characters and full stops removed.
std::string TrimSystemMessage(std::string_view text);

}  // namespace ui

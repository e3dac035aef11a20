#include "ui/panel_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace ui {
namespace {

// Closes the descriptor however the read ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string FullPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(name, error);
    return error ? name : path.string();
}

FileOpenError OpenError(const std::string& name, int errorNumber) {
    char buffer[256];
    // The GNU strerror_r, which returns the text in the user's language.
    const char* reason = ::strerror_r(errorNumber, buffer, sizeof buffer);
    return FileOpenError("Cannot open file \"" + FullPath(name) + "\". " +
                         TrimSystemMessage(reason));
}

// A folder says so; any other file that is not a regular file (FIFO, socket, device) is refused
// the way the system refuses opening a socket.
void RequireRegularFile(const std::string& name, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) throw OpenError(name, EISDIR);
    if (!S_ISREG(info.st_mode)) throw OpenError(name, ENXIO);
}

void RequireCapacity(std::size_t size) {
    if (size > PanelFileCapacity) throw TextCapacityError();
}

}  // namespace

std::string ReadPanelTextFile(const std::string& name) {
    // Look before opening: opening a device or a FIFO can block or have side effects.
    struct stat info;
    if (::stat(name.c_str(), &info) != 0) throw OpenError(name, errno);
    RequireRegularFile(name, info);

    const FileDescriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) throw OpenError(name, errno);
    // The name may have been replaced between the look and the open.
    if (::fstat(file.get(), &info) != 0) throw OpenError(name, errno);
    RequireRegularFile(name, info);
    RequireCapacity(static_cast<std::size_t>(info.st_size));

    // The file may still grow while it is read: stop one byte past the capacity.
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t length = 0;
    for (;;) {
        if (length == bytes.size()) {
            RequireCapacity(length);
            bytes.resize(std::min(bytes.size() * 2, PanelFileCapacity + 1));
        }
        const ssize_t count = ::read(file.get(), bytes.data() + length, bytes.size() - length);
        if (count < 0) {
            if (errno == EINTR) continue;
            throw OpenError(name, errno);
        }
        if (count == 0) break;
        length += static_cast<std::size_t>(count);
    }
    RequireCapacity(length);
    bytes.resize(length);
    return bytes;
}

std::string TrimSystemMessage(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        const auto c = static_cast<unsigned char>(text[end - 1]);
        if (c > ' ' && c != '.' && c != 0x7F) break;
        --end;
    }
    return std::string(text.substr(0, end));
}

}  // namespace ui

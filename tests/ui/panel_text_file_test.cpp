#include "ui/panel_text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using ui::PanelFileCapacity;
using ui::ReadPanelTextFile;

// Runs each test in a fresh working directory, since the panel reads bare names.
class PanelTextFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "panel-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    static void MakeSizedFile(const std::string& name, std::size_t size) {
        Write(name, "");
        fs::resize_file(name, size);
    }

    // The message the reader must give for `name` in this folder and the system's reason.
    std::string OpenMessage(const std::string& name, const std::string& reason) const {
        return "Cannot open file \"" + (folder_ / name).string() + "\". " + reason;
    }

    static int OpenDescriptorCount() {
        return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
    }

    fs::path folder_;
    fs::path previous_;
};

std::string MessageOf(const std::string& name) {
    try {
        ReadPanelTextFile(name);
    } catch (const ui::FileOpenError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST_F(PanelTextFileTest, ReadsEveryByte) {
    const std::string bytes("\xEF\xBB\xBFline\r\n\0tail\xFF", 13);
    Write("SHM.txt", bytes);
    EXPECT_EQ(ReadPanelTextFile("SHM.txt"), bytes);
}

TEST_F(PanelTextFileTest, ReadsEmptyFile) {
    Write("empty.txt", "");
    EXPECT_EQ(ReadPanelTextFile("empty.txt"), "");
}

// The C locale of the test gives the system's English wording, without its full stop.
TEST_F(PanelTextFileTest, MissingFileNamesFullPathAndReason) {
    EXPECT_EQ(MessageOf("uvod.txt"), OpenMessage("uvod.txt", "No such file or directory"));
}

TEST_F(PanelTextFileTest, RefusesWhatIsNotARegularFile) {
    fs::create_directory("folder.txt");
    ASSERT_EQ(::mkfifo("fifo.txt", 0600), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, "socket.txt");
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_symlink("/dev/zero", "device.txt");

    EXPECT_EQ(MessageOf("folder.txt"), OpenMessage("folder.txt", "Is a directory"));
    // A FIFO without a writer would block a plain open for ever.
    EXPECT_EQ(MessageOf("fifo.txt"), OpenMessage("fifo.txt", "No such device or address"));
    EXPECT_EQ(MessageOf("socket.txt"), OpenMessage("socket.txt", "No such device or address"));
    EXPECT_EQ(MessageOf("device.txt"), OpenMessage("device.txt", "No such device or address"));
    ::close(listener);
}

TEST_F(PanelTextFileTest, FifoWithSilentWriterDoesNotBlock) {
    ASSERT_EQ(::mkfifo("fifo.txt", 0600), 0);
    const int reader = ::open("fifo.txt", O_RDONLY | O_NONBLOCK);
    const int writer = ::open("fifo.txt", O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    EXPECT_EQ(MessageOf("fifo.txt"), OpenMessage("fifo.txt", "No such device or address"));
    ::close(writer);
    ::close(reader);
}

TEST_F(PanelTextFileTest, TakesFileOfExactlyTheCapacity) {
    MakeSizedFile("full.txt", PanelFileCapacity);
    EXPECT_EQ(ReadPanelTextFile("full.txt").size(), PanelFileCapacity);
}

TEST_F(PanelTextFileTest, RefusesFileOverTheCapacity) {
    MakeSizedFile("huge.txt", PanelFileCapacity + 1);
    try {
        ReadPanelTextFile("huge.txt");
        FAIL() << "read a file over the capacity";
    } catch (const ui::TextCapacityError& error) {
        EXPECT_STREQ(error.what(), "Text exceeds memo capacity");
    }
}

TEST_F(PanelTextFileTest, ClosesTheFileWhateverTheOutcome) {
    MakeSizedFile("huge.txt", PanelFileCapacity + 1);
    Write("small.txt", "abc");
    const int before = OpenDescriptorCount();
    for (int i = 0; i < 3; ++i) {
        EXPECT_THROW(ReadPanelTextFile("huge.txt"), ui::TextCapacityError);
        EXPECT_EQ(ReadPanelTextFile("small.txt"), "abc");
    }
    EXPECT_EQ(OpenDescriptorCount(), before);
}

TEST(TrimSystemMessage, RemovesTrailingBlanksControlsAndFullStops) {
    EXPECT_EQ(ui::TrimSystemMessage("Permission denied"), "Permission denied");
    EXPECT_EQ(ui::TrimSystemMessage("Přístup odepřen. \r\n"), "Přístup odepřen");
    EXPECT_EQ(ui::TrimSystemMessage("Done...\t. \x7F"), "Done");
    EXPECT_EQ(ui::TrimSystemMessage("v1.2 failed"), "v1.2 failed");
    EXPECT_EQ(ui::TrimSystemMessage(". \n"), "");
}

}  // namespace

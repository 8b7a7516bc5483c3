// JPEG pictures whose header asks for more than the decoder can hold.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/Jpeg.h"
#include "tests/support/TempFiles.h"

extern char** environ;

namespace {

// A small real picture whose frame header claims another size: the header
// is all the decoder reads before it sets up the frame.
std::string PictureClaiming(unsigned width, unsigned height) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    std::string octets = EncodeJpeg(picture);
    const size_t frame = octets.find("\xFF\xC0");  // baseline frame: length, precision, height, width
    EXPECT_NE(frame, std::string::npos);
    octets[frame + 5] = static_cast<char>(height >> 8);
    octets[frame + 6] = static_cast<char>(height & 0xFF);
    octets[frame + 7] = static_cast<char>(width >> 8);
    octets[frame + 8] = static_cast<char>(width & 0xFF);
    return octets;
}

std::string DecodeFailure(const std::string& octets) {
    try {
        DecodeJpeg(octets, "panel");
    } catch (const Exception& e) {
        return e.Message();
    }
    return "decoded";
}

TEST(Jpeg, APictureLargerThanTheDecoderHoldsIsRefusedBeforeItsFrameIsMade) {
    EXPECT_EQ(DecodeFailure(PictureClaiming(65500, 65500)),
              "Cannot decode the JPEG panel: 65500 x 65500 pixels, more than the 16777216 a picture may have");
    EXPECT_EQ(DecodeFailure(PictureClaiming(4097, 4096)),
              "Cannot decode the JPEG panel: 4097 x 4096 pixels, more than the 16777216 a picture may have");
}

#if defined(__SANITIZE_ADDRESS__)
#define KX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KX_ADDRESS_SANITIZER 1
#endif
#endif

// The frame of a picture within the limit may still find no memory. The
// sanitizer's allocator is made to refuse it, in a process of its own: this
// test run again with KX_JPEG_NO_MEMORY naming a whole picture, where the
// decoding must end in an Exception rather than write through the missing
// frame.
TEST(Jpeg, AFrameThatFindsNoMemoryIsRefused) {
    if (const char* file = std::getenv("KX_JPEG_NO_MEMORY")) {
        std::ifstream in(file, std::ios::binary);
        const std::string octets{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(DecodeFailure(octets), "Cannot decode the JPEG panel: no memory for a frame of 2048 x 2048 pixels");
        return;
    }
#ifndef KX_ADDRESS_SANITIZER
    GTEST_SKIP() << "only the sanitizer's allocator can be made to refuse the frame";
#else
    QImage large(2048, 2048, QImage::Format_RGB32);  // a 16 MB frame
    large.fill(Qt::gray);
    const TempFile picture(EncodeJpeg(large), ".jpg");
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("ASAN_OPTIONS=", 0) != 0) environment.emplace_back(*e);
    const char* options = std::getenv("ASAN_OPTIONS");
    environment.push_back(std::string("ASAN_OPTIONS=") + (options ? options : "") +
                          ":allocator_may_return_null=1:max_allocation_size_mb=8");
    environment.push_back("KX_JPEG_NO_MEMORY=" + picture.Path());
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe", filter = "--gtest_filter=Jpeg.AFrameThatFindsNoMemoryIsRefused";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the decoding ended the process by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

}  // namespace

// The inspector as a command on damaged files: a message on stderr and exit
// status 1, never a crash (the sanitized build aborts with another status).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "built_modules.h"

namespace torvik::test {
namespace {

namespace fs = std::filesystem;

std::vector<char> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Damage {
    const char* name;
    std::vector<char> (*apply)(std::vector<char>);
};

void put32(std::vector<char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}
std::size_t rsrc_of(const std::vector<char>& b) {
    pe::PeImage img = pe::PeImage::parse({b.begin(), b.end()});
    for (const pe::Section& s : img.sections())
        if (s.name == ".rsrc") return s.raw_offset;
    return 0;
}

const Damage kDamages[] = {
    {"truncated", [](std::vector<char> b) { b.resize(b.size() / 2); return b; }},
    {"cycle", [](std::vector<char> b) { put32(b, rsrc_of(b) + 20, 0x80000000u); return b; }},
    {"huge-count", [](std::vector<char> b) { put32(b, rsrc_of(b) + 12, 0xffffffffu); return b; }},
    {"offset-past-end", [](std::vector<char> b) { put32(b, rsrc_of(b) + 20, 0x7ffffff0u); return b; }},
    {"no-pe-header", [](std::vector<char> b) { put32(b, 0x3c, 0x7ffffff0u); return b; }},
};

TEST(InspectorOnDamagedFiles, ReportsAnErrorAndNeverCrashes) {
    std::vector<char> module = file_bytes(TORVIK_MODULE_I686);
    ASSERT_FALSE(module.empty());
    fs::path dir = fs::temp_directory_path() / "torvik-damaged";
    fs::create_directories(dir);
    for (const Damage& d : kDamages)
        for (const char* command : {"strings", "dialogs", "bitmaps", "version", "exports", "headers", "resources", "check"}) {
            fs::path file = dir / (std::string(d.name) + ".dll");
            std::vector<char> damaged = d.apply(module);
            std::ofstream(file, std::ios::binary).write(damaged.data(), static_cast<std::streamsize>(damaged.size()));
            std::string cmd = std::string(TORVIK_INSPECT_SANITIZED) + " " + command + " " + file.string() + " >/dev/null 2>" +
                              (dir / "stderr.txt").string();
            int status = std::system(cmd.c_str());
            std::ifstream err(dir / "stderr.txt");
            std::string message{std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()};
            ASSERT_TRUE(WIFEXITED(status)) << d.name << " " << command;
            int code = WEXITSTATUS(status);
            // "version" and friends may find nothing they need and say so; all must end 0 or 1 with words, not a report.
            EXPECT_TRUE(code == 0 || code == 1) << d.name << " " << command << " exited " << code << ": " << message;
            EXPECT_EQ(message.find("Sanitizer"), std::string::npos) << d.name << " " << command << ": " << message;
            if (code == 1) EXPECT_NE(message.find("torvik-inspect: "), std::string::npos) << d.name << " " << command;
        }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace torvik::test

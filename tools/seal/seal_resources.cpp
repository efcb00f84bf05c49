// torvik-seal-resources FILE: marks a linked module's resource section
// read-only. The GNU toolchain always links .rsrc writable; the platform's
// loader then maps the texts that LoadString hands out by pointer as
// writable memory. Only the section's access flags change.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "pe_image.h"

namespace pe = torvik::pe;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvik-seal-resources FILE\n");
        return 2;
    }
    const char* path = argv[1];
    try {
        std::vector<std::uint8_t> bytes;
        {
            std::ifstream in(path, std::ios::binary);
            if (!in) throw pe::PeError("cannot open the file");
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        pe::PeImage img = pe::PeImage::parse(bytes);
        const pe::Section* rsrc = nullptr;
        for (const pe::Section& s : img.sections())
            if (s.name == ".rsrc") rsrc = &s;
        if (!rsrc) throw pe::PeError("no .rsrc section");
        if (rsrc->executable()) throw pe::PeError(".rsrc is executable");
        std::uint32_t flags = rsrc->characteristics & ~pe::kSectionWrite;
        for (int i = 0; i < 4; ++i) bytes[rsrc->header_offset + 36 + i] = static_cast<std::uint8_t>(flags >> (8 * i));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw pe::PeError("cannot write the file");
        return 0;
    } catch (const pe::PeError& e) {
        std::fprintf(stderr, "torvik-seal-resources: %s: %s\n", path, e.what());
        return 1;
    }
}

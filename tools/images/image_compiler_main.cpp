// torvik-imgc --size WxH SOURCE OUTPUT.bmp: compiles an image source.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "image_source.h"

int main(int argc, char** argv) {
    if (argc != 5 || std::string(argv[1]) != "--size") {
        std::fprintf(stderr, "usage: torvik-imgc --size WIDTHxHEIGHT SOURCE OUTPUT.bmp\n");
        return 2;
    }
    unsigned width = 0, height = 0;
    if (std::sscanf(argv[2], "%ux%u", &width, &height) != 2 || !width || !height || width > 4096 || height > 4096) {
        std::fprintf(stderr, "torvik-imgc: bad size \"%s\"\n", argv[2]);
        return 2;
    }
    const std::string source = argv[3], output = argv[4];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "torvik-imgc: %s: cannot open the file\n", source.c_str());
        return 1;
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        std::vector<std::uint8_t> bmp = torvik::images::encode_bmp(torvik::images::parse_source(text, source, width, height));
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
        if (!out) {
            std::fprintf(stderr, "torvik-imgc: %s: cannot write the file\n", output.c_str());
            return 1;
        }
    } catch (const torvik::images::SourceError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

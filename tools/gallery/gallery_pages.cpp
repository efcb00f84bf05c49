// torvik-gallery-pages SHOTS_DIR BITMAPS_DIR OUT_DIR: turns the gallery's
// screen copies (SHOTS_DIR/manifest.txt and its .bmp files) into PNG files and
// writes OUT_DIR/index.html with every dialog beside its identifier and
// caption, followed by the enlarged bitmaps of BITMAPS_DIR.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "bitmap.h"
#include "png_writer.h"

namespace fs = std::filesystem;
namespace pe = torvik::pe;

namespace {

struct Shot {
    int id = 0;
    std::string caption, file;
};

std::string html(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

std::vector<std::uint8_t> read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: torvik-gallery-pages SHOTS_DIR BITMAPS_DIR OUT_DIR\n");
        return 2;
    }
    fs::path shots = argv[1], bitmaps = argv[2], out = argv[3];
    std::ifstream manifest(shots / "manifest.txt");
    if (!manifest) {
        std::fprintf(stderr, "torvik-gallery-pages: %s: no manifest\n", (shots / "manifest.txt").c_str());
        return 1;
    }
    std::vector<Shot> list;
    std::string line;
    while (std::getline(manifest, line)) {
        while (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        Shot s;
        std::string id;
        std::getline(fields, id, '\t');
        std::getline(fields, s.caption, '\t');
        std::getline(fields, s.file, '\t');
        if (id.empty()) continue;
        s.id = std::stoi(id);
        list.push_back(s);
    }
    std::sort(list.begin(), list.end(), [](const Shot& a, const Shot& b) { return a.id < b.id; });
    fs::create_directories(out / "dialogs");
    int status = 0;
    std::string body;
    for (const Shot& s : list) {
        body += "<figure><figcaption><b>" + std::to_string(s.id) + "</b> " + html(s.caption) + "</figcaption>";
        if (s.file.empty()) {
            body += "<p class=\"missing\">not created</p></figure>\n";
            status = 1;
            continue;
        }
        std::string png = "dialogs/" + std::to_string(s.id) + ".png";
        try {
            std::vector<std::uint8_t> bytes = read(shots / s.file);
            pe::BmpFile bmp = pe::decode_bmp_file(pe::ByteView(bytes));
            torvik::inspect::write_png((out / png).string(), static_cast<unsigned>(bmp.dib.width), bmp.dib.rows(), bmp.dib.pixels);
            body += "<img src=\"" + png + "\" alt=\"dialog " + std::to_string(s.id) + "\"></figure>\n";
        } catch (const std::exception& e) {
            std::fprintf(stderr, "torvik-gallery-pages: %s: %s\n", (shots / s.file).c_str(), e.what());
            body += "<p class=\"missing\">capture unreadable</p></figure>\n";
            status = 1;
        }
    }
    std::string images;
    if (fs::exists(bitmaps)) {
        std::vector<fs::path> pngs;
        for (const auto& e : fs::directory_iterator(bitmaps))
            if (e.path().extension() == ".png") pngs.push_back(e.path());
        std::sort(pngs.begin(), pngs.end());
        for (const fs::path& p : pngs) {
            std::string rel = fs::relative(p, out).string();
            images += "<figure><figcaption>" + html(p.stem().string()) + "</figcaption><img src=\"" + html(rel) + "\"></figure>\n";
        }
    }
    std::ofstream index(out / "index.html");
    index << "<!doctype html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>TORVIK gallery</title>\n"
             "<style>body{font-family:sans-serif;background:#eee}figure{display:inline-block;vertical-align:top;"
             "margin:8px;padding:8px;background:#fff}img{image-rendering:pixelated}.missing{color:#b00}</style>\n"
             "</head><body>\n<h1>TORVIK.dll: dialogs</h1>\n<p>"
          << list.size() << " dialog templates, each created by the dialog manager under Wine and copied from the screen.</p>\n"
          << body << "<h1>Bitmaps, enlarged eight times</h1>\n" << images << "</body></html>\n";
    std::printf("torvik-gallery-pages: %zu dialogs -> %s\n", list.size(), (out / "index.html").c_str());
    return status;
}

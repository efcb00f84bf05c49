// torvik-gallery-pages SHOTS_DIR BITMAPS_DIR OUT_DIR [ROAD_DIR]: turns the
// gallery's screen copies (SHOTS_DIR/manifest.txt and its .bmp files) into PNG
// files and writes OUT_DIR/index.html with every dialog beside its identifier
// and caption, the demo host's road through one procedure (ROAD_DIR: its
// transcript and screen copies), and the enlarged bitmaps of BITMAPS_DIR.
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
    std::string id;
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

// The lines of a manifest: "id<TAB>caption<TAB>file"; an empty file marks a dialog not created.
std::vector<Shot> read_manifest(const fs::path& path) {
    std::ifstream manifest(path);
    if (!manifest) throw std::runtime_error(path.string() + ": no manifest");
    std::vector<Shot> list;
    std::string line;
    while (std::getline(manifest, line)) {
        while (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        Shot s;
        std::getline(fields, s.id, '\t');
        std::getline(fields, s.caption, '\t');
        std::getline(fields, s.file, '\t');
        if (!s.id.empty()) list.push_back(s);
    }
    return list;
}

// Figures for the shots of one manifest, their PNG files written to out/folder.
std::string figures(const std::vector<Shot>& list, const fs::path& shots, const fs::path& out, const std::string& folder,
                    int& status) {
    fs::create_directories(out / folder);
    std::string body;
    for (const Shot& s : list) {
        body += "<figure><figcaption><b>" + html(s.id) + "</b> " + html(s.caption) + "</figcaption>";
        if (s.file.empty()) {
            body += "<p class=\"missing\">not created</p></figure>\n";
            status = 1;
            continue;
        }
        std::string png = folder + "/" + s.id + ".png";
        try {
            std::vector<std::uint8_t> bytes = read(shots / s.file);
            pe::BmpFile bmp = pe::decode_bmp_file(pe::ByteView(bytes));
            torvik::inspect::write_png((out / png).string(), static_cast<unsigned>(bmp.dib.width), bmp.dib.rows(), bmp.dib.pixels);
            body += "<img src=\"" + png + "\" alt=\"" + html(s.id) + "\"></figure>\n";
        } catch (const std::exception& e) {
            std::fprintf(stderr, "torvik-gallery-pages: %s: %s\n", (shots / s.file).c_str(), e.what());
            body += "<p class=\"missing\">capture unreadable</p></figure>\n";
            status = 1;
        }
    }
    return body;
}

int run(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: torvik-gallery-pages SHOTS_DIR BITMAPS_DIR OUT_DIR [ROAD_DIR]\n");
        return 2;
    }
    fs::path shots = argv[1], bitmaps = argv[2], out = argv[3];
    std::vector<Shot> list = read_manifest(shots / "manifest.txt");
    std::sort(list.begin(), list.end(), [](const Shot& a, const Shot& b) { return std::stoi(a.id) < std::stoi(b.id); });
    int status = 0;
    std::string body = figures(list, shots, out, "dialogs", status);
    std::string road;
    if (argc == 5) {
        fs::path road_dir = argv[4];
        std::vector<char> transcript = [&] {
            std::ifstream in(road_dir / "transcript.txt", std::ios::binary);
            return std::vector<char>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }();
        road = "<h1>The road of Nonlinear Regression, walked by the demo host</h1>\n" +
               figures(read_manifest(road_dir / "manifest.txt"), road_dir, out, "road", status) + "<pre>" +
               html(std::string(transcript.begin(), transcript.end())) + "</pre>\n";
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
          << body << road << "<h1>Bitmaps, enlarged eight times</h1>\n" << images << "</body></html>\n";
    std::printf("torvik-gallery-pages: %zu dialogs -> %s\n", list.size(), (out / "index.html").c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "torvik-gallery-pages: %s\n", e.what());
        return 1;
    }
}

// torvik-inspect: prints what a built module holds, as text or JSON, and
// checks its text catalogue.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bitmap.h"
#include "catalogue_plan.h"
#include "catalogue_rules.h"
#include "dialog_template.h"
#include "json.h"
#include "pe_image.h"
#include "png_writer.h"
#include "string_table.h"
#include "text.h"
#include "version_info.h"

namespace pe = torvik::pe;
namespace plan = torvik::plan;
using torvik::inspect::Json;

namespace {

const char* kUsage = R"(usage: torvik-inspect [--json] COMMAND FILE [OPTIONS]

Commands:
  strings FILE [--id N | --range FIRST-LAST | --family NAME]
                       the texts, escaped (\n, \r, \t, \", \\, \uXXXX)
  dialogs FILE [ID]    every dialog template or one, a line per control
  bitmaps FILE [--png DIR] [--scale N]
                       the bitmaps; --png writes each enlarged (default 8x)
  version FILE         the version record
  exports FILE         the export directory
  headers FILE         format, machine, DllCharacteristics, sections, imports
  resources FILE       every resource: type, name, language, size in bytes
  check FILE...        the catalogue rules; lists every broken rule, exit 1
  families             the families of the identifier plan

Options:
  --json               machine-readable output on stdout
  --help               this text

Exit status: 0 success, 1 a bad file or a broken rule, 2 a usage error.
)";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Args {
    bool json = false;
    std::string command;
    std::vector<std::string> positional;
    std::optional<std::string> id, range, family, png_dir, scale;
};

Args parse_args(int argc, char** argv) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        std::string s = argv[i];
        auto value = [&](std::optional<std::string>& slot) {
            if (i + 1 >= argc) throw UsageError(s + " needs a value");
            slot = argv[++i];
        };
        if (s == "--help" || s == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (s == "--json") a.json = true;
        else if (s == "--id") value(a.id);
        else if (s == "--range") value(a.range);
        else if (s == "--family") value(a.family);
        else if (s == "--png") value(a.png_dir);
        else if (s == "--scale") value(a.scale);
        else if (s.size() > 1 && s[0] == '-') throw UsageError("unknown option " + s);
        else if (a.command.empty()) a.command = s;
        else a.positional.push_back(s);
    }
    if (a.command.empty()) throw UsageError("no command given");
    return a;
}

unsigned long number(const std::string& s, unsigned long max, const char* what) {
    char* end = nullptr;
    unsigned long n = std::strtoul(s.c_str(), &end, 0);
    if (s.empty() || *end || n > max) throw UsageError(std::string(what) + " \"" + s + "\" is not a number up to " + std::to_string(max));
    return n;
}

std::string hex(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

const std::string& only_file(const Args& a) {
    if (a.positional.empty()) throw UsageError(a.command + " needs a FILE");
    return a.positional[0];
}

void emit(const Args& a, const Json& j, const std::string& text) {
    if (a.json) std::cout << j.dump() << "\n";
    else std::cout << text;
}

int cmd_strings(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    std::uint32_t first = 0, last = 0xffff;
    if (a.id) first = last = static_cast<std::uint32_t>(number(*a.id, 0xffff, "--id"));
    if (a.range) {
        auto dash = a.range->find('-');
        if (dash == std::string::npos) throw UsageError("--range wants FIRST-LAST");
        first = static_cast<std::uint32_t>(number(a.range->substr(0, dash), 0xffff, "--range"));
        last = static_cast<std::uint32_t>(number(a.range->substr(dash + 1), 0xffff, "--range"));
    }
    if (a.family) {
        const plan::Family* f = nullptr;
        for (const plan::Family& x : plan::families)
            if (*a.family == x.name) f = &x;
        if (!f) throw UsageError("no family \"" + *a.family + "\" (see: torvik-inspect families)");
        first = f->first;
        last = f->last;
    }
    Json arr = Json::array();
    std::string text;
    for (const pe::CatalogueText& t : pe::all_strings(img)) {
        if (t.id < first || t.id > last) continue;
        std::string esc = pe::escape(t.text);
        arr.push(Json::object().set("id", t.id).set("language", t.language).set("length", static_cast<unsigned>(t.text.size())).set("text", esc));
        char buf[32];
        std::snprintf(buf, sizeof buf, "%5u ", t.id);
        text += buf + ("\"" + esc + "\"\n");
    }
    emit(a, arr, text);
    return 0;
}

Json key_json(const pe::ResourceKey& k) { return k.id ? Json(static_cast<unsigned>(*k.id)) : Json(pe::escape(k.name)); }

int cmd_dialogs(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    std::optional<std::uint16_t> only;
    if (a.positional.size() > 1) only = static_cast<std::uint16_t>(number(a.positional[1], 0xffff, "dialog ID"));
    Json arr = Json::array();
    std::string text;
    bool found = false;
    for (const pe::ResourceLeaf& leaf : img.resources()) {
        if (leaf.type != pe::ResourceKey::number(pe::kRtDialog)) continue;
        if (only && leaf.name != pe::ResourceKey::number(*only)) continue;
        found = true;
        pe::DialogTemplate d = pe::decode_dialog(img.resource_data(leaf));
        Json items = Json::array();
        text += "dialog " + leaf.name.to_string() + " \"" + pe::escape(d.title) + "\" style " + hex(d.style) + " ex " +
                hex(d.ex_style) + " at " + std::to_string(d.x) + "," + std::to_string(d.y) + " size " +
                std::to_string(d.cx) + "x" + std::to_string(d.cy);
        if (d.font) text += " font " + std::to_string(d.font->point_size) + " \"" + pe::escape(d.font->typeface) + "\"";
        text += " controls " + std::to_string(d.items.size()) + "\n";
        for (const pe::DialogItem& it : d.items) {
            std::string title = it.title.id ? "#" + std::to_string(*it.title.id) : "\"" + pe::escape(it.title.name) + "\"";
            text += "  " + pe::class_name(it.window_class) + " " + std::to_string(it.id) + " " + title + " style " +
                    hex(it.style) + " ex " + hex(it.ex_style) + " rect " + std::to_string(it.x) + "," +
                    std::to_string(it.y) + "," + std::to_string(it.cx) + "," + std::to_string(it.cy);
            if (!it.creation_data.empty()) text += " data " + std::to_string(it.creation_data.size()) + " bytes";
            text += "\n";
            items.push(Json::object()
                           .set("class", pe::class_name(it.window_class))
                           .set("class_atom", it.window_class.id ? Json(static_cast<unsigned>(*it.window_class.id)) : Json())
                           .set("id", static_cast<unsigned>(it.id))
                           .set("title", key_json(it.title))
                           .set("style", static_cast<std::int64_t>(it.style))
                           .set("ex_style", static_cast<std::int64_t>(it.ex_style))
                           .set("rect", Json(Json::Array{it.x, it.y, it.cx, it.cy}))
                           .set("creation_data_bytes", static_cast<unsigned>(it.creation_data.size())));
        }
        Json dj = Json::object()
                      .set("id", key_json(leaf.name))
                      .set("language", static_cast<unsigned>(leaf.language))
                      .set("title", pe::escape(d.title))
                      .set("style", static_cast<std::int64_t>(d.style))
                      .set("ex_style", static_cast<std::int64_t>(d.ex_style))
                      .set("rect", Json(Json::Array{d.x, d.y, d.cx, d.cy}))
                      .set("menu", key_json(d.menu))
                      .set("class", key_json(d.window_class));
        if (d.font) dj.set("font", Json::object().set("points", static_cast<unsigned>(d.font->point_size)).set("typeface", pe::escape(d.font->typeface)));
        arr.push(dj.set("controls", items));
    }
    if (only && !found) throw pe::PeError("no dialog " + std::to_string(*only));
    emit(a, arr, text);
    return 0;
}

int cmd_bitmaps(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    unsigned scale = a.scale ? static_cast<unsigned>(number(*a.scale, 64, "--scale")) : 8;
    if (scale == 0) throw UsageError("--scale must be at least 1");
    if (a.png_dir) std::filesystem::create_directories(*a.png_dir);
    Json arr = Json::array();
    std::string text;
    for (const pe::ResourceLeaf& leaf : img.resources()) {
        if (leaf.type != pe::ResourceKey::number(pe::kRtBitmap)) continue;
        pe::Dib d = pe::decode_dib(img.resource_data(leaf));
        std::string name = leaf.name.id ? std::to_string(*leaf.name.id) : pe::escape(leaf.name.name);
        Json j = Json::object()
                     .set("name", key_json(leaf.name))
                     .set("bytes", static_cast<unsigned>(leaf.size))
                     .set("width", d.width)
                     .set("height", d.height)
                     .set("bit_count", static_cast<unsigned>(d.bit_count))
                     .set("compression", static_cast<unsigned>(d.compression))
                     .set("image_size", static_cast<unsigned>(d.image_size))
                     .set("colors_used", static_cast<unsigned>(d.colors_used))
                     .set("palette_entries", static_cast<unsigned>(d.palette.size()));
        text += "bitmap " + leaf.name.to_string() + " " + std::to_string(d.width) + "x" + std::to_string(d.height) + " " +
                std::to_string(d.bit_count) + " bpp, " + std::to_string(d.palette.size()) + " colours, " +
                std::to_string(leaf.size) + " bytes";
        if (a.png_dir) {
            // A name such as "PAREN(U" is fine in a file name; only "/" would not be.
            std::string file = *a.png_dir + "/" + (name.find('/') == std::string::npos ? name : "bitmap") + ".png";
            torvik::inspect::write_png(file, static_cast<unsigned>(d.width) * scale, d.rows() * scale, torvik::inspect::enlarge(d, scale));
            j.set("png", file);
            text += " -> " + file;
        }
        text += "\n";
        arr.push(j);
    }
    emit(a, arr, text);
    return 0;
}

int cmd_version(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    const pe::ResourceLeaf* leaf = nullptr;
    for (const pe::ResourceLeaf& r : img.resources())
        if (r.type == pe::ResourceKey::number(pe::kRtVersion)) leaf = &r;
    if (!leaf) throw pe::PeError("no version record");
    pe::VersionInfo v = pe::decode_version(img.resource_data(*leaf));
    const pe::FixedFileInfo& f = v.fixed;
    std::string text = "version record " + leaf->name.to_string() + " language " + std::to_string(leaf->language) + "\n";
    text += "  file version     " + pe::version_string(f.file_version_ms, f.file_version_ls) + "\n";
    text += "  product version  " + pe::version_string(f.product_version_ms, f.product_version_ls) + "\n";
    text += "  flags mask " + hex(f.flags_mask) + "  flags " + hex(f.flags) + "  os " + hex(f.os) + "  type " +
            std::to_string(f.type) + "  subtype " + std::to_string(f.subtype) + "  date " + hex(f.date_ms) + hex(f.date_ls).substr(2) + "\n";
    Json tables = Json::array();
    for (const pe::VersionStringTable& t : v.string_tables) {
        text += "  string table \"" + pe::escape(t.key) + "\"\n";
        Json values = Json::array();
        for (const auto& [k, val] : t.values) {
            text += "    " + pe::escape(k) + " = \"" + pe::escape(val) + "\"\n";
            values.push(Json(Json::Array{pe::escape(k), pe::escape(val)}));
        }
        tables.push(Json::object().set("key", pe::escape(t.key)).set("values", values));
    }
    Json translations = Json::array();
    for (const auto& [lang, cp] : v.translations) {
        text += "  translation language " + hex(lang) + " code page " + std::to_string(cp) + "\n";
        translations.push(Json(Json::Array{static_cast<unsigned>(lang), static_cast<unsigned>(cp)}));
    }
    Json j = Json::object()
                 .set("resource", key_json(leaf->name))
                 .set("language", static_cast<unsigned>(leaf->language))
                 .set("file_version", pe::version_string(f.file_version_ms, f.file_version_ls))
                 .set("product_version", pe::version_string(f.product_version_ms, f.product_version_ls))
                 .set("flags_mask", static_cast<std::int64_t>(f.flags_mask))
                 .set("flags", static_cast<std::int64_t>(f.flags))
                 .set("os", static_cast<std::int64_t>(f.os))
                 .set("type", static_cast<std::int64_t>(f.type))
                 .set("subtype", static_cast<std::int64_t>(f.subtype))
                 .set("date", static_cast<std::int64_t>((std::uint64_t{f.date_ms} << 32) | f.date_ls))
                 .set("string_tables", tables)
                 .set("translations", translations);
    emit(a, j, text);
    return 0;
}

int cmd_exports(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    pe::Exports ex = img.exports();
    std::string text = "module \"" + ex.dll_name + "\" ordinal base " + std::to_string(ex.ordinal_base) + " functions " +
                       std::to_string(ex.functions.size()) + "\n";
    Json funcs = Json::array();
    for (const pe::ExportedFunction& f : ex.functions) {
        text += "  " + std::to_string(f.ordinal) + " " + (f.name ? *f.name : "(by ordinal only)") + " rva " + hex(f.rva) + "\n";
        funcs.push(Json::object().set("ordinal", f.ordinal).set("name", f.name ? Json(*f.name) : Json()).set("rva", static_cast<std::int64_t>(f.rva)));
    }
    emit(a, Json::object().set("module", ex.dll_name).set("ordinal_base", ex.ordinal_base).set("functions", funcs), text);
    return 0;
}

int cmd_headers(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    const char* machine = img.machine() == pe::kMachineI386 ? "i386" : img.machine() == pe::kMachineAmd64 ? "x86-64" : "other";
    std::uint16_t dc = img.dll_characteristics();
    struct Flag { std::uint16_t bit; const char* name; };
    const Flag flags[] = {{0x0020, "HIGH_ENTROPY_VA"}, {0x0040, "DYNAMIC_BASE"}, {0x0080, "FORCE_INTEGRITY"},
                          {0x0100, "NX_COMPAT"},       {0x0200, "NO_ISOLATION"}, {0x0400, "NO_SEH"},
                          {0x0800, "NO_BIND"},         {0x1000, "APPCONTAINER"}, {0x2000, "WDM_DRIVER"},
                          {0x4000, "GUARD_CF"},        {0x8000, "TERMINAL_SERVER_AWARE"}};
    std::string text = std::string("format ") + (img.is_pe32_plus() ? "PE32+" : "PE32") + "  machine " + machine +
                       "  characteristics " + hex(img.characteristics()) + "  timestamp " + std::to_string(img.timestamp()) +
                       "\nDllCharacteristics " + hex(dc) + ":";
    Json fj = Json::array();
    for (const Flag& f : flags)
        if (dc & f.bit) {
            text += std::string(" ") + f.name;
            fj.push(f.name);
        }
    text += "\nsections:\n";
    Json sj = Json::array();
    for (const pe::Section& s : img.sections()) {
        std::string rwx = std::string(s.characteristics & pe::kSectionRead ? "r" : "-") + (s.writable() ? "w" : "-") + (s.executable() ? "x" : "-");
        char buf[128];
        std::snprintf(buf, sizeof buf, "  %-8s %s rva 0x%08X size 0x%08X raw 0x%08X flags 0x%08X\n", s.name.c_str(), rwx.c_str(),
                      s.virtual_address, s.virtual_size, s.raw_size, s.characteristics);
        text += buf;
        sj.push(Json::object().set("name", s.name).set("access", rwx).set("characteristics", static_cast<std::int64_t>(s.characteristics)));
    }
    text += "imports:\n";
    Json ij = Json::array();
    for (const pe::ImportedDll& d : img.imports()) {
        text += "  " + d.dll_name + ":";
        Json names = Json::array();
        for (const pe::ImportedFunction& f : d.functions) {
            std::string n = f.ordinal ? "#" + std::to_string(*f.ordinal) : f.name;
            text += " " + n;
            names.push(n);
        }
        text += "\n";
        ij.push(Json::object().set("module", d.dll_name).set("functions", names));
    }
    Json j = Json::object()
                 .set("format", img.is_pe32_plus() ? "PE32+" : "PE32")
                 .set("machine", machine)
                 .set("characteristics", static_cast<unsigned>(img.characteristics()))
                 .set("timestamp", static_cast<std::int64_t>(img.timestamp()))
                 .set("dll_characteristics", static_cast<unsigned>(dc))
                 .set("dll_characteristics_flags", fj)
                 .set("sections", sj)
                 .set("imports", ij);
    emit(a, j, text);
    return 0;
}

int cmd_resources(const Args& a) {
    pe::PeImage img = pe::PeImage::load_file(only_file(a));
    Json arr = Json::array();
    std::string text;
    for (const pe::ResourceLeaf& r : img.resources()) {
        text += r.type.to_string() + " " + r.name.to_string() + " " + std::to_string(r.language) + " " + std::to_string(r.size) + "\n";
        arr.push(Json::object()
                     .set("type", key_json(r.type))
                     .set("name", key_json(r.name))
                     .set("language", static_cast<unsigned>(r.language))
                     .set("bytes", static_cast<unsigned>(r.size)));
    }
    emit(a, arr, text);
    return 0;
}

int cmd_check(const Args& a) {
    if (a.positional.empty()) throw UsageError("check needs at least one FILE");
    int status = 0;
    Json arr = Json::array();
    for (const std::string& file : a.positional) {
        pe::PeImage img = pe::PeImage::load_file(file);
        std::vector<pe::Violation> violations = pe::check_catalogue(img);
        std::size_t count = pe::all_strings(img).size();
        Json vj = Json::array();
        for (const pe::Violation& v : violations) {
            std::cerr << file << ": " << v.to_string() << "\n";
            vj.push(Json::object().set("id", static_cast<unsigned>(v.id)).set("rule", v.rule).set("detail", v.detail).set("text", v.text));
        }
        if (!violations.empty()) status = 1;
        else if (!a.json) {
            std::cout << file << ": " << count << (count == 1 ? " text keeps" : " texts keep") << " the catalogue rules\n";
            std::cout << file << ": " << pe::catalogue_figures(img).to_string() << "\n";
        }
        arr.push(Json::object().set("file", file).set("texts", static_cast<unsigned>(count)).set("violations", vj));
    }
    if (a.json) std::cout << arr.dump() << "\n";
    return status;
}

int cmd_families(const Args& a) {
    Json arr = Json::array();
    std::string text;
    for (const plan::Family& f : plan::families) {
        Json runs = Json::array();
        std::size_t count = 0;
        for (const plan::IdRun& r : f.runs) {
            runs.push(Json(Json::Array{static_cast<unsigned>(r.first), static_cast<unsigned>(r.last)}));
            count += r.last - r.first + 1;
        }
        char buf[96];
        std::snprintf(buf, sizeof buf, "%-20s %5u-%-5u %4zu identifiers in %zu runs\n", f.name, f.first, f.last, count, f.runs.size());
        text += buf;
        arr.push(Json::object().set("name", f.name).set("first", static_cast<unsigned>(f.first)).set("last", static_cast<unsigned>(f.last)).set("runs", runs));
    }
    emit(a, arr, text);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Args a = parse_args(argc, argv);
        if (a.command == "strings") return cmd_strings(a);
        if (a.command == "dialogs") return cmd_dialogs(a);
        if (a.command == "bitmaps") return cmd_bitmaps(a);
        if (a.command == "version") return cmd_version(a);
        if (a.command == "exports") return cmd_exports(a);
        if (a.command == "headers") return cmd_headers(a);
        if (a.command == "check") return cmd_check(a);
        if (a.command == "resources") return cmd_resources(a);
        if (a.command == "families") return cmd_families(a);
        throw UsageError("unknown command \"" + a.command + "\"");
    } catch (const UsageError& e) {
        std::cerr << "torvik-inspect: " << e.what() << "\n" << "Try 'torvik-inspect --help'.\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "torvik-inspect: " << e.what() << "\n";
        return 1;
    }
}

#include "dialog_template.h"

#include "text.h"

namespace torvik::pe {
namespace {

// A name-or-ordinal field: 0 for none, 0xFFFF then a number, or a NUL-terminated text.
ResourceKey name_or_ordinal(const ByteView& v, std::size_t& at, const char* what) {
    std::uint16_t first = v.u16(at, what);
    if (first == 0xffff) {
        std::uint16_t n = v.u16(at + 2, what);
        at += 4;
        return ResourceKey::number(n);
    }
    return ResourceKey::text(v.wstring_z(at, what));
}

std::int16_t s16(const ByteView& v, std::size_t at, const char* what) {
    return static_cast<std::int16_t>(v.u16(at, what));
}

}  // namespace

DialogTemplate decode_dialog(ByteView v) {
    if (v.u16(0, "dialog header") == 1 && v.u16(2, "dialog header") == 0xffff)
        throw PeError("extended dialog template (DIALOGEX) is not a standard template");
    DialogTemplate d;
    d.style = v.u32(0, "dialog header");
    d.ex_style = v.u32(4, "dialog header");
    std::size_t count = v.u16(8, "dialog header");
    d.x = s16(v, 10, "dialog header");
    d.y = s16(v, 12, "dialog header");
    d.cx = s16(v, 14, "dialog header");
    d.cy = s16(v, 16, "dialog header");
    std::size_t at = 18;
    d.menu = name_or_ordinal(v, at, "dialog menu");
    d.window_class = name_or_ordinal(v, at, "dialog class");
    d.title = v.wstring_z(at, "dialog title");
    if (d.style & kDsSetFont) {
        d.font = DialogFont{v.u16(at, "dialog font size"), {}};
        at += 2;
        d.font->typeface = v.wstring_z(at, "dialog font name");
    }
    for (std::size_t i = 0; i < count; ++i) {
        at = align4(at);
        DialogItem item;
        item.style = v.u32(at, "dialog item");
        item.ex_style = v.u32(at + 4, "dialog item");
        item.x = s16(v, at + 8, "dialog item");
        item.y = s16(v, at + 10, "dialog item");
        item.cx = s16(v, at + 12, "dialog item");
        item.cy = s16(v, at + 14, "dialog item");
        item.id = v.u16(at + 16, "dialog item");
        at += 18;
        item.window_class = name_or_ordinal(v, at, "dialog item class");
        item.title = name_or_ordinal(v, at, "dialog item title");
        std::size_t extra = v.u16(at, "dialog item creation data");
        at += 2;
        ByteView data = v.sub(at, extra, "dialog item creation data");
        item.creation_data.assign(data.bytes().begin(), data.bytes().end());
        at += extra;
        d.items.push_back(std::move(item));
    }
    return d;
}

std::string class_name(const ResourceKey& window_class) {
    if (window_class.id) {
        switch (*window_class.id) {
            case kAtomButton: return "Button";
            case kAtomEdit: return "Edit";
            case kAtomStatic: return "Static";
            case kAtomListBox: return "ListBox";
            case kAtomScrollBar: return "ScrollBar";
            case kAtomComboBox: return "ComboBox";
            default: return "#" + std::to_string(*window_class.id);
        }
    }
    return escape(window_class.name);
}

}  // namespace torvik::pe

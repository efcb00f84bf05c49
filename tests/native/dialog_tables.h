// The expected rows of the dialog templates, one table per template: every
// control in template order with its kind, identifier, caption and marks, and
// its rectangle where the layout fixes it.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dialog_kinds.h"

namespace torvik::test {

using K = Kind;

struct Rect {
    int x, y, cx, cy;
    bool operator==(const Rect&) const = default;
};
inline void PrintTo(const Rect& r, std::ostream* os) { *os << r.x << ", " << r.y << ", " << r.cx << " by " << r.cy; }

struct Row {
    Kind kind;
    int id;  // -1 for a label or group box the host never reaches
    std::string caption;
    std::string marks;
    std::optional<Rect> rect = std::nullopt;
};

struct ExpectedDialog {
    int id;
    std::string caption;
    int cx, cy;
    bool shown;  // WS_VISIBLE
    std::vector<Row> rows;
};

// The rows of a and then of b: tables that share runs of rows are written
// from them.
inline std::vector<Row> concat(std::vector<Row> a, const std::vector<Row>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// OK, Cancel and Help, the last rows of most options dialogs.
inline const std::vector<Row> kStandardButtons = {
    {Kind::DefaultButton, 1, "OK", "GT"}, {Kind::PushButton, 2, "Cancel", "T"}, {Kind::PushButton, 9, "Help", "T"}};

const std::vector<ExpectedDialog>& data_input_dialogs();
const std::vector<ExpectedDialog>& analysis_options_dialogs();
const std::vector<ExpectedDialog>& table_options_dialogs();
const std::vector<ExpectedDialog>& plot_options_dialogs();

}  // namespace torvik::test

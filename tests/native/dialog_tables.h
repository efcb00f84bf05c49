// The expected rows of the dialog templates, one table per template: every
// control in template order with its kind, identifier, caption and marks, and
// its rectangle where the layout fixes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialog_kinds.h"

namespace torvik::test {

using K = Kind;

struct Rect {
    int x, y, cx, cy;
    bool operator==(const Rect&) const = default;
};

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

const std::vector<ExpectedDialog>& data_input_dialogs();
const std::vector<ExpectedDialog>& analysis_options_dialogs();

}  // namespace torvik::test

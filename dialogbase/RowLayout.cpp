#include "dialogbase/RowLayout.h"

#include <memory>
#include <string>

void AddFieldRows(BuiltLayout& built, std::span<const RowField> fields, const FieldGrid& grid) {
    const int perColumn = grid.RowsPerColumn > 0 ? grid.RowsPerColumn : static_cast<int>(fields.size());
    int k = 0;
    for (const RowField& field : fields) {
        const FieldColumn& column = grid.Columns[k < perColumn ? 0 : 1];
        const int top = grid.Top + grid.Pitch * (k % perColumn);
        const bool edit = field.Format != nullptr;
        built.Controls.push_back({.Class = "TLabel", .Name = built.Keep("Label" + std::to_string(k + 1)),
                                  .Parent = grid.Parent,
                                  .Bounds = {column.Label, top + grid.LabelDrop, grid.LabelWidth, 0},
                                  .Caption = field.Caption});
        built.Controls.push_back({.Class = edit ? "TEdit" : "TComboBox", .Name = field.Control, .Parent = grid.Parent,
                                  .Bounds = {column.Control, top, field.Width ? field.Width : grid.ControlWidth, 21},
                                  .TabOrder = grid.FirstTabOrder + k,
                                  .Props = field.Props ? field.Props : edit ? grid.EditProps : grid.ComboProps});
        ++k;
    }
}

namespace {

std::unique_ptr<BuiltLayout> Build(const RowLayout& layout) {
    auto built = std::make_unique<BuiltLayout>();
    built->Controls.assign(layout.Frame->Controls.begin(), layout.Frame->Controls.end());
    AddFieldRows(*built, layout.Fields, layout.Grid);
    built->Finish(*layout.Frame);
    return built;
}

}  // namespace

const FormLayout& BuiltRowLayout(const RowLayout& layout) { return LayoutBuiltOnce(layout, &Build); }

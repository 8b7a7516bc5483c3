#include "dialogbase/RowLayout.h"

#include <memory>
#include <string>

int AddFieldRows(BuiltLayout& built, std::span<const RowField> fields, const FieldGrid& grid) {
    const int perColumn = grid.RowsPerColumn > 0 ? grid.RowsPerColumn : static_cast<int>(fields.size());
    int k = 0, tabOrder = grid.FirstTabOrder;
    for (const RowField& field : fields) {
        const bool left = k < perColumn;
        const FieldColumn& column = grid.Columns[left ? 0 : 1];
        const int top = grid.Top + grid.Pitch * (left ? k : k - perColumn);
        const bool edit = field.Format != nullptr;
        const int width = field.Width ? field.Width : column.Width ? column.Width : grid.ControlWidth;
        if (field.CheckBox)
            built.Controls.push_back({.Class = "TCheckBox", .Name = field.CheckBox, .Parent = grid.Parent,
                                      .Bounds = {column.Box, top + grid.BoxDrop, 17, 17}, .Caption = "",
                                      .TabOrder = tabOrder++});
        built.Controls.push_back({.Class = "TLabel", .Name = built.Keep("Label" + std::to_string(k + 1)),
                                  .Parent = grid.Parent,
                                  .Bounds = {column.Label, top + grid.LabelDrop, grid.LabelWidth, 0},
                                  .Caption = field.Caption});
        built.Controls.push_back({.Class = edit ? "TEdit" : "TComboBox", .Name = field.Control, .Parent = grid.Parent,
                                  .Bounds = {column.Control, top, width, 21}, .TabOrder = tabOrder++,
                                  .Props = field.Props ? field.Props : edit ? grid.EditProps : grid.ComboProps});
        ++k;
    }
    return tabOrder;
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

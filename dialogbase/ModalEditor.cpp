#include "dialogbase/ModalEditor.h"

#include "dialogbase/RowEditor.h"

TModalEditor::TModalEditor(TComponent* owner, const FormLayout& layout) : TDialogFrame(owner, layout) {}

RowSnapshot TModalEditor::FormWithListedRows() const {
    RowSnapshot form;
    if (ListedRows) form.ListedKeys = ListedKeysOf(ListedRows);
    return form;
}

void TModalEditor::WriteAndClose() {
    if (WriteEntry) WriteEntry();
    Close();
}

void ShowEditor(TModalEditor& editor, RowWrite mode) {
    editor.EditMode = mode;
    editor.ShowModal();
}

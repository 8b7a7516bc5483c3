#pragma once
// Buttons with pictures: TBitBtn and TSpeedButton. A glyph bitmap is drawn
// with the colour of its bottom-left pixel transparent; a bitmap holding
// several glyphs side by side (width a multiple of height) shows the first.
//
// A speed button can stay down: Down is the program's to set (whatever the
// GroupIndex); a click on a button of a group (GroupIndex > 0) puts it down
// and the others of the group (same parent) up.

#include "platform/StdCtrls.h"

class QToolButton;

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    // Load the picture through it: BitBtn1->Glyph()->LoadFromFile(path).
    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);

private:
    void GlyphChanged();
    TBitmap glyph_;
    int numGlyphs_ = 1;
};

class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TComponent* owner);
    QToolButton* Widget() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    TBitmap* Glyph() { return &glyph_; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Flat() const;
    void SetFlat(bool flat);
    void Click() override;

protected:
    bool MouseClicks() const override { return false; }

private:
    void Pressed();
    void GlyphChanged();
    TBitmap glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};

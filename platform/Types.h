#pragma once
// Plain types and constants of the class library layer: colours, alignment,
// close actions, modal results, message-box flags and window messages.

#include <cstdint>

class QWidget;

// A window handle is the Qt widget that stands for the control.
using HWND = QWidget*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;

// Colours are 0x00BBGGRR words; values with the top bit set name a system
// colour (the low byte is its index), as the class library does.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = 0x80000000;
constexpr TColor clBackground = 0x80000001;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor clInfoText = 0x80000017;
constexpr TColor clInfoBk = 0x80000018;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor RGB(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The parent's edges a control keeps its distance to when the parent is
// resized: a set of flags (left and right: it stretches).
using TAnchors = unsigned;
constexpr TAnchors akLeft = 1, akTop = 2, akRight = 4, akBottom = 8;
constexpr TAnchors akTopLeft = akLeft | akTop;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
enum TBorderStyle { bsNoBorder, bsSingleBorder };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psDash, psDot, psClear };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
enum TCursor { crDefault = 0, crArrow = -2, crHourGlass = -11 };

// Shift state: a set of flags.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;

// Font style: a set of flags.
using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

// Modal results.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrAll = 8;

// Message-box flags and answers.
constexpr UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
               MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
               MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40,
               MB_ICONINFORMATION = 0x40;
constexpr UINT MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000;
constexpr UINT MB_TYPEMASK = 0xF, MB_ICONMASK = 0xF0, MB_DEFMASK = 0xF00;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// Window messages that the layer understands itself; the program's own
// messages (WM_USER and up) go to the receiver's Dispatch.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_NEXTDLGCTL = 0x0028;
constexpr UINT WM_USER = 0x0400;

// Virtual key codes delivered to OnKeyDown.
constexpr WORD VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
               VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
               VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
               VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112;

// One window message as the receiver's Dispatch sees it.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

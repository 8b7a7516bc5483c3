#pragma once
// "Summer Time Configuration ": the switch's daylight-saving state
// (disable, repeating, annual), its offset in minutes, and the start and
// end of summer time, either as calendar dates (annual) or as weekday rules
// (repeating). The switch keeps each start and end as a short octet string;
// the dialog shows them as combo-box choices and composes them back.

#include <array>
#include <string>

#include "dialogbase/DialogFrame.h"

// The time strings as the controller shows them (two hex digits per octet)
// and the combo positions they stand for. Positions follow the combos'
// lists: days and months 1.. at 0.., hours and minutes 0.. at 0..; -1 (or
// any position outside a list) selects nothing.
namespace SummerTime {

// Day, month, hour, minute.
using AnnualPositions = std::array<int, 4>;
// Week of the month (0 first .. 3 fourth, 4 last), day of the week
// (0 Sunday .. 6 Saturday), month, hour, minute.
using RepeatingPositions = std::array<int, 5>;

// Which end of summer time a repeating rule gives: "last" week is written
// 00 in a start and FF in an end.
enum class Edge { Start, End };
constexpr int LastWeek = 4;

// The number of the first two characters of a text, read as hexadecimal;
// raises EConvertError for a character that is no hexadecimal digit, or
// for a text shorter than two characters.
int HexPairToInt(const std::string& text);

// "DDMMhhmm" to positions, and back (upper-case digits).
AnnualPositions AnnualFromText(const std::string& text);
std::string AnnualText(const AnnualPositions& positions);

// "WW00DDMMhhmm" to positions, and back.
RepeatingPositions RepeatingFromText(const std::string& text, Edge edge);
std::string RepeatingText(const RepeatingPositions& positions, Edge edge);

}  // namespace SummerTime

class TSummerTimeConfigForm : public TDialogFrame {
public:
    explicit TSummerTimeConfigForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void ComboBox1Change(TObject* sender);
    void Edit1Change(TObject* sender);

    static int HexPairToInt(const std::string& text) { return SummerTime::HexPairToInt(text); }
    void ShowAnnualFields();
    void ShowRepeatingFields();
    void ShowAnnualControls(bool visible);
    void ShowRepeatingControls(bool visible);
    void EnableTimeControls(bool enabled);

    TComboBox* ComboBox1;
    TEdit* Edit1;
    TComboBox* OffSetTimeComboBox;
    TEdit* AnualTimeStartEdit;
    TEdit* AnualTimeEndEdit;
    TEdit* Edit2;
    TEdit* Edit3;
    TGroupBox* GroupBox1;
    TGroupBox* GroupBox2;
    TComboBox* DayComboBox;
    TComboBox* MonthComboBox;
    TComboBox* HourComboBox;
    TComboBox* MiniuteComboBox;
    TComboBox* WeekComboBoxR;
    TComboBox* SWeekComboBox;
    TComboBox* MonthComboBoxR;
    TComboBox* HourComboBoxR;
    TComboBox* MiniuteComboBoxR;
    TComboBox* EDayComboBox;
    TComboBox* EMonthComboBox;
    TComboBox* EHourComboBox;
    TComboBox* EMiniuteComboBox;
    TComboBox* EWeekComboBoxR;
    TComboBox* EWeekComboBox;
    TComboBox* EMonthComboBoxR;
    TComboBox* EHourComboBoxR;
    TComboBox* EMiniuteComboBoxR;
    TLabel* Label13;
    TLabel* Label11;
    TLabel* Label14;
    TLabel* Label12;
    TLabel* Label15;  // "Day" of an annual start
    TLabel* Label16;  // "Day" of an annual end
    TMemo* Memo1;
    TButton* GetBtn;
    TButton* SetBtn;

    VxSNMPRequest2Edits* StateEdits = nullptr;
    VxSNMPRequest2Edits* AnnualEdits = nullptr;
    VxSNMPRequest2Edits* RepeatEdits = nullptr;

private:
    std::array<TComboBox*, 4> AnnualStart() const;
    std::array<TComboBox*, 4> AnnualEnd() const;
    std::array<TComboBox*, 5> RepeatingStart() const;
    std::array<TComboBox*, 5> RepeatingEnd() const;
    void FillTimeCombos();
    // Reads the time strings of the state shown and shows them; `disable`
    // also disables the combos for the state "disable".
    void ReadTimesOfState(bool disable);
    void ReadAnnual();
    void ReadRepeating();
    // The first combo of the state's group with no choice; null when every
    // one has its choice.
    TComboBox* FirstUnchosen(const std::string& state) const;
};

extern TSummerTimeConfigForm* SummerTimeConfigForm;

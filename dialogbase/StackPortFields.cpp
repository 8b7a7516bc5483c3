#include "dialogbase/StackPortFields.h"

#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"

namespace {
constexpr int SlotsPerUnit = 64;
}

UnitAndPortText UnitAndPortOf(int stackPort) {
    const int unit = stackPort / SlotsPerUnit;
    const int port = stackPort % SlotsPerUnit;
    if (port != 0) return {std::to_string(unit + 1), std::to_string(port)};
    return {std::to_string(unit), stackPort == 0 ? "0" : std::to_string(SlotsPerUnit)};
}

int StackPortOf(int unit, int port) { return unit * SlotsPerUnit + port - SlotsPerUnit; }

void ShowUnitAndPort(int stackPort, TEdit* unitEdit, TEdit* portEdit) {
    const UnitAndPortText text = UnitAndPortOf(stackPort);
    unitEdit->SetText(text.Unit);
    portEdit->SetText(text.Port);
}

void DigitsOnlyKey(char& key) {
    if (key >= '0' && key <= '9') return;
    key = 0;
    MessageBeep(0);
}

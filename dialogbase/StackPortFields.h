#pragma once
// A stack port as the trunk, mirror and segmentation dialogs show it: two
// fields, unit and port, for one stack port number n = (unit - 1) * 64 +
// port. Both ways are written here once, with the keys those fields take.

#include <string>

class TEdit;

struct UnitAndPortText {
    std::string Unit;
    std::string Port;
};

// The fields of stack port n: the unit is n div 64 and the port n mod 64;
// when that port is not 0 they show unit + 1 and the port, otherwise the
// unit and "64" ("0" and "0" for n = 0). So 64 shows 1 and 64, 65 shows 2
// and 1.
UnitAndPortText UnitAndPortOf(int stackPort);

// The stack port number of a typed unit and port: unit * 64 + port - 64.
int StackPortOf(int unit, int port);

// Shows stack port n in the two fields.
void ShowUnitAndPort(int stackPort, TEdit* unitEdit, TEdit* portEdit);

// The key filter of the unit and port fields: any typed character but '0'
// to '9' is dropped with the default beep, Backspace included. Delete, the
// arrows, Home and End type nothing: they edit the field as in every box.
void DigitsOnlyKey(char& key);

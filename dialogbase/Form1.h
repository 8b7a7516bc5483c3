#pragma once
// A hidden form whose two flags tell two bridge editors that the reply they
// wait for has come: they install SetReady as their controllers'
// OnRefreshDone, clear the flags before a read or a write, and go on once
// they are set.

#include <cstdint>

#include "platform/Forms.h"

class VxSNMPRequest2Controls;
struct VxSNMPError;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // Sets both flags.
    void SetReady(VxSNMPRequest2Controls* controller, VxSNMPError* reply);

    uint8_t Ready1 = 0;
    uint8_t Ready2 = 0;
};

extern TForm1* Form1;

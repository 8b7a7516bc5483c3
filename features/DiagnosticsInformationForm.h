#pragma once
// The read-only view of the authenticator's diagnostic counters per supplicant (connections, authentications, time-outs, back-end exchanges).

#include "features/MacAuthCountersForm.h"

class TDiagnosticsInformationForm : public TMacAuthCountersForm {
public:
    explicit TDiagnosticsInformationForm(TComponent* owner);
};

extern TDiagnosticsInformationForm* DiagnosticsInformationForm;

#pragma once
// What the dialogs use of the main window, behind a small interface that the
// main window sets once, at start-up (as the front panels take theirs in a
// FrontPanelHost): the large-font flag, the agent address that captions
// end with, and the stack's unit table that the port pickers show. The
// dialogs, the pickers and Form1 know the main window only through it, so
// they work, and are tested, with any host.
//
// Without a host the dialogs see no large fonts, an empty agent address and
// an empty unit table.

#include <string>

#include "dialogbase/StackingPortUit.h"

class VxDialogHost {
public:
    // Whether the dialogs grow by their large-font rule.
    virtual bool UsesLargeFonts() const = 0;
    // The agent address as given at start-up.
    virtual std::string AgentAddress() const = 0;
    // The cached unit table, the controller that reads it, the model-name
    // table (its Report and Messages are the dialog's own business).
    virtual StackUnitTable UnitTable() const = 0;

protected:
    ~VxDialogHost() = default;
};

// Sets the host (null: none). The main window sets itself when it starts
// and takes itself away when it goes.
void SetDialogHost(VxDialogHost* host);
VxDialogHost* DialogHost();

// The host's answers, or those of no host; the agent address as captions
// show it (ShownAgentAddress: an IPv6 address in brackets).
bool HostUsesLargeFonts();
std::string HostAgentAddress();
StackUnitTable HostUnitTable();

#pragma once
// The whole class library layer in one include.
//
// Conventions:
// - Properties: read P(), write SetP(value): Edit1->Text(), Edit1->SetText("1").
// - Events: public members holding one handler each (Events.h):
//     Button1->OnClick = TNotifyEvent(this, &TMyForm::Button1Click);
// - Controls are created with an owner (which destroys them) and shown by
//   giving them a parent: auto* e = new TEdit(this); e->SetParent(this);
// - Window handles are the Qt widgets (Handle(), HWND).

#include "platform/Buttons.h"
#include "platform/Classes.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Events.h"
#include "platform/Exception.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Layout.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"

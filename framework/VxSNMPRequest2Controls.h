#pragma once
// The controller that ties one SNMP request to a window: it reads a whole
// page (Refresh) and writes it (SetValues), blocking or asynchronously,
// hands each received row to its subclass, and writes the outcome of each
// operation as one result line to its message target (a memo, a status bar,
// a status-bar panel or a sink of its own), or to a message box when it has
// none.
//
// How long work is stopped, waited for and deleted is below ("Lifetime of
// long work"); a dialog's close is
//
//   void TMyForm::FormClose(TObject*, TCloseAction& action) {
//       VxSNMPRequest2Controls::StopAndDelete(Controller);   // each controller
//   }

#include <cstdint>
#include <functional>
#include <string>

#include "framework/VxLifetime.h"
#include "framework/VxOctets.h"
#include "framework/VxSNMPRequest.h"
#include "platform/Classes.h"
#include "platform/Events.h"

class TMemo;
class TStatusBar;
class TStatusPanel;
class TWinControl;
class VxSNMPRequest2Controls;

using TRefreshDoneEvent = TEvent<VxSNMPRequest2Controls*, VxSNMPError*>;

// A message target that decides itself what it shows of the result lines it
// is given, and for how long (the main window's status line: a notice there
// is not overwritten by the next routine line).
class VxMessageSink : public TObject {
public:
    // `ok`: the line reports a success; `from`: the controller whose line it is.
    virtual void PutLine(const std::string& line, bool ok, const VxSNMPRequest2Controls* from) = 0;
};

class VxSNMPRequest2Controls {
public:
    explicit VxSNMPRequest2Controls(TWinControl* owner);
    virtual ~VxSNMPRequest2Controls();

    VxSNMPRequest2Controls(const VxSNMPRequest2Controls&) = delete;
    VxSNMPRequest2Controls& operator=(const VxSNMPRequest2Controls&) = delete;

    virtual void BeforeRefresh() {}
    virtual void BeforeSet() {}
    // One result of a scalar or single-row list, or one row of a table walk,
    // has been taken into the var list's items. In an asynchronous walk the
    // request for the next row is already on its way: the items keep this
    // row as long as ShowRow does not let the message loop run.
    virtual void ShowRow() = 0;
    // Copies the controls into the items' value texts before a write.
    virtual void ReadControls() {}
    virtual void ShowError(VxSNMPError* reply);
    virtual void ShowSetError(VxSNMPError* reply);
    virtual void AfterRefresh() {}
    virtual void AfterSet() {}

    void SetMsgCtrl(TMemo* memo);
    void SetMsgCtrl(TStatusBar* bar);
    void SetMsgCtrl(TStatusPanel* panel);
    void SetMsgCtrl(VxMessageSink* sink);
    TObject* MsgCtrl() const { return MsgCtrl_; }

    // One result line from the template of the last operation started.
    void ShowMsg(const std::string& text);

    void Refresh();
    // Writes every writable item that is not left out (VxItemsLeftOut.h
    // chooses, for one write, what it leaves out).
    void SetValues(bool refreshAfter, bool readControls);

    void OnRefreshResponse(VxSNMPError* reply, VxSNMPVarList* list);
    void OnSetResponse(VxSNMPError* reply, VxSNMPVarList* list);

    // Whether the agent took the last write that ended (false while it runs,
    // and when it was refused, failed or stopped): writes that depend on it
    // go only after it was taken.
    bool LastWriteTaken() const { return WriteTaken; }

    // The request of another controller whose values a filter template
    // ("#3 = 5") refers to; neither is set by any page of the module.
    VxSNMPRequest* AssociatedRequest = nullptr;
    std::string FilterTemplate;

    static Octets TextToOctets(const std::string& text, int syntax) { return ::TextToOctets(text, syntax); }
    static std::string OctetsToText(const Octets& bytes, int syntax) { return ::OctetsToText(bytes, syntax); }
    static Octets ExtractPart(const Octets& bytes, int offset, int syntax) {
        return ::ExtractPart(bytes, offset, syntax);
    }

    // ---- Lifetime of long work ------------------------------------------
    // Work is what Refresh and SetValues start: a read (a walk of a table)
    // or a write and the re-read after it, blocking or asynchronous. The
    // rule for everything that stops, waits for or deletes a controller:
    //
    // - IsBusy(): from the start of Refresh or SetValues until that work has
    //   ended: returned (blocking), or its last reply, time-out or failure
    //   handled (asynchronous).
    // - A close or an Exit ends the reads at once and lets the writes finish:
    //   a write the user started goes out whole, every request of it, and
    //   its outcome is known before the window or the program lets go of the
    //   controller. A read is only shown, so it is given up; a write left
    //   half done would leave the switch in a state nobody chose.
    // - EndReads(): for good: reads on their way are withdrawn (their
    //   replies dropped unseen: no row, no line, no OnRefreshDone), a
    //   blocking walk ends at its next row, and Refresh, the re-read after a
    //   write included, sends and shows nothing any more. Writes go on: one
    //   on its way is answered as always, and a handler that runs beneath
    //   still sends the rest of its write (a window's frame lets no new
    //   handler start meanwhile: dialogbase/DialogFrame.h).
    // - Stop(): ends all work at once and sends nothing more until Resume():
    //   requests on their way are withdrawn, writes too, so asynchronous
    //   work is no longer busy; a blocking walk ends at its next row. Refresh
    //   and SetValues of a stopped controller send and show nothing.
    // - WaitWhileBusy(ms): the one wait (VxLifetime.h): the message loop and
    //   the session run while asynchronous work is awaited, at most `ms`; it
    //   never waits for blocking work, which runs beneath the caller and
    //   cannot end before the caller returns. True when not busy; false on
    //   the limit, or when the controller was deleted meanwhile (Watch()
    //   tells which; touch nothing of it then).
    // - StopAndDelete(controller): what a window's close does: EndReads();
    //   an asynchronous write on its way is awaited (the one wait, input
    //   held, until its answer or its time-out); then Stop(), and delete, at
    //   once or, while blocking work of the controller or a Use runs beneath
    //   the caller, as soon as that has returned. The pointer is cleared.
    // - Use: a frame that calls into the controller across a wait (a
    //   blocking operation, a modal dialog) holds one, so that a close
    //   meanwhile defers the delete until the frame is done with it.
    // - A reply handler may delete its controller (from OnRefreshDone, say):
    //   the controller touches nothing of itself afterwards.
    // - EndAllWork(): the program is ending (Exit confirmed). Every
    //   controller ends its reads (EndReads) and Resume() no longer resumes
    //   one; one made afterwards starts stopped. So a blocking walk running
    //   beneath the exit ends at its next row and nothing more is read, while
    //   the writes under way finish as on a close.
    // - Between requests: a blocking walk lets the message loop handle held
    //   input after every row; while a VxInputBetweenRequests scope lives (a
    //   window being built) also before each of its requests, so that a
    //   close or an Exit ends a build at its next request.
    //
    // Superseded work ends silently too: a re-read of a table ends the walk
    // that runs, and a write ends every read on its way, so a late reply
    // never overwrites what is being written. Every other asynchronous read
    // ends with OnRefreshDone, a failed one and one whose reply could not be
    // shown included.
    bool IsBusy() const;
    void EndReads();
    void Stop();
    void Resume();
    static void EndAllWork();
    bool WaitWhileBusy(int ms);
    VxWatch Watch() const { return Life.Watch(); }

    template <class C>
    static void StopAndDelete(C*& controller) {
        VxSNMPRequest2Controls* going = controller;
        controller = nullptr;
        StopAndDeleteController(going);
    }

    class Use {
    public:
        explicit Use(VxSNMPRequest2Controls* controller);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        VxSNMPRequest2Controls* Controller;
        VxWatch Alive;
    };

    VxSNMPRequest Request;
    TRefreshDoneEvent OnRefreshDone;
    uint8_t Async = 1;
    TWinControl* Owner;
    uint32_t LastOp = 0;  // 0 the get template, 1 the set template
    uint8_t RefreshAfterSet = 1;

protected:
    // Shows a failure: in the result line, or in a message box without a
    // message target.
    void ReportFailure(const std::string& message);
    bool RowPasses();
    // Lets the message loop handle what is pending (a blocking walk does
    // after every row, so that the window stays usable).
    void LetMessagesRun();

private:
    static void StopAndDeleteController(VxSNMPRequest2Controls* controller);
    bool IsTable() const;
    // Reads on their way are withdrawn, and a blocking walk ends.
    void AbandonReads();
    // Waits while an asynchronous write is on its way; false when the
    // controller went meanwhile.
    bool LetWritesEnd();
    void RefreshBlocking();
    void StartAsyncRead();
    // A row of an asynchronous walk: sends for the next row, then shows this one.
    void AskNextRowThenShow();
    void StartAsyncWrite();
    void EndRead();
    void EndWrite();
    void EmitRefreshDone(VxSNMPError* reply);

    TObject* MsgCtrl_ = nullptr;
    bool WriteTaken = false;
    int AwaitedReads = 0;   // asynchronous reads not yet ended (a walk counts once)
    int AwaitedWrites = 0;  // asynchronous writes not yet ended
    int BlockingDepth = 0;  // blocking operations running (beneath whoever asks)
    unsigned ReadGeneration = 0;   // changes when the reads that run are abandoned
    unsigned WriteGeneration = 0;  // changes when everything stops
    int Users = 0;                 // Use frames running
    bool DeleteWhenUnused = false;
    bool ReadsEnded = false;       // EndReads(): no read goes any more
    VxLifeline Life;
};

// "hh:nn:ss AM" of the local time now.
std::string ResultLineTime();

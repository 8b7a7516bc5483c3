// Benchmark: a table page of the editor window (TSNMPListViewPanel in a
// TConfigForm, offscreen) fills a 1,000-row, 6-column table from the
// simulated stack, against the engine alone walking the same table in the
// same run:
//   - the engine's asynchronous walk through the pump (the way the page
//     walks, so the yardstick of the ratio);
//   - the engine's blocking walk (for reference);
//   - the page: a new window whose first read starts when the event loop
//     takes the message the window posts itself on creation, and ends when
//     the controller reports the walk done (OnRefreshDone, no longer busy)
//     with every row in the list view. Each row is appended to the list
//     view, and the page returns to the event loop after every row so that
//     the window stays usable.
// The page's time is taken from that first read to its end; creating,
// showing and destroying the window are not in it. Medians of several
// interleaved runs are printed; the page should take at most 1.2 times the
// engine's asynchronous walk.
//
//   bench_table_page [--runs N] [--rows N]

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchStack.h"
#include "bench/BenchSupport.h"
#include "bench/BenchTable.h"
#include "bench/EngineWalks.h"
#include "framework/GUIConfigForm.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

namespace {

using namespace bench;

constexpr double TargetRatio = 1.2;
constexpr int PageWalkLimitMs = 120000;

// The editor window, noting when its first read starts: when the loop hands
// it the message it posted itself on creation.
class TimedConfigForm : public TConfigForm {
public:
    using TConfigForm::TConfigForm;

    void Dispatch(TMessage& message) override {
        if (message.Msg == RefreshMessage && !ReadStarted) {
            ReadStarted = true;
            Clock.Restart();
        }
        TConfigForm::Dispatch(message);
    }

    bool ReadStarted = false;
    Stopwatch Clock;
};

// The rows in the list view, each checked to hold its own index in order.
int CheckedRows(TListView* list) {
    TListItems* items = list->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Item(i)->Caption() != std::to_string(i + 1))
            throw std::runtime_error("table page: row " + std::to_string(i + 1) + " shows index " +
                                     items->Item(i)->Caption());
    return items->Count();
}

WalkRun PageWalk() {
    auto* form = new TimedConfigForm(Application);
    auto* controller = new VxSNMPRequest2Edits(form);
    UseBenchTable(controller->Request);
    TSNMPListViewPanel* page = form->AddListViewPage(controller, -1, nullptr, -1, nullptr);

    std::optional<Timing> took;
    std::string failure;
    controller->OnRefreshDone = TRefreshDoneEvent::Func([&](VxSNMPRequest2Controls* done, VxSNMPError* reply) {
        took = form->Clock.Elapsed();
        if (reply->Code != 0) failure = "table page: " + reply->Message;
        else if (done->IsBusy()) failure = "table page: the controller is still busy after its walk";
    });
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] { timedOut = true; });
    limit.start(PageWalkLimitMs);

    form->SetCaption("Benchmark Table:127.0.0.1");
    form->Show();
    while (!took && !timedOut) Application->HandleMessage();

    WalkRun run;
    try {
        if (!took) throw std::runtime_error("table page: no end within the time limit");
        if (!failure.empty()) throw std::runtime_error(failure);
        run.Rows = CheckedRows(page->ListViewPanel->ListView);
        run.Time = *took;
    } catch (...) {
        delete form;
        throw;
    }
    delete form;
    return run;
}

void PrintResults(const std::vector<Walk>& walks, int rows, int runs) {
    PrintWalks("A table page filling a " + std::to_string(rows) +
                   "-row, 6-column table, SNMPv2c on 127.0.0.1, offscreen",
               walks, rows, runs, 0, "async");
    const double page = Median(walks[2].WallMs);
    const double ratio = page / Median(walks[0].WallMs);
    std::printf("\n  page / engine AsyncGet: %.2f\n  page / engine SyncGet:  %.2f\n", ratio,
                page / Median(walks[1].WallMs));
    std::printf("  target: the page within %.1f x the engine's asynchronous walk: %s\n", TargetRatio,
                ratio <= TargetRatio ? "met" : "NOT met");
}

int Run(int argc, char** argv) {
    const int runs = IntOption(argc, argv, "--runs", 7);
    const int rows = IntOption(argc, argv, "--rows", BenchDefaultRows);

    BenchStack stack(rows);
    std::vector<Walk> walks = {
        {"engine AsyncGet + pump", WholeCall(EngineAsyncWalk), {}, {}},
        {"engine SyncGet", WholeCall(EngineSyncWalk), {}, {}},
        {"table page (first read)", PageWalk, {}, {}},
    };
    RunInterleaved(walks, rows, runs);
    PrintResults(walks, rows, runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application->Initialize();
    // A message box would wait for a user who is not there: it is printed
    // and answered with its first button.
    SetMessageBoxHandler([](const MessageBoxCall& call) {
        std::fprintf(stderr, "bench_table_page: message box %s: %s\n", call.Caption.c_str(), call.Text.c_str());
        return DefaultMessageBoxAnswer(call.Flags);
    });
    int result = 1;
    try {
        result = Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_table_page: %s\n", e.what());
    }
    Application->DestroyComponents();
    return result;
}

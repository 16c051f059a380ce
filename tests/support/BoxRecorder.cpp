#include "tests/support/BoxRecorder.h"

#include "tests/support/FailingAllocation.h"

#include "framework/Application.h"

#include <algorithm>

namespace {
struct TOpenBoxes {
    int Boxes = 0;
    int ErrorBoxes = 0;
    int MostBoxes = 0;
    int MostErrorBoxes = 0;
};

TOpenBoxes& Open()
{
    static TOpenBoxes open;
    return open;
}
} // namespace

std::vector<TBoxRecorder::TBox>& TBoxRecorder::Boxes()
{
    static std::vector<TBox> boxes;
    return boxes;
}

TFailurePlan& TBoxRecorder::Failures()
{
    static TFailurePlan plan;
    return plan;
}

std::function<void()>& TBoxRecorder::WhileOpen()
{
    static std::function<void()> work;
    return work;
}

int TBoxRecorder::MostErrorBoxesOpen()
{
    return Open().MostErrorBoxes;
}

int TBoxRecorder::MostBoxesOpen()
{
    return Open().MostBoxes;
}

int TBoxRecorder::ErrorBoxes()
{
    return static_cast<int>(
        std::count_if(Boxes().begin(), Boxes().end(), [](const TBox& box) { return box.IsError(); }));
}

TBoxRecorder::TBoxRecorder() : FSaved(Application->MessageBoxFunction)
{
    Boxes().clear();
    Failures().Reset();
    WhileOpen() = nullptr;
    Open() = TOpenBoxes();
    Application->MessageBoxFunction = Record;
}

TBoxRecorder::~TBoxRecorder()
{
    Application->MessageBoxFunction = FSaved;
    WhileOpen() = nullptr;
}

int WINAPI TBoxRecorder::Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    if (Failures().Fails())
        return 0;
    TOpenBoxes& open = Open();
    {
        // The recorder's own bookkeeping, also while memory is failing.
        TAllocationAllowed allowed;
        Boxes().push_back(TBox{owner, text, caption, flags});
    }
    bool error = Boxes().back().IsError();
    ++open.Boxes;
    open.ErrorBoxes += error;
    open.MostBoxes = std::max(open.MostBoxes, open.Boxes);
    open.MostErrorBoxes = std::max(open.MostErrorBoxes, open.ErrorBoxes);
    if (open.Boxes == 1 && WhileOpen())
        WhileOpen()();
    --open.Boxes;
    open.ErrorBoxes -= error;
    return IDOK;
}

#include "tests/support/BoxRecorder.h"

#include "tests/support/FailingAllocation.h"

#include <algorithm>

namespace {
int Answer = IDOK;
HWND Watched = nullptr;

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
}  // namespace

TBoxRecorder::TBoxRecorder(int answer, HWND watched) : FSeam(Application->MessageBoxFunction, Record)
{
    Boxes().clear();
    Failures().Reset();
    WhileOpen() = nullptr;
    Open() = TOpenBoxes();
    Answer = answer;
    Watched = watched;
}

TBoxRecorder::~TBoxRecorder()
{
    WhileOpen() = nullptr;
}

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

int WINAPI TBoxRecorder::Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    if (Failures().Fails())
        return 0;
    {
        // The recorder's own bookkeeping, also while memory is failing.
        TAllocationAllowed allowed;
        Boxes().push_back(TBox{owner, text, caption, flags, Watched && IsWindowEnabled(Watched)});
    }
    TOpenBoxes& open = Open();
    bool error = Boxes().back().IsError();
    ++open.Boxes;
    open.ErrorBoxes += error;
    open.MostBoxes = std::max(open.MostBoxes, open.Boxes);
    open.MostErrorBoxes = std::max(open.MostErrorBoxes, open.ErrorBoxes);
    if (open.Boxes == 1 && WhileOpen())
        WhileOpen()();
    --open.Boxes;
    open.ErrorBoxes -= error;
    return Answer;
}

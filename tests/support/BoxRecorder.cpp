#include "tests/support/BoxRecorder.h"

namespace {
int Answer = IDOK;
HWND Watched = nullptr;
}

TBoxRecorder::TBoxRecorder(int answer, HWND watched) : FSeam(Application->MessageBoxFunction, Record)
{
    Boxes().clear();
    Answer = answer;
    Watched = watched;
}

std::vector<TBoxRecorder::TBox>& TBoxRecorder::Boxes()
{
    static std::vector<TBox> boxes;
    return boxes;
}

int WINAPI TBoxRecorder::Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    Boxes().push_back(TBox{owner, text, caption, flags, Watched && IsWindowEnabled(Watched)});
    return Answer;
}

#include "theme/NgThemedForms.h"

namespace {
INgFormList* CurrentList = nullptr;
}

INgFormList* SetThemedFormList(INgFormList* list)
{
    INgFormList* previous = CurrentList;
    CurrentList = list;
    return previous;
}

INgFormList* ThemedFormList()
{
    return CurrentList;
}

#include "app/UtilityUnits.h"

#include "app/ResourceProbe.h"
#include "app/SingleInstance.h"
#include "framework/Finalization.h"

void StartUtilityUnits()
{
    LoadResourceThunk();
    RegisterFinalizer(StopUtilityUnits);
}

void StopUtilityUnits()
{
    UnloadResourceThunk();
    ReleaseSingleInstance();
}

#include "framework/Persistent.h"

#include "framework/ClassBuilder.h"
#include "framework/Strings.h"

IMPLEMENT_CLASS(TPersistent) {}

void TPersistent::Assign(const TPersistent* source)
{
    if (source)
        source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* destination) const
{
    destination->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const
{
    std::string sourceName = source ? source->ClassName() : std::string("nil");
    throw EConvertError(Format("Cannot assign a %s to a %s", sourceName.c_str(), ClassName().c_str()));
}

void TPersistent::DefineProperties(TFiler&) {}

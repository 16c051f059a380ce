#include "framework/Graphic.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TGraphic) {}

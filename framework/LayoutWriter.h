#pragma once
// Streams a component and the components nested in it back out as layout
// text. Only values that differ from their defaults are stored, except the
// properties a class always stores; reading the text back and writing it
// again gives the same text.

#include <string>

class TComponent;

std::string WriteLayout(TComponent* root);

#pragma once
// Builds components from a stored layout: creates each component by class
// name, sets its properties in the declared order, binds event handlers by
// method name through the root's method table, resolves references once
// every component exists (also those on another form, "frmMain.Engine"),
// assigns the root's component fields, and calls Loaded on each.

#include <string>

class TComponent;
struct TLayoutObject;

// Reads the layout text into root, which must be of the layout's class.
void ReadLayout(TComponent* root, const std::string& text, const std::string& layoutName);
void ReadLayout(TComponent* root, const TLayoutObject& tree, const std::string& layoutName);

// Reads the layout compiled into the program as the RCDATA resource of
// that name (forms use their class name).
void ReadLayoutResource(TComponent* root, const std::string& resourceName);
bool LayoutResourceExists(const std::string& resourceName);
// That resource's layout, parsed.
TLayoutObject ParseLayoutResource(const std::string& resourceName);

// Creates a new component of the layout's class, owned by owner, and
// reads the layout into it.
TComponent* CreateFromLayout(const std::string& text, TComponent* owner, const std::string& layoutName);

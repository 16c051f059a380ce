#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "framework/Application.h"

int main(int argc, char** argv)
{
    // As in the program: the application object and its window come first.
    StartFramework();
    doctest::Context context(argc, argv);
    return context.run();
}

// The artwork tests stand alone: they need none of the program's objects.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

int main(int argc, char** argv)
{
    doctest::Context context(argc, argv);
    return context.run();
}

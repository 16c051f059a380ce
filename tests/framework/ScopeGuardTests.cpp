#include "framework/ScopeGuard.h"

#include <doctest/doctest.h>

#include <stdexcept>
#include <string>

namespace {
enum TFlag { flA, flB };
}

TEST_CASE("Scope guards put state back on return and on a throw, unless dismissed")
{
    int runs = 0;
    std::string seam = "real";
    TSet<TFlag> flags{flB};
    auto scope = [&](bool fail, bool dismiss) {
        TScopeGuard guard([&] { ++runs; });
        TScopedOverride<std::string> fake(seam, "fake");
        TScopedInclude<TFlag> including(flags, flA);
        CHECK(seam == "fake");
        CHECK(flags == TSet<TFlag>{flA, flB});
        if (dismiss)
            guard.Dismiss();
        if (fail)
            throw std::runtime_error("failed");
    };

    scope(false, false);
    CHECK(runs == 1);
    CHECK_THROWS_AS(scope(true, false), std::runtime_error);
    CHECK(runs == 2);
    scope(false, true);
    CHECK(runs == 2);
    CHECK(seam == "real");
    CHECK(flags == TSet<TFlag>{flB});
}

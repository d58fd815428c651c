#include "equations.h"

#include <gtest/gtest.h>

#include <cmath>

using solver::FormValues;

TEST(Equations, CatalogueTextsAreExactAndInOrder) {
    const std::vector<std::string_view> expected{
        "y' = - y",     "y' = x - y",       "y' = 2",
        "y' = sin(4x)", "y' = xcos(4x) -y", "y' = x/2 -sin(x+y)",
    };
    ASSERT_EQ(solver::kEquationTexts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(solver::kEquationTexts[i], expected[i]) << "entry " << i;
}

TEST(Equations, RightHandSides) {
    struct Case {
        const char* name;
        int fnum;
        double x, y, expected;
    };
    // Expected values are the mathematical ones: sin 1 = 0.8414709848078965,
    // cos 2 = -0.4161468365471424, sin 2 = 0.9092974268256817.
    const Case cases[] = {
        {"1 at origin", 1, 0, 0, 0},
        {"1 negates y", 1, 7, 2.5, -2.5},
        {"1 ignores x", 1, -3, -4, 4},
        {"2 at origin", 2, 0, 0, 0},
        {"2 x minus y", 2, 5, 1.25, 3.75},
        {"3 at origin", 3, 0, 0, 2},
        {"3 ignores x and y", 3, -1e300, 1e300, 2},
        {"4 at origin", 4, 0, 0, 0},
        {"4 sin(4x) at 0.25", 4, 0.25, 99, 0.8414709848078965},
        {"5 at origin", 5, 0, 0, 0},
        {"5 at 0.5, 1", 5, 0.5, 1, 0.5 * -0.4161468365471424 - 1},
        {"6 at origin", 6, 0, 0, 0},
        {"6 at 1, 0", 6, 1, 0, 0.5 - 0.8414709848078965},
        {"6 at 1, 1", 6, 1, 1, 0.5 - 0.9092974268256817},
        {"no equation", 0, 3, 4, 0},
        {"negative fnum", -1, 3, 4, 0},
        {"fnum 7", 7, 3, 4, 0},
    };
    for (const Case& c : cases) {
        const FormValues form{c.fnum, 0, 0, 0};
        EXPECT_NEAR(solver::f(form, c.x, c.y), c.expected, 1e-15) << c.name;
    }
    EXPECT_NEAR(solver::f(FormValues{6, 0, 0, 0}, 1, 0), -0.341471, 5e-7);
}

TEST(Equations, SelectionIsReadAtEveryCall) {
    FormValues form{1, 0, 0, 0};
    EXPECT_EQ(solver::f(form, 1, 3), -3);
    form.fnum = 2;
    EXPECT_EQ(solver::f(form, 1, 3), -2);
    form.fnum = 0;
    EXPECT_EQ(solver::f(form, 1, 3), 0);
}
